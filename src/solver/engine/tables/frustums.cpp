// SPDX-License-Identifier: MIT
// The frustums of a cone and of a regular pyramid: what is left of the solid
// cut by a plane parallel to its base. r1 and a1 belong to the larger base,
// r2 and a2 to the smaller one; the whole solid they come from (its height H)
// is found where a task asks for it.
#include "engine/tables/tables.h"

namespace solver::tables {
namespace {

using enum Dimension;

// The larger base is the first: r1 > r2, a1 > a2.
constexpr ConditionRow largerRadiusFirst[1] = {
    {"r2 < r1", "основи с радиуси r1 и r2",
     "радиусът r2 на малката основа трябва да е по-малък от радиуса r1 на голямата"},
};
constexpr ConditionRow largerEdgeFirst[1] = {
    {"a2 < a1", "основни ръбове a1 и a2",
     "ръбът a2 на малката основа трябва да е по-малък от ръба a1 на голямата"},
};

// clang-format off
namespace cone_frustum {
constexpr QuantityRow quantities[] = {
    {"r1", "радиус на голямата основа",           Length, "радиуса на голямата основа"},
    {"r2", "радиус на малката основа",            Length, "радиуса на малката основа"},
    {"d1", "диаметър на голямата основа",         Length, "диаметъра на голямата основа"},
    {"d2", "диаметър на малката основа",          Length, "диаметъра на малката основа"},
    {"B1", "лице на голямата основа",             Area,   "лицето на голямата основа"},
    {"B2", "лице на малката основа",              Area,   "лицето на малката основа"},
    {"h",  "височина",                            Length, "височината"},
    {"l",  "образуваща",                          Length, "образуващата"},
    {"S",  "околна повърхнина",                   Area,   "околната повърхнина"},
    {"S1", "пълна повърхнина",                    Area,   "пълната повърхнина"},
    {"V",  "обем",                                Volume, "обема"},
    {"Q",  "лице на осното сечение",              Area,   "лицето на осното сечение"},
    {"α",  "ъгъл между образуващата и голямата основа", Angle, "ъгъла между образуващата и голямата основа", false, acuteAngle},
    {"H",  "височина на пълния конус",            Length, "височината на пълния конус"},
    {"L",  "образуваща на пълния конус",          Length, "образуващата на пълния конус"},
    {"θ",  "централен ъгъл на развивката",        Angle,  "централния ъгъл на развивката", false, sectorAngle},
};
constexpr RelationRow relations[] = {
    {"d1 = 2r1", {"r1 = d1 : 2"}},
    {"d2 = 2r2", {"r2 = d2 : 2"}},
    {"B1 = π·r1²", {"r1² = B1 : π"}},
    {"B2 = π·r2²", {"r2² = B2 : π"}},
    {"l² = h² + (r1 − r2)²", {"l = √(h² + (r1 − r2)²)", "h = √(l² − (r1 − r2)²)", "r2 = r1 − √(l² − h²)", "r1 = r2 + √(l² − h²)"},
     "образуващата l е хипотенуза в правоъгълния триъгълник с катети h и r1 − r2, затова е по-дълга от височината",
     Pythagoras},
    {"S = π·(r1 + r2)·l", {"l = S : (π·(r1 + r2))"}},
    {"S1 = S + π·r1² + π·r2²", {"S = S1 − π·r1² − π·r2²"},
     "пълната повърхнина е околната и двете основи, затова S1 > S"},
    {"V = π·h·(r1² + r1·r2 + r2²) : 3", {"h = 3V : (π·(r1² + r1·r2 + r2²))"}},
    {"Q = (r1 + r2)·h", {"h = Q : (r1 + r2)"}},
    // The right triangle of the generator l, the height h and the difference of the radii.
    {"h = (r1 − r2)·tg α", {"α = arctg(h : (r1 − r2))"}, {}, 0, {}, "От правоъгълния триъгълник с катети h и r1 − r2 и хипотенуза l"},
    {"r1 − r2 = l·cos α", {"α = arccos((r1 − r2) : l)", "l = (r1 − r2) : cos α"}, {}, 0, {}, "От правоъгълния триъгълник с катети h и r1 − r2 и хипотенуза l"},
    {"h = l·sin α", {"α = arcsin(h : l)", "l = h : sin α"}, {}, 0, {}, "От правоъгълния триъгълник с катети h и r1 − r2 и хипотенуза l"},
    // The whole cone and the one cut off its top are alike.
    {"H : (H − h) = r1 : r2", {"H = h·r1 : (r1 − r2)"}, {}, 0, {}, "Пълният конус и отсеченият от него са подобни"},
    {"L : (L − l) = r1 : r2", {"L = l·r1 : (r1 − r2)"}, {}, 0, {}, "Пълният конус и отсеченият от него са подобни"},
    // The net's ring sector: its arcs are the bases' circles.
    {"θ = 360°·(r1 − r2) : l", {"l = 360°·(r1 − r2) : θ"}},
};
// The smaller base's first: measures taken for them in turn, growing (a
// solid drawn from 3, 4, 5) or not (the one that says what more to give, from 1,3, 2,9, 2,3), keep r1 > r2.
constexpr std::string_view base[] = {"r2", "r1", "h"};
constexpr std::string_view otherNames[] = {"пресечен конус"};
// Worksheets from grade 10 on: the radii with the height, the generator, its
// angle, or a surface, the volume or the axial section.
constexpr TaskPattern direct[] = {
    {{"r1", "r2", "h"}, {}, {"l", "S", "S1", "V"}, 10},
    {{"r1", "r2", "l"}, {}, {"h", "S", "S1", "V"}, 10},
    {{"r1", "r2", "α"}, {}, {"h", "l", "S", "V"}, 10},
    // The sphere about it; the ball in it, which sets its height (its generator is r1 + r2).
    {{"r1", "r2", "h"}, {"Rc"}, {"Sc"}, 10},
    {{"r1", "r2"}, {"ri"}, {"h", "V", "Si"}, 10},
};
constexpr TaskPattern inverse[] = {
    {{"r1", "r2", "V"}, {"h"}, {"l", "S1"}, 10},
    {{"r1", "r2", "S"}, {"l"}, {"h", "V"}, 10},
    {{"r1", "r2", "Q"}, {"h"}, {"l", "V"}, 10},
    // The ball in it and the larger radius: r1·r2 = ri², since l = r1 + r2 and h = 2ri.
    {{"r1", "ri"}, {"r2"}, {"h", "V"}, 10},
};
// A whole generator: r1 − r2 and h legs of a right triangle with whole sides.
constexpr MeasureDrawn wholeGenerator[] = {{{"r2"}, Drawn::Length, 1, 6}, {{"r1", "h"}, Drawn::AbovePrevious}};
// The radii and the generator's angle with the larger base, for the tasks that give it.
constexpr MeasureDrawn radiiAtAngle[] = {
    {{"r2"}, Drawn::Length, 1, 6}, {{"r1"}, Drawn::AbovePrevious, 1, 6}, {{"α"}, Drawn::TableAngle}};
// Radii whose product is a square: the inscribed ball's radius √(r1·r2) is whole.
constexpr std::array<int, 4> squareProducts[] = {{1, 4}, {1, 9}, {2, 8}, {4, 9}, {3, 12}, {1, 16}, {4, 16}, {2, 18}};
constexpr MeasureDrawn radiiAboutBall[] = {{{"r2", "r1"}, Drawn::Listed, 0, 0, 1, squareProducts}};
constexpr MeasureChoice measures[] = {{.forGiven = "α", .measures = radiiAtAngle},
                                      {.forSought = "ri", .measures = radiiAboutBall},
                                      {.forGiven = "ri", .measures = radiiAboutBall},
                                      {.measures = wholeGenerator}};
// Its picture, its figure and its net (a ring sector with the two circles).
constexpr Registration registration{
    .picture = "cone-frustum",
    .pictureSize = {66, 48},
    .drawing = {.figure = "cone frustum",
                .proportions = {"r1", "r2", "h"},
                .net = "cone frustum",
                .netDrawnFrom = {"r1", "r2", "l"},
                .netShown = {"r1", "r2", "l", "θ"},
                .sphereAxis = {"h", "r1", "r2"}},
    .worksheet = {.direct = direct, .inverse = inverse, .measures = measures},
};
}  // namespace cone_frustum

namespace pyramid_frustum {
constexpr QuantityRow quantities[] = {
    {"n",  "брой страни на основите",                  Count,  "броя на страните на основите", false, sidesOfPolygon},
    {"a1", "основен ръб на голямата основа",           Length, "основния ръб на голямата основа"},
    {"a2", "основен ръб на малката основа",            Length, "основния ръб на малката основа"},
    {"h",  "височина",                                 Length, "височината"},
    {"k",  "апотема",                                  Length, "апотемата"},
    {"b",  "околен ръб",                               Length, "околния ръб"},
    {"r1", "радиус на вписаната в голямата основа окръжност",  Length, "радиуса на вписаната в голямата основа окръжност"},
    {"r2", "радиус на вписаната в малката основа окръжност",   Length, "радиуса на вписаната в малката основа окръжност"},
    {"R1", "радиус на описаната около голямата основа окръжност", Length, "радиуса на описаната около голямата основа окръжност"},
    {"R2", "радиус на описаната около малката основа окръжност",  Length, "радиуса на описаната около малката основа окръжност"},
    {"P1", "периметър на голямата основа",             Length, "периметъра на голямата основа"},
    {"P2", "периметър на малката основа",              Length, "периметъра на малката основа"},
    {"B1", "лице на голямата основа",                  Area,   "лицето на голямата основа"},
    {"B2", "лице на малката основа",                   Area,   "лицето на малката основа"},
    {"S",  "околна повърхнина",                        Area,   "околната повърхнина"},
    {"S1", "пълна повърхнина",                         Area,   "пълната повърхнина"},
    {"V",  "обем",                                     Volume, "обема"},
    {"α",  "ъгъл между околния ръб и голямата основа",     Angle, "ъгъла между околния ръб и голямата основа", false, acuteAngle},
    {"φ",  "ъгъл между околната стена и голямата основа",  Angle, "ъгъла между околната стена и голямата основа", false, acuteAngle},
    {"H",  "височина на пълната пирамида",             Length, "височината на пълната пирамида"},
};
// Its bases are regular polygons of the same n: their relations come before these.
constexpr RelationRow relations[] = {
    {"k² = h² + (r1 − r2)²", {"k = √(h² + (r1 − r2)²)", "h = √(k² − (r1 − r2)²)"},
     "апотемата k е хипотенуза в правоъгълния триъгълник с катети h и r1 − r2, затова е по-дълга от височината", Pythagoras},
    {"b² = h² + (R1 − R2)²", {"b = √(h² + (R1 − R2)²)", "h = √(b² − (R1 − R2)²)"},
     "околният ръб b е хипотенуза в правоъгълния триъгълник с катети h и R1 − R2, затова е по-дълъг от височината", Pythagoras},
    {"b² = k² + ((a1 − a2) : 2)²", {"b = √(k² + ((a1 − a2) : 2)²)", "k = √(b² − ((a1 − a2) : 2)²)"},
     "околният ръб b е хипотенуза в правоъгълния триъгълник с катети k и (a1 − a2) : 2, затова е по-дълъг от апотемата", Pythagoras},
    {"S = (P1 + P2)·k : 2", {"k = 2S : (P1 + P2)"}},
    {"S1 = S + B1 + B2", {"S = S1 − B1 − B2"}, "пълната повърхнина е околната и двете основи, затова S1 > S"},
    {"V = h·(B1 + √(B1·B2) + B2) : 3", {"h = 3V : (B1 + √(B1·B2) + B2)"}},
    // The right trapezoid of the lateral edge b, the height h and the radii R1, R2: its angle α at the larger base.
    {"h = (R1 − R2)·tg α", {"α = arctg(h : (R1 − R2))"}, {}, 0, {}, "От правоъгълния триъгълник с катети h и R1 − R2 и хипотенуза b"},
    {"h = b·sin α", {"α = arcsin(h : b)", "b = h : sin α"}, {}, 0, {}, "От правоъгълния триъгълник с катети h и R1 − R2 и хипотенуза b"},
    {"R1 − R2 = b·cos α", {"α = arccos((R1 − R2) : b)", "b = (R1 − R2) : cos α"}, {}, 0, {}, "От правоъгълния триъгълник с катети h и R1 − R2 и хипотенуза b"},
    // The one of the apothem k, the height h and the inradii: the faces' angle φ with the larger base.
    {"h = (r1 − r2)·tg φ", {"φ = arctg(h : (r1 − r2))"}, {}, 0, {}, "От правоъгълния триъгълник с катети h и r1 − r2 и хипотенуза k"},
    {"h = k·sin φ", {"φ = arcsin(h : k)", "k = h : sin φ"}, {}, 0, {}, "От правоъгълния триъгълник с катети h и r1 − r2 и хипотенуза k"},
    {"r1 − r2 = k·cos φ", {"φ = arccos((r1 − r2) : k)", "k = (r1 − r2) : cos φ"}, {}, 0, {}, "От правоъгълния триъгълник с катети h и r1 − r2 и хипотенуза k"},
    // The whole pyramid and the one cut off its top are alike.
    {"H : (H − h) = a1 : a2", {"H = h·a1 : (a1 − a2)"}, {}, 0, {}, "Пълната пирамида и отсечената от нея са подобни"},
};
constexpr std::string_view base[] = {"a2", "a1", "h"};  // as the cone frustum's
constexpr std::pair<std::string_view, std::string_view> sharedCount[] = {{"n", "n"}};
constexpr PartRow parts[] = {{&regularPolygon, "1", sharedCount}, {&regularPolygon, "2", sharedCount}};
constexpr std::string_view otherNames[] = {"пресечена пирамида", "правилна пресечена пирамида"};
// Worksheets from grade 10 on, on a square base: the base edges with the
// height, the apothem, an angle, or a surface or the volume.
constexpr int sheetSides[] = {4};
constexpr TaskPattern direct[] = {
    {{"a1", "a2", "h"}, {}, {"k", "S", "S1", "V"}, 10},
    {{"a1", "a2", "k"}, {}, {"h", "S", "S1", "V"}, 10},
    {{"a1", "a2", "φ"}, {}, {"h", "k", "S", "V"}, 10},
    {{"a1", "a2", "α"}, {}, {"h", "b", "V"}, 10},
    // The sphere about it; the ball in it, which sets its height (its apothem is (a1 + a2) : 2).
    {{"a1", "a2", "h"}, {"Rc"}, {"Sc"}, 10},
    {{"a1", "a2"}, {"ri"}, {"h", "V", "Vi"}, 10},
};
constexpr TaskPattern inverse[] = {
    {{"a1", "a2", "V"},  {"h"}, {"k", "S1"}, 10},
    {{"a1", "a2", "S"},  {"k"}, {"h", "V"}, 10},
    {{"a1", "a2", "S1"}, {"k"}, {"h", "V"}, 10},
    // The ball in it and the larger edge: a1·a2 = 4ri², since k = (a1 + a2) : 2 and h = 2ri.
    {{"a1", "ri"}, {"a2"}, {"h", "V"}, 10},
};
// A whole apothem: (a1 − a2) : 2 and h legs of a right triangle with whole sides.
constexpr MeasureDrawn wholeApothem[] = {{{"a2"}, Drawn::EvenLength, 2, 8},
                                         {{"a1", "h"}, Drawn::AbovePrevious, 0, 0, 2}};
// The base edges and an angle with the larger base, for the tasks that give one.
constexpr MeasureDrawn edgesAtFacesAngle[] = {
    {{"a2"}, Drawn::EvenLength, 2, 8}, {{"a1"}, Drawn::AbovePrevious, 1, 5, 2}, {{"φ"}, Drawn::TableAngle}};
constexpr MeasureDrawn edgesAtEdgesAngle[] = {
    {{"a2"}, Drawn::EvenLength, 2, 8}, {{"a1"}, Drawn::AbovePrevious, 1, 5, 2}, {{"α"}, Drawn::TableAngle}};
// Edges whose product is a square: the inscribed ball's radius √(a1·a2) : 2 is whole.
constexpr std::array<int, 4> squareProducts[] = {{2, 8}, {4, 16}, {2, 18}, {8, 18}, {4, 36}, {6, 24}};
constexpr MeasureDrawn edgesAboutBall[] = {{{"a2", "a1"}, Drawn::Listed, 0, 0, 1, squareProducts}};
constexpr MeasureChoice measures[] = {{.forGiven = "φ", .measures = edgesAtFacesAngle},
                                      {.forGiven = "α", .measures = edgesAtEdgesAngle},
                                      {.forSought = "ri", .measures = edgesAboutBall},
                                      {.forGiven = "ri", .measures = edgesAboutBall},
                                      {.measures = wholeApothem}};
// Its picture, its figure and its net (the trapezoids round the larger base, the smaller on one of them).
constexpr Registration registration{
    .picture = "pyramid-frustum",
    .pictureSize = {53, 46},
    .drawing = {.figure = "pyramid frustum",
                .proportions = {"a1", "a2", "h"},
                .net = "pyramid frustum",
                .netDrawnFrom = {"a1", "a2", "k"},
                .netShown = {"n", "a1", "a2", "b", "k"},
                .sphereAxis = {"h", "R1", "R2"}},
    .worksheet = {.sides = sheetSides,
                  .direct = direct,
                  .inverse = inverse,
                  .measures = measures,
                  .sidedName = {"правилна {}ъгълна пресечена пирамида", {}, Gender::Feminine}},
};
}  // namespace pyramid_frustum
// clang-format on

}  // namespace

const SolidRow& coneFrustum() {
    using namespace cone_frustum;
    static constexpr SolidRow table{.key = "cone-frustum", .name = "пресечен конус", .genitive = "на пресечения конус",
                                    .single = "пресечен конус", .gender = Gender::Masculine,
                                    .quantities = quantities, .relations = relations, .base = base,
                                    .conditions = largerRadiusFirst, .otherNames = otherNames,
                                    .registration = &registration, .uses = coneFrustumUses};
    return table;
}

const SolidRow& pyramidFrustum() {
    using namespace pyramid_frustum;
    static constexpr SolidRow table{.key = "pyramid-frustum", .name = "правилна пресечена пирамида",
                                    .genitive = "на пресечената пирамида", .single = "правилна пресечена пирамида",
                                    .gender = Gender::Feminine, .quantities = quantities, .relations = relations,
                                    .base = base, .parts = parts, .conditions = largerEdgeFirst,
                                    .otherNames = otherNames, .registration = &registration, .uses = pyramidFrustumUses};
    return table;
}

}  // namespace solver::tables
