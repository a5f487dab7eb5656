// SPDX-License-Identifier: MIT
#include "engine/tables/tables.h"

namespace solver::tables {
namespace {

using enum Dimension;

// clang-format off
constexpr QuantityRow quantities[] = {
    {"a",  "ръб",                 Length, "ръба"},
    {"d",  "диагонал",            Length, "диагонала"},
    {"d1", "диагонал на стена",   Length, "диагонала на стената"},
    {"S",  "околна повърхнина",   Area,   "околната повърхнина"},
    {"S1", "пълна повърхнина",    Area,   "пълната повърхнина"},
    {"V",  "обем",                Volume, "обема"},
};
constexpr RelationRow relations[] = {
    {"d = a√3",  {"a = d : √3"}, {}, Pythagoras},
    {"d1 = a√2", {"a = d1 : √2"}, {}, Pythagoras},
    {"S = 4a²",  {"a² = S : 4"}},
    {"S1 = 6a²", {"a² = S1 : 6"}},
    {"V = a³",   {"a³ = V"}},
};
// clang-format on
constexpr std::string_view base[] = {"a"};

}  // namespace

const SolidRow& cube() {
    static constexpr SolidRow table{"cube", "куб", "на куба", "куб", Gender::Masculine, quantities, relations, base};
    return table;
}

}  // namespace solver::tables
