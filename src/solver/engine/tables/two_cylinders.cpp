// SPDX-License-Identifier: MIT
// Two cylinders on one axis, the upper standing on the lower's upper base (a
// step, a stand, a shaft): the lower of radius r1 and height h1, the upper of
// radius r2 ≤ r1 and height h2. The body's surface is the lower base, the
// ring of the lower's upper base left uncovered, both walls and the upper's
// upper base: 2B1 + S1 + S2, as the ring and the upper base together make B1.
#include "engine/tables/tables.h"

namespace solver::tables {
namespace {

using enum Dimension;

// clang-format off
constexpr ConditionRow upperNarrower[1] = {
    {"r2 ≤ r1", "радиуси r1 и r2",
     "горният цилиндър стои върху горната основа на долния, затова радиусът му r2 не може да е по-голям от радиуса r1 на долния"},
};
constexpr QuantityRow quantities[] = {
    {"r1", "радиус на долния цилиндър",            Length, "радиуса на долния цилиндър"},
    {"r2", "радиус на горния цилиндър",            Length, "радиуса на горния цилиндър"},
    {"d1", "диаметър на долния цилиндър",          Length, "диаметъра на долния цилиндър"},
    {"d2", "диаметър на горния цилиндър",          Length, "диаметъра на горния цилиндър"},
    {"h1", "височина на долния цилиндър",          Length, "височината на долния цилиндър"},
    {"h2", "височина на горния цилиндър",          Length, "височината на горния цилиндър"},
    {"H",  "височина на тялото",                   Length, "височината"},
    {"B1", "лице на основата на долния цилиндър",  Area,   "лицето на основата на долния цилиндър"},
    {"B2", "лице на основата на горния цилиндър",  Area,   "лицето на основата на горния цилиндър"},
    {"S1", "околна повърхнина на долния цилиндър", Area,   "околната повърхнина на долния цилиндър"},
    {"S2", "околна повърхнина на горния цилиндър", Area,   "околната повърхнина на горния цилиндър"},
    {"S",  "лице на повърхнината на тялото",       Area,   "лицето на повърхнината"},
    {"V1", "обем на долния цилиндър",              Volume, "обема на долния цилиндър"},
    {"V2", "обем на горния цилиндър",              Volume, "обема на горния цилиндър"},
    {"V",  "обем на тялото",                       Volume, "обема"},
};
constexpr RelationRow relations[] = {
    {"d1 = 2r1", {"r1 = d1 : 2"}},
    {"d2 = 2r2", {"r2 = d2 : 2"}},
    {"H = h1 + h2", {"H = h1 + h2", "h1 = H − h2", "h2 = H − h1"}, "височината на тялото е сборът от височините на двата цилиндъра"},
    {"B1 = π·r1²", {"r1² = B1 : π"}},
    {"B2 = π·r2²", {"r2² = B2 : π"}},
    {"S1 = 2π·r1·h1", {"h1 = S1 : (2π·r1)", "r1 = S1 : (2π·h1)"}},
    {"S2 = 2π·r2·h2", {"h2 = S2 : (2π·r2)", "r2 = S2 : (2π·h2)"}},
    {"S = 2B1 + S1 + S2", {"S = 2B1 + S1 + S2", "S1 = S − 2B1 − S2", "S2 = S − 2B1 − S1"},
     "повърхнината на тялото е двете основи на долния цилиндър и околните повърхнини на двата цилиндъра", 0, {},
     "Горната основа на горния цилиндър и откритият пръстен около него са заедно колкото основата на долния, "
     "затова повърхнината е 2B1 и двете околни повърхнини"},
    {"V1 = π·r1²·h1", {"h1 = V1 : (π·r1²)", "r1² = V1 : (π·h1)"}},
    {"V2 = π·r2²·h2", {"h2 = V2 : (π·r2²)", "r2² = V2 : (π·h2)"}},
    {"V = V1 + V2", {"V = V1 + V2", "V1 = V − V2", "V2 = V − V1"}, "обемът на тялото е сборът от обемите на двата цилиндъра"},
};
// clang-format on
constexpr std::string_view base[] = {"r2", "r1", "h1", "h2"};
constexpr std::string_view otherNames[] = {"два цилиндъра", "цилиндър върху цилиндър"};

// clang-format off
// Worksheets: both radii and heights; the body's volume with three of them, the other asked.
constexpr TaskPattern direct[] = {
    {{"r1", "h1", "r2", "h2"}, {}, {"V", "S", "H"}},
    {{"r1", "h1", "r2", "h2"}, {}, {"V1", "V2", "S1", "S2"}},
};
constexpr TaskPattern inverse[] = {
    {{"r1", "h1", "r2", "V"}, {"h2"}, {"S"}},
};
constexpr WordedGivens worded[] = {
    {{"r1", "h1", "r2", "h2"}, "Тяло е съставено от два цилиндъра с обща ос. Долният цилиндър има радиус {r1} и височина {h1}, а горният – радиус {r2} и височина {h2}."},
    {{"r1", "h1", "r2", "V"}, "Тяло е съставено от два цилиндъра с обща ос. Долният цилиндър има радиус {r1} и височина {h1}, а горният – радиус {r2}. Обемът на тялото е {V}."},
};
// clang-format on
// The upper radius first, the lower one above it.
constexpr MeasureDrawn radii[] = {{{"r2"}, Drawn::Length, 1, 6},
                                  {{"r1"}, Drawn::AbovePrevious, 1, 5},
                                  {{"h1"}, Drawn::Length, 1, 10},
                                  {{"h2"}, Drawn::Length, 1, 12}};
constexpr MeasureChoice measures[] = {{.measures = radii}};
constexpr Registration registration{
    .picture = {},
    .drawing = {.figure = "two cylinders", .proportions = {"r1", "h1", "h2"},
                .withoutNet = "Развивката на тялото е от частите му: два кръга, кръгов пръстен и два правоъгълника."},
    .worksheet = {.direct = direct, .inverse = inverse, .measures = measures, .worded = worded},
};

}  // namespace

const SolidRow& twoCylinders() {
    static constexpr SolidRow table{.key = "two-cylinders", .name = "два цилиндъра с обща ос",
                                    .genitive = "на тялото", .single = "тяло от два цилиндъра",
                                    .gender = Gender::Neuter, .quantities = quantities, .relations = relations,
                                    .base = base, .conditions = upperNarrower, .otherNames = otherNames,
                                    .registration = &registration};
    return table;
}

}  // namespace solver::tables
