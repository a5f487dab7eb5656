// SPDX-License-Identifier: MIT
#include "engine/tables/tables.h"

namespace solver::tables {
namespace {

using enum Dimension;

// clang-format off
constexpr QuantityRow quantities[] = {
    {"r",  "радиус",                 Length, "радиуса"},
    {"d",  "диаметър",               Length, "диаметъра"},
    {"h",  "височина",               Length, "височината"},
    {"l",  "образуваща",             Length, "образуващата"},
    {"S",  "околна повърхнина",      Area,   "околната повърхнина"},
    {"S1", "пълна повърхнина",       Area,   "пълната повърхнина"},
    {"V",  "обем",                   Volume, "обема"},
    {"Q",  "лице на осното сечение", Area,   "лицето на осното сечение"},
};
constexpr RelationRow relations[] = {
    {"d = 2r", {"r = d : 2"}},
    {"l² = r² + h²", {"l = √(r² + h²)", "r = √(l² − h²)", "h = √(l² − r²)"},
     "образуващата l е хипотенуза в правоъгълния триъгълник с катети r и h, затова е по-дълга от радиуса и от височината",
     Pythagoras},
    {"S = π·r·l", {"l = S : (π·r)", "r = S : (π·l)"}},
    {"S1 = S + π·r²", {"S = S1 − π·r²", "r² = (S1 − S) : π"},
     "пълната повърхнина е околната и основата, затова S1 > S"},
    {"V = π·r²·h : 3", {"h = 3V : (π·r²)", "r² = 3V : (π·h)"}},
    {"Q = r·h", {"h = Q : r", "r = Q : h"}},
    {"S1 = π·r·(r + l)", {"l = S1 : (π·r) − r"}, "пълната повърхнина е по-голяма от лицето π·r² на основата"},
};
// clang-format on
constexpr std::string_view base[] = {"r", "h"};

}  // namespace

const SolidRow& cone() {
    static constexpr SolidRow table{"cone", "конус", "на конуса", "конус", Gender::Masculine, quantities, relations, base};
    return table;
}

}  // namespace solver::tables
