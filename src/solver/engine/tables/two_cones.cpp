// SPDX-License-Identifier: MIT
// A cylinder with a cone on each base: the bodies an isosceles trapezoid
// makes turning about one of its bases. About its larger base, the cones
// stand out of the cylinder (its length H the larger base, the cylinder as
// long as the smaller one); about its smaller base, they are cut into it
// (the cylinder as long as the larger base, the apexes m apart, m the
// smaller base). The trapezoid's height is the radius, its legs the cones'
// generators.
#include "engine/tables/tables.h"

namespace solver::tables {
namespace {

using enum Dimension;

// clang-format off
namespace cylinder_two_cones {
constexpr QuantityRow quantities[] = {
    {"r",  "радиус на основите",                 Length, "радиуса на основите"},
    {"d",  "диаметър на основите",               Length, "диаметъра на основите"},
    {"h1", "височина на цилиндъра",              Length, "височината на цилиндъра"},
    {"h2", "височина на всеки от конусите",      Length, "височината на всеки от конусите"},
    {"H",  "дължина на тялото",                  Length, "дължината на тялото"},
    {"l",  "образуваща на конусите",             Length, "образуващата на конусите"},
    {"B",  "лице на основата",                   Area,   "лицето на основата"},
    {"S1", "околна повърхнина на цилиндъра",     Area,   "околната повърхнина на цилиндъра"},
    {"S2", "околна повърхнина на един конус",    Area,   "околната повърхнина на един конус"},
    {"S",  "лице на повърхнината на тялото",     Area,   "лицето на повърхнината"},
    {"V1", "обем на цилиндъра",                  Volume, "обема на цилиндъра"},
    {"V2", "обем на един конус",                 Volume, "обема на един конус"},
    {"V",  "обем на тялото",                     Volume, "обема"},
};
constexpr RelationRow relations[] = {
    {"d = 2r", {"r = d : 2"}},
    {"B = π·r²", {"r² = B : π"}},
    {"H = h1 + 2h2", {"H = h1 + 2h2", "h1 = H − 2h2", "h2 = (H − h1) : 2"},
     "дължината на тялото е височината на цилиндъра и височините на двата конуса"},
    {"l² = r² + h2²", {"l = √(r² + h2²)", "r = √(l² − h2²)", "h2 = √(l² − r²)"},
     "образуващата l е хипотенуза в правоъгълния триъгълник с катети r и h2, затова е по-дълга от тях", Pythagoras},
    {"S1 = 2π·r·h1", {"h1 = S1 : (2π·r)", "r = S1 : (2π·h1)"}},
    {"S2 = π·r·l", {"l = S2 : (π·r)", "r = S2 : (π·l)"}},
    {"S = S1 + 2S2", {"S = S1 + 2S2", "S1 = S − 2S2", "S2 = (S − S1) : 2"},
     "повърхнината на тялото е околната повърхнина на цилиндъра и околните повърхнини на двата конуса", 0, {},
     "Основите на цилиндъра са вътре в тялото, затова повърхнината е околната повърхнина на цилиндъра и "
     "двете околни повърхнини на конусите"},
    {"V1 = π·r²·h1", {"h1 = V1 : (π·r²)", "r² = V1 : (π·h1)"}},
    {"V2 = π·r²·h2 : 3", {"h2 = 3V2 : (π·r²)", "r² = 3V2 : (π·h2)"}},
    {"V = V1 + 2V2", {"V = V1 + 2V2", "V1 = V − 2V2", "V2 = (V − V1) : 2"},
     "обемът на тялото е сборът от обема на цилиндъра и обемите на двата конуса"},
    {"V = π·r²·(3h1 + 2h2) : 3", {"r² = 3V : (π·(3h1 + 2h2))"}, {}, 0, {},
     "От V = V1 + 2V2, V1 = π·r²·h1 и V2 = π·r²·h2 : 3"},
};
constexpr std::string_view base[] = {"r", "h1", "h2"};
constexpr std::string_view otherNames[] = {"цилиндър с два конуса", "цилиндър и два конуса"};
// Worksheets from grade 10 on: the trapezoid turned about its larger base, by
// its bases with its height or its leg; by its bases and the body's volume,
// its height (the radius) asked.
constexpr TaskPattern direct[] = {
    {{"H", "h1", "r"}, {}, {"V", "S", "l"}, 10},
    {{"H", "h1", "l"}, {}, {"r", "V", "S"}, 10},
};
constexpr TaskPattern inverse[] = {
    {{"H", "h1", "V"}, {"r"}, {"S"}, 10},
};
constexpr WordedGivens worded[] = {
    {{"H", "h1", "r"}, "Равнобедрен трапец с основи {H} и {h1} и височина {r} се завърта около по-голямата си основа.", "на полученото тяло", true},
    {{"H", "h1", "l"}, "Равнобедрен трапец с основи {H} и {h1} и бедро {l} се завърта около по-голямата си основа.", "на полученото тяло", true},
    {{"H", "h1", "V"}, "Равнобедрен трапец с основи {H} и {h1} се завърта около по-голямата си основа. Обемът на полученото тяло е {V}.", "на полученото тяло", true},
};
// The radius and a cone's height legs of a right triangle with whole sides: a whole leg of the trapezoid.
constexpr MeasureDrawn wholeLeg[] = {{{"r", "h2"}, Drawn::RightLegs}, {{"h1"}, Drawn::Length, 2, 12}};
constexpr MeasureChoice measures[] = {{.measures = wholeLeg}};
constexpr Registration registration{
    .picture = {},
    .drawing = {.figure = "cylinder with two cones", .proportions = {"r", "h1", "h2"},
                .withoutNet = "Развивката на тялото е от частите му: правоъгълник и два кръгови сектора."},
    .worksheet = {.direct = direct, .inverse = inverse, .measures = measures, .worded = worded},
};
}  // namespace cylinder_two_cones

namespace cylinder_without_two_cones {
constexpr QuantityRow quantities[] = {
    {"r",  "радиус на основите",                      Length, "радиуса на основите"},
    {"d",  "диаметър на основите",                    Length, "диаметъра на основите"},
    {"h1", "височина на цилиндъра",                   Length, "височината на цилиндъра"},
    {"h2", "височина на всеки от конусите",           Length, "височината на всеки от конусите"},
    {"m",  "разстояние между върховете на конусите",  Length, "разстоянието между върховете на конусите"},
    {"l",  "образуваща на конусите",                  Length, "образуващата на конусите"},
    {"S1", "околна повърхнина на цилиндъра",          Area,   "околната повърхнина на цилиндъра"},
    {"S2", "околна повърхнина на един конус",         Area,   "околната повърхнина на един конус"},
    {"S",  "лице на повърхнината на тялото",          Area,   "лицето на повърхнината"},
    {"V1", "обем на цилиндъра",                       Volume, "обема на цилиндъра"},
    {"V2", "обем на един конус",                      Volume, "обема на един конус"},
    {"V",  "обем на тялото",                          Volume, "обема"},
};
constexpr RelationRow relations[] = {
    {"d = 2r", {"r = d : 2"}},
    {"h1 = m + 2h2", {"h1 = m + 2h2", "m = h1 − 2h2", "h2 = (h1 − m) : 2"},
     "конусите са изрязани от двата края на цилиндъра и върховете им не се допират, затова 2h2 е по-малко от h1"},
    {"l² = r² + h2²", {"l = √(r² + h2²)", "r = √(l² − h2²)", "h2 = √(l² − r²)"},
     "образуващата l е хипотенуза в правоъгълния триъгълник с катети r и h2, затова е по-дълга от тях", Pythagoras},
    {"S1 = 2π·r·h1", {"h1 = S1 : (2π·r)", "r = S1 : (2π·h1)"}},
    {"S2 = π·r·l", {"l = S2 : (π·r)", "r = S2 : (π·l)"}},
    {"S = S1 + 2S2", {"S = S1 + 2S2", "S1 = S − 2S2", "S2 = (S − S1) : 2"},
     "повърхнината на тялото е околната повърхнина на цилиндъра и околните повърхнини на двата конуса", 0, {},
     "Двете основи са изрязани, затова повърхнината е околната повърхнина на цилиндъра и двете околни "
     "повърхнини на конусите вътре"},
    {"V1 = π·r²·h1", {"h1 = V1 : (π·r²)", "r² = V1 : (π·h1)"}},
    {"V2 = π·r²·h2 : 3", {"h2 = 3V2 : (π·r²)", "r² = 3V2 : (π·h2)"}},
    {"V = V1 − 2V2", {"V = V1 − 2V2", "V1 = V + 2V2", "V2 = (V1 − V) : 2"},
     "обемът на тялото е обемът на цилиндъра без обемите на двата конуса"},
    {"V = π·r²·(3h1 − 2h2) : 3", {"r² = 3V : (π·(3h1 − 2h2))"}, {}, 0, {},
     "От V = V1 − 2V2, V1 = π·r²·h1 и V2 = π·r²·h2 : 3"},
};
constexpr std::string_view base[] = {"r", "m", "h2"};  // any three fit: h1 = m + 2h2
constexpr std::string_view otherNames[] = {"цилиндър с два изрязани конуса", "цилиндър без два конуса"};
// Worksheets from grade 10 on: the trapezoid turned about its smaller base,
// as the one above.
constexpr TaskPattern direct[] = {
    {{"h1", "m", "r"}, {}, {"V", "S", "l"}, 10},
    {{"h1", "m", "l"}, {}, {"r", "V", "S"}, 10},
};
constexpr TaskPattern inverse[] = {
    {{"h1", "m", "V"}, {"r"}, {"S"}, 10},
};
constexpr WordedGivens worded[] = {
    {{"h1", "m", "r"}, "Равнобедрен трапец с основи {h1} и {m} и височина {r} се завърта около по-малката си основа.", "на полученото тяло", true},
    {{"h1", "m", "l"}, "Равнобедрен трапец с основи {h1} и {m} и бедро {l} се завърта около по-малката си основа.", "на полученото тяло", true},
    {{"h1", "m", "V"}, "Равнобедрен трапец с основи {h1} и {m} се завърта около по-малката си основа. Обемът на полученото тяло е {V}.", "на полученото тяло", true},
};
constexpr MeasureDrawn wholeLeg[] = {{{"r", "h2"}, Drawn::RightLegs}, {{"m"}, Drawn::Length, 2, 12}};
constexpr MeasureChoice measures[] = {{.measures = wholeLeg}};
constexpr Registration registration{
    .picture = {},
    .drawing = {.figure = "cylinder without two cones", .proportions = {"r", "h1", "h2"},
                .withoutNet = "Развивката на тялото е от частите му: правоъгълник и два кръгови сектора."},
    .worksheet = {.direct = direct, .inverse = inverse, .measures = measures, .worded = worded},
};
}  // namespace cylinder_without_two_cones
// clang-format on

}  // namespace

const SolidRow& cylinderWithTwoCones() {
    using namespace cylinder_two_cones;
    static constexpr SolidRow table{.key = "cylinder-two-cones", .name = "цилиндър с конус върху всяка основа",
                                    .genitive = "на тялото", .single = "тяло от цилиндър и два конуса",
                                    .gender = Gender::Neuter, .quantities = quantities, .relations = relations,
                                    .base = base, .otherNames = otherNames, .registration = &registration};
    return table;
}

const SolidRow& cylinderWithoutTwoCones() {
    using namespace cylinder_without_two_cones;
    static constexpr SolidRow table{.key = "cylinder-without-two-cones", .name = "цилиндър с два изрязани конуса",
                                    .genitive = "на тялото", .single = "цилиндър с два изрязани конуса",
                                    .gender = Gender::Masculine, .quantities = quantities, .relations = relations,
                                    .base = base, .otherNames = otherNames, .registration = &registration};
    return table;
}

}  // namespace solver::tables
