// SPDX-License-Identifier: MIT
// Right prisms and pyramids on the bases of engine/tables/bases.cpp. Each is a
// table like any other: the base is its part (its letters kept), and its own
// quantities and relations are those of its family below. A pyramid on such
// a base is one of two kinds a textbook sets: all its lateral edges equal (the
// apex over the centre of the circle round the base), or all its lateral faces
// at equal angles to the base (the apex over the centre of the circle inside
// it, every face's height the same).
#include <deque>
#include <string>
#include <vector>

#include "engine/tables/tables.h"

namespace solver::tables {
namespace {

using enum Dimension;

// A base, and what its prism's and pyramids' relations need of it.
struct BaseOfSolids {
    const SolidRow& (*table)();
    // Its sides, each length once: a lateral face's height over each.
    std::vector<std::string_view> sides;
    // The lateral surface of the pyramid with equal lateral edges, by the
    // faces' heights ka, kb, … on the sides: empty where the base has no circle round it.
    std::string_view facesOverEdges = {};
    bool inscribed = false;  // it has a circle inside: a pyramid with equal faces' angles
    int corners = 3;         // its lateral edges: three on a triangle, four on a quadrilateral
    // The pyramid with equal faces' angles: each lateral edge, found from k or
    // h and the corner's distance along the base, and its uses with the sums of edges.
    std::span<const RelationRow> edgesOverIncentre = {};
    std::span<const PartRow> facesUses = solidUses;
    // What swaps with the base's interchangeable sides or diagonals: in the
    // pyramid with equal edges, the faces' heights; in the other, the edges.
    std::span<const std::array<std::string_view, 2>> edgesSwapped = {};
    std::span<const std::array<std::string_view, 2>> facesSwapped = {};
};

constexpr std::array<std::string_view, 2> faceHeightsSwapped[] = {{"ka", "kb"}};
constexpr std::array<std::string_view, 2> cornerEdgesSwapped[] = {{"lA", "lB"}};
constexpr std::array<std::string_view, 2> diagonalEdgesSwapped[] = {{"l1", "l2"}};

// clang-format off
// From a corner, the two sides run to where the circle inside touches them
// by p − a (the corner opposite a): there the face's height k meets the side
// at a right angle, and the lateral edge is the hypotenuse over k.
constexpr RelationRow edgesOverTriangleIncentre[] = {
    {"lA² = k² + (p − a)²", {"lA = √(k² + (p − a)²)", "k = √(lA² − (p − a)²)"},
     "околният ръб lA е хипотенуза в правоъгълния триъгълник с катети k и p − a, затова е по-дълъг от k", Pythagoras},
    {"lB² = k² + (p − b)²", {"lB = √(k² + (p − b)²)", "k = √(lB² − (p − b)²)"},
     "околният ръб lB е хипотенуза в правоъгълния триъгълник с катети k и p − b, затова е по-дълъг от k", Pythagoras},
    {"lC² = k² + (p − c)²", {"lC = √(k² + (p − c)²)", "k = √(lC² − (p − c)²)"},
     "околният ръб lC е хипотенуза в правоъгълния триъгълник с катети k и p − c, затова е по-дълъг от k", Pythagoras},
};
// A right triangle's corners: A and B at the ends of the hypotenuse, C at the right angle.
constexpr RelationRow edgesOverRightTriangleIncentre[] = {
    {"lA² = k² + ((b + c − a) : 2)²", {"lA = √(k² + ((b + c − a) : 2)²)", "k = √(lA² − ((b + c − a) : 2)²)"},
     "околният ръб lA е хипотенуза в правоъгълния триъгълник с катети k и (b + c − a) : 2, затова е по-дълъг от k",
     Pythagoras},
    {"lB² = k² + ((a + c − b) : 2)²", {"lB = √(k² + ((a + c − b) : 2)²)", "k = √(lB² − ((a + c − b) : 2)²)"},
     "околният ръб lB е хипотенуза в правоъгълния триъгълник с катети k и (a + c − b) : 2, затова е по-дълъг от k",
     Pythagoras},
    {"lC² = k² + r²", {"lC = √(k² + r²)", "k = √(lC² − r²)"},
     "околният ръб lC е хипотенуза в правоъгълния триъгълник с катети k и r, затова е по-дълъг от k", Pythagoras},
};
// An isosceles triangle's: A opposite the base a, B and C at its ends.
constexpr RelationRow edgesOverIsoscelesIncentre[] = {
    {"lA² = k² + (b − a : 2)²", {"lA = √(k² + (b − a : 2)²)", "k = √(lA² − (b − a : 2)²)"},
     "околният ръб lA е хипотенуза в правоъгълния триъгълник с катети k и b − a : 2, затова е по-дълъг от k", Pythagoras},
    {"lB² = k² + (a : 2)²", {"lB = √(k² + (a : 2)²)", "k = √(lB² − (a : 2)²)"},
     "околният ръб lB е хипотенуза в правоъгълния триъгълник с катети k и a : 2, затова е по-дълъг от k", Pythagoras},
};
// A rhombus's circle inside has its centre where the diagonals cross.
constexpr RelationRow edgesOverRhombusCentre[] = {
    {"l1² = h² + (d1 : 2)²", {"l1 = √(h² + (d1 : 2)²)", "h = √(l1² − (d1 : 2)²)", "d1 = 2√(l1² − h²)"},
     "околният ръб l1 е хипотенуза в правоъгълния триъгълник с катети h и d1 : 2, затова е по-дълъг от тях", Pythagoras},
    {"l2² = h² + (d2 : 2)²", {"l2 = √(h² + (d2 : 2)²)", "h = √(l2² − (d2 : 2)²)", "d2 = 2√(l2² − h²)"},
     "околният ръб l2 е хипотенуза в правоъгълния триъгълник с катети h и d2 : 2, затова е по-дълъг от тях", Pythagoras},
};
// clang-format on

// clang-format off
const std::vector<BaseOfSolids>& basesOfSolids() {
    static const std::vector<BaseOfSolids> bases = {
        {&rightTriangle,      {"a", "b", "c"}, "S = (a·ka + b·kb + c·kc) : 2", true, 3, edgesOverRightTriangleIncentre,
         triangleFacesPyramidUses, faceHeightsSwapped, cornerEdgesSwapped},
        {&isoscelesTriangle,  {"a", "b"},      "S = a·ka : 2 + b·kb",          true, 3, edgesOverIsoscelesIncentre,
         isoscelesFacesPyramidUses},
        {&anyTriangle,        {"a", "b", "c"}, "S = (a·ka + b·kb + c·kc) : 2", true, 3, edgesOverTriangleIncentre,
         triangleFacesPyramidUses},
        {&rectangle,          {"a", "b"},      "S = a·ka + b·kb",              false, 4, {}, solidUses, faceHeightsSwapped},
        {&rhombus,            {"a"},           {},                             true,  4, edgesOverRhombusCentre,
         rhombusFacesPyramidUses, {}, diagonalEdgesSwapped},
        {&parallelogram,      {"a", "b"},      {},                             false, 4},
        {&isoscelesTrapezoid, {"a", "b", "c"}, "S = (a·ka + b·kb) : 2 + c·kc", false, 4},
        {&rightTrapezoid,     {"a", "b", "c", "h1"}, {},                       false, 4},
    };
    return bases;
}

constexpr QuantityRow prismQuantities[] = {
    {"h",  "височина",          Length, "височината"},
    {"S",  "околна повърхнина", Area,   "околната повърхнина"},
    {"S1", "пълна повърхнина",  Area,   "пълната повърхнина"},
    {"V",  "обем",              Volume, "обема"},
};
constexpr RelationRow prismRelations[] = {
    {"S = P·h", {"h = S : P", "P = S : h"}},
    {"S1 = S + 2B", {"S = S1 − 2B", "B = (S1 − S) : 2"}, "пълната повърхнина е околната и двете основи, затова S1 > S"},
    {"V = B·h", {"h = V : B", "B = V : h"}},
};

constexpr QuantityRow pyramidHeight = {"h", "височина", Length, "височината"};
constexpr QuantityRow pyramidQuantities[] = {
    {"S",  "околна повърхнина", Area,   "околната повърхнина"},
    {"S1", "пълна повърхнина",  Area,   "пълната повърхнина"},
    {"V",  "обем",              Volume, "обема"},
};
constexpr RelationRow pyramidRelations[] = {
    {"S1 = S + B", {"S = S1 − B", "B = S1 − S"}, "пълната повърхнина е околната и основата, затова S1 > S"},
    {"V = B·h : 3", {"h = 3V : B", "B = 3V : h"}},
};
constexpr QuantityRow lateralEdge = {"l", "околен ръб", Length, "околния ръб"};
constexpr RelationRow edgeOverCircumcentre = {
    "l² = h² + R²", {"l = √(h² + R²)", "h = √(l² − R²)", "R = √(l² − h²)"},
    "околният ръб l е хипотенуза в правоъгълния триъгълник с катети h и R, затова е по-дълъг от тях", Pythagoras};
constexpr QuantityRow edgeAngle = {"α", "ъгъл между околния ръб и основата", Angle,
                                   "ъгъла между околния ръб и основата", false, acuteAngle};
// The right triangle of the lateral edge l, the height h and the radius R: its angle α at the base.
constexpr RelationRow edgeAngleRelations[] = {
    {"h = R·tg α", {"α = arctg(h : R)", "R = h : tg α"}, {}, 0, {}, "От правоъгълния триъгълник с катети h и R и хипотенуза l"},
    {"h = l·sin α", {"α = arcsin(h : l)", "l = h : sin α"}, {}, 0, {}, "От правоъгълния триъгълник с катети h и R и хипотенуза l"},
    {"R = l·cos α", {"α = arccos(R : l)", "l = R : cos α"}, {}, 0, {}, "От правоъгълния триъгълник с катети h и R и хипотенуза l"},
};
constexpr QuantityRow apothem = {"k", "височина на околна стена", Length, "височината на околните стени"};
constexpr QuantityRow faceAngle = {"φ", "ъгъл между околната стена и основата", Angle,
                                   "ъгъла между околната стена и основата", false, acuteAngle};
// The right triangle of the faces' height k, the height h and the radius r: the faces' angle φ with the base.
constexpr RelationRow faceAngleRelations[] = {
    {"h = r·tg φ", {"φ = arctg(h : r)", "r = h : tg φ"}, {}, 0, {}, "От правоъгълния триъгълник с катети h и r и хипотенуза k"},
    {"h = k·sin φ", {"φ = arcsin(h : k)", "k = h : sin φ"}, {}, 0, {}, "От правоъгълния триъгълник с катети h и r и хипотенуза k"},
    {"r = k·cos φ", {"φ = arccos(r : k)", "k = r : cos φ"}, {}, 0, {}, "От правоъгълния триъгълник с катети h и r и хипотенуза k"},
};
constexpr RelationRow facesOverIncentre[] = {
    {"k² = h² + r²", {"k = √(h² + r²)", "h = √(k² − r²)", "r = √(k² − h²)"},
     "височината k на околната стена е хипотенуза в правоъгълния триъгълник с катети h и r, затова е по-дълга от тях",
     Pythagoras},
    {"S = P·k : 2", {"k = 2S : P", "P = 2S : k"}},
};
// clang-format on

// One generated table, with the storage its views look into.
struct Generated {
    std::deque<std::string> texts;
    std::vector<QuantityRow> quantities;
    std::vector<RelationRow> relations;
    std::vector<std::string_view> base;
    std::vector<ConditionRow> conditions;
    PartRow part[1];
    Registration registration;
    SolidRow row;

    std::string_view keep(std::string text) { return texts.emplace_back(std::move(text)); }
};

std::deque<Generated>& generated() {
    static std::deque<Generated> tables;
    return tables;
}

// The base's quantities, named as the solid's: "лице на ромба".
void takeBase(Generated& solid, const SolidRow& base) {
    for (const QuantityRow& q : base.quantities) {
        QuantityRow taken = q;
        taken.name = solid.keep(std::string(q.name) + " " + std::string(base.genitive));
        taken.definite = solid.keep(std::string(q.definite) + " " + std::string(base.genitive));
        solid.quantities.push_back(taken);
    }
    solid.base.assign(base.base.begin(), base.base.end());
    solid.conditions.assign(base.conditions.begin(), base.conditions.end());
}

// The face over a side s and its height ks: l² = ks² + (s : 2)².
void takeFaceOverSide(Generated& solid, std::string_view side) {
    const std::string s(side), k = "k" + s;
    solid.quantities.push_back({solid.keep(k), solid.keep("височина на околната стена към ръба " + s), Length,
                                solid.keep("височината на околната стена към ръба " + s)});
    RelationRow relation{solid.keep("l² = " + k + "² + (" + s + " : 2)²")};
    relation.forms = {solid.keep(k + " = √(l² − (" + s + " : 2)²)"), solid.keep("l = √(" + k + "² + (" + s + " : 2)²)")};
    relation.reason = solid.keep("околният ръб l е хипотенуза в правоъгълния триъгълник с катети " + k + " и " + s +
                                 " : 2, затова е по-дълъг от тях");
    relation.tools = Pythagoras;
    solid.relations.push_back(relation);
}

// Drawn by the drawers of that name (drawing/figure.cpp, drawing/net_faces.cpp)
// on the base's outline, to its height h; its net's sheet lists the base's
// measures, h and `shown`.
Registration drawnAs(const SolidRow& shape, std::string_view drawer, std::string_view shown) {
    Registration registration{.picture = {}};
    DrawingRow& row = registration.drawing;
    row.figure = row.net = drawer;
    row.proportions = {"h"};
    row.netDrawnFrom = {"h"};
    row.outline = shape.registration ? shape.registration->drawing.outline : std::string_view{};
    std::size_t listed = 0;
    for (std::string_view key : shape.base)
        if (listed + 2 < row.netShown.size()) row.netShown[listed++] = key;  // a base's three at most
    row.netShown[listed++] = "h";
    if (!shown.empty()) row.netShown[listed] = shown;
    return registration;
}

// With the worksheet's tasks on it (sheets_on_bases.cpp).
Registration withSheets(Registration drawn, const BaseOfSolids& base, OnBase kind) {
    drawn.worksheet = sheetTasksOn(base.table, kind);
    return drawn;
}

const SolidRow& finish(Generated& solid, const BaseOfSolids& base, std::string key, std::string name,
                       std::string_view genitive, std::string_view family, const Registration& drawn,
                       std::span<const PartRow> uses, std::string_view apex = {},
                       std::span<const std::array<std::string_view, 2>> swappedAlong = {}) {
    solid.part[0] = PartRow{base.table};
    const SolidRow& shape = base.table();
    solid.registration = drawn;
    solid.row = SolidRow{.key = solid.keep(std::move(key)), .name = solid.keep(name), .genitive = genitive,
                         .single = solid.keep(name), .gender = Gender::Feminine, .quantities = solid.quantities,
                         .relations = solid.relations, .base = solid.base, .interchangeable = shape.interchangeable,
                         .swappedAlong = swappedAlong,
                         .parts = solid.part, .conditions = solid.conditions,
                         .registration = &solid.registration, .family = family,
                         .variant = solid.keep(std::string(shape.name) + std::string(apex)), .uses = uses};
    return solid.row;
}

const SolidRow& prismOn(const BaseOfSolids& base) {
    Generated& solid = generated().emplace_back();
    const SolidRow& shape = base.table();
    takeBase(solid, shape);
    solid.quantities.insert(solid.quantities.end(), std::begin(prismQuantities), std::end(prismQuantities));
    solid.relations.assign(std::begin(prismRelations), std::end(prismRelations));
    solid.base.push_back("h");
    return finish(solid, base, "prism-" + std::string(shape.key), "права призма с основа " + std::string(shape.name),
                  "на призмата", "prism", withSheets(drawnAs(shape, "prism on base", {}), base, OnBase::Prism),
                  base.corners == 3 ? std::span<const PartRow>(triangularPrismUses) : quadrangularPrismUses);
}

const SolidRow& pyramidWithEqualEdges(const BaseOfSolids& base) {
    Generated& solid = generated().emplace_back();
    const SolidRow& shape = base.table();
    takeBase(solid, shape);
    solid.quantities.push_back(pyramidHeight);
    solid.quantities.push_back(lateralEdge);
    solid.relations.push_back(edgeOverCircumcentre);
    for (std::string_view side : base.sides) takeFaceOverSide(solid, side);
    solid.relations.push_back({base.facesOverEdges});
    solid.quantities.insert(solid.quantities.end(), std::begin(pyramidQuantities), std::end(pyramidQuantities));
    solid.relations.insert(solid.relations.end(), std::begin(pyramidRelations), std::end(pyramidRelations));
    solid.quantities.push_back(edgeAngle);
    solid.relations.insert(solid.relations.end(), std::begin(edgeAngleRelations), std::end(edgeAngleRelations));
    solid.base.push_back("h");
    return finish(solid, base, "pyramid-" + std::string(shape.key) + "-edges",
                  "пирамида с основа " + std::string(shape.name) + " и равни околни ръбове", "на пирамидата", "pyramid",
                  withSheets(drawnAs(shape, "pyramid over circumcentre", "l"), base, OnBase::EqualEdges),
                  base.corners == 3 ? std::span<const PartRow>(triangularPyramidUses) : quadrangularPyramidUses,
                  ", равни околни ръбове", base.edgesSwapped);
}

const SolidRow& pyramidWithEqualFaces(const BaseOfSolids& base) {
    Generated& solid = generated().emplace_back();
    const SolidRow& shape = base.table();
    takeBase(solid, shape);
    solid.quantities.push_back(pyramidHeight);
    solid.quantities.push_back(apothem);
    // Its lateral edges, each named as its sums of edges name them.
    for (const PartRow& use : base.facesUses)
        for (const QuantityRow& q : use.table().quantities)
            if (q.key.starts_with("l")) solid.quantities.push_back(q);
    solid.quantities.insert(solid.quantities.end(), std::begin(pyramidQuantities), std::end(pyramidQuantities));
    solid.relations.assign(std::begin(facesOverIncentre), std::end(facesOverIncentre));
    solid.relations.insert(solid.relations.end(), base.edgesOverIncentre.begin(), base.edgesOverIncentre.end());
    solid.relations.insert(solid.relations.end(), std::begin(pyramidRelations), std::end(pyramidRelations));
    solid.quantities.push_back(faceAngle);
    solid.relations.insert(solid.relations.end(), std::begin(faceAngleRelations), std::end(faceAngleRelations));
    solid.base.push_back("h");
    return finish(solid, base, "pyramid-" + std::string(shape.key) + "-faces",
                  "пирамида с основа " + std::string(shape.name) + ", чиито околни стени сключват равни ъгли с основата",
                  "на пирамидата", "pyramid",
                  withSheets(drawnAs(shape, "pyramid over incentre", "k"), base, OnBase::EqualFaces), base.facesUses,
                  ", стени под равни ъгли", base.facesSwapped);
}

}  // namespace

std::vector<const SolidRow*> makeSolidsOnBases() {
    std::vector<const SolidRow*> solids;
    for (const BaseOfSolids& base : basesOfSolids()) solids.push_back(&prismOn(base));
    for (const BaseOfSolids& base : basesOfSolids()) {
        if (!base.facesOverEdges.empty()) solids.push_back(&pyramidWithEqualEdges(base));
        if (base.inscribed) solids.push_back(&pyramidWithEqualFaces(base));
    }
    return solids;
}

std::vector<const SolidRow*> makeBaseShapes() {
    std::vector<const SolidRow*> shapes;
    for (const BaseOfSolids& base : basesOfSolids()) shapes.push_back(&base.table());
    return shapes;
}

}  // namespace solver::tables
