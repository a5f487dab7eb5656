// SPDX-License-Identifier: MIT
// The net of a solved solid, or the sentence that says why it has none.
#include <array>
#include <string_view>

#include "drawing.h"
#include "task/givens.h"
#include "net_shape.h"
#include "net_sheet.h"
#include "engine/value.h"
#include "wording/wording.h"

namespace solver::drawing {
namespace {

// The drawer of the solid's net, as its registration row names it; null where it has none.
const NetDrawer* drawerOf(const SolidRow& solid) {
    return solid.registration ? netDrawer(solid.registration->drawing.net) : nullptr;
}

// Why there is no net, where there is none.
std::string withoutNet(const Measures& m) {
    const SolidRow& solid = m.solid();
    const NetDrawer* drawer = drawerOf(solid);
    if (!drawer) {
        if (solid.registration && !solid.registration->drawing.withoutNet.empty())
            return std::string(solid.registration->drawing.withoutNet);
        return "Развивката " + std::string(solid.genitive) + " още не може да се начертае.";
    }
    if (drawer->needsSides && m.sides() < 3)
        return "Основата е дадена само с периметъра и лицето си, без броя на страните: тя може да е всеки "
               "многоъгълник, затова развивка не се чертае. Дайте и n, за да се начертае.";
    return "";
}

// The lengths a net is drawn from, as the solution writes them.
template <std::size_t N>
std::vector<std::string> measuresOf(const Measures& m, const std::array<std::string_view, N>& keys) {
    std::vector<std::string> texts;
    for (std::string_view key : keys)
        if (const QuantityResult* q = key.empty() ? nullptr : m.known(key)) texts.push_back(fullLabel(*q));
    return texts;
}

Value valueOf(const QuantityResult& q, double pi) {
    return q.exact ? Value(*q.exact, pi) : Value::decimal(q.value);
}

// A sector's angle 360°·r : l, in the solution's numbers: "= 216", "≈ 154,29".
std::string sectorAngle(const QuantityResult& radius, const QuantityResult& slant, const Wording& wording) {
    const Value angle = Value::whole(360) * valueOf(radius, wording.pi()) / valueOf(slant, wording.pi());
    return wording.equals(Value::decimal(angle.number)) + "°";
}

SheetText textOf(const Measures& m, const NetDrawer& drawer, const Wording& wording, bool unitGiven) {
    const DrawingRow& row = m.solid().registration->drawing;
    SheetText text;
    text.title = "Развивка " + std::string(m.solid().genitive);
    if (!unitGiven) text.unitNote = "(задачата е без мерна единица: дължините са в сантиметри)";
    text.instructions =
        "Изрежете по плътните линии, сгънете по пунктираните и залепете сивите ушенца под "
        "съседните стени.";
    text.withoutTabs = "Изрежете по плътните линии, сгънете по пунктираните и залепете ръбовете с тиксо.";
    if (drawer.seam) {
        text.instructions = "Изрежете по плътните линии, залепете шева със сивото ушенце, а основите — с тиксо.";
        text.withoutTabs = "Изрежете по плътните линии и залепете шева и основите с тиксо.";
    }
    if (!drawer.sector) {
        text.measures = measuresOf(m, row.netShown);
        return text;
    }
    // A sector of radius l for a base of radius r: its measures and its angle, where both are known.
    const std::string_view radius = row.netDrawnFrom[0], slant = row.netDrawnFrom[1];
    if (m.has(radius) && m.has(slant)) {
        text.measures = measuresOf(m, row.netShown);
        const std::string angle = sectorAngle(*m.known(radius), *m.known(slant), wording);
        text.measures.push_back("ъгъл на сектора α = 360°·" + std::string(radius) + " : " + std::string(slant) + " " +
                                angle);
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
    NetSvg net = sheet(m, millimetres, std::string(unitSymbol(unit)), textOf(m, *drawerOf(solid), wording, options.unit.has_value()),
                       options.stylesheet);
    if (net.svg.empty()) net.message = "Развивката не може да се начертае: мерките на тялото не са определени.";
    return net;
}

}  // namespace solver::drawing
