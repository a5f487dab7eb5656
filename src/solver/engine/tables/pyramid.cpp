// SPDX-License-Identifier: MIT
#include "engine/tables/tables.h"

namespace solver::tables {
namespace {

using enum Dimension;

// clang-format off
constexpr QuantityRow quantities[] = {
    {"n",  "брой страни на основата",                      Count,  "броя на страните на основата", true, sidesOfPolygon},
    {"a",  "основен ръб",                                  Length, "основния ръб", true},
    {"h",  "височина",                                     Length, "височината"},
    {"k",  "апотема на пирамидата",                        Length, "апотемата"},
    {"k1", "апотема на основата",                          Length, "апотемата на основата"},
    {"b",  "околен ръб",                                   Length, "околния ръб", true},
    {"r",  "радиус на вписаната в основата окръжност",     Length, "радиуса на вписаната в основата окръжност"},
    {"R",  "радиус на описаната около основата окръжност", Length, "радиуса на описаната около основата окръжност", true},
    {"P",  "периметър на основата",                        Length, "периметъра на основата"},
    {"B",  "лице на основата",                             Area,   "лицето на основата"},
    {"S",  "околна повърхнина",                            Area,   "околната повърхнина"},
    {"S1", "пълна повърхнина",                             Area,   "пълната повърхнина"},
    {"V",  "обем",                                         Volume, "обема"},
    {"α",  "ъгъл между околния ръб и основата",            Angle,  "ъгъла между околния ръб и основата", true, acuteAngle},
    {"φ",  "ъгъл между околната стена и основата",         Angle,  "ъгъла между околната стена и основата", false, acuteAngle},
    {"γ",  "ъгъл при върха на околната стена",             Angle,  "ъгъла при върха на околната стена", true, angleBelowStraight},
    {"hb", "височина на околната стена към околния ръб",   Length, "височината на околната стена към околния ръб", true},
    {"ψ",  "ъгъл между две съседни околни стени",          Angle,  "ъгъла между две съседни околни стени", true, angleBelowStraight},
};
// Its base is a regular polygon: that table's relations come before these.
constexpr RelationRow relations[] = {
    {"k² = h² + r²", {"k = √(h² + r²)", "h = √(k² − r²)", "r = √(k² − h²)"},
     "апотемата k е хипотенуза в правоъгълния триъгълник с катети h и r, затова е по-дълга от тях", Pythagoras},
    {"b² = h² + R²", {"b = √(h² + R²)", "h = √(b² − R²)", "R = √(b² − h²)"},
     "околният ръб b е хипотенуза в правоъгълния триъгълник с катети h и R, затова е по-дълъг от тях", Pythagoras},
    {"b² = k² + (a : 2)²", {"b = √(k² + (a : 2)²)", "k = √(b² − (a : 2)²)", "a = 2√(b² − k²)"},
     "околният ръб b е хипотенуза в правоъгълния триъгълник с катети k и a : 2, затова е по-дълъг от тях", Pythagoras},
    {"k1 = r", {"r = k1"}, "апотемата на основата k1 е радиусът r на вписаната в основата окръжност"},
    {"S = P·k : 2", {"k = 2S : P", "P = 2S : k"}},
    {"S1 = S + B", {"S = S1 − B", "B = S1 − S"}, "пълната повърхнина е околната и основата, затова S1 > S"},
    {"V = B·h : 3", {"h = 3V : B", "B = 3V : h"}},
    // The right triangle of the lateral edge b, the height h and the radius R: its angle α at the base.
    {"h = R·tg α", {"α = arctg(h : R)", "R = h : tg α"}, {}, 0, {}, "От правоъгълния триъгълник с катети h и R и хипотенуза b"},
    {"h = b·sin α", {"α = arcsin(h : b)", "b = h : sin α"}, {}, 0, {}, "От правоъгълния триъгълник с катети h и R и хипотенуза b"},
    {"R = b·cos α", {"α = arccos(R : b)", "b = R : cos α"}, {}, 0, {}, "От правоъгълния триъгълник с катети h и R и хипотенуза b"},
    // The right triangle of the apothem k, the height h and the radius r: the faces' angle φ with the base.
    {"h = r·tg φ", {"φ = arctg(h : r)", "r = h : tg φ"}, {}, 0, {}, "От правоъгълния триъгълник с катети h и r и хипотенуза k"},
    {"h = k·sin φ", {"φ = arcsin(h : k)", "k = h : sin φ"}, {}, 0, {}, "От правоъгълния триъгълник с катети h и r и хипотенуза k"},
    {"r = k·cos φ", {"φ = arccos(r : k)", "k = r : cos φ"}, {}, 0, {}, "От правоъгълния триъгълник с катети h и r и хипотенуза k"},
    // The lateral face is an isosceles triangle: the apothem halves its angle γ at the apex.
    {"a = 2k·tg(γ : 2)", {"γ = 2·arctg(a : (2k))", "k = a : (2·tg(γ : 2))"}, {}, 0, {}, "От правоъгълния триъгълник с катети k и a : 2"},
    {"a = 2b·sin(γ : 2)", {"γ = 2·arcsin(a : (2b))", "b = a : (2·sin(γ : 2))"}, {}, 0, {}, "От правоъгълния триъгълник с катет a : 2 и хипотенуза b"},
    // A lateral face's area twice: a·k = b·hb.
    // With b = √(k² + (a : 2)²): the apothem straight from hb, where an angle ψ gives it.
    {"hb²·(k² + (a : 2)²) = a²·k²", {"hb = a·k : √(k² + (a : 2)²)", "k = a·hb : (2√(a² − hb²))"}, {}, Pythagoras, {},
     "От лицето на околната стена, a·k = b·hb, и b² = k² + (a : 2)²"},
    // The heights hb of two neighbouring faces to their common edge meet it at one point;
    // with the segment 2a·cos(180° : n) between the base's corners next to that edge they
    // make an isosceles triangle with ψ at its apex.
    {"a·cos(180° : n) = hb·sin(ψ : 2)", {"ψ = arccos(1 − 2·(a·cos(180° : n) : hb)²)", "hb = a·cos(180° : n) : sin(ψ : 2)"}, {}, 0, {},
     "От равнобедрения триъгълник с бедра hb и основа 2a·cos(180° : n)"},
};
// clang-format on
constexpr std::string_view base[] = {"a", "h"};
constexpr std::string_view anyBase[] = {"P", "B", "h"};
constexpr PartRow parts[] = {{&regularPolygon}};

// clang-format off
// What the drawings, worksheets, the window and the pages read of the pyramid.
constexpr int sheetSides[] = {3, 4, 6};
constexpr TaskPattern direct[] = {
    {{"a", "h"}, {}, {"k", "S", "S1", "V"}},
    {{"a", "k"}, {}, {"h", "S", "S1", "V"}},
    {{"a", "φ"}, {}, {"h", "k", "S", "V"}, 10},
    {{"a", "h"}, {"Rc"}, {"Sc"}, 10},
    {{"a", "h"}, {"ri"}, {"Vi"}, 10},
};
constexpr TaskPattern inverse[] = {
    {{"a", "V"},  {"h"}, {"k", "S1"}},
    {{"a", "S"},  {"k"}, {"h", "V"}},
    {{"h", "V"},  {"a"}, {"k", "S1"}},
    {{"a", "S1"}, {"k"}, {"h", "V"}},
};
constexpr RootsAtSides rootsForDecimals[] = {
    {3, {"B", "V", "S1", "r", "k", "S"}},
    {6, {"B", "V", "S1", "r", "k", "S"}},
};
// A square base: half its edge and the height are legs of a right triangle with whole sides.
constexpr MeasureDrawn wholeApothem[] = {{{"a", "h"}, Drawn::RightLegs, 0, 0, 2}};
// A triangle's edge a multiple of 6: its inradius a√3 : 6 is a whole times √3.
constexpr MeasureDrawn triangleBase[] = {{{"a"}, Drawn::Multiple, 1, 3, 6}, {{"h"}, Drawn::Length, 1, 12}};
constexpr MeasureDrawn otherBase[] = {{{"a"}, Drawn::EvenLength, 2, 12}, {{"h"}, Drawn::Length, 1, 12}};
// The base edge and the faces' angle with the base, for the tasks that give an angle.
constexpr MeasureDrawn edgeAtAngle[] = {{{"a"}, Drawn::EvenLength, 2, 12}, {{"φ"}, Drawn::TableAngle}};
constexpr MeasureChoice measures[] = {
    {.forGiven = "φ", .measures = edgeAtAngle},
    {.sides = 4, .oneIn = 2, .measures = wholeApothem},
    {.numbers = SheetNumbers::Whole, .sides = 3, .measures = triangleBase},
    {.measures = otherBase},
};
// clang-format on
constexpr Registration registration{
    .picture = "Image4",
    .drawing = {.figure = "regular pyramid",
                .net = "regular pyramid",
                .netDrawnFrom = {"a", "k"},
                .netShown = {"n", "a", "b", "k"},
                .sphereAxis = {"h", "R"}},
    .worksheet = {.sides = sheetSides,
                  .direct = direct,
                  .inverse = inverse,
                  .rootsForDecimals = rootsForDecimals,
                  .measures = measures,
                  .sidedName = {"правилна {}ъгълна пирамида", {}, Gender::Feminine}},
};

// Other names a student may type for it.
constexpr std::string_view otherNames[] = {"пирамида", "правилна пирамида"};

}  // namespace

const SolidRow& pyramid() {
    static constexpr SolidRow table{.key = "pyramid", .name = "правилна пирамида", .genitive = "на пирамидата",
                                    .single = "правилна пирамида", .gender = Gender::Feminine,
                                    .quantities = quantities, .relations = relations, .base = base,
                                    .baseWithoutSides = anyBase, .parts = parts, .conditions = baseOfAnyShape,
                                    .otherNames = otherNames, .registration = &registration,
                                    .variant = "правилен многоъгълник", .uses = pyramidUses};
    return table;
}

}  // namespace solver::tables
