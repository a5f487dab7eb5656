// SPDX-License-Identifier: MIT
#include "engine/tables/tables.h"

namespace solver::tables {
namespace {

using enum Dimension;

// clang-format off
constexpr QuantityRow quantities[] = {
    {"a",  "основен ръб",       Length, "основния ръб a"},
    {"b",  "основен ръб",       Length, "основния ръб b"},
    {"c",  "височина",          Length, "височината"},
    {"d",  "диагонал",          Length, "диагонала"},
    {"S",  "околна повърхнина", Area,   "околната повърхнина"},
    {"S1", "пълна повърхнина",  Area,   "пълната повърхнина"},
    {"V",  "обем",              Volume, "обема"},
    {"d1", "диагонал на основата", Length, "диагонала на основата"},
    {"α",  "ъгъл между диагонала и основата", Angle, "ъгъла между диагонала и основата", false, acuteAngle},
    {"β",  "ъгъл между диагонала и околната стена с ръбове a и c", Angle,
     "ъгъла между диагонала и околната стена с ръбове a и c", false, acuteAngle},
    {"γ",  "ъгъл между диагонала и околната стена с ръбове b и c", Angle,
     "ъгъла между диагонала и околната стена с ръбове b и c", false, acuteAngle},
};
constexpr RelationRow relations[] = {
    {"V = a·b·c", {"a = V : (b·c)", "b = V : (a·c)", "c = V : (a·b)"}},
    {"S = 2(a + b)·c", {"c = S : (2(a + b))", "a = S : (2c) − b", "b = S : (2c) − a"},
     "околната повърхнина е 2(a + b)·c, затова тя е по-голяма от 2a·c и от 2b·c"},
    {"S1 = S + 2a·b", {"S = S1 − 2a·b", "a = (S1 − S) : (2b)", "b = (S1 − S) : (2a)"},
     "пълната повърхнина е околната и двете основи, затова S1 > S"},
    {"d² = a² + b² + c²", {"d = √(a² + b² + c²)", "a = √(d² − b² − c²)", "b = √(d² − a² − c²)", "c = √(d² − a² − b²)"},
     "диагоналът е по-дълъг от всеки ръб и d² = a² + b² + c²", Pythagoras},
    {"d1² = a² + b²", {"d1 = √(a² + b²)", "a = √(d1² − b²)", "b = √(d1² − a²)"},
     "диагоналът на основата d1 е хипотенуза в правоъгълния триъгълник с катети a и b, затова е по-дълъг от тях",
     Pythagoras},
    // The diagonal d, its projection d1 on the base and the height c: its angle α with the base.
    {"c = d1·tg α", {"α = arctg(c : d1)", "d1 = c : tg α"}, {}, 0, {}, "От правоъгълния триъгълник с катети d1 и c и хипотенуза d"},
    {"c = d·sin α", {"α = arcsin(c : d)", "d = c : sin α"}, {}, 0, {}, "От правоъгълния триъгълник с катети d1 и c и хипотенуза d"},
    {"d1 = d·cos α", {"α = arccos(d1 : d)", "d = d1 : cos α"}, {}, 0, {}, "От правоъгълния триъгълник с катети d1 и c и хипотенуза d"},
    // The edge at right angles to a lateral face is the diagonal's leg off that face.
    {"b = d·sin β", {"β = arcsin(b : d)", "d = b : sin β"}, {}, 0, {}, "От правоъгълния триъгълник с катет b и хипотенуза d"},
    {"a = d·sin γ", {"γ = arcsin(a : d)", "d = a : sin γ"}, {}, 0, {}, "От правоъгълния триъгълник с катет a и хипотенуза d"},
};
// clang-format on
constexpr std::string_view base[] = {"a", "b", "c"};

// clang-format off
// What the drawings, worksheets, the window and the pages read of the box.
constexpr TaskPattern direct[] = {
    {{"a", "b", "c"}, {}, {"d", "S", "S1", "V"}},
    {{"a", "b", "c"}, {"Rc"}, {"Sc", "Vc"}, 10},
};
constexpr TaskPattern inverse[] = {
    {{"a", "b", "V"},  {"c"}, {"d", "S", "S1"}},
    {{"a", "b", "S"},  {"c"}, {"V", "S1"}},
    {{"a", "b", "S1"}, {"c"}, {"V", "d"}},
};
constexpr MeasureDrawn wholeDiagonal[] = {{{"a", "b", "c"}, Drawn::WholeDiagonal}};
// Two different base edges: a square base makes "основни ръбове 4 cm и 4 cm".
constexpr MeasureDrawn anyEdges[] = {
    {{"a"}, Drawn::Length, 1, 12},
    {{"b"}, Drawn::OtherLength, 1, 12},
    {{"c"}, Drawn::Length, 1, 15},
};
constexpr MeasureChoice measures[] = {
    {.numbers = SheetNumbers::Whole, .oneIn = 3, .measures = wholeDiagonal},
    {.measures = anyEdges},
};
// clang-format on
constexpr Registration registration{
    .picture = "Image8",
    .drawing = {.figure = "cuboid",
                .proportions = {"a", "b", "c"},
                .net = "cuboid",
                .netDrawnFrom = {"a", "b", "c"},
                .netShown = {"a", "b", "c"},
                .sphereAxis = {"c"}},
    .worksheet = {.direct = direct, .inverse = inverse, .measures = measures},
};

// Other names a student may type for it.
constexpr std::string_view otherNames[] = {"паралелепипед", "правоъгълен паралелепипед", "кутия", "cuboid"};

}  // namespace

const SolidRow& box() {
    static constexpr SolidRow table{.key = "box", .name = "правоъгълен паралелепипед", .genitive = "на паралелепипеда",
                                    .single = "правоъгълен паралелепипед", .gender = Gender::Masculine,
                                    .quantities = quantities, .relations = relations, .base = base,
                                    .interchangeable = {"a", "b"}, .otherNames = otherNames, .registration = &registration, .uses = boxUses};
    return table;
}

}  // namespace solver::tables
