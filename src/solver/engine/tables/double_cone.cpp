// SPDX-License-Identifier: MIT
// Two cones on one base, their apexes on either side of it: the body a
// triangle makes turning about one of its sides (a right triangle about its
// hypotenuse, an isosceles one about its base). The side turned about is the
// axis c = h1 + h2; the other two sides are the cones' generators l1 and l2;
// the triangle's height to the axis is the common base's radius r.
#include "engine/tables/tables.h"

namespace solver::tables {
namespace {

using enum Dimension;

// clang-format off
constexpr QuantityRow quantities[] = {
    {"r",  "радиус на общата основа",       Length, "радиуса на общата основа"},
    {"d",  "диаметър на общата основа",     Length, "диаметъра на общата основа"},
    {"c",  "ос (сбор от височините)",       Length, "оста"},
    {"h1", "височина на първия конус",      Length, "височината на първия конус"},
    {"h2", "височина на втория конус",      Length, "височината на втория конус"},
    {"l1", "образуваща на първия конус",    Length, "образуващата на първия конус"},
    {"l2", "образуваща на втория конус",    Length, "образуващата на втория конус"},
    {"γ",  "ъгъл между образуващите",       Angle,  "ъгъла между образуващите", false, angleBelowStraight},
    {"B",  "лице на общата основа",         Area,   "лицето на общата основа"},
    {"S1", "околна повърхнина на първия конус", Area, "околната повърхнина на първия конус"},
    {"S2", "околна повърхнина на втория конус", Area, "околната повърхнина на втория конус"},
    {"S",  "лице на повърхнината на тялото", Area,   "лицето на повърхнината"},
    {"V1", "обем на първия конус",          Volume, "обема на първия конус"},
    {"V2", "обем на втория конус",          Volume, "обема на втория конус"},
    {"V",  "обем",                          Volume, "обема"},
};
constexpr RelationRow relations[] = {
    {"d = 2r", {"r = d : 2"}},
    {"B = π·r²", {"r² = B : π"}},
    {"c = h1 + h2", {"c = h1 + h2", "h1 = c − h2", "h2 = c − h1"},
     "конусите са от двете страни на общата основа, затова ъглите на триъгълника при краищата на оста са остри, "
     "а иначе тялото е конус, от който е изрязан друг конус"},
    // Both right triangles have the leg r: l1² − h1² = l2² − (c − h1)².
    {"h1 = (c² + l1² − l2²) : (2c)", {}, "двете височини са положителни: l1² − l2² е между −c² и c²", Pythagoras, {},
     "От двата правоъгълни триъгълника с общ катет r (r² = l1² − h1² = l2² − (c − h1)²)"},
    {"l1² = r² + h1²", {"l1 = √(r² + h1²)", "r = √(l1² − h1²)", "h1 = √(l1² − r²)"},
     "образуващата l1 е хипотенуза в правоъгълния триъгълник с катети r и h1, затова е по-дълга от тях", Pythagoras},
    {"l2² = r² + h2²", {"l2 = √(r² + h2²)", "r = √(l2² − h2²)", "h2 = √(l2² − r²)"},
     "образуващата l2 е хипотенуза в правоъгълния триъгълник с катети r и h2, затова е по-дълга от тях", Pythagoras},
    // The triangle the body is turned from: its sides l1, l2 and c, its angle γ opposite c;
    // a right one as a textbook takes it, by Pythagoras and its legs.
    {"c² = l1² + l2²", {"c = √(l1² + l2²)", "l1 = √(c² − l2²)", "l2 = √(c² − l1²)"},
     {}, Pythagoras, "γ = 90°",
     "От правоъгълния триъгълник с катети l1 и l2 и хипотенуза c", true},
    {"r·c = l1·l2", {"r = l1·l2 : c"}, {}, 0, "γ = 90°",
     "Удвоеното лице на правоъгълния триъгълник с катети l1 и l2 е и r·c, и l1·l2", true},
    {"c² = l1² + l2² − 2·l1·l2·cos γ", {"c = √(l1² + l2² − 2·l1·l2·cos γ)", "γ = arccos((l1² + l2² − c²) : (2·l1·l2))"},
     {}, 0, {},
     "По косинусовата теорема за триъгълника със страни l1, l2 и c"},
    {"r·c = l1·l2·sin γ", {"r = l1·l2·sin γ : c"}, {}, 0, {},
     "Удвоеното лице на триъгълника със страни l1, l2 и c е и r·c, и l1·l2·sin γ"},
    {"S1 = π·r·l1", {"l1 = S1 : (π·r)", "r = S1 : (π·l1)"}},
    {"S2 = π·r·l2", {"l2 = S2 : (π·r)", "r = S2 : (π·l2)"}},
    {"S = S1 + S2", {"S = S1 + S2", "S1 = S − S2", "S2 = S − S1"}, "повърхнината на тялото е сборът от околните повърхнини на двата конуса"},
    {"S = π·r·(l1 + l2)", {"S = π·r·(l1 + l2)", "r = S : (π·(l1 + l2))"}},
    {"V1 = π·r²·h1 : 3", {"h1 = 3V1 : (π·r²)", "r² = 3V1 : (π·h1)"}},
    {"V2 = π·r²·h2 : 3", {"h2 = 3V2 : (π·r²)", "r² = 3V2 : (π·h2)"}},
    {"V = π·r²·c : 3", {"c = 3V : (π·r²)", "r² = 3V : (π·c)"}},
    {"V = V1 + V2", {"V = V1 + V2", "V1 = V − V2", "V2 = V − V1"}},
};
// clang-format on
constexpr std::string_view base[] = {"r", "h1", "h2"};
constexpr std::string_view otherNames[] = {"двоен конус", "два конуса с обща основа"};

// Worksheets from grade 10 on: a right triangle turned about its hypotenuse
// (by its legs, or a leg and the hypotenuse), an isosceles one about its base.
constexpr TaskPattern direct[] = {
    {{"l1", "l2", "γ"}, {}, {"V", "S", "r"}, 10},
    {{"c", "l1", "l2"}, {}, {"V", "S", "r"}, 10},
    // A rhombus about its longer diagonal c, the other d: two equal cones.
    {{"c", "d"}, {}, {"V", "S", "r"}, 10, "l2=l1"},
};
constexpr TaskPattern inverse[] = {
    {{"l1", "c", "γ"}, {"V"}, {"S"}, 10},
};
constexpr WordedGivens worded[] = {
    // A right triangle with equal legs turned about its hypotenuse makes what a square makes about its diagonal.
    {{"l1", "l2", "γ"}, "Квадрат със страна {l1} се завърта около диагонала си.", "на полученото тяло", true, true, {"l1", "l2"}},
    {{"l1", "l2", "γ"}, "Правоъгълен триъгълник с катети {l1} и {l2} се завърта около хипотенузата си.", "на полученото тяло", true},
    {{"l1", "c", "γ"}, "Правоъгълен триъгълник с катет {l1} и хипотенуза {c} се завърта около хипотенузата си.", "на полученото тяло", true},
    {{"c", "l1", "l2"}, "Равнобедрен триъгълник с основа {c} и бедро {l1} се завърта около основата си.", "на полученото тяло", true},
    {{"c", "d"}, "Ромб с диагонали {c} и {d} се завърта около по-големия си диагонал.", "на полученото тяло", true, true},
};
// clang-format off
// An isosceles triangle's base and legs whose height to the base is whole: 6 and 5 (4).
constexpr std::array<int, 4> isosceles[] = {
    {6, 5, 5}, {8, 5, 5}, {10, 13, 13}, {16, 10, 10}, {24, 13, 13}, {12, 10, 10}, {16, 17, 17}, {30, 17, 17},
    {18, 15, 15}, {24, 15, 15}, {24, 20, 20}, {30, 25, 25}, {40, 25, 25}, {32, 20, 20}, {14, 25, 25}, {20, 26, 26},
};
// clang-format on
constexpr MeasureDrawn rightTriangle[] = {{{"l1", "l2"}, Drawn::RightLegs}, {{"γ"}, Drawn::Multiple, 1, 1, 90}};
constexpr MeasureDrawn isoscelesTriangle[] = {{{"c", "l1", "l2"}, Drawn::Listed, 0, 0, 1, isosceles}};
// A square's side twice: its halves about the diagonal are right triangles with equal legs.
constexpr std::array<int, 4> squareSides[] = {{2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {8, 8}, {10, 10}, {12, 12}};
constexpr MeasureDrawn square[] = {{{"l1", "l2"}, Drawn::Listed, 0, 0, 1, squareSides}, {{"γ"}, Drawn::Multiple, 1, 1, 90}};
// Those whose base is longer than twice the height: a rhombus's longer diagonal and its side.
constexpr std::array<int, 4> longerBase[] = {
    {8, 5, 5}, {16, 10, 10}, {24, 13, 13}, {30, 17, 17}, {24, 15, 15}, {40, 25, 25}, {32, 20, 20},
};
constexpr MeasureDrawn rhombus[] = {{{"c", "l1", "l2"}, Drawn::Listed, 0, 0, 1, longerBase}};
constexpr MeasureChoice measures[] = {{.forGiven = "d", .measures = rhombus},
                                      {.forGiven = "γ", .oneIn = 3, .measures = square},
                                      {.forGiven = "γ", .measures = rightTriangle},
                                      {.measures = isoscelesTriangle}};

constexpr Registration registration{
    .picture = {},
    .drawing = {.figure = "double cone",
                .proportions = {"r", "h1", "h2"},
                .withoutNet = "Тялото няма своя развивка: развиват се поотделно околните повърхнини на двата конуса."},
    .worksheet = {.direct = direct, .inverse = inverse, .measures = measures, .worded = worded},
};

}  // namespace

const SolidRow& doubleCone() {
    static constexpr SolidRow table{.key = "double-cone", .name = "два конуса с обща основа",
                                    .genitive = "на тялото", .single = "тяло от два конуса",
                                    .gender = Gender::Neuter, .quantities = quantities, .relations = relations,
                                    .base = base, .otherNames = otherNames, .registration = &registration};
    return table;
}

}  // namespace solver::tables
