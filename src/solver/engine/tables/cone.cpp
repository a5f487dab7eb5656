// SPDX-License-Identifier: MIT
#include "engine/tables/tables.h"

namespace solver::tables {
namespace {

using enum Dimension;

// clang-format off
constexpr QuantityRow quantities[] = {
    {"r",  "радиус",                 Length, "радиуса"},
    {"d",  "диаметър",               Length, "диаметъра"},
    {"h",  "височина",               Length, "височината"},
    {"l",  "образуваща",             Length, "образуващата"},
    {"S",  "околна повърхнина",      Area,   "околната повърхнина"},
    {"S1", "пълна повърхнина",       Area,   "пълната повърхнина"},
    {"V",  "обем",                   Volume, "обема"},
    {"Q",  "лице на осното сечение", Area,   "лицето на осното сечение"},
    {"α",  "ъгъл между образуващата и основата", Angle, "ъгъла между образуващата и основата", false, acuteAngle},
    {"β",  "ъгъл при върха на осното сечение",   Angle, "ъгъла при върха на осното сечение", false, angleBelowStraight},
    {"θ",  "централен ъгъл на развивката",       Angle, "централния ъгъл на развивката", false, sectorAngle},
};
constexpr RelationRow relations[] = {
    {"d = 2r", {"r = d : 2"}},
    {"l² = r² + h²", {"l = √(r² + h²)", "r = √(l² − h²)", "h = √(l² − r²)"},
     "образуващата l е хипотенуза в правоъгълния триъгълник с катети r и h, затова е по-дълга от радиуса и от височината",
     Pythagoras},
    {"S = π·r·l", {"l = S : (π·r)", "r = S : (π·l)"}},
    {"S1 = S + π·r²", {"S = S1 − π·r²", "r² = (S1 − S) : π"},
     "пълната повърхнина е околната и основата, затова S1 > S"},
    {"V = π·r²·h : 3", {"h = 3V : (π·r²)", "r² = 3V : (π·h)"}},
    {"Q = r·h", {"h = Q : r", "r = Q : h"}},
    {"S1 = π·r·(r + l)", {"l = S1 : (π·r) − r"}, "пълната повърхнина е по-голяма от лицето π·r² на основата"},
    // The right triangle of the generator l, the radius r and the height h, its angle α at the base.
    {"h = r·tg α", {"α = arctg(h : r)", "r = h : tg α"}, {}, 0, {}, "От правоъгълния триъгълник с катети r и h и хипотенуза l"},
    {"r = l·cos α", {"α = arccos(r : l)", "l = r : cos α"}, {}, 0, {}, "От правоъгълния триъгълник с катети r и h и хипотенуза l"},
    {"h = l·sin α", {"α = arcsin(h : l)", "l = h : sin α"}, {}, 0, {}, "От правоъгълния триъгълник с катети r и h и хипотенуза l"},
    // The axial section is an isosceles triangle: its angles at the base are α.
    {"β = 180° − 2α", {"α = 90° − β : 2"}, {}, 0, {}, "Осното сечение е равнобедрен триъгълник с ъгли α при основата"},
    // The net's sector: its arc is the base's circle, 2π·l·θ : 360° = 2π·r.
    {"θ = 360°·r : l", {"r = θ·l : 360°", "l = 360°·r : θ"}},
};
// clang-format on
constexpr std::string_view base[] = {"r", "h"};

// clang-format off
// What the drawings, worksheets, the window and the pages read of the cone.
constexpr TaskPattern direct[] = {
    {{"r", "h"}, {}, {"l", "S", "S1", "V"}},
    {{"r", "l"}, {}, {"h", "S", "S1", "V"}},
    {{"d", "h"}, {}, {"l", "S1", "V"}},
    {{"l", "α"}, {}, {"r", "h", "S", "V"}, 10},
    {{"r", "h"}, {"ri"}, {"Si", "Vi"}, 10},
    {{"r", "h"}, {"Rc"}, {"Sc"}, 10},
};
constexpr TaskPattern inverse[] = {
    {{"r", "V"},  {"h"}, {"l", "S1"}},
    {{"h", "V"},  {"r"}, {"l", "S"}},
    {{"r", "S"},  {"l"}, {"h", "V"}},
    {{"l", "S"},  {"r"}, {"h", "V"}},
    {{"r", "S1"}, {"l"}, {"h", "V"}},
    {{"h", "S"},  {"r"}, {"l", "V"}},
    {{"r", "Q"},  {"h"}, {"l", "V"}},
    {{"h", "α"},  {"r"}, {"l", "V"}, 10},
    // The cone from the ball inscribed in it and its radius or height.
    {{"r", "ri"}, {"h"}, {"l", "V"}, 10},
    {{"h", "ri"}, {"r"}, {"l", "S"}, 10},
};
// A radius and a height whose inscribed ball's radius r·h : (r + l) is whole: 6, 8 and 3.
constexpr std::array<int, 4> wholeInscribedBall[] = {{6, 8}, {12, 16}, {18, 24}, {12, 9}, {24, 18}, {15, 36}};
constexpr MeasureDrawn aroundWholeBall[] = {{{"r", "h"}, Drawn::Listed, 0, 0, 1, wholeInscribedBall}};
// A whole generator: r and h legs of a right triangle with whole sides.
constexpr MeasureDrawn wholeGenerator[] = {{{"r", "h"}, Drawn::RightLegs}};
constexpr MeasureDrawn anyMeasures[] = {{{"r"}, Drawn::Length, 1, 10}, {{"h"}, Drawn::Length, 1, 12}};
// A generator and its angle with the base, for the tasks that give an angle.
constexpr MeasureDrawn generatorAtAngle[] = {{{"l"}, Drawn::EvenLength, 2, 12}, {{"α"}, Drawn::TableAngle}};
constexpr MeasureChoice measures[] = {{.forGiven = "α", .measures = generatorAtAngle},
                                      {.forGiven = "ri", .measures = aroundWholeBall},
                                      {.oneIn = 2, .measures = wholeGenerator},
                                      {.measures = anyMeasures}};
// clang-format on
constexpr Registration registration{
    .picture = "Image3",
    .drawing = {.figure = "right cone",
                .proportions = {"r", "h"},
                .net = "right cone",
                .netDrawnFrom = {"r", "l"},
                .netShown = {"r", "l"},
                .sphereAxis = {"h", "r"}},
    .worksheet = {.direct = direct, .inverse = inverse, .measures = measures},
};

// Other names a student may type for it.
constexpr std::string_view otherNames[] = {"конус"};

}  // namespace

const SolidRow& cone() {
    static constexpr SolidRow table{.key = "cone", .name = "конус", .genitive = "на конуса", .single = "конус",
                                    .gender = Gender::Masculine, .quantities = quantities, .relations = relations,
                                    .base = base, .otherNames = otherNames, .registration = &registration, .uses = coneUses};
    return table;
}

}  // namespace solver::tables
