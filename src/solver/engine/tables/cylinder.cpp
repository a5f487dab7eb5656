// SPDX-License-Identifier: MIT
#include "engine/tables/tables.h"

namespace solver::tables {
namespace {

using enum Dimension;

// clang-format off
constexpr QuantityRow quantities[] = {
    {"r",  "радиус",                  Length, "радиуса"},
    {"d",  "диаметър",                Length, "диаметъра"},
    {"h",  "височина",                Length, "височината"},
    {"S",  "околна повърхнина",       Area,   "околната повърхнина"},
    {"S1", "пълна повърхнина",        Area,   "пълната повърхнина"},
    {"V",  "обем",                    Volume, "обема"},
    {"Q",  "лице на осното сечение",  Area,   "лицето на осното сечение"},
    {"d1", "диагонал на осното сечение", Length, "диагонала на осното сечение"},
    {"α",  "ъгъл между диагонала на осното сечение и основата", Angle,
     "ъгъла между диагонала на осното сечение и основата", false, acuteAngle},
};
constexpr RelationRow relations[] = {
    {"d = 2r", {"r = d : 2"}},
    {"S = 2π·r·h", {"h = S : (2π·r)", "r = S : (2π·h)"}},
    {"S1 = S + 2π·r²", {"S = S1 − 2π·r²", "r² = (S1 − S) : (2π)"},
     "пълната повърхнина е околната и двете основи, затова S1 > S"},
    {"V = π·r²·h", {"h = V : (π·r²)", "r² = V : (π·h)"}},
    {"Q = 2r·h", {"h = Q : (2r)", "r = Q : (2h)"}},
    {"S1 = 2π·r·(r + h)", {"h = S1 : (2π·r) − r"}, "пълната повърхнина е по-голяма от лицето 2π·r² на двете основи"},
    // The axial section is a rectangle d × h: its diagonal d1 and its angle α with the base.
    {"d1² = d² + h²", {"d1 = √(d² + h²)", "d = √(d1² − h²)", "h = √(d1² − d²)"},
     "диагоналът d1 е хипотенуза в правоъгълния триъгълник с катети d и h, затова е по-дълъг от тях", Pythagoras},
    {"h = d·tg α", {"α = arctg(h : d)", "d = h : tg α"}, {}, 0, {}, "От правоъгълния триъгълник с катети d и h и хипотенуза d1"},
    {"h = d1·sin α", {"α = arcsin(h : d1)", "d1 = h : sin α"}, {}, 0, {}, "От правоъгълния триъгълник с катети d и h и хипотенуза d1"},
    {"d = d1·cos α", {"α = arccos(d : d1)", "d1 = d : cos α"}, {}, 0, {}, "От правоъгълния триъгълник с катети d и h и хипотенуза d1"},
};
// clang-format on
constexpr std::string_view base[] = {"r", "h"};

// clang-format off
// What the drawings, worksheets, the window and the pages read of the cylinder.
constexpr TaskPattern direct[] = {
    {{"r", "h"}, {}, {"S", "S1", "V", "Q"}},
    {{"d", "h"}, {}, {"S", "S1", "V"}},
    {{"r", "h"}, {"Rc"}, {"Sc"}, 10},
};
constexpr TaskPattern inverse[] = {
    {{"r", "V"},  {"h"}, {"S", "S1"}},
    {{"h", "V"},  {"r"}, {"S", "S1"}},
    {{"r", "S"},  {"h"}, {"V", "S1"}},
    {{"h", "S"},  {"r"}, {"V"}},
    {{"r", "S1"}, {"h"}, {"V"}},
    {{"h", "S1"}, {"r"}, {"V"}},
    {{"r", "Q"},  {"h"}, {"V", "S"}},
    // The cylinder from the sphere about it and its height or radius.
    {{"h", "Rc"}, {"r"}, {"S", "V"}, 10},
    {{"r", "Rc"}, {"h"}, {"V", "S1"}, 10},
};
constexpr MeasureDrawn anyMeasures[] = {{{"r"}, Drawn::Length, 1, 10}, {{"h"}, Drawn::Length, 1, 15}};
// Half the height and the radius legs of a right triangle with whole sides: the sphere's radius its hypotenuse.
constexpr MeasureDrawn wholeSphere[] = {{{"h", "r"}, Drawn::RightLegs, 0, 0, 2}};
constexpr MeasureChoice measures[] = {{.forGiven = "Rc", .measures = wholeSphere}, {.measures = anyMeasures}};
// clang-format on
constexpr Registration registration{
    .picture = "Image2",
    .drawing = {.figure = "right cylinder",
                .proportions = {"r", "h"},
                .net = "right cylinder",
                .netDrawnFrom = {"r", "h"},
                .netShown = {"r", "h"},
                .sphereAxis = {"h"}},
    .worksheet = {.direct = direct, .inverse = inverse, .measures = measures},
};

// Other names a student may type for it.
constexpr std::string_view otherNames[] = {"цилиндър"};

}  // namespace

const SolidRow& cylinder() {
    static constexpr SolidRow table{.key = "cylinder", .name = "цилиндър", .genitive = "на цилиндъра",
                                    .single = "цилиндър", .gender = Gender::Masculine, .quantities = quantities,
                                    .relations = relations, .base = base, .otherNames = otherNames, .registration = &registration, .uses = cylinderUses};
    return table;
}

}  // namespace solver::tables
