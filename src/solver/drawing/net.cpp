// SPDX-License-Identifier: MIT
// The net of a solved solid, or the sentence that says why it has none.
#include <string_view>

#include "drawing.h"
#include "task/givens.h"
#include "net_sheet.h"
#include "engine/value.h"
#include "wording/wording.h"

namespace solver::drawing {
namespace {

// Why there is no net, where there is none.
std::string withoutNet(const Measures& m) {
    const std::string_view key = m.solid().key;
    if (key == "sphere")
        return "Сферата няма развивка: тя не може да се разгъне в равнина, без да се разтегне или скъса.";
    if (key == "polygon") return "Многоъгълникът е равнинна фигура и няма развивка.";
    if ((key == "prism" || key == "pyramid") && m.sides() < 3)
        return "Основата е дадена само с периметъра и лицето си, без броя на страните: тя може да е всеки "
               "многоъгълник, затова развивка не се чертае. Дайте и n, за да се начертае.";
    return "";
}

// The lengths a net is drawn from, as the solution writes them.
std::vector<std::string> measuresOf(const Measures& m, std::initializer_list<std::string_view> keys) {
    std::vector<std::string> texts;
    for (std::string_view key : keys)
        if (const QuantityResult* q = m.known(key)) texts.push_back(fullLabel(*q));
    return texts;
}

Value valueOf(const QuantityResult& q, double pi) {
    return q.exact ? Value(*q.exact, pi) : Value::decimal(q.value);
}

// The cone's sector angle 360°·r : l, in the solution's numbers: "= 216", "≈ 154,29".
std::string sectorAngle(const Measures& m, const Wording& wording) {
    const Value angle = Value::whole(360) * valueOf(*m.known("r"), wording.pi()) / valueOf(*m.known("l"), wording.pi());
    return wording.equals(Value::decimal(angle.number)) + "°";
}

SheetText textOf(const Measures& m, const Wording& wording, bool unitGiven) {
    const std::string_view key = m.solid().key;
    SheetText text;
    text.title = "Развивка " + std::string(m.solid().genitive);
    if (!unitGiven) text.unitNote = "(задачата е без мерна единица: дължините са в сантиметри)";
    text.instructions =
        "Изрежете по плътните линии, сгънете по пунктираните и залепете сивите ушенца под "
        "съседните стени.";
    text.withoutTabs = "Изрежете по плътните линии, сгънете по пунктираните и залепете ръбовете с тиксо.";
    if (key == "cube")
        text.measures = measuresOf(m, {"a"});
    else if (key == "box")
        text.measures = measuresOf(m, {"a", "b", "c"});
    else if (key == "prism")
        text.measures = measuresOf(m, {"n", "a", "h"});
    else if (key == "pyramid")
        text.measures = measuresOf(m, {"n", "a", "b", "k"});
    else {
        text.instructions = "Изрежете по плътните линии, залепете шева със сивото ушенце, а основите — с тиксо.";
        text.withoutTabs = "Изрежете по плътните линии и залепете шева и основите с тиксо.";
    }
    if (key == "cylinder") text.measures = measuresOf(m, {"r", "h"});
    if (key == "cone" && m.has("r") && m.has("l")) {
        text.measures = measuresOf(m, {"r", "l"});
        const std::string angle = sectorAngle(m, wording);
        text.measures.push_back("ъгъл на сектора α = 360°·r : l " + angle);
        text.angle = "α " + angle;
    }
    return text;
}

}  // namespace

NetSvg netSvg(const SolidRow& solid, const Solution& solution, const NetOptions& options) {
    const Measures m(solid, solution);
    if (std::string reason = withoutNet(m); !reason.empty()) return {"", reason};
    const Unit unit = options.unit.value_or(Unit::Centimetre);
    const Wording wording(options.settings, unit, false);
    const double millimetres = unitFactor(unit, Unit::Millimetre, 1).convert_to<double>();
    NetSvg net = sheet(m, millimetres, std::string(unitSymbol(unit)), textOf(m, wording, options.unit.has_value()),
                       options.stylesheet);
    if (net.svg.empty()) net.message = "Развивката не може да се начертае: мерките на тялото не са определени.";
    return net;
}

}  // namespace solver::drawing
