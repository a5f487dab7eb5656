// SPDX-License-Identifier: MIT
// Bodies made of two solids on a common base, and a hollow one: the body's
// surface is what is outside (the common base is inside and left out; a
// hollow's inner wall is counted), its volume the parts' sum or difference.
#include "engine/tables/tables.h"

namespace solver::tables {
namespace {

using enum Dimension;

// clang-format off
namespace cylinder_cone {
constexpr QuantityRow quantities[] = {
    {"r",  "радиус на общата основа",         Length, "радиуса на общата основа"},
    {"d",  "диаметър на общата основа",       Length, "диаметъра на общата основа"},
    {"h1", "височина на цилиндъра",           Length, "височината на цилиндъра"},
    {"h2", "височина на конуса",              Length, "височината на конуса"},
    {"H",  "височина на тялото",              Length, "височината"},
    {"l",  "образуваща на конуса",            Length, "образуващата на конуса"},
    {"B",  "лице на основата",                Area,   "лицето на основата"},
    {"S1", "околна повърхнина на цилиндъра",  Area,   "околната повърхнина на цилиндъра"},
    {"S2", "околна повърхнина на конуса",     Area,   "околната повърхнина на конуса"},
    {"S",  "лице на повърхнината на тялото",  Area,   "лицето на повърхнината"},
    {"V1", "обем на цилиндъра",               Volume, "обема на цилиндъра"},
    {"V2", "обем на конуса",                  Volume, "обема на конуса"},
    {"V",  "обем на тялото",                  Volume, "обема"},
};
constexpr RelationRow relations[] = {
    {"d = 2r", {"r = d : 2"}},
    {"B = π·r²", {"r² = B : π"}},
    {"H = h1 + h2", {"H = h1 + h2", "h1 = H − h2", "h2 = H − h1"}, "височината на тялото е сборът от височините на цилиндъра и на конуса"},
    {"l² = r² + h2²", {"l = √(r² + h2²)", "r = √(l² − h2²)", "h2 = √(l² − r²)"},
     "образуващата l е хипотенуза в правоъгълния триъгълник с катети r и h2, затова е по-дълга от тях", Pythagoras},
    {"S1 = 2π·r·h1", {"h1 = S1 : (2π·r)", "r = S1 : (2π·h1)"}},
    {"S2 = π·r·l", {"l = S2 : (π·r)", "r = S2 : (π·l)"}},
    {"S = B + S1 + S2", {"S = B + S1 + S2", "S1 = S − B − S2", "S2 = S − B − S1"},
     "повърхнината на тялото е долната основа и околните повърхнини на цилиндъра и на конуса", 0, {},
     "Общата основа е вътре в тялото, затова повърхнината е долната основа и двете околни повърхнини"},
    {"V1 = π·r²·h1", {"h1 = V1 : (π·r²)", "r² = V1 : (π·h1)"}},
    {"V2 = π·r²·h2 : 3", {"h2 = 3V2 : (π·r²)", "r² = 3V2 : (π·h2)"}},
    {"V = V1 + V2", {"V = V1 + V2", "V1 = V − V2", "V2 = V − V1"}, "обемът на тялото е сборът от обемите на цилиндъра и на конуса"},
};
constexpr std::string_view base[] = {"r", "h1", "h2"};
constexpr std::string_view otherNames[] = {"цилиндър и конус", "цилиндър с конус"};
constexpr Registration registration{
    .picture = {},
    .drawing = {.figure = "cylinder with cone", .proportions = {"r", "h1", "h2"},
                .withoutNet = "Развивката на тялото е от частите му: кръг, правоъгълник и кръгов сектор."},
};
}  // namespace cylinder_cone

namespace cylinder_hemisphere {
constexpr QuantityRow quantities[] = {
    {"r",  "радиус на общата основа",         Length, "радиуса на общата основа"},
    {"d",  "диаметър на общата основа",       Length, "диаметъра на общата основа"},
    {"h",  "височина на цилиндъра",           Length, "височината на цилиндъра"},
    {"H",  "височина на тялото",              Length, "височината"},
    {"B",  "лице на основата",                Area,   "лицето на основата"},
    {"S1", "околна повърхнина на цилиндъра",  Area,   "околната повърхнина на цилиндъра"},
    {"S2", "повърхнина на полусферата",       Area,   "повърхнината на полусферата"},
    {"S",  "лице на повърхнината на тялото",  Area,   "лицето на повърхнината"},
    {"V1", "обем на цилиндъра",               Volume, "обема на цилиндъра"},
    {"V2", "обем на полукълбото",             Volume, "обема на полукълбото"},
    {"V",  "обем на тялото",                  Volume, "обема"},
};
constexpr RelationRow relations[] = {
    {"d = 2r", {"r = d : 2"}},
    {"B = π·r²", {"r² = B : π"}},
    {"H = h + r", {"H = h + r", "h = H − r", "r = H − h"}, "височината на тялото е височината на цилиндъра и радиусът на полукълбото"},
    {"S1 = 2π·r·h", {"h = S1 : (2π·r)", "r = S1 : (2π·h)"}},
    {"S2 = 2π·r²", {"r² = S2 : (2π)"}},
    {"S = B + S1 + S2", {"S = B + S1 + S2", "S1 = S − B − S2"},
     "повърхнината на тялото е долната основа, околната повърхнина на цилиндъра и полусферата", 0, {},
     "Общата основа е вътре в тялото, затова повърхнината е долната основа, околната повърхнина и полусферата"},
    {"V1 = π·r²·h", {"h = V1 : (π·r²)", "r² = V1 : (π·h)"}},
    {"V2 = 2π·r³ : 3", {"r³ = 3V2 : (2π)"}},
    {"V = V1 + V2", {"V = V1 + V2", "V1 = V − V2", "V2 = V − V1"}, "обемът на тялото е сборът от обемите на цилиндъра и на полукълбото"},
};
constexpr std::string_view base[] = {"r", "h"};
constexpr std::string_view otherNames[] = {"цилиндър с полукълбо", "цилиндър и полукълбо"};
constexpr Registration registration{
    .picture = {},
    .drawing = {.figure = "cylinder with hemisphere", .proportions = {"r", "h"},
                .withoutNet = "Полусферата няма развивка: тя не може да се разгъне в равнина, без да се разтегне или скъса."},
};
}  // namespace cylinder_hemisphere

namespace hollow_cylinder {
constexpr ConditionRow innerSmaller[1] = {
    {"r < R", "радиуси R и r", "вътрешният радиус r трябва да е по-малък от външния R"},
};
constexpr QuantityRow quantities[] = {
    {"R",  "външен радиус",                    Length, "външния радиус"},
    {"r",  "вътрешен радиус",                  Length, "вътрешния радиус"},
    {"D",  "външен диаметър",                  Length, "външния диаметър"},
    {"d",  "вътрешен диаметър",                Length, "вътрешния диаметър"},
    {"t",  "дебелина на стената",              Length, "дебелината на стената"},
    {"h",  "височина",                         Length, "височината"},
    {"B",  "лице на основата (кръгов пръстен)", Area,  "лицето на основата"},
    {"S1", "външна околна повърхнина",         Area,   "външната околна повърхнина"},
    {"S2", "вътрешна околна повърхнина",       Area,   "вътрешната околна повърхнина"},
    {"S",  "лице на повърхнината",             Area,   "лицето на повърхнината"},
    {"V1", "обем на външния цилиндър",         Volume, "обема на външния цилиндър"},
    {"V2", "обем на отвора",                   Volume, "обема на отвора"},
    {"V",  "обем",                             Volume, "обема"},
};
constexpr RelationRow relations[] = {
    {"D = 2R", {"R = D : 2"}},
    {"d = 2r", {"r = d : 2"}},
    {"t = R − r", {"t = R − r", "r = R − t", "R = r + t"}, "дебелината на стената е разликата на радиусите"},
    {"B = π·(R² − r²)", {"B = π·(R² − r²)", "r² = R² − B : π", "R² = r² + B : π"}},
    {"S1 = 2π·R·h", {"h = S1 : (2π·R)", "R = S1 : (2π·h)"}},
    {"S2 = 2π·r·h", {"h = S2 : (2π·r)", "r = S2 : (2π·h)"}},
    {"S = S1 + S2 + 2B", {"S = S1 + S2 + 2B"},
     "повърхнината на тялото е външната и вътрешната околна повърхнина и двата пръстена", 0, {},
     "Повърхнината е външната и вътрешната околна повърхнина и двете основи (кръгови пръстени)"},
    {"V1 = π·R²·h", {"h = V1 : (π·R²)", "R² = V1 : (π·h)"}},
    {"V2 = π·r²·h", {"h = V2 : (π·r²)", "r² = V2 : (π·h)"}},
    {"V = V1 − V2", {"V = V1 − V2", "V1 = V + V2", "V2 = V1 − V"}, "обемът на тялото е обемът на външния цилиндър без обема на отвора"},
    {"V = B·h", {"h = V : B", "B = V : h"}},
};
constexpr std::string_view base[] = {"r", "R", "h"};
constexpr std::string_view otherNames[] = {"кух цилиндър", "цилиндър с цилиндричен отвор"};
constexpr Registration registration{
    .picture = {},
    .drawing = {.figure = "hollow cylinder", .proportions = {"R", "r", "h"},
                .withoutNet = "Развивката на тялото е от частите му: два правоъгълника и два кръгови пръстена."},
};
}  // namespace hollow_cylinder

namespace prism_pyramid {
constexpr QuantityRow quantities[] = {
    {"a",  "основен ръб",                       Length, "основния ръб"},
    {"h1", "височина на призмата",              Length, "височината на призмата"},
    {"h2", "височина на пирамидата",            Length, "височината на пирамидата"},
    {"H",  "височина на тялото",                Length, "височината"},
    {"k",  "апотема на пирамидата",             Length, "апотемата на пирамидата"},
    {"B",  "лице на основата",                  Area,   "лицето на основата"},
    {"S1", "околна повърхнина на призмата",     Area,   "околната повърхнина на призмата"},
    {"S2", "околна повърхнина на пирамидата",   Area,   "околната повърхнина на пирамидата"},
    {"S",  "лице на повърхнината на тялото",    Area,   "лицето на повърхнината"},
    {"V1", "обем на призмата",                  Volume, "обема на призмата"},
    {"V2", "обем на пирамидата",                Volume, "обема на пирамидата"},
    {"V",  "обем на тялото",                    Volume, "обема"},
};
constexpr RelationRow relations[] = {
    {"B = a²", {"a = √B"}},
    {"H = h1 + h2", {"H = h1 + h2", "h1 = H − h2", "h2 = H − h1"}, "височината на тялото е сборът от височините на призмата и на пирамидата"},
    {"k² = h2² + (a : 2)²", {"k = √(h2² + (a : 2)²)", "h2 = √(k² − (a : 2)²)", "a = 2√(k² − h2²)"},
     "апотемата k е хипотенуза в правоъгълния триъгълник с катети h2 и a : 2, затова е по-дълга от тях", Pythagoras, {},
     "От правоъгълния триъгълник с катети h2 и a : 2 и хипотенуза k"},
    {"S1 = 4a·h1", {"h1 = S1 : (4a)", "a = S1 : (4h1)"}},
    {"S2 = 2a·k", {"k = S2 : (2a)", "a = S2 : (2k)"}},
    {"S = B + S1 + S2", {"S = B + S1 + S2", "S1 = S − B − S2", "S2 = S − B − S1"},
     "повърхнината на тялото е долната основа и околните повърхнини на призмата и на пирамидата", 0, {},
     "Общата основа е вътре в тялото, затова повърхнината е долната основа и двете околни повърхнини"},
    {"V1 = B·h1", {"h1 = V1 : B", "B = V1 : h1"}},
    {"V2 = B·h2 : 3", {"h2 = 3V2 : B", "B = 3V2 : h2"}},
    {"V = V1 + V2", {"V = V1 + V2", "V1 = V − V2", "V2 = V − V1"}, "обемът на тялото е сборът от обемите на призмата и на пирамидата"},
};
constexpr std::string_view base[] = {"a", "h1", "h2"};
constexpr std::string_view otherNames[] = {"призма с пирамида", "куб с пирамида"};
constexpr Registration registration{
    .picture = {},
    .drawing = {.figure = "prism with pyramid", .proportions = {"a", "h1", "h2"},
                .withoutNet = "Развивката на тялото е от частите му: квадрат, четири правоъгълника и четири триъгълника."},
};
}  // namespace prism_pyramid
// clang-format on

}  // namespace

const SolidRow& cylinderWithCone() {
    using namespace cylinder_cone;
    static constexpr SolidRow table{.key = "cylinder-cone", .name = "цилиндър и конус с обща основа",
                                    .genitive = "на тялото", .single = "тяло от цилиндър и конус",
                                    .gender = Gender::Neuter, .quantities = quantities, .relations = relations,
                                    .base = base, .otherNames = otherNames, .registration = &registration};
    return table;
}

const SolidRow& cylinderWithHemisphere() {
    using namespace cylinder_hemisphere;
    static constexpr SolidRow table{.key = "cylinder-hemisphere", .name = "цилиндър с полукълбо върху основата",
                                    .genitive = "на тялото", .single = "тяло от цилиндър и полукълбо",
                                    .gender = Gender::Neuter, .quantities = quantities, .relations = relations,
                                    .base = base, .otherNames = otherNames, .registration = &registration};
    return table;
}

const SolidRow& hollowCylinder() {
    using namespace hollow_cylinder;
    static constexpr SolidRow table{.key = "hollow-cylinder", .name = "кух цилиндър",
                                    .genitive = "на кухия цилиндър", .single = "кух цилиндър",
                                    .gender = Gender::Masculine, .quantities = quantities, .relations = relations,
                                    .base = base, .conditions = innerSmaller, .otherNames = otherNames,
                                    .registration = &registration};
    return table;
}

const SolidRow& prismWithPyramid() {
    using namespace prism_pyramid;
    static constexpr SolidRow table{.key = "prism-pyramid",
                                    .name = "правилна четириъгълна призма и пирамида с обща основа",
                                    .genitive = "на тялото", .single = "тяло от призма и пирамида",
                                    .gender = Gender::Neuter, .quantities = quantities, .relations = relations,
                                    .base = base, .otherNames = otherNames, .registration = &registration};
    return table;
}

}  // namespace solver::tables
