// SPDX-License-Identifier: MIT
#include "engine/tables/tables.h"

namespace solver::tables {
namespace {

using enum Dimension;

// clang-format off
constexpr QuantityRow quantities[] = {
    {"n",  "брой страни на основата", Count,  "броя на страните на основата", true, sidesOfPolygon},
    {"a",  "основен ръб",             Length, "основния ръб", true},
    {"h",  "височина",                Length, "височината"},
    {"P",  "периметър на основата",   Length, "периметъра на основата"},
    {"B",  "лице на основата",        Area,   "лицето на основата"},
    {"S",  "околна повърхнина",       Area,   "околната повърхнина"},
    {"S1", "пълна повърхнина",        Area,   "пълната повърхнина"},
    {"V",  "обем",                    Volume, "обема"},
    {"d1", "диагонал на околна стена", Length, "диагонала на околната стена", true},
    {"α",  "ъгъл между диагонала на околната стена и основата", Angle,
     "ъгъла между диагонала на околната стена и основата", true, acuteAngle},
    // The solid's diagonal through the centre: on a square base any, on a hexagon the long one.
    {"d",  "диагонал на призмата", Length, "диагонала на призмата", true},
    {"β",  "ъгъл между диагонала на призмата и основата", Angle, "ъгъла между диагонала на призмата и основата", true, acuteAngle},
    {"γ",  "ъгъл между диагонала на призмата и околна стена", Angle,
     "ъгъла между диагонала на призмата и околната стена", true, acuteAngle},
};
constexpr RelationRow relations[] = {
    {"P = n·a", {"a = P : n", "n = P : a"}},
    // With a grade set, a square, an equilateral triangle and a regular
    // hexagon by their own formulas, as the grade-6 textbook writes them.
    {"B = a²",          {"a² = B"},           {}, 0, "n = 4"},
    {"B = a²√3 : 4",    {"a² = 4B : √3"},     {}, 0, "n = 3"},
    {"B = 6·a²√3 : 4",  {"a² = 4B : (6√3)"},  {}, 0, "n = 6"},
    {"B = n·a² : (4·tg(180° : n))", {"a² = 4B·tg(180° : n) : n"}},
    {"S = P·h", {"h = S : P", "P = S : h"}},
    {"S1 = S + 2B", {"S = S1 − 2B", "B = (S1 − S) : 2"},
     "пълната повърхнина е околната и двете основи, затова S1 > S"},
    {"V = B·h", {"h = V : B", "B = V : h"}},
    // A lateral face is a rectangle a × h: its diagonal d1 and its angle α with the base edge.
    {"d1² = a² + h²", {"d1 = √(a² + h²)", "a = √(d1² − h²)", "h = √(d1² − a²)"},
     "диагоналът d1 е хипотенуза в правоъгълния триъгълник с катети a и h, затова е по-дълъг от тях", Pythagoras},
    {"h = a·tg α", {"α = arctg(h : a)", "a = h : tg α"}, {}, 0, {}, "От правоъгълния триъгълник с катети a и h и хипотенуза d1"},
    {"h = d1·sin α", {"α = arcsin(h : d1)", "d1 = h : sin α"}, {}, 0, {}, "От правоъгълния триъгълник с катети a и h и хипотенуза d1"},
    {"a = d1·cos α", {"α = arccos(a : d1)", "d1 = a : cos α"}, {}, 0, {}, "От правоъгълния триъгълник с катети a и h и хипотенуза d1"},
    // The diagonal d over the base's diagonal through the centre: a√2 on a square, 2a on a hexagon.
    {"d² = 2a² + h²", {"d = √(2a² + h²)", "h = √(d² − 2a²)", "a = √((d² − h²) : 2)"},
     "диагоналът d е хипотенуза в правоъгълния триъгълник с катети h и диагонала a√2 на основата", Pythagoras, "n = 4",
     {}, true},
    {"d² = 4a² + h²", {"d = √(4a² + h²)", "h = √(d² − 4a²)", "a = √(d² − h²) : 2"},
     "големият диагонал d е хипотенуза в правоъгълния триъгълник с катети h и големия диагонал 2a на основата",
     Pythagoras, "n = 6", {}, true},
    {"h = a√2·tg β", {"β = arctg(h : (a√2))", "a = h : (√2·tg β)"}, {}, 0, "n = 4",
     "От правоъгълния триъгълник с катети a√2 и h и хипотенуза d", true},
    {"h = 2a·tg β", {"β = arctg(h : (2a))", "a = h : (2·tg β)"}, {}, 0, "n = 6",
     "От правоъгълния триъгълник с катети 2a и h и хипотенуза d", true},
    {"h = d·sin β", {"β = arcsin(h : d)", "d = h : sin β"}, {}, 0, "n = 4",
     "От правоъгълния триъгълник с катети a√2 и h и хипотенуза d", true},
    {"h = d·sin β", {"β = arcsin(h : d)", "d = h : sin β"}, {}, 0, "n = 6",
     "От правоъгълния триъгълник с катети 2a и h и хипотенуза d", true},
    // On a square base the diagonal's projection on a lateral face is that face's diagonal d1.
    {"a = d·sin γ", {"γ = arcsin(a : d)", "d = a : sin γ"}, {}, 0, "n = 4",
     "От правоъгълния триъгълник с катети d1 и a и хипотенуза d", true},
    {"d1 = d·cos γ", {"γ = arccos(d1 : d)", "d1 = d·cos γ"}, {}, 0, "n = 4",
     "От правоъгълния триъгълник с катети d1 и a и хипотенуза d", true},
};
// clang-format on
constexpr std::string_view base[] = {"a", "h"};
constexpr std::string_view anyBase[] = {"P", "B", "h"};

// clang-format off
// What the drawings, worksheets, the window and the pages read of the prism.
constexpr int sheetSides[] = {3, 4, 6};
constexpr TaskPattern direct[] = {
    {{"a", "h"}, {}, {"B", "S", "S1", "V"}},
    // The sphere about it, and the ball in it, which sets its height, from grade 10.
    {{"a", "h"}, {"Rc"}, {"Sc"}, 10},
    {{"a"}, {"ri"}, {"h", "V", "Vi"}, 10},
};
constexpr TaskPattern inverse[] = {
    {{"a", "V"},  {"h"}, {"S", "S1"}},
    {{"a", "S"},  {"h"}, {"V", "S1"}},
    {{"h", "S"},  {"a"}, {"B", "V"}},
    {{"a", "S1"}, {"h"}, {"V"}},
    {{"h", "V"},  {"a"}, {"S", "S1"}},
    {{"ri"}, {"a"}, {"V", "S1"}, 10},
};
constexpr RootsAtSides rootsForDecimals[] = {
    {3, {"B", "V", "S1", "ri"}},
    {6, {"B", "V", "S1", "ri"}},
};
constexpr MeasureDrawn squareBase[] = {{{"a"}, Drawn::Length, 1, 12}, {{"h"}, Drawn::Length, 1, 15}};
constexpr MeasureDrawn otherBase[] = {{{"a"}, Drawn::EvenLength, 2, 12}, {{"h"}, Drawn::Length, 1, 15}};
// The base edge alone where a ball is inscribed: its radius, the base's inradius, is whole or a whole times √3.
constexpr MeasureDrawn squareAboutBall[] = {{{"a"}, Drawn::EvenLength, 2, 14}};
constexpr MeasureDrawn triangleAboutBall[] = {{{"a"}, Drawn::Multiple, 1, 3, 6}};
constexpr MeasureDrawn hexagonAboutBall[] = {{{"a"}, Drawn::EvenLength, 2, 10}};
constexpr MeasureChoice measures[] = {
    {.forGiven = "ri", .sides = 3, .measures = triangleAboutBall},
    {.forGiven = "ri", .sides = 4, .measures = squareAboutBall},
    {.forGiven = "ri", .sides = 6, .measures = hexagonAboutBall},
    {.forSought = "ri", .sides = 3, .measures = triangleAboutBall},
    {.forSought = "ri", .sides = 4, .measures = squareAboutBall},
    {.forSought = "ri", .sides = 6, .measures = hexagonAboutBall},
    {.sides = 4, .measures = squareBase},
    {.measures = otherBase}};
// clang-format on
constexpr Registration registration{
    .picture = "Image1",
    .drawing = {.figure = "right prism",
                .net = "right prism",
                .netDrawnFrom = {"a", "h"},
                .netShown = {"n", "a", "h"},
                .sphereAxis = {"h"}},
    .worksheet = {.sides = sheetSides,
                  .direct = direct,
                  .inverse = inverse,
                  .rootsForDecimals = rootsForDecimals,
                  .measures = measures,
                  .sidedName = {"правилна {}ъгълна призма", {}, Gender::Feminine}},
};

// Other names a student may type for it.
constexpr std::string_view otherNames[] = {"призма", "права призма"};

}  // namespace

const SolidRow& prism() {
    static constexpr SolidRow table{.key = "prism", .name = "права призма", .genitive = "на призмата",
                                    .single = "права призма", .gender = Gender::Feminine, .quantities = quantities,
                                    .relations = relations, .base = base, .baseWithoutSides = anyBase,
                                    .conditions = baseOfAnyShape, .otherNames = otherNames, .registration = &registration,
                                    .variant = "правилен многоъгълник или P и B", .uses = prismUses};
    return table;
}

}  // namespace solver::tables
