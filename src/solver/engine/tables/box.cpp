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
};
constexpr RelationRow relations[] = {
    {"V = a·b·c", {"a = V : (b·c)", "b = V : (a·c)", "c = V : (a·b)"}},
    {"S = 2(a + b)·c", {"c = S : (2(a + b))", "a = S : (2c) − b", "b = S : (2c) − a"},
     "околната повърхнина е 2(a + b)·c, затова тя е по-голяма от 2a·c и от 2b·c"},
    {"S1 = S + 2a·b", {"S = S1 − 2a·b", "a = (S1 − S) : (2b)", "b = (S1 − S) : (2a)"},
     "пълната повърхнина е околната и двете основи, затова S1 > S"},
    {"d² = a² + b² + c²", {"d = √(a² + b² + c²)", "a = √(d² − b² − c²)", "b = √(d² − a² − c²)", "c = √(d² − a² − b²)"},
     "диагоналът е по-дълъг от всеки ръб и d² = a² + b² + c²", Pythagoras},
};
// clang-format on
constexpr std::string_view base[] = {"a", "b", "c"};

}  // namespace

const SolidRow& box() {
    static constexpr SolidRow table{"box",           "правоъгълен паралелепипед", "на паралелепипеда",
                                    "правоъгълен паралелепипед", Gender::Masculine, quantities,
                                    relations,       base,                        {},
                                    {"a", "b"}};
    return table;
}

}  // namespace solver::tables
