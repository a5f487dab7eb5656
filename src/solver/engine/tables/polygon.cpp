// SPDX-License-Identifier: MIT
#include "engine/tables/tables.h"

namespace solver::tables {
namespace {

using enum Dimension;

// clang-format off
constexpr QuantityRow quantities[] = {
    {"n", "брой страни",                   Count,  "броя на страните", false, sidesOfPolygon},
    {"a", "страна",                        Length, "страната"},
    {"P", "периметър",                     Length, "периметъра"},
    {"B", "лице",                          Area,   "лицето"},
    {"r", "радиус на вписаната окръжност", Length, "радиуса на вписаната окръжност"},
    {"R", "радиус на описаната окръжност", Length, "радиуса на описаната окръжност"},
};
// A regular polygon's, and a regular pyramid's base's.
constexpr RelationRow relations[] = {
    {"P = n·a", {"a = P : n", "n = P : a"}},
    // With a grade set, a square, an equilateral triangle and a regular
    // hexagon by their own formulas, as the textbooks write them.
    {"B = a²",          {"a² = B"},           {}, 0,          "n = 4"},
    {"B = a²√3 : 4",    {"a² = 4B : √3"},     {}, Pythagoras, "n = 3"},
    {"B = 6·a²√3 : 4",  {"a² = 4B : (6√3)"},  {}, Pythagoras, "n = 6"},
    {"r = a : 2",       {"a = 2r"},           {}, 0,          "n = 4"},
    {"R = a",           {"a = R"},            {}, 0,          "n = 6"},
    {"R = a√2 : 2",     {"a = R√2"},          {}, Pythagoras, "n = 4"},
    {"r = a√3 : 6",     {"a = 2r√3"},         {}, Pythagoras, "n = 3"},
    {"R = a√3 : 3",     {"a = R√3"},          {}, Pythagoras, "n = 3"},
    {"r = a√3 : 2",     {"a = 2r√3 : 3"},     {}, Pythagoras, "n = 6"},
    {"r = a : (2·tg(180° : n))", {"a = 2r·tg(180° : n)"}},
    {"R = a : (2·sin(180° : n))", {"a = 2R·sin(180° : n)"}},
    {"B = P·r : 2", {"r = 2B : P", "P = 2B : r"}},
    // The same with P = n·a and r = a : (2·tg(180° : n)): the side straight from the area.
    {"B = n·a² : (4·tg(180° : n))", {"a² = 4B·tg(180° : n) : n"}},
    {"R² = r² + (a : 2)²", {"R = √(r² + (a : 2)²)", "r = √(R² − (a : 2)²)", "a = 2√(R² − r²)"},
     "радиусът R на описаната окръжност е по-дълъг от радиуса r на вписаната и от a : 2", Pythagoras},
};
// clang-format on
constexpr std::string_view base[] = {"a"};

// clang-format off
// What the drawings, worksheets, the window and the pages read of the polygon.
constexpr int sheetSides[] = {3, 4, 6};
constexpr TaskPattern direct[] = {{{"a"}, {}, {"P", "B", "r", "R"}}};
constexpr TaskPattern inverse[] = {
    {{"P"}, {"a"}, {"B"}},
    {{"B"}, {"a"}, {"P", "r"}},
    {{"R"}, {"a"}, {"B", "P"}},
    {{"r"}, {"a"}, {"B", "R"}},
};
constexpr RootsAtSides rootsForDecimals[] = {
    {3, {"B", "r", "R"}},
    {4, {"R"}},
    {6, {"B", "r"}},
};
constexpr MeasureDrawn triangle[] = {{{"a"}, Drawn::Multiple, 1, 3, 6}};
constexpr MeasureDrawn square[] = {{{"a"}, Drawn::Length, 1, 15}};
constexpr MeasureDrawn other[] = {{{"a"}, Drawn::EvenLength, 2, 16}};
constexpr MeasureChoice measures[] = {
    {.numbers = SheetNumbers::Whole, .sides = 3, .oneIn = 2, .measures = triangle},
    {.sides = 4, .measures = square},
    {.measures = other},
};
constexpr NamedSides named[] = {
    {3, "равностранен триъгълник", "на триъгълника"},
    {4, "квадрат", "на квадрата"},
};
// clang-format on
constexpr Registration registration{
    .picture = "Image6",
    .plane = true,
    .drawing = {.figure = "regular polygon",
                .withoutNet = "Многоъгълникът е равнинна фигура и няма развивка."},
    .worksheet = {.sides = sheetSides,
                  .direct = direct,
                  .inverse = inverse,
                  .rootsForDecimals = rootsForDecimals,
                  .measures = measures,
                  .sidedName = {"правилен {}ъгълник", "на {}ъгълника", Gender::Masculine, named}},
};

// Other names a student may type for it.
constexpr std::string_view otherNames[] = {"многоъгълник", "правилен многоъгълник"};

}  // namespace

// A base of any shape is a polygon only if its area is less than that of the
// circle with its perimeter round it.
const ConditionRow baseOfAnyShape[1] = {
    {"B < P² : (4π)", "основа с периметър P и лице B",
     "многоъгълник с периметър P има лице, по-малко от P² : (4π) (лицето на кръг с обиколка P)"},
};

const SolidRow& regularPolygon() {
    static constexpr SolidRow table{.key = "polygon", .name = "правилен многоъгълник", .genitive = "на многоъгълника",
                                    .single = "правилен многоъгълник", .gender = Gender::Masculine,
                                    .quantities = quantities, .relations = relations, .base = base,
                                    .otherNames = otherNames, .registration = &registration,
                                    .variant = "правилен многоъгълник"};
    return table;
}

}  // namespace solver::tables
