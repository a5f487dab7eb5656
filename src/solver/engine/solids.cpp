// SPDX-License-Identifier: MIT
#include "engine/solids.h"

namespace solver {
namespace {

using enum Dimension;
using enum Gender;

// clang-format off

constexpr QuantityRow cubeQuantities[] = {
    {"a",  "ръб",                 Length, "ръба"},
    {"d",  "диагонал",            Length, "диагонала"},
    {"d1", "диагонал на стена",   Length, "диагонала на стената"},
    {"S",  "околна повърхнина",   Area,   "околната повърхнина"},
    {"S1", "пълна повърхнина",    Area,   "пълната повърхнина"},
    {"V",  "обем",                Volume, "обема"},
};
constexpr RelationRow cubeRelations[] = {
    {"d = a√3",  {"a = d : √3"}},
    {"d1 = a√2", {"a = d1 : √2"}},
    {"S = 4a²",  {"a² = S : 4"}},
    {"S1 = 6a²", {"a² = S1 : 6"}},
    {"V = a³",   {"a³ = V"}},
};
constexpr std::string_view cubeBase[] = {"a"};

constexpr QuantityRow boxQuantities[] = {
    {"a",  "основен ръб",       Length, "основния ръб a"},
    {"b",  "основен ръб",       Length, "основния ръб b"},
    {"c",  "височина",          Length, "височината"},
    {"d",  "диагонал",          Length, "диагонала"},
    {"S",  "околна повърхнина", Area,   "околната повърхнина"},
    {"S1", "пълна повърхнина",  Area,   "пълната повърхнина"},
    {"V",  "обем",              Volume, "обема"},
};
constexpr RelationRow boxRelations[] = {
    {"V = a·b·c", {"a = V : (b·c)", "b = V : (a·c)", "c = V : (a·b)"}},
    {"S = 2(a + b)·c", {"c = S : (2(a + b))", "a = S : (2c) − b", "b = S : (2c) − a"},
     "околната повърхнина е 2(a + b)·c, затова тя е по-голяма от 2a·c и от 2b·c"},
    {"S1 = S + 2a·b", {"S = S1 − 2a·b", "a = (S1 − S) : (2b)", "b = (S1 − S) : (2a)"},
     "пълната повърхнина е околната и двете основи, затова S1 > S"},
    {"d² = a² + b² + c²", {"d = √(a² + b² + c²)", "a = √(d² − b² − c²)", "b = √(d² − a² − c²)", "c = √(d² − a² − b²)"},
     "диагоналът е по-дълъг от всеки ръб и d² = a² + b² + c²"},
};
constexpr std::string_view boxBase[] = {"a", "b", "c"};

constexpr QuantityRow prismQuantities[] = {
    {"n",  "брой страни на основата", Count,  "броя на страните на основата", true},
    {"a",  "основен ръб",             Length, "основния ръб", true},
    {"h",  "височина",                Length, "височината"},
    {"P",  "периметър на основата",   Length, "периметъра на основата"},
    {"B",  "лице на основата",        Area,   "лицето на основата"},
    {"S",  "околна повърхнина",       Area,   "околната повърхнина"},
    {"S1", "пълна повърхнина",        Area,   "пълната повърхнина"},
    {"V",  "обем",                    Volume, "обема"},
};
constexpr RelationRow prismRelations[] = {
    {"P = n·a", {"a = P : n", "n = P : a"}},
    {"B = n·a² : (4·tg(180° : n))", {"a² = 4B·tg(180° : n) : n"}},
    {"S = P·h", {"h = S : P", "P = S : h"}},
    {"S1 = S + 2B", {"S = S1 − 2B", "B = (S1 − S) : 2"},
     "пълната повърхнина е околната и двете основи, затова S1 > S"},
    {"V = B·h", {"h = V : B", "B = V : h"}},
};
constexpr std::string_view prismBase[] = {"a", "h"};
constexpr std::string_view anyBase[] = {"P", "B", "h"};

constexpr QuantityRow pyramidQuantities[] = {
    {"n",  "брой страни на основата",                   Count,  "броя на страните на основата", true},
    {"a",  "основен ръб",                               Length, "основния ръб", true},
    {"h",  "височина",                                  Length, "височината"},
    {"k",  "апотема на пирамидата",                     Length, "апотемата"},
    {"k1", "апотема на основата",                       Length, "апотемата на основата"},
    {"b",  "околен ръб",                                Length, "околния ръб", true},
    {"r",  "радиус на вписаната в основата окръжност",  Length, "радиуса на вписаната в основата окръжност"},
    {"R",  "радиус на описаната около основата окръжност", Length, "радиуса на описаната около основата окръжност", true},
    {"P",  "периметър на основата",                     Length, "периметъра на основата"},
    {"B",  "лице на основата",                          Area,   "лицето на основата"},
    {"S",  "околна повърхнина",                         Area,   "околната повърхнина"},
    {"S1", "пълна повърхнина",                          Area,   "пълната повърхнина"},
    {"V",  "обем",                                      Volume, "обема"},
};
// A regular pyramid's base is a regular polygon: its relations come after
// these (regularPolygonRelations).
constexpr RelationRow pyramidRelations[] = {
    {"k² = h² + r²", {"k = √(h² + r²)", "h = √(k² − r²)", "r = √(k² − h²)"},
     "апотемата k е хипотенуза в правоъгълния триъгълник с катети h и r, затова е по-дълга от тях"},
    {"b² = h² + R²", {"b = √(h² + R²)", "h = √(b² − R²)", "R = √(b² − h²)"},
     "околният ръб b е хипотенуза в правоъгълния триъгълник с катети h и R, затова е по-дълъг от тях"},
    {"b² = k² + (a : 2)²", {"b = √(k² + (a : 2)²)", "k = √(b² − (a : 2)²)", "a = 2√(b² − k²)"},
     "околният ръб b е хипотенуза в правоъгълния триъгълник с катети k и a : 2, затова е по-дълъг от тях"},
    {"k1 = r", {"r = k1"}, "апотемата на основата k1 е радиусът r на вписаната в основата окръжност"},
    {"S = P·k : 2", {"k = 2S : P", "P = 2S : k"}},
    {"S1 = S + B", {"S = S1 − B", "B = S1 − S"}, "пълната повърхнина е околната и основата, затова S1 > S"},
    {"V = B·h : 3", {"h = 3V : B", "B = 3V : h"}},
};
constexpr std::string_view pyramidBase[] = {"a", "h"};

constexpr QuantityRow polygonQuantities[] = {
    {"n", "брой страни",                Count,  "броя на страните"},
    {"a", "страна",                     Length, "страната"},
    {"P", "периметър",                  Length, "периметъра"},
    {"B", "лице",                       Area,   "лицето"},
    {"r", "радиус на вписаната окръжност", Length, "радиуса на вписаната окръжност"},
    {"R", "радиус на описаната окръжност", Length, "радиуса на описаната окръжност"},
};
// A regular polygon's, and a regular pyramid's base's.
constexpr RelationRow regularPolygonRelations[] = {
    {"P = n·a", {"a = P : n", "n = P : a"}},
    {"r = a : (2·tg(180° : n))", {"a = 2r·tg(180° : n)"}},
    {"R = a : (2·sin(180° : n))", {"a = 2R·sin(180° : n)"}},
    {"B = P·r : 2", {"r = 2B : P", "P = 2B : r"}},
    {"R² = r² + (a : 2)²", {"R = √(r² + (a : 2)²)", "r = √(R² − (a : 2)²)", "a = 2√(R² − r²)"},
     "радиусът R на описаната окръжност е по-дълъг от радиуса r на вписаната и от a : 2"},
};
constexpr std::string_view polygonBase[] = {"a"};

constexpr QuantityRow cylinderQuantities[] = {
    {"r",  "радиус",                  Length, "радиуса"},
    {"d",  "диаметър",                Length, "диаметъра"},
    {"h",  "височина",                Length, "височината"},
    {"S",  "околна повърхнина",       Area,   "околната повърхнина"},
    {"S1", "пълна повърхнина",        Area,   "пълната повърхнина"},
    {"V",  "обем",                    Volume, "обема"},
    {"Q",  "лице на осното сечение",  Area,   "лицето на осното сечение"},
};
constexpr RelationRow cylinderRelations[] = {
    {"d = 2r", {"r = d : 2"}},
    {"S = 2π·r·h", {"h = S : (2π·r)", "r = S : (2π·h)"}},
    {"S1 = S + 2π·r²", {"S = S1 − 2π·r²", "r² = (S1 − S) : (2π)"},
     "пълната повърхнина е околната и двете основи, затова S1 > S"},
    {"V = π·r²·h", {"h = V : (π·r²)", "r² = V : (π·h)"}},
    {"Q = 2r·h", {"h = Q : (2r)", "r = Q : (2h)"}},
    {"S1 = 2π·r·(r + h)", {"h = S1 : (2π·r) − r"}, "пълната повърхнина е по-голяма от лицето 2π·r² на двете основи"},
};
constexpr std::string_view roundBase[] = {"r", "h"};

constexpr QuantityRow coneQuantities[] = {
    {"r",  "радиус",                 Length, "радиуса"},
    {"d",  "диаметър",               Length, "диаметъра"},
    {"h",  "височина",               Length, "височината"},
    {"l",  "образуваща",             Length, "образуващата"},
    {"S",  "околна повърхнина",      Area,   "околната повърхнина"},
    {"S1", "пълна повърхнина",       Area,   "пълната повърхнина"},
    {"V",  "обем",                   Volume, "обема"},
    {"Q",  "лице на осното сечение", Area,   "лицето на осното сечение"},
};
constexpr RelationRow coneRelations[] = {
    {"d = 2r", {"r = d : 2"}},
    {"l² = r² + h²", {"l = √(r² + h²)", "r = √(l² − h²)", "h = √(l² − r²)"},
     "образуващата l е хипотенуза в правоъгълния триъгълник с катети r и h, затова е по-дълга от радиуса и от височината"},
    {"S = π·r·l", {"l = S : (π·r)", "r = S : (π·l)"}},
    {"S1 = S + π·r²", {"S = S1 − π·r²", "r² = (S1 − S) : π"},
     "пълната повърхнина е околната и основата, затова S1 > S"},
    {"V = π·r²·h : 3", {"h = 3V : (π·r²)", "r² = 3V : (π·h)"}},
    {"Q = r·h", {"h = Q : r", "r = Q : h"}},
    {"S1 = π·r·(r + l)", {"l = S1 : (π·r) − r"}, "пълната повърхнина е по-голяма от лицето π·r² на основата"},
};

constexpr QuantityRow sphereQuantities[] = {
    {"r", "радиус",                Length, "радиуса"},
    {"d", "диаметър",              Length, "диаметъра"},
    {"S", "лице на повърхнината",  Area,   "лицето на повърхнината"},
    {"V", "обем",                  Volume, "обема"},
};
constexpr RelationRow sphereRelations[] = {
    {"d = 2r", {"r = d : 2"}},
    {"S = 4π·r²", {"r² = S : (4π)"}},
    {"V = 4π·r³ : 3", {"r³ = 3V : (4π)"}},
};
constexpr std::string_view sphereBase[] = {"r"};

constexpr SolidRow solids[] = {
    {"cube", "куб", "на куба", "куб", Masculine, cubeQuantities, cubeRelations, {}, cubeBase},
    {"box", "правоъгълен паралелепипед", "на паралелепипеда", "правоъгълен паралелепипед", Masculine, boxQuantities,
     boxRelations, {}, boxBase, {}, {"a", "b"}},
    {"prism", "права призма", "на призмата", "права призма", Feminine, prismQuantities, prismRelations, {},
     prismBase, anyBase},
    {"pyramid", "правилна пирамида", "на пирамидата", "правилна пирамида", Feminine, pyramidQuantities,
     pyramidRelations, regularPolygonRelations, pyramidBase, anyBase},
    {"polygon", "правилен многоъгълник", "на многоъгълника", "правилен многоъгълник", Masculine, polygonQuantities,
     {}, regularPolygonRelations, polygonBase},
    {"cylinder", "цилиндър", "на цилиндъра", "цилиндър", Masculine, cylinderQuantities, cylinderRelations, {},
     roundBase},
    {"cone", "конус", "на конуса", "конус", Masculine, coneQuantities, coneRelations, {}, roundBase},
    {"sphere", "сфера и кълбо", "на кълбото", "кълбо", Neuter, sphereQuantities, sphereRelations, {}, sphereBase},
};

// clang-format on

// Other names a student may type for a solid.
struct Alias {
    std::string_view name;
    std::string_view key;
};
constexpr Alias aliases[] = {
    {"куб", "cube"},       {"паралелепипед", "box"},  {"правоъгълен паралелепипед", "box"},
    {"кутия", "box"},      {"призма", "prism"},       {"права призма", "prism"},
    {"пирамида", "pyramid"}, {"правилна пирамида", "pyramid"}, {"многоъгълник", "polygon"},
    {"правилен многоъгълник", "polygon"}, {"цилиндър", "cylinder"}, {"конус", "cone"},
    {"сфера", "sphere"},   {"кълбо", "sphere"},       {"сфера и кълбо", "sphere"},
    {"ball", "sphere"},    {"cuboid", "box"},
};

}  // namespace

std::span<const SolidRow> allSolids() { return solids; }

const SolidRow* solidByKey(std::string_view key) {
    for (const Alias& alias : aliases)
        if (alias.name == key) key = alias.key;
    for (const SolidRow& solid : solids)
        if (solid.key == key) return &solid;
    return nullptr;
}

bool hasSides(const SolidRow& solid) { return quantityIndex(solid, "n") >= 0; }

std::vector<const RelationRow*> relationsOf(const SolidRow& solid) {
    std::vector<const RelationRow*> rows;
    for (const RelationRow& row : solid.sharedRelations) rows.push_back(&row);
    for (const RelationRow& row : solid.relations) rows.push_back(&row);
    return rows;
}

int quantityIndex(const SolidRow& solid, std::string_view key) {
    for (std::size_t i = 0; i < solid.quantities.size(); ++i)
        if (solid.quantities[i].key == key) return int(i);
    return -1;
}

std::string_view unitSymbol(Unit unit) {
    switch (unit) {
    case Unit::Millimetre: return "mm";
    case Unit::Centimetre: return "cm";
    case Unit::Decimetre: return "dm";
    case Unit::Metre: return "m";
    }
    return "";
}

}  // namespace solver
