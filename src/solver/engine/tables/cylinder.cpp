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
};
constexpr RelationRow relations[] = {
    {"d = 2r", {"r = d : 2"}},
    {"S = 2π·r·h", {"h = S : (2π·r)", "r = S : (2π·h)"}},
    {"S1 = S + 2π·r²", {"S = S1 − 2π·r²", "r² = (S1 − S) : (2π)"},
     "пълната повърхнина е околната и двете основи, затова S1 > S"},
    {"V = π·r²·h", {"h = V : (π·r²)", "r² = V : (π·h)"}},
    {"Q = 2r·h", {"h = Q : (2r)", "r = Q : (2h)"}},
    {"S1 = 2π·r·(r + h)", {"h = S1 : (2π·r) − r"}, "пълната повърхнина е по-голяма от лицето 2π·r² на двете основи"},
};
// clang-format on
constexpr std::string_view base[] = {"r", "h"};

}  // namespace

const SolidRow& cylinder() {
    static constexpr SolidRow table{"cylinder", "цилиндър", "на цилиндъра", "цилиндър", Gender::Masculine,
                                    quantities, relations,  base};
    return table;
}

}  // namespace solver::tables
