// SPDX-License-Identifier: MIT
// The quantities of use a school task asks of a solid: the liquid in a vessel
// filled to a part of it, the mass by a density, the area to paint less the
// doors and windows, a vessel without a lid, a cost by a unit price. Each is
// a small table a solid takes in (its `uses`), its letters the solid's own;
// withUses() makes the solid with them, where a task names one.
#include <algorithm>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "engine/tables/tables.h"

namespace solver::tables {
namespace {

using enum Dimension;

// The fill of a vessel: a part of a whole, up to 1 (full).
constexpr Domain partOfWhole{.rule = "частта f трябва да е число от 0 до 1 (до ¾ пълен съд: f = 3/4)", .atMost = 1};

// clang-format off
constexpr QuantityRow fillQuantities[] = {
    {"V",  "обем",                           Volume, "обема"},
    {"f",  "част от обема, пълна с течност", Ratio,  "частта от обема, пълна с течност", false, partOfWhole, true},
    {"Vt", "обем на течността",              Volume, "обема на течността", false, {}, true},
};
constexpr RelationRow fillRelations[] = {
    {"Vt = f·V", {"f = Vt : V", "V = Vt : f"}},
};

constexpr QuantityRow liquidCostQuantities[] = {
    {"Vt", "обем на течността",    Volume,         "обема на течността"},
    {"cV", "цена за единица обем", MoneyPerVolume, "цената за единица обем", false, {}, true},
    {"CV", "цена на течността",    Money,          "цената на течността", false, {}, true},
};
constexpr RelationRow liquidCostRelations[] = {
    {"CV = cV·Vt", {"cV = CV : Vt", "Vt = CV : cV"}},
};

constexpr QuantityRow massQuantities[] = {
    {"V", "обем",     Volume,        "обема"},
    {"ρ", "плътност", MassPerVolume, "плътността", false, {}, true},
    {"m", "маса",     Mass,          "масата", false, {}, true},
};
constexpr RelationRow massRelations[] = {
    {"m = ρ·V", {"ρ = m : V", "V = m : ρ"}},
};

// The liquid's mass, by its density: „Колко килограма е водата в съда?“.
constexpr QuantityRow liquidMassQuantities[] = {
    {"Vt", "обем на течността", Volume,        "обема на течността"},
    {"ρ",  "плътност",          MassPerVolume, "плътността", false, {}, true},
    {"mt", "маса на течността", Mass,          "масата на течността", false, {}, true},
};
constexpr RelationRow liquidMassRelations[] = {
    {"mt = ρ·Vt", {"ρ = mt : Vt", "Vt = mt : ρ"}},
};

constexpr QuantityRow paintQuantities[] = {
    {"S",  "околна повърхнина",            Area, "околната повърхнина"},
    {"Sd", "лице на вратите и прозорците", Area, "лицето на вратите и прозорците", false, {}, true},
    {"Sp", "площ за боядисване",           Area, "площта за боядисване", false, {}, true},
};
constexpr RelationRow paintRelations[] = {
    {"Sp = S − Sd", {"Sd = S − Sp", "S = Sp + Sd"},
     "вратите и прозорците са част от стените (околната повърхнина), затова Sd < S"},
};

// Walls without doors or windows (a roof): the whole lateral surface is painted.
constexpr QuantityRow wholePaintQuantities[] = {
    {"S",  "околна повърхнина",  Area, "околната повърхнина"},
    {"Sp", "площ за боядисване", Area, "площта за боядисване", false, {}, true},
};
constexpr RelationRow wholePaintRelations[] = {
    {"Sp = S", {"S = Sp"}, "без врати и прозорци се боядисва цялата околна повърхнина, затова Sp = S"},
};

constexpr QuantityRow paintCostQuantities[] = {
    {"Sp", "площ за боядисване",   Area,         "площта за боядисване"},
    {"cS", "цена за единица площ", MoneyPerArea, "цената за единица площ", false, {}, true},
    {"CS", "цена на боядисването", Money,        "цената на боядисването", false, {}, true},
};
constexpr RelationRow paintCostRelations[] = {
    {"CS = cS·Sp", {"cS = CS : Sp", "Sp = CS : cS"}},
};

constexpr QuantityRow lidQuantities[] = {
    {"S",  "околна повърхнина",    Area, "околната повърхнина"},
    {"B",  "лице на основата",     Area, "лицето на основата"},
    {"So", "повърхнина без капак", Area, "повърхнината без капак", false, {}, true},
};
constexpr RelationRow lidRelations[] = {
    {"So = S + B", {"S = So − B", "B = So − S"},
     "повърхнината без капак е околната и една основа, затова So > S"},
};

// The base's area of solids whose tables have none, for a vessel without a lid.
constexpr QuantityRow squareBaseQuantities[] = {
    {"a", "ръб",              Length, "ръба"},
    {"B", "лице на основата", Area,   "лицето на основата", false, {}, true},
};
constexpr RelationRow squareBaseRelations[] = {{"B = a²", {"a² = B"}}};
constexpr QuantityRow rectangleBaseQuantities[] = {
    {"a", "основен ръб",      Length, "основния ръб a"},
    {"b", "основен ръб",      Length, "основния ръб b"},
    {"B", "лице на основата", Area,   "лицето на основата", false, {}, true},
};
constexpr RelationRow rectangleBaseRelations[] = {{"B = a·b", {"a = B : b", "b = B : a"}}};
constexpr QuantityRow circleBaseQuantities[] = {
    {"r", "радиус",           Length, "радиуса"},
    {"B", "лице на основата", Area,   "лицето на основата", false, {}, true},
};
constexpr RelationRow circleBaseRelations[] = {{"B = π·r²", {"r² = B : π"}}};
// clang-format on

constexpr std::string_view noBase[] = {"V"};

const SolidRow& fillOfVessel() {
    static constexpr SolidRow table{.key = "use-fill", .name = "течност в съд", .genitive = "на течността",
                                    .single = "съд", .gender = Gender::Masculine, .quantities = fillQuantities,
                                    .relations = fillRelations, .base = noBase};
    return table;
}

const SolidRow& costOfLiquid() {
    static constexpr SolidRow table{.key = "use-liquid-cost", .name = "цена на течността", .genitive = "на течността",
                                    .single = "течност", .gender = Gender::Feminine, .quantities = liquidCostQuantities,
                                    .relations = liquidCostRelations, .base = noBase};
    return table;
}

const SolidRow& wholeLateralPainted() {
    static constexpr SolidRow table{.key = "use-paint-whole", .name = "боядисване", .genitive = "на стените",
                                    .single = "стени", .gender = Gender::Feminine, .quantities = wholePaintQuantities,
                                    .relations = wholePaintRelations, .base = noBase};
    return table;
}

const SolidRow& costOfPainting() {
    static constexpr SolidRow table{.key = "use-paint-cost", .name = "цена на боядисването", .genitive = "на боядисването",
                                    .single = "боядисване", .gender = Gender::Neuter, .quantities = paintCostQuantities,
                                    .relations = paintCostRelations, .base = noBase};
    return table;
}

const SolidRow& massByDensity() {
    static constexpr SolidRow table{.key = "use-mass", .name = "маса", .genitive = "на тялото", .single = "тяло",
                                    .gender = Gender::Neuter, .quantities = massQuantities,
                                    .relations = massRelations, .base = noBase};
    return table;
}

const SolidRow& massOfLiquid() {
    static constexpr SolidRow table{.key = "use-liquid-mass", .name = "маса на течността", .genitive = "на течността",
                                    .single = "течност", .gender = Gender::Feminine, .quantities = liquidMassQuantities,
                                    .relations = liquidMassRelations, .base = noBase};
    return table;
}

const SolidRow& paintedWalls() {
    static constexpr SolidRow table{.key = "use-paint", .name = "боядисване", .genitive = "на стените", .single = "стени",
                                    .gender = Gender::Feminine, .quantities = paintQuantities,
                                    .relations = paintRelations, .base = noBase};
    return table;
}

const SolidRow& withoutLid() {
    static constexpr SolidRow table{.key = "use-open", .name = "съд без капак", .genitive = "на съда", .single = "съд",
                                    .gender = Gender::Masculine, .quantities = lidQuantities,
                                    .relations = lidRelations, .base = noBase};
    return table;
}

const SolidRow& squareBase() {
    static constexpr SolidRow table{.key = "use-square-base", .name = "основа", .genitive = "на основата",
                                    .single = "основа", .gender = Gender::Feminine, .quantities = squareBaseQuantities,
                                    .relations = squareBaseRelations, .base = noBase};
    return table;
}

const SolidRow& rectangleBase() {
    static constexpr SolidRow table{.key = "use-rectangle-base", .name = "основа", .genitive = "на основата",
                                    .single = "основа", .gender = Gender::Feminine,
                                    .quantities = rectangleBaseQuantities, .relations = rectangleBaseRelations,
                                    .base = noBase};
    return table;
}

const SolidRow& circleBase() {
    static constexpr SolidRow table{.key = "use-circle-base", .name = "основа", .genitive = "на основата",
                                    .single = "основа", .gender = Gender::Feminine, .quantities = circleBaseQuantities,
                                    .relations = circleBaseRelations, .base = noBase};
    return table;
}

}  // namespace

// What a solid with a volume and a lateral surface takes in; a vessel, with a
// base, also the area without a lid; a ball only the liquid and the mass. A
// part's letter that is no letter of the solid is the first part's that has it:
// the area to paint is the whole lateral surface unless the task names doors and windows.
#define SOLID_USES {&fillOfVessel}, {&costOfLiquid}, {&massByDensity}, {&wholeLateralPainted}, {&paintedWalls}, \
                   {&costOfPainting}, {&massOfLiquid}
const PartRow solidUses[7] = {SOLID_USES};
const PartRow vesselUses[8] = {SOLID_USES, {&withoutLid}};
// A polyhedron's sums of edges (engine/tables/edges.cpp) after its uses; the
// sphere described about a solid and the ball inscribed in it (engine/tables/spheres.cpp) last.
const PartRow cubeUses[12] = {{&squareBase}, SOLID_USES, {&withoutLid}, {&cubeEdges}, {&sphereAroundCube}, {&ballInCube}};
const PartRow boxUses[11] = {{&rectangleBase}, SOLID_USES, {&withoutLid}, {&boxEdges}, {&sphereAroundBox}};
const PartRow prismUses[11] = {SOLID_USES, {&withoutLid}, {&prismEdges}, {&sphereAroundPrism}, {&ballInPrism}};
const PartRow pyramidUses[10] = {SOLID_USES, {&pyramidEdges}, {&sphereAroundPyramid}, {&ballInPyramid}};
const PartRow triangularPrismUses[9] = {SOLID_USES, {&withoutLid}, {&triangularPrismEdges}};
const PartRow quadrangularPrismUses[9] = {SOLID_USES, {&withoutLid}, {&quadrangularPrismEdges}};
const PartRow triangularPyramidUses[8] = {SOLID_USES, {&triangularPyramidEdges}};
const PartRow quadrangularPyramidUses[8] = {SOLID_USES, {&quadrangularPyramidEdges}};
const PartRow triangleFacesPyramidUses[8] = {SOLID_USES, {&triangleFacesPyramidEdges}};
const PartRow isoscelesFacesPyramidUses[8] = {SOLID_USES, {&isoscelesFacesPyramidEdges}};
const PartRow rhombusFacesPyramidUses[8] = {SOLID_USES, {&rhombusFacesPyramidEdges}};
const PartRow cylinderUses[11] = {{&circleBase}, SOLID_USES, {&withoutLid}, {&sphereAroundCylinder}, {&ballInCylinder}};
const PartRow coneUses[9] = {SOLID_USES, {&sphereAroundCone}, {&ballInCone}};
const PartRow coneFrustumUses[9] = {SOLID_USES, {&sphereAroundConeFrustum}, {&ballInConeFrustum}};
const PartRow pyramidFrustumUses[9] = {SOLID_USES, {&sphereAroundPyramidFrustum}, {&ballInPyramidFrustum}};
#undef SOLID_USES
const PartRow ballUses[4] = {{&fillOfVessel}, {&costOfLiquid}, {&massByDensity}, {&massOfLiquid}};

}  // namespace solver::tables

namespace solver {
namespace {

// One solid with some of its uses, with the storage its views look into.
struct WithUses {
    const SolidRow* solid;
    unsigned taken;  // a bit for each of its uses
    std::vector<QuantityRow> quantities;
    std::vector<RelationRow> relations;
    SolidRow row;
};

bool hasQuantity(std::span<const QuantityRow> rows, std::string_view key) {
    return std::any_of(rows.begin(), rows.end(), [&](const QuantityRow& q) { return q.key == key; });
}

// Whether the use gives the letter (a quantity of use of its own), not only uses it (Vt in the liquid's cost).
bool gives(const PartRow& use, std::string_view key) {
    const auto rows = use.table().quantities;
    return std::any_of(rows.begin(), rows.end(), [&](const QuantityRow& q) { return q.key == key && q.ofUse; });
}

// How many of the solid's uses give the letter.
std::size_t usesWith(const SolidRow& solid, std::string_view key) {
    return std::size_t(std::count_if(solid.uses.begin(), solid.uses.end(), [&](const PartRow& use) { return gives(use, key); }));
}

// The uses that name these keys, and those that the letters of each need. A
// letter that one use alone has is taken first (Sd: the walls with doors), so
// that a letter of several (Sp) is that use's where the task takes it in.
unsigned usesTaken(const SolidRow& solid, const std::vector<std::string>& keys) {
    unsigned taken = 0;
    auto take = [&](std::string_view key) {
        if (hasQuantity(solid.quantities, key)) return;
        for (std::size_t i = 0; i < solid.uses.size(); ++i)
            if ((taken & (1u << i)) && gives(solid.uses[i], key)) return;
        for (std::size_t i = 0; i < solid.uses.size(); ++i)
            if (gives(solid.uses[i], key)) {
                taken |= 1u << i;
                return;
            }
    };
    std::vector<std::string_view> named;
    for (const std::string& key : keys)
        if (const int q = quantityIndex(withUses(solid), key); q >= 0) named.push_back(withUses(solid).quantities[std::size_t(q)].key);
    std::stable_sort(named.begin(), named.end(), [&](std::string_view a, std::string_view b) {
        return usesWith(solid, a) < usesWith(solid, b);
    });
    for (std::string_view key : named) take(key);
    for (unsigned before = 0; before != taken;) {
        before = taken;
        for (std::size_t i = 0; i < solid.uses.size(); ++i)
            if (taken & (1u << i))
                for (const QuantityRow& q : solid.uses[i].table().quantities) take(q.key);
    }
    return taken;
}

const SolidRow& made(const SolidRow& solid, unsigned taken) {
    static std::deque<WithUses> tables;
#if !defined(__EMSCRIPTEN__) || defined(__EMSCRIPTEN_PTHREADS__)
    // Solved in more than one thread (the window's), as the compiled tables are.
    static std::mutex guard;
    std::lock_guard lock(guard);
#endif
    for (const WithUses& m : tables)
        if (m.solid == &solid && m.taken == taken) return m.row;
    WithUses& made = tables.emplace_back(WithUses{&solid, taken, {}, {}, {}});
    made.quantities.assign(solid.quantities.begin(), solid.quantities.end());
    made.relations.assign(solid.relations.begin(), solid.relations.end());
    // The uses' relations after the solid's own, their letters the solid's.
    for (std::size_t i = 0; i < solid.uses.size(); ++i) {
        if (!(taken & (1u << i))) continue;
        const SolidRow& table = solid.uses[i].table();
        for (const QuantityRow& q : table.quantities)
            if (!hasQuantity(made.quantities, q.key)) made.quantities.push_back(q);
        made.relations.insert(made.relations.end(), table.relations.begin(), table.relations.end());
    }
    made.row = solid;
    made.row.quantities = made.quantities;
    made.row.relations = made.relations;
    made.row.uses = {};
    return made.row;
}

}  // namespace

const SolidRow& withUses(const SolidRow& solid) {
    return solid.uses.empty() ? solid : made(solid, (1u << solid.uses.size()) - 1);
}

const SolidRow& withUses(const SolidRow& solid, const std::vector<std::string>& keys) {
    if (solid.uses.empty()) return solid;
    const unsigned taken = usesTaken(solid, keys);
    return taken == 0 ? solid : made(solid, taken);
}

const SolidRow* useGiving(const SolidRow& solid, std::string_view key) {
    for (const PartRow& use : solid.uses)
        if (gives(use, key)) return &use.table();
    return nullptr;
}

bool isUseKey(const SolidRow& solid, std::string_view key) {
    if (solid.uses.empty() || quantityIndex(solid, key) >= 0) return false;
    return quantityIndex(withUses(solid), key) >= 0;
}

}  // namespace solver
