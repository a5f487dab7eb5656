// SPDX-License-Identifier: MIT
// The sphere described about a solid and the ball inscribed in it, as a solid
// takes them in where a task names them (its `uses`): Rc, dc, Sc and Vc of
// the sphere about it, ri, di, Si and Vi of the ball in it. Each relation is
// the one a textbook reads off the axial section (the section through the
// height), and a ball that cannot be inscribed (in a cylinder whose height is
// not its base's diameter) is refused by the relation that fails, with its
// reason.
#include "engine/tables/tables.h"

namespace solver::tables {
namespace {

using enum Dimension;

// clang-format off
#define AROUND_SPHERE \
    {"Rc", "радиус на описаната сфера", Length, "радиуса на описаната сфера", false, {}, true}, \
    {"dc", "диаметър на описаната сфера", Length, "диаметъра на описаната сфера", false, {}, true}, \
    {"Sc", "лице на описаната сфера",   Area,   "лицето на описаната сфера",  false, {}, true}, \
    {"Vc", "обем на описаното кълбо",   Volume, "обема на описаното кълбо",   false, {}, true}
#define INNER_BALL \
    {"ri", "радиус на вписаното кълбо", Length, "радиуса на вписаното кълбо", false, {}, true}, \
    {"di", "диаметър на вписаното кълбо", Length, "диаметъра на вписаното кълбо", false, {}, true}, \
    {"Si", "лице на вписаната сфера",   Area,   "лицето на повърхнината на вписаното кълбо", false, {}, true}, \
    {"Vi", "обем на вписаното кълбо",   Volume, "обема на вписаното кълбо",   false, {}, true}
#define AROUND_MEASURES \
    {"dc = 2Rc", {"Rc = dc : 2"}}, \
    {"Sc = 4π·Rc²", {"Rc² = Sc : (4π)"}}, \
    {"Vc = 4π·Rc³ : 3", {"Rc³ = 3Vc : (4π)"}}
#define INNER_MEASURES \
    {"di = 2ri", {"ri = di : 2"}}, \
    {"Si = 4π·ri²", {"ri² = Si : (4π)"}}, \
    {"Vi = 4π·ri³ : 3", {"ri³ = 3Vi : (4π)"}}

// The cube: its diagonal is the described sphere's diameter, its edge the inscribed ball's.
constexpr QuantityRow cubeAroundQuantities[] = {{"d", "диагонал", Length, "диагонала"}, AROUND_SPHERE};
constexpr RelationRow cubeAroundRelations[] = {
    {"d = 2Rc", {"Rc = d : 2", "d = 2Rc"}, {}, 0, {}, "Диагоналът на куба е диаметър на описаната сфера"},
    AROUND_MEASURES,
};
constexpr QuantityRow cubeInnerQuantities[] = {{"a", "ръб", Length, "ръба"}, INNER_BALL};
constexpr RelationRow cubeInnerRelations[] = {
    {"a = 2ri", {"ri = a : 2", "a = 2ri"}, {}, 0, {}, "Вписаното кълбо се допира до стените и ръбът е негов диаметър"},
    INNER_MEASURES,
};

constexpr QuantityRow boxAroundQuantities[] = {{"d", "диагонал", Length, "диагонала"}, AROUND_SPHERE};
constexpr RelationRow boxAroundRelations[] = {
    {"d = 2Rc", {"Rc = d : 2", "d = 2Rc"}, {}, 0, {}, "Диагоналът на паралелепипеда е диаметър на описаната сфера"},
    AROUND_MEASURES,
};

// The cylinder's axial section, a rectangle 2r by h, is inscribed in a great circle of the sphere.
constexpr QuantityRow cylinderAroundQuantities[] = {
    {"r", "радиус", Length, "радиуса"}, {"h", "височина", Length, "височината"}, AROUND_SPHERE};
constexpr RelationRow cylinderAroundRelations[] = {
    {"Rc² = r² + (h : 2)²", {"Rc = √(r² + (h : 2)²)", "r = √(Rc² − (h : 2)²)", "h = 2√(Rc² − r²)"},
     "радиусът Rc на описаната сфера е хипотенуза в правоъгълния триъгълник с катети r и h : 2, затова Rc > r и 2Rc > h",
     Pythagoras, {}, "Осното сечение е правоъгълник, вписан в голяма окръжност на сферата"},
    AROUND_MEASURES,
};
// A ball touches both bases and the lateral surface only where the axial section is a square.
constexpr QuantityRow cylinderInnerQuantities[] = {
    {"r", "радиус", Length, "радиуса"}, {"h", "височина", Length, "височината"}, INNER_BALL};
constexpr RelationRow cylinderInnerRelations[] = {
    {"ri = r", {"r = ri"}, {}, 0, {}, "Вписаното кълбо се допира до околната повърхнина"},
    {"h = 2ri", {"ri = h : 2", "h = 2ri"},
     "в цилиндър може да се впише кълбо само когато осното сечение е квадрат, тоест височината е равна на диаметъра на основата (h = 2r)",
     0, {}, "Вписаното кълбо се допира до двете основи"},
    INNER_MEASURES,
};

// The cone's axial section, an isosceles triangle with sides l, l, 2r and height h.
constexpr QuantityRow coneAroundQuantities[] = {
    {"r", "радиус", Length, "радиуса"}, {"h", "височина", Length, "височината"}, AROUND_SPHERE};
constexpr RelationRow coneAroundRelations[] = {
    {"(h − Rc)² + r² = Rc²", {"Rc = (h² + r²) : (2h)"}, {}, 0, {},
     "Центърът на описаната сфера е на оста, на разстояние Rc от върха и от окръжността на основата"},
    AROUND_MEASURES,
};
constexpr QuantityRow coneInnerQuantities[] = {
    {"r", "радиус", Length, "радиуса"}, {"h", "височина", Length, "височината"},
    {"l", "образуваща", Length, "образуващата"}, INNER_BALL};
constexpr RelationRow coneInnerRelations[] = {
    {"ri : (h − ri) = r : l", {"ri = r·h : (r + l)"}, {}, 0, {},
     "Центърът на вписаното кълбо е на височината; от подобните правоъгълни триъгълници"},
    INNER_MEASURES,
};

// The regular prism: the centre of either sphere is the midpoint of the axis joining its bases' centres.
constexpr QuantityRow prismAroundQuantities[] = {
    {"n", "брой страни на основата", Count, "броя на страните на основата", false, sidesOfPolygon},
    {"a", "основен ръб", Length, "основния ръб", true}, {"h", "височина", Length, "височината"},
    {"R", "радиус на описаната около основата окръжност", Length, "радиуса на описаната около основата окръжност", true},
    AROUND_SPHERE};
constexpr RelationRow prismAroundRelations[] = {
    {"R = a : (2·sin(180° : n))", {"a = 2R·sin(180° : n)"}},
    {"Rc² = R² + (h : 2)²", {"Rc = √(R² + (h : 2)²)", "R = √(Rc² − (h : 2)²)", "h = 2√(Rc² − R²)"},
     "радиусът Rc на описаната сфера е хипотенуза в правоъгълния триъгълник с катети R и h : 2, затова Rc > R и 2Rc > h",
     Pythagoras, {}, "Центърът на описаната сфера е средата на отсечката между центровете на основите"},
    AROUND_MEASURES,
};
constexpr QuantityRow prismInnerQuantities[] = {
    {"n", "брой страни на основата", Count, "броя на страните на основата", false, sidesOfPolygon},
    {"a", "основен ръб", Length, "основния ръб", true}, {"h", "височина", Length, "височината"},
    {"r", "радиус на вписаната в основата окръжност", Length, "радиуса на вписаната в основата окръжност", true},
    INNER_BALL};
constexpr RelationRow prismInnerRelations[] = {
    {"r = a : (2·tg(180° : n))", {"a = 2r·tg(180° : n)"}},
    {"ri = r", {"r = ri"}, {}, 0, {}, "Вписаното кълбо се допира до околните стени"},
    {"h = 2ri", {"ri = h : 2", "h = 2ri"},
     "в призма може да се впише кълбо само когато височината е равна на диаметъра на вписаната в основата окръжност (h = 2r)",
     0, {}, "Вписаното кълбо се допира до двете основи"},
    INNER_MEASURES,
};

// The regular pyramid: both centres are on its height.
constexpr QuantityRow pyramidAroundQuantities[] = {
    {"h", "височина", Length, "височината"},
    {"R", "радиус на описаната около основата окръжност", Length, "радиуса на описаната около основата окръжност"},
    AROUND_SPHERE};
constexpr RelationRow pyramidAroundRelations[] = {
    {"(h − Rc)² + R² = Rc²", {"Rc = (h² + R²) : (2h)"}, {}, 0, {},
     "Центърът на описаната сфера е на височината, на разстояние Rc от върха и от върховете на основата"},
    AROUND_MEASURES,
};
constexpr QuantityRow pyramidInnerQuantities[] = {
    {"h", "височина", Length, "височината"}, {"k", "апотема на пирамидата", Length, "апотемата"},
    {"r", "радиус на вписаната в основата окръжност", Length, "радиуса на вписаната в основата окръжност"},
    INNER_BALL};
constexpr RelationRow pyramidInnerRelations[] = {
    {"ri : (h − ri) = r : k", {"ri = r·h : (r + k)"}, {}, 0, {},
     "Центърът на вписаното кълбо е на височината; от подобните правоъгълни триъгълници"},
    INNER_MEASURES,
};

// The frustums: the described sphere's centre is on the axis, x from the larger base's centre
// (x < 0 below it): r1² + x² = r2² + (h − x)².
constexpr QuantityRow coneFrustumAroundQuantities[] = {
    {"r1", "радиус на голямата основа", Length, "радиуса на голямата основа"},
    {"r2", "радиус на малката основа", Length, "радиуса на малката основа"},
    {"h", "височина", Length, "височината"}, AROUND_SPHERE};
constexpr RelationRow coneFrustumAroundRelations[] = {
    {"Rc² = r1² + ((h² + r2² − r1²) : (2h))²", {"Rc = √(r1² + ((h² + r2² − r1²) : (2h))²)"}, {}, 0, {},
     "Центърът на описаната сфера е на оста, на разстояние x = (h² + r2² − r1²) : (2h) от центъра на голямата основа"},
    AROUND_MEASURES,
};
// A ball fits a frustum where its axial section, a trapezoid, has an inscribed circle.
constexpr QuantityRow coneFrustumInnerQuantities[] = {
    {"r1", "радиус на голямата основа", Length, "радиуса на голямата основа"},
    {"r2", "радиус на малката основа", Length, "радиуса на малката основа"},
    {"h", "височина", Length, "височината"}, {"l", "образуваща", Length, "образуващата"}, INNER_BALL};
constexpr RelationRow coneFrustumInnerRelations[] = {
    {"h = 2ri", {"ri = h : 2", "h = 2ri"}, {}, 0, {}, "Вписаното кълбо се допира до двете основи"},
    {"l = r1 + r2", {"r1 = l − r2", "r2 = l − r1"},
     "в пресечен конус може да се впише кълбо само когато образуващата е равна на сбора на радиусите на основите (l = r1 + r2)",
     0, {}, "Осното сечение е трапец с вписана окръжност: сборът на бедрата е равен на сбора на основите"},
    // From l² = h² + (r1 − r2)² with l = r1 + r2 and h = 2ri: 4r1·r2 = 4ri².
    {"ri² = r1·r2", {"ri = √(r1·r2)", "r2 = ri² : r1", "r1 = ri² : r2"}, {}, 0, {},
     "От l² = h² + (r1 − r2)², l = r1 + r2 и h = 2ri"},
    INNER_MEASURES,
};
constexpr QuantityRow pyramidFrustumAroundQuantities[] = {
    {"R1", "радиус на описаната около голямата основа окръжност", Length, "радиуса на описаната около голямата основа окръжност"},
    {"R2", "радиус на описаната около малката основа окръжност", Length, "радиуса на описаната около малката основа окръжност"},
    {"h", "височина", Length, "височината"}, AROUND_SPHERE};
constexpr RelationRow pyramidFrustumAroundRelations[] = {
    {"Rc² = R1² + ((h² + R2² − R1²) : (2h))²", {"Rc = √(R1² + ((h² + R2² − R1²) : (2h))²)"}, {}, 0, {},
     "Центърът на описаната сфера е на оста, на разстояние x = (h² + R2² − R1²) : (2h) от центъра на голямата основа"},
    AROUND_MEASURES,
};
constexpr QuantityRow pyramidFrustumInnerQuantities[] = {
    {"r1", "радиус на вписаната в голямата основа окръжност", Length, "радиуса на вписаната в голямата основа окръжност"},
    {"r2", "радиус на вписаната в малката основа окръжност", Length, "радиуса на вписаната в малката основа окръжност"},
    {"h", "височина", Length, "височината"}, {"k", "апотема", Length, "апотемата"}, INNER_BALL};
constexpr RelationRow pyramidFrustumInnerRelations[] = {
    {"h = 2ri", {"ri = h : 2", "h = 2ri"}, {}, 0, {}, "Вписаното кълбо се допира до двете основи"},
    {"k = r1 + r2", {"r1 = k − r2", "r2 = k − r1"},
     "в пресечена пирамида може да се впише кълбо само когато апотемата е равна на сбора на радиусите на вписаните в основите окръжности (k = r1 + r2)",
     0, {}, "Сечението през височината и две срещуположни апотеми е трапец с вписана окръжност"},
    {"ri² = r1·r2", {"ri = √(r1·r2)", "r2 = ri² : r1", "r1 = ri² : r2"}, {}, 0, {},
     "От k² = h² + (r1 − r2)², k = r1 + r2 и h = 2ri"},
    INNER_MEASURES,
};
// clang-format on

#undef AROUND_SPHERE
#undef INNER_BALL
#undef AROUND_MEASURES
#undef INNER_MEASURES

constexpr std::string_view noBase[] = {"V"};

constexpr SolidRow aroundTable(std::string_view key, std::span<const QuantityRow> quantities,
                               std::span<const RelationRow> relations) {
    return SolidRow{.key = key, .name = "описана сфера", .genitive = "на описаната около {} сфера", .single = "сфера",
                    .gender = Gender::Feminine, .quantities = quantities, .relations = relations, .base = noBase};
}
constexpr SolidRow innerTable(std::string_view key, std::span<const QuantityRow> quantities,
                              std::span<const RelationRow> relations) {
    return SolidRow{.key = key, .name = "вписано кълбо", .genitive = "на вписаното в {} кълбо", .single = "кълбо",
                    .gender = Gender::Neuter, .quantities = quantities, .relations = relations, .base = noBase};
}

}  // namespace

#define SPHERE_TABLE(function, make, key, stem) \
    const SolidRow& function() {                \
        static constexpr SolidRow table = make(key, stem##Quantities, stem##Relations); \
        return table;                           \
    }
SPHERE_TABLE(sphereAroundCube, aroundTable, "sphere-around-cube", cubeAround)
SPHERE_TABLE(ballInCube, innerTable, "ball-in-cube", cubeInner)
SPHERE_TABLE(sphereAroundBox, aroundTable, "sphere-around-box", boxAround)
SPHERE_TABLE(sphereAroundCylinder, aroundTable, "sphere-around-cylinder", cylinderAround)
SPHERE_TABLE(ballInCylinder, innerTable, "ball-in-cylinder", cylinderInner)
SPHERE_TABLE(sphereAroundCone, aroundTable, "sphere-around-cone", coneAround)
SPHERE_TABLE(ballInCone, innerTable, "ball-in-cone", coneInner)
SPHERE_TABLE(sphereAroundPrism, aroundTable, "sphere-around-prism", prismAround)
SPHERE_TABLE(ballInPrism, innerTable, "ball-in-prism", prismInner)
SPHERE_TABLE(sphereAroundPyramid, aroundTable, "sphere-around-pyramid", pyramidAround)
SPHERE_TABLE(ballInPyramid, innerTable, "ball-in-pyramid", pyramidInner)
SPHERE_TABLE(sphereAroundConeFrustum, aroundTable, "sphere-around-cone-frustum", coneFrustumAround)
SPHERE_TABLE(ballInConeFrustum, innerTable, "ball-in-cone-frustum", coneFrustumInner)
SPHERE_TABLE(sphereAroundPyramidFrustum, aroundTable, "sphere-around-pyramid-frustum", pyramidFrustumAround)
SPHERE_TABLE(ballInPyramidFrustum, innerTable, "ball-in-pyramid-frustum", pyramidFrustumInner)
#undef SPHERE_TABLE

}  // namespace solver::tables
