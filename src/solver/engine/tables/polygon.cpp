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
    {"r = a : (2·tg(180° : n))", {"a = 2r·tg(180° : n)"}},
    {"R = a : (2·sin(180° : n))", {"a = 2R·sin(180° : n)"}},
    {"B = P·r : 2", {"r = 2B : P", "P = 2B : r"}},
    {"R² = r² + (a : 2)²", {"R = √(r² + (a : 2)²)", "r = √(R² − (a : 2)²)", "a = 2√(R² − r²)"},
     "радиусът R на описаната окръжност е по-дълъг от радиуса r на вписаната и от a : 2"},
};
// clang-format on
constexpr std::string_view base[] = {"a"};

}  // namespace

// A base of any shape is a polygon only if its area is less than that of the
// circle with its perimeter round it.
const ConditionRow baseOfAnyShape[1] = {
    {"B < P² : (4π)", "основа с периметър P и лице B",
     "многоъгълник с периметър P има лице, по-малко от P² : (4π) (лицето на кръг с обиколка P)"},
};

const SolidRow& regularPolygon() {
    static constexpr SolidRow table{"polygon", "правилен многоъгълник", "на многоъгълника", "правилен многоъгълник",
                                    Gender::Masculine, quantities, relations, base};
    return table;
}

}  // namespace solver::tables
