// SPDX-License-Identifier: MIT
#include "engine/tables/tables.h"

namespace solver::tables {
namespace {

using enum Dimension;

// clang-format off
constexpr QuantityRow quantities[] = {
    {"r", "радиус",                Length, "радиуса"},
    {"d", "диаметър",              Length, "диаметъра"},
    {"S", "лице на повърхнината",  Area,   "лицето на повърхнината"},
    {"V", "обем",                  Volume, "обема"},
};
constexpr RelationRow relations[] = {
    {"d = 2r", {"r = d : 2"}},
    {"S = 4π·r²", {"r² = S : (4π)"}},
    {"V = 4π·r³ : 3", {"r³ = 3V : (4π)"}},
};
// clang-format on
constexpr std::string_view base[] = {"r"};

}  // namespace

const SolidRow& sphere() {
    static constexpr SolidRow table{"sphere", "сфера и кълбо", "на кълбото", "кълбо", Gender::Neuter,
                                    quantities, relations, base};
    return table;
}

}  // namespace solver::tables
