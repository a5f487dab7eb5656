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
};

// clang-format off
const std::vector<BaseOfSolids>& basesOfSolids() {
    static const std::vector<BaseOfSolids> bases = {
        {&rightTriangle,      {"a", "b", "c"}, "S = (a·ka + b·kb + c·kc) : 2", true},
        {&isoscelesTriangle,  {"a", "b"},      "S = a·ka : 2 + b·kb",          true},
        {&anyTriangle,        {"a", "b", "c"}, "S = (a·ka + b·kb + c·kc) : 2", true},
        {&rectangle,          {"a", "b"},      "S = a·ka + b·kb",              false, 4},
        {&rhombus,            {"a"},           {},                             true,  4},
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
constexpr QuantityRow apothem = {"k", "височина на околна стена", Length, "височината на околните стени"};
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
                       std::span<const PartRow> uses, std::string_view apex = {}) {
    solid.part[0] = PartRow{base.table};
    const SolidRow& shape = base.table();
    solid.registration = drawn;
    solid.row = SolidRow{.key = solid.keep(std::move(key)), .name = solid.keep(name), .genitive = genitive,
                         .single = solid.keep(name), .gender = Gender::Feminine, .quantities = solid.quantities,
                         .relations = solid.relations, .base = solid.base, .interchangeable = shape.interchangeable,
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
    solid.base.push_back("h");
    return finish(solid, base, "pyramid-" + std::string(shape.key) + "-edges",
                  "пирамида с основа " + std::string(shape.name) + " и равни околни ръбове", "на пирамидата", "pyramid",
                  withSheets(drawnAs(shape, "pyramid over circumcentre", "l"), base, OnBase::EqualEdges),
                  base.corners == 3 ? std::span<const PartRow>(triangularPyramidUses) : quadrangularPyramidUses,
                  ", равни околни ръбове");
}

const SolidRow& pyramidWithEqualFaces(const BaseOfSolids& base) {
    Generated& solid = generated().emplace_back();
    const SolidRow& shape = base.table();
    takeBase(solid, shape);
    solid.quantities.push_back(pyramidHeight);
    solid.quantities.push_back(apothem);
    solid.quantities.insert(solid.quantities.end(), std::begin(pyramidQuantities), std::end(pyramidQuantities));
    solid.relations.assign(std::begin(facesOverIncentre), std::end(facesOverIncentre));
    solid.relations.insert(solid.relations.end(), std::begin(pyramidRelations), std::end(pyramidRelations));
    solid.base.push_back("h");
    return finish(solid, base, "pyramid-" + std::string(shape.key) + "-faces",
                  "пирамида с основа " + std::string(shape.name) + ", чиито околни стени сключват равни ъгли с основата",
                  "на пирамидата", "pyramid",
                  withSheets(drawnAs(shape, "pyramid over incentre", "k"), base, OnBase::EqualFaces), solidUses,
                  ", стени под равни ъгли");
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
