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
// Worksheets: the radius with the two heights or the cone's generator; the
// body's volume with one height, the other asked.
constexpr TaskPattern direct[] = {
    {{"r", "h1", "h2"}, {}, {"V", "S", "S2", "l"}},
    {{"r", "h1", "h2"}, {}, {"V1", "V2", "S1", "V"}},
    {{"r", "h1", "l"}, {}, {"h2", "V", "S"}},
};
constexpr TaskPattern inverse[] = {
    {{"r", "h2", "V"}, {"h1"}, {"S"}},
    {{"r", "h1", "V"}, {"h2"}, {"l", "S"}},
};
constexpr WordedGivens worded[] = {
    {{"r", "h1", "h2"}, "Тяло е съставено от цилиндър и конус с обща основа с радиус {r}. Височината на цилиндъра е {h1}, а на конуса – {h2}."},
    {{"r", "h1", "l"}, "Тяло е съставено от цилиндър и конус с обща основа. Радиусът на основата е {r}, височината на цилиндъра е {h1}, а образуващата на конуса е {l}."},
    {{"r", "h2", "V"}, "Тяло е съставено от цилиндър и конус с обща основа с радиус {r}. Височината на конуса е {h2}, а обемът на тялото е {V}."},
    {{"r", "h1", "V"}, "Тяло е съставено от цилиндър и конус с обща основа с радиус {r}. Височината на цилиндъра е {h1}, а обемът на тялото е {V}."},
};
// The radius and the cone's height legs of a right triangle with whole sides: a whole generator.
constexpr MeasureDrawn wholeGenerator[] = {{{"r", "h2"}, Drawn::RightLegs}, {{"h1"}, Drawn::Length, 2, 12}};
constexpr MeasureChoice measures[] = {{.measures = wholeGenerator}};
// The picture of the bodies of two solids: a cone on a cylinder.
constexpr Registration registration{
    .picture = "bodies",
    .pictureSize = {45, 80},
    .offeredName = "съставно тяло",
    .listCaption = "Вид тяло",
    .drawing = {.figure = "cylinder with cone", .proportions = {"r", "h1", "h2"},
                .withoutNet = "Развивката на тялото е от частите му: кръг, правоъгълник и кръгов сектор."},
    .worksheet = {.direct = direct, .inverse = inverse, .measures = measures, .worded = worded},
};
}  // namespace cylinder_cone

// A cone cut out of a cylinder: its base the cylinder's upper one, its apex
// inside (a right trapezoid turned about its smaller base). The surface is
// the lower base, the cylinder's wall and the cone's, inside.
namespace cylinder_without_cone {
constexpr ConditionRow coneInside[1] = {
    {"h2 ≤ h1", "височини h1 и h2",
     "конусът е изрязан от цилиндъра, затова височината му h2 не може да е по-голяма от височината на цилиндъра h1"},
};
constexpr QuantityRow quantities[] = {
    {"r",  "радиус на основата",                Length, "радиуса на основата"},
    {"d",  "диаметър на основата",              Length, "диаметъра на основата"},
    {"h1", "височина на цилиндъра",             Length, "височината на цилиндъра"},
    {"h2", "височина на конуса",                Length, "височината на конуса"},
    {"l",  "образуваща на конуса",              Length, "образуващата на конуса"},
    {"B",  "лице на основата",                  Area,   "лицето на основата"},
    {"S1", "околна повърхнина на цилиндъра",    Area,   "околната повърхнина на цилиндъра"},
    {"S2", "околна повърхнина на конуса",       Area,   "околната повърхнина на конуса"},
    {"S",  "лице на повърхнината на тялото",    Area,   "лицето на повърхнината"},
    {"V1", "обем на цилиндъра",                 Volume, "обема на цилиндъра"},
    {"V2", "обем на конуса",                    Volume, "обема на конуса"},
    {"V",  "обем на тялото",                    Volume, "обема"},
};
constexpr RelationRow relations[] = {
    {"d = 2r", {"r = d : 2"}},
    {"B = π·r²", {"r² = B : π"}},
    {"l² = r² + h2²", {"l = √(r² + h2²)", "r = √(l² − h2²)", "h2 = √(l² − r²)"},
     "образуващата l е хипотенуза в правоъгълния триъгълник с катети r и h2, затова е по-дълга от тях", Pythagoras},
    {"S1 = 2π·r·h1", {"h1 = S1 : (2π·r)", "r = S1 : (2π·h1)"}},
    {"S2 = π·r·l", {"l = S2 : (π·r)", "r = S2 : (π·l)"}},
    {"S = B + S1 + S2", {"S = B + S1 + S2", "S1 = S − B − S2", "S2 = S − B − S1"},
     "повърхнината на тялото е долната основа, околната повърхнина на цилиндъра и околната повърхнина на конуса", 0, {},
     "Горната основа е изрязана, затова повърхнината е долната основа, околната повърхнина на цилиндъра и "
     "околната повърхнина на конуса вътре"},
    {"V1 = π·r²·h1", {"h1 = V1 : (π·r²)", "r² = V1 : (π·h1)"}},
    {"V2 = π·r²·h2 : 3", {"h2 = 3V2 : (π·r²)", "r² = 3V2 : (π·h2)"}},
    {"V = V1 − V2", {"V = V1 − V2", "V1 = V + V2", "V2 = V1 − V"}, "обемът на тялото е обемът на цилиндъра без обема на конуса"},
};
constexpr std::string_view base[] = {"r", "h1", "h2"};
constexpr std::string_view otherNames[] = {"цилиндър с изрязан конус", "цилиндър без конус"};
// Worksheets: the radius and both heights; the body's volume, the cone's height asked.
constexpr TaskPattern direct[] = {
    {{"r", "h1", "h2"}, {}, {"V", "S", "l", "V2"}},
};
constexpr TaskPattern inverse[] = {
    {{"r", "h1", "V"}, {"h2"}, {"l", "S"}},
};
constexpr WordedGivens worded[] = {
    {{"r", "h1", "h2"}, "От цилиндър с радиус {r} и височина {h1} е изрязан конус с височина {h2}, чиято основа е горната основа на цилиндъра.", "на полученото тяло"},
    {{"r", "h1", "V"}, "От цилиндър с радиус {r} и височина {h1} е изрязан конус, чиято основа е горната основа на цилиндъра. Обемът на полученото тяло е {V}.", "на полученото тяло"},
};
// The radius and the cone's height legs of a right triangle with whole sides, the cylinder higher.
constexpr MeasureDrawn wholeGenerator[] = {{{"r", "h2"}, Drawn::RightLegs}, {{"h1"}, Drawn::AbovePrevious, 1, 6}};
constexpr MeasureChoice measures[] = {{.measures = wholeGenerator}};
constexpr Registration registration{
    .picture = {},
    .drawing = {.figure = "cylinder without cone", .proportions = {"r", "h1", "h2"},
                .withoutNet = "Развивката на тялото е от частите му: кръг, правоъгълник и кръгов сектор."},
    .worksheet = {.direct = direct, .inverse = inverse, .measures = measures, .worded = worded},
};
}  // namespace cylinder_without_cone

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
// Worksheets: the radius with the cylinder's height or the body's; the body's
// volume with the radius, the cylinder's height asked.
constexpr TaskPattern direct[] = {
    {{"r", "h"}, {}, {"V", "S", "V2", "H"}},
    {{"r", "h"}, {}, {"V1", "S1", "S2", "V"}},
    {{"r", "H"}, {}, {"h", "V", "S"}},
};
constexpr TaskPattern inverse[] = {
    {{"r", "V"}, {"h"}, {"S"}},
};
constexpr WordedGivens worded[] = {
    {{"r", "h"}, "Върху основата на цилиндър с радиус {r} и височина {h} е поставено полукълбо."},
    {{"r", "H"}, "Тяло е съставено от цилиндър и полукълбо с обща основа с радиус {r}. Височината на тялото е {H}."},
    {{"r", "V"}, "Върху основата на цилиндър с радиус {r} е поставено полукълбо. Обемът на тялото е {V}."},
};
constexpr MeasureDrawn radiusAndHeight[] = {{{"r"}, Drawn::Length, 1, 10}, {{"h"}, Drawn::Length, 2, 12}};
constexpr MeasureChoice measures[] = {{.measures = radiusAndHeight}};
constexpr Registration registration{
    .picture = {},
    .drawing = {.figure = "cylinder with hemisphere", .proportions = {"r", "h"},
                .withoutNet = "Полусферата няма развивка: тя не може да се разгъне в равнина, без да се разтегне или скъса."},
    .worksheet = {.direct = direct, .inverse = inverse, .measures = measures, .worded = worded},
};
}  // namespace cylinder_hemisphere

// A half ball on a cone's base, the cone's apex below (an ice-cream cone):
// the common base is inside, so the surface is the cone's wall and the half sphere.
namespace cone_hemisphere {
constexpr QuantityRow quantities[] = {
    {"r",  "радиус на общата основа",         Length, "радиуса на общата основа"},
    {"d",  "диаметър на общата основа",       Length, "диаметъра на общата основа"},
    {"h",  "височина на конуса",              Length, "височината на конуса"},
    {"H",  "височина на тялото",              Length, "височината"},
    {"l",  "образуваща на конуса",            Length, "образуващата на конуса"},
    {"B",  "лице на общата основа",           Area,   "лицето на общата основа"},
    {"S1", "околна повърхнина на конуса",     Area,   "околната повърхнина на конуса"},
    {"S2", "повърхнина на полусферата",       Area,   "повърхнината на полусферата"},
    {"S",  "лице на повърхнината на тялото",  Area,   "лицето на повърхнината"},
    {"V1", "обем на конуса",                  Volume, "обема на конуса"},
    {"V2", "обем на полукълбото",             Volume, "обема на полукълбото"},
    {"V",  "обем на тялото",                  Volume, "обема"},
};
constexpr RelationRow relations[] = {
    {"d = 2r", {"r = d : 2"}},
    {"B = π·r²", {"r² = B : π"}},
    {"H = h + r", {"H = h + r", "h = H − r", "r = H − h"}, "височината на тялото е височината на конуса и радиусът на полукълбото"},
    {"l² = r² + h²", {"l = √(r² + h²)", "r = √(l² − h²)", "h = √(l² − r²)"},
     "образуващата l е хипотенуза в правоъгълния триъгълник с катети r и h, затова е по-дълга от тях", Pythagoras},
    {"S1 = π·r·l", {"l = S1 : (π·r)", "r = S1 : (π·l)"}},
    {"S2 = 2π·r²", {"r² = S2 : (2π)"}},
    {"S = S1 + S2", {"S = S1 + S2", "S1 = S − S2", "S2 = S − S1"},
     "повърхнината на тялото е околната повърхнина на конуса и полусферата", 0, {},
     "Общата основа е вътре в тялото, затова повърхнината е околната повърхнина на конуса и полусферата"},
    {"V1 = π·r²·h : 3", {"h = 3V1 : (π·r²)", "r² = 3V1 : (π·h)"}},
    {"V2 = 2π·r³ : 3", {"r³ = 3V2 : (2π)"}},
    {"V = V1 + V2", {"V = V1 + V2", "V1 = V − V2", "V2 = V − V1"}, "обемът на тялото е сборът от обемите на конуса и на полукълбото"},
};
constexpr std::string_view base[] = {"r", "h"};
constexpr std::string_view otherNames[] = {"конус с полукълбо", "конус и полукълбо"};
// Worksheets: the radius with the cone's height, its generator or the body's
// height; the body's volume with the radius, the cone's height asked.
constexpr TaskPattern direct[] = {
    {{"r", "h"}, {}, {"l", "V", "S", "H"}},
    {{"r", "h"}, {}, {"V1", "V2", "S1", "S2"}},
    {{"r", "l"}, {}, {"h", "V", "S"}},
    {{"r", "H"}, {}, {"h", "l", "V"}},
};
constexpr TaskPattern inverse[] = {
    {{"r", "V"}, {"h"}, {"l", "S"}},
};
constexpr WordedGivens worded[] = {
    {{"r", "h"}, "Върху основата на конус с радиус {r} и височина {h} е поставено полукълбо."},
    {{"r", "l"}, "Тяло е съставено от конус и полукълбо с обща основа. Радиусът на основата е {r}, а образуващата на конуса е {l}."},
    {{"r", "H"}, "Тяло е съставено от конус и полукълбо с обща основа с радиус {r}. Височината на тялото е {H}."},
    {{"r", "V"}, "Върху основата на конус с радиус {r} е поставено полукълбо. Обемът на тялото е {V}."},
};
// The radius and the cone's height legs of a right triangle with whole sides: a whole generator.
constexpr MeasureDrawn wholeGenerator[] = {{{"r", "h"}, Drawn::RightLegs}};
constexpr MeasureChoice measures[] = {{.measures = wholeGenerator}};
constexpr Registration registration{
    .picture = {},
    .drawing = {.figure = "cone with hemisphere", .proportions = {"r", "h"},
                .withoutNet = "Полусферата няма развивка: тя не може да се разгъне в равнина, без да се разтегне или скъса."},
    .worksheet = {.direct = direct, .inverse = inverse, .measures = measures, .worded = worded},
};
}  // namespace cone_hemisphere

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
    {"S",  "лице на повърхнината на кухия цилиндър", Area,   "лицето на повърхнината"},
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
// Worksheets: the radii or the outer radius and the wall with the height; the
// volume with the radii, the height asked.
constexpr TaskPattern direct[] = {
    {{"R", "r", "h"}, {}, {"V", "S", "S1", "S2"}},
    {{"R", "r", "h"}, {}, {"B", "V2", "V", "S"}},
    {{"R", "t", "h"}, {}, {"r", "V", "S"}},
};
constexpr TaskPattern inverse[] = {
    {{"R", "r", "V"}, {"h"}, {"S"}},
};
constexpr WordedGivens worded[] = {
    {{"R", "r", "h"}, "Кух цилиндър има външен радиус {R}, вътрешен радиус {r} и височина {h}."},
    {{"R", "t", "h"}, "Кух цилиндър има външен радиус {R}, дебелина на стената {t} и височина {h}."},
    {{"R", "r", "V"}, "Кух цилиндър има външен радиус {R}, вътрешен радиус {r} и обем {V}."},
};
// The hole's radius first, the outer one above it.
constexpr MeasureDrawn radii[] = {
    {{"r"}, Drawn::Length, 1, 8}, {{"R"}, Drawn::AbovePrevious, 1, 4}, {{"h"}, Drawn::Length, 2, 15}};
constexpr MeasureChoice measures[] = {{.measures = radii}};
constexpr Registration registration{
    .picture = {},
    .drawing = {.figure = "hollow cylinder", .proportions = {"R", "r", "h"},
                .withoutNet = "Развивката на тялото е от частите му: два правоъгълника и два кръгови пръстена."},
    .worksheet = {.direct = direct, .inverse = inverse, .measures = measures, .worded = worded},
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
// Worksheets: the edge and the two heights, or the pyramid's apothem instead
// of its height (grade 6 finds the surface so); the body's volume with the
// edge and the pyramid's height, the prism's asked.
constexpr TaskPattern direct[] = {
    {{"a", "h1", "h2"}, {}, {"V", "S", "k", "H"}},
    {{"a", "h1", "h2"}, {}, {"V1", "V2", "S1", "S2"}},
    {{"a", "h1", "k"}, {}, {"S1", "S2", "S", "V"}},
};
constexpr TaskPattern inverse[] = {
    {{"a", "h2", "V"}, {"h1"}, {"S"}},
};
constexpr WordedGivens worded[] = {
    {{"a", "h1", "h2"}, "Тяло е съставено от правилна четириъгълна призма с основен ръб {a} и височина {h1} и правилна четириъгълна пирамида с височина {h2} върху горната ѝ основа."},
    {{"a", "h1", "k"}, "Тяло е съставено от правилна четириъгълна призма и правилна четириъгълна пирамида с обща основа. Основният ръб е {a}, височината на призмата е {h1}, а апотемата на пирамидата е {k}."},
    {{"a", "h2", "V"}, "Тяло е съставено от правилна четириъгълна призма с основен ръб {a} и правилна четириъгълна пирамида с височина {h2} върху горната ѝ основа. Обемът на тялото е {V}."},
};
// Half the edge and the pyramid's height legs of a right triangle with whole sides: a whole apothem.
constexpr MeasureDrawn wholeApothem[] = {{{"a", "h2"}, Drawn::RightLegs, 0, 0, 2}, {{"h1"}, Drawn::Length, 2, 12}};
constexpr MeasureChoice measures[] = {{.measures = wholeApothem}};
constexpr Registration registration{
    .picture = {},
    .drawing = {.figure = "prism with pyramid", .proportions = {"a", "h1", "h2"},
                .withoutNet = "Развивката на тялото е от частите му: квадрат, четири правоъгълника и четири триъгълника."},
    .worksheet = {.direct = direct, .inverse = inverse, .measures = measures, .worded = worded},
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

const SolidRow& cylinderWithoutCone() {
    using namespace cylinder_without_cone;
    static constexpr SolidRow table{.key = "cylinder-without-cone", .name = "цилиндър с изрязан конус",
                                    .genitive = "на тялото", .single = "цилиндър с изрязан конус",
                                    .gender = Gender::Masculine, .quantities = quantities, .relations = relations,
                                    .base = base, .conditions = coneInside, .otherNames = otherNames,
                                    .registration = &registration};
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

const SolidRow& coneWithHemisphere() {
    using namespace cone_hemisphere;
    static constexpr SolidRow table{.key = "cone-hemisphere", .name = "конус с полукълбо върху основата",
                                    .genitive = "на тялото", .single = "тяло от конус и полукълбо",
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
