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

// clang-format off
// What the drawings, worksheets, the window and the pages read of the sphere.
constexpr TaskPattern direct[] = {
    {{"r"}, {}, {"S", "V"}},
    {{"d"}, {}, {"S", "V"}},
};
constexpr TaskPattern inverse[] = {
    {{"S"}, {"r"}, {"V"}},
    {{"V"}, {"r"}, {"S"}},
};
// Halves on decimal sheets: their surfaces are 4π·r² with a whole 4r², even with π ≈ 3,14.
constexpr MeasureDrawn half[] = {{{"r"}, Drawn::OddHalf, 0, 9}};
constexpr MeasureDrawn anyRadius[] = {{{"r"}, Drawn::Length, 1, 15}};
constexpr MeasureChoice measures[] = {
    {.numbers = SheetNumbers::Decimal, .oneIn = 3, .unlessOne = true, .measures = half},
    {.measures = anyRadius},
};
// clang-format on
constexpr Registration registration{
    .picture = "Image5",
    .drawing = {.figure = "ball",
                .withoutNet = "Сферата няма развивка: тя не може да се разгъне в равнина, без да се разтегне или скъса."},
    .worksheet = {.direct = direct, .inverse = inverse, .measures = measures},
};

// Other names a student may type for it.
constexpr std::string_view otherNames[] = {"сфера", "кълбо", "сфера и кълбо", "ball"};

}  // namespace

const SolidRow& sphere() {
    static constexpr SolidRow table{.key = "sphere", .name = "сфера и кълбо", .genitive = "на кълбото",
                                    .single = "кълбо", .gender = Gender::Neuter, .quantities = quantities,
                                    .relations = relations, .base = base, .otherNames = otherNames, .registration = &registration, .uses = ballUses};
    return table;
}

}  // namespace solver::tables
