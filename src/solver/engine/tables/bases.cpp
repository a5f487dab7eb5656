// SPDX-License-Identifier: MIT
// The bases a textbook puts under a right prism or a pyramid besides the
// regular polygons: triangles, rectangles, rhombi, parallelograms and
// trapezoids, each with its own letters and its formulas as the textbooks
// write them. Each is also a plane figure of its own ("rhombus d1=6 d2=8").
#include "engine/tables/tables.h"

namespace solver::tables {
namespace {

using enum Dimension;

// A base drawn alone, its outline made by the drawer of that name
// (drawing/outlines.cpp), which the solids on it draw theirs with too.
constexpr Registration planeFigure(std::string_view outline) {
    return {.picture = {},
            .plane = true,
            .drawing = {.figure = "plane outline",
                        .withoutNet = "Многоъгълникът е равнинна фигура и няма развивка.",
                        .outline = outline}};
}

// clang-format off
namespace right_triangle {
constexpr QuantityRow quantities[] = {
    {"a",  "катет",                         Length, "катета a"},
    {"b",  "катет",                         Length, "катета b"},
    {"c",  "хипотенуза",                    Length, "хипотенузата"},
    {"hc", "височина към хипотенузата",     Length, "височината към хипотенузата"},
    {"P",  "периметър",                     Length, "периметъра"},
    {"B",  "лице",                          Area,   "лицето"},
    {"r",  "радиус на вписаната окръжност", Length, "радиуса на вписаната окръжност"},
    {"R",  "радиус на описаната окръжност", Length, "радиуса на описаната окръжност"},
};
constexpr RelationRow relations[] = {
    {"c² = a² + b²", {"c = √(a² + b²)", "a = √(c² − b²)", "b = √(c² − a²)"},
     "хипотенузата c е по-дълга от всеки катет, защото c² = a² + b²", Pythagoras},
    {"P = a + b + c", {"c = P − a − b", "a = P − b − c", "b = P − a − c"}},
    {"B = a·b : 2", {"a = 2B : b", "b = 2B : a"}},
    {"B = c·hc : 2", {"hc = 2B : c", "c = 2B : hc"}},
    {"R = c : 2", {"c = 2R"}},
    {"B = P·r : 2", {"r = 2B : P", "P = 2B : r"}},
};
constexpr std::string_view base[] = {"a", "b"};
constexpr std::string_view otherNames[] = {"правоъгълен триъгълник"};
constexpr std::string_view outline = "right triangle by its legs";
}  // namespace right_triangle

namespace isosceles_triangle {
constexpr QuantityRow quantities[] = {
    {"a",  "основа",                        Length, "основата a"},
    {"b",  "бедро",                         Length, "бедрото b"},
    {"ha", "височина към основата",         Length, "височината към основата"},
    {"hb", "височина към бедрото",          Length, "височината към бедрото"},
    {"P",  "периметър",                     Length, "периметъра"},
    {"B",  "лице",                          Area,   "лицето"},
    {"r",  "радиус на вписаната окръжност", Length, "радиуса на вписаната окръжност"},
    {"R",  "радиус на описаната окръжност", Length, "радиуса на описаната окръжност"},
};
constexpr RelationRow relations[] = {
    {"P = a + 2b", {"a = P − 2b", "b = (P − a) : 2"}},
    {"b² = ha² + (a : 2)²", {"b = √(ha² + (a : 2)²)", "ha = √(b² − (a : 2)²)", "a = 2√(b² − ha²)"},
     "бедрото b е хипотенуза в правоъгълния триъгълник с катети ha и a : 2, затова е по-дълго от тях", Pythagoras},
    {"B = a·ha : 2", {"ha = 2B : a", "a = 2B : ha"}},
    {"B = b·hb : 2", {"hb = 2B : b", "b = 2B : hb"}},
    {"B = P·r : 2", {"r = 2B : P", "P = 2B : r"}},
    {"R = b² : (2ha)", {"ha = b² : (2R)"}},
};
constexpr std::string_view base[] = {"a", "b"};
constexpr std::string_view otherNames[] = {"равнобедрен триъгълник"};
constexpr std::string_view outline = "isosceles triangle by its base and legs";
}  // namespace isosceles_triangle

namespace any_triangle {
constexpr QuantityRow quantities[] = {
    {"a",  "страна",                        Length, "страната a"},
    {"b",  "страна",                        Length, "страната b"},
    {"c",  "страна",                        Length, "страната c"},
    {"ha", "височина към страната a",       Length, "височината към страната a"},
    {"hb", "височина към страната b",       Length, "височината към страната b"},
    {"hc", "височина към страната c",       Length, "височината към страната c"},
    {"P",  "периметър",                     Length, "периметъра"},
    {"p",  "полупериметър",                 Length, "полупериметъра"},
    {"B",  "лице",                          Area,   "лицето"},
    {"r",  "радиус на вписаната окръжност", Length, "радиуса на вписаната окръжност"},
    {"R",  "радиус на описаната окръжност", Length, "радиуса на описаната окръжност"},
};
constexpr RelationRow relations[] = {
    {"P = a + b + c", {"c = P − a − b", "a = P − b − c", "b = P − a − c"}},
    {"p = P : 2", {"P = 2p"}},
    {"B² = p·(p − a)·(p − b)·(p − c)", {"B = √(p·(p − a)·(p − b)·(p − c))"},
     "всяка страна на триъгълника е по-малка от сбора на другите две", Heron},
    {"B = a·ha : 2", {"ha = 2B : a", "a = 2B : ha"}},
    {"B = b·hb : 2", {"hb = 2B : b", "b = 2B : hb"}},
    {"B = c·hc : 2", {"hc = 2B : c", "c = 2B : hc"}},
    {"B = P·r : 2", {"r = 2B : P", "P = 2B : r"}},
    {"R = a·b·c : (4B)", {"B = a·b·c : (4R)"}},
};
constexpr std::string_view base[] = {"a", "b", "c"};
constexpr std::string_view otherNames[] = {"триъгълник"};
constexpr std::string_view outline = "triangle by its sides";
}  // namespace any_triangle

namespace rectangle {
constexpr QuantityRow quantities[] = {
    {"a", "страна",                        Length, "страната a"},
    {"b", "страна",                        Length, "страната b"},
    {"d", "диагонал",                      Length, "диагонала"},
    {"P", "периметър",                     Length, "периметъра"},
    {"B", "лице",                          Area,   "лицето"},
    {"R", "радиус на описаната окръжност", Length, "радиуса на описаната окръжност"},
};
constexpr RelationRow relations[] = {
    {"P = 2(a + b)", {"a = P : 2 − b", "b = P : 2 − a"}},
    {"B = a·b", {"a = B : b", "b = B : a"}},
    {"d² = a² + b²", {"d = √(a² + b²)", "a = √(d² − b²)", "b = √(d² − a²)"},
     "диагоналът d е хипотенуза в правоъгълния триъгълник с катети a и b, затова е по-дълъг от тях", Pythagoras},
    {"R = d : 2", {"d = 2R"}},
};
constexpr std::string_view base[] = {"a", "b"};
constexpr std::string_view otherNames[] = {"правоъгълник"};
constexpr std::string_view outline = "rectangle by its sides";
}  // namespace rectangle

namespace rhombus {
constexpr QuantityRow quantities[] = {
    {"a",  "страна",                        Length, "страната"},
    {"ha", "височина",                      Length, "височината"},
    {"d1", "диагонал",                      Length, "диагонала d1"},
    {"d2", "диагонал",                      Length, "диагонала d2"},
    {"P",  "периметър",                     Length, "периметъра"},
    {"B",  "лице",                          Area,   "лицето"},
    {"r",  "радиус на вписаната окръжност", Length, "радиуса на вписаната окръжност"},
};
constexpr RelationRow relations[] = {
    {"P = 4a", {"a = P : 4"}},
    {"B = a·ha", {"ha = B : a", "a = B : ha"}},
    {"B = d1·d2 : 2", {"d1 = 2B : d2", "d2 = 2B : d1"}},
    {"a² = (d1 : 2)² + (d2 : 2)²", {"a = √((d1 : 2)² + (d2 : 2)²)", "d1 = 2√(a² − (d2 : 2)²)", "d2 = 2√(a² − (d1 : 2)²)"},
     "страната a е хипотенуза в правоъгълния триъгълник с катети d1 : 2 и d2 : 2, затова е по-дълга от тях", Pythagoras},
    {"ha = 2r", {"r = ha : 2"}},
};
constexpr std::string_view base[] = {"a", "ha"};
constexpr std::string_view otherNames[] = {"ромб"};
constexpr std::string_view outline = "rhombus by its diagonals";
}  // namespace rhombus

namespace parallelogram {
constexpr QuantityRow quantities[] = {
    {"a",  "страна",                  Length, "страната a"},
    {"b",  "страна",                  Length, "страната b"},
    {"ha", "височина към страната a", Length, "височината към страната a"},
    {"hb", "височина към страната b", Length, "височината към страната b"},
    {"α",  "остър ъгъл",              Angle,  "острия ъгъл α", false, acuteAngle},
    {"P",  "периметър",               Length, "периметъра"},
    {"B",  "лице",                    Area,   "лицето"},
};
constexpr RelationRow relations[] = {
    {"P = 2(a + b)", {"a = P : 2 − b", "b = P : 2 − a"}},
    {"B = a·ha", {"ha = B : a", "a = B : ha"}},
    {"B = b·hb", {"hb = B : b", "b = B : hb"}},
    {"ha = b·sin α", {"α = arcsin(ha : b)", "b = ha : sin α"}},
};
constexpr std::string_view base[] = {"a", "b", "ha"};
constexpr ConditionRow conditions[] = {
    {"ha < b", "успоредник със страна b и височина ha към страната a",
     "височината към страната a е по-къса от другата страна b"},
};
constexpr std::string_view otherNames[] = {"успоредник"};
constexpr std::string_view outline = "parallelogram by its sides and height";
}  // namespace parallelogram

namespace isosceles_trapezoid {
constexpr QuantityRow quantities[] = {
    {"a",  "основа",    Length, "основата a"},
    {"b",  "основа",    Length, "основата b"},
    {"c",  "бедро",     Length, "бедрото"},
    {"h1", "височина",  Length, "височината h1"},
    {"d",  "диагонал",  Length, "диагонала"},
    {"P",  "периметър", Length, "периметъра"},
    {"B",  "лице",      Area,   "лицето"},
    {"R",  "радиус на описаната окръжност", Length, "радиуса на описаната окръжност"},
};
constexpr RelationRow relations[] = {
    {"P = a + b + 2c", {"c = (P − a − b) : 2", "a = P − b − 2c", "b = P − a − 2c"}},
    {"B = (a + b)·h1 : 2", {"h1 = 2B : (a + b)", "a = 2B : h1 − b", "b = 2B : h1 − a"}},
    {"c² = h1² + ((a − b) : 2)²", {"c = √(h1² + ((a − b) : 2)²)", "h1 = √(c² − ((a − b) : 2)²)"},
     "бедрото c е хипотенуза в правоъгълния триъгълник с катети h1 и (a − b) : 2, затова е по-дълго от тях", Pythagoras},
    {"d² = h1² + ((a + b) : 2)²", {"d = √(h1² + ((a + b) : 2)²)", "h1 = √(d² − ((a + b) : 2)²)"},
     "диагоналът d е хипотенуза в правоъгълния триъгълник с катети h1 и (a + b) : 2, затова е по-дълъг от тях", Pythagoras},
    // The circle round the trapezoid is the one round the triangle of a, c and d (R = a·c·d : (4·a·h1 : 2)).
    {"R = c·d : (2h1)", {"c = 2R·h1 : d", "d = 2R·h1 : c"}},
};
constexpr std::string_view base[] = {"a", "b", "h1"};
constexpr std::string_view otherNames[] = {"равнобедрен трапец"};
constexpr std::string_view outline = "isosceles trapezoid by its bases and height";
}  // namespace isosceles_trapezoid

namespace right_trapezoid {
constexpr QuantityRow quantities[] = {
    {"a",  "основа",                  Length, "основата a"},
    {"b",  "основа",                  Length, "основата b"},
    {"c",  "наклонено бедро",         Length, "наклоненото бедро"},
    {"h1", "височина",                Length, "височината h1 (перпендикулярното бедро)"},
    {"d1", "диагонал",                Length, "диагонала d1"},
    {"d2", "диагонал",                Length, "диагонала d2"},
    {"P",  "периметър",               Length, "периметъра"},
    {"B",  "лице",                    Area,   "лицето"},
};
constexpr RelationRow relations[] = {
    {"P = a + b + c + h1", {"c = P − a − b − h1", "h1 = P − a − b − c"}},
    {"B = (a + b)·h1 : 2", {"h1 = 2B : (a + b)", "a = 2B : h1 − b", "b = 2B : h1 − a"}},
    {"c² = h1² + (a − b)²", {"c = √(h1² + (a − b)²)", "h1 = √(c² − (a − b)²)"},
     "наклоненото бедро c е хипотенуза в правоъгълния триъгълник с катети h1 и a − b, затова е по-дълго от тях",
     Pythagoras},
    {"d1² = a² + h1²", {"d1 = √(a² + h1²)", "a = √(d1² − h1²)", "h1 = √(d1² − a²)"}, {}, Pythagoras},
    {"d2² = b² + h1²", {"d2 = √(b² + h1²)", "b = √(d2² − h1²)", "h1 = √(d2² − b²)"}, {}, Pythagoras},
};
constexpr std::string_view base[] = {"a", "b", "h1"};
constexpr std::string_view otherNames[] = {"правоъгълен трапец"};
constexpr std::string_view outline = "right trapezoid by its bases and height";
}  // namespace right_trapezoid
// clang-format on

}  // namespace

#define PLANE_BASE(function, space, key_, name_, genitive_, gender_, ...)                                        \
    const SolidRow& function() {                                                                                  \
        static constexpr Registration registration = planeFigure(space::outline);                                 \
        static constexpr SolidRow table{.key = key_, .name = name_, .genitive = genitive_, .single = name_,        \
                                        .gender = gender_, .quantities = space::quantities,                       \
                                        .relations = space::relations, .base = space::base, __VA_ARGS__           \
                                        .otherNames = space::otherNames, .registration = &registration,           \
                                        .variant = name_};                                                        \
        return table;                                                                                              \
    }

PLANE_BASE(rightTriangle, right_triangle, "right-triangle", "правоъгълен триъгълник", "на триъгълника",
           Gender::Masculine, .interchangeable = {"a", "b"},)
PLANE_BASE(isoscelesTriangle, isosceles_triangle, "isosceles-triangle", "равнобедрен триъгълник", "на триъгълника",
           Gender::Masculine)
PLANE_BASE(anyTriangle, any_triangle, "triangle", "триъгълник", "на триъгълника", Gender::Masculine)
PLANE_BASE(rectangle, rectangle, "rectangle", "правоъгълник", "на правоъгълника", Gender::Masculine,
           .interchangeable = {"a", "b"},)
PLANE_BASE(rhombus, rhombus, "rhombus", "ромб", "на ромба", Gender::Masculine, .interchangeable = {"d1", "d2"},)
PLANE_BASE(parallelogram, parallelogram, "parallelogram", "успоредник", "на успоредника", Gender::Masculine,
           .conditions = parallelogram::conditions,)
PLANE_BASE(isoscelesTrapezoid, isosceles_trapezoid, "isosceles-trapezoid", "равнобедрен трапец", "на трапеца",
           Gender::Masculine, .interchangeable = {"a", "b"},)
PLANE_BASE(rightTrapezoid, right_trapezoid, "right-trapezoid", "правоъгълен трапец", "на трапеца", Gender::Masculine)

#undef PLANE_BASE

}  // namespace solver::tables
