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
};
// clang-format on
constexpr std::string_view base[] = {"a", "h"};
constexpr std::string_view anyBase[] = {"P", "B", "h"};

}  // namespace

const SolidRow& prism() {
    static constexpr SolidRow table{"prism",   "права призма", "на призмата", "права призма", Gender::Feminine,
                                    quantities, relations,     base,          anyBase,        {},
                                    {},        baseOfAnyShape};
    return table;
}

}  // namespace solver::tables
