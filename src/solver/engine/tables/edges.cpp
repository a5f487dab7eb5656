// SPDX-License-Identifier: MIT
// The sums of a polyhedron's edges a task gives or asks: of all its edges E,
// of its lateral edges El, of its base edges Eb („сборът от дължините на
// всички ръбове е 90 cm“). Each solid takes in its table only where a task
// names one of them (engine/tables/uses.cpp), so that a solution without them
// stays as it was.
#include "engine/tables/tables.h"

namespace solver::tables {
namespace {

using enum Dimension;

// clang-format off
constexpr QuantityRow all    = {"E",  "сбор от дължините на всички ръбове",  Length, "сбора от дължините на всички ръбове", false, {}, true};
constexpr QuantityRow later  = {"El", "сбор от дължините на околните ръбове", Length, "сбора от дължините на околните ръбове", false, {}, true};
constexpr QuantityRow bases  = {"Eb", "сбор от дължините на основните ръбове", Length, "сбора от дължините на основните ръбове", false, {}, true};

constexpr QuantityRow cubeQuantities[] = {{"a", "ръб", Length, "ръба"}, all};
constexpr RelationRow cubeRelations[] = {{"E = 12a", {"a = E : 12"}}};

constexpr QuantityRow boxQuantities[] = {
    {"a", "основен ръб", Length, "основния ръб a"},
    {"b", "основен ръб", Length, "основния ръб b"},
    {"c", "височина",    Length, "височината"},
    all, later, bases,
};
constexpr RelationRow boxRelations[] = {
    {"E = 4(a + b + c)", {"c = E : 4 − a − b", "a = E : 4 − b − c", "b = E : 4 − a − c"},
     "всеки от ръбовете a, b и c е четири пъти, затова E > 4(a + b)"},
    {"El = 4c", {"c = El : 4"}},
    {"Eb = 4(a + b)", {"a = Eb : 4 − b", "b = Eb : 4 − a"}},
};

// A prism has two bases of perimeter P and a lateral edge h at each corner.
constexpr QuantityRow prismQuantities[] = {
    {"n", "брой страни на основата", Count,  "броя на страните на основата", true, sidesOfPolygon},
    {"h", "височина",                Length, "височината"},
    {"P", "периметър на основата",   Length, "периметъра на основата"},
    all, later, bases,
};
constexpr RelationRow prismRelations[] = {
    {"El = n·h", {"h = El : n"}},
    {"Eb = 2P", {"P = Eb : 2"}},
    {"E = Eb + El", {"Eb = E − El", "El = E − Eb"}, "E е сборът от основните и околните ръбове, затова E > Eb и E > El"},
};
constexpr QuantityRow sidedPrismQuantities[] = {
    {"h", "височина",              Length, "височината"},
    {"P", "периметър на основата", Length, "периметъра на основата"},
    all, later, bases,
};
constexpr RelationRow triangularPrismRelations[] = {
    {"El = 3h", {"h = El : 3"}},
    {"Eb = 2P", {"P = Eb : 2"}},
    {"E = Eb + El", {"Eb = E − El", "El = E − Eb"}, "E е сборът от основните и околните ръбове, затова E > Eb и E > El"},
};
constexpr RelationRow quadrangularPrismRelations[] = {
    {"El = 4h", {"h = El : 4"}},
    {"Eb = 2P", {"P = Eb : 2"}},
    {"E = Eb + El", {"Eb = E − El", "El = E − Eb"}, "E е сборът от основните и околните ръбове, затова E > Eb и E > El"},
};

// A pyramid has one base: its base edges are its perimeter P.
constexpr QuantityRow pyramidQuantities[] = {
    {"n", "брой страни на основата", Count,  "броя на страните на основата", true, sidesOfPolygon},
    {"b", "околен ръб",              Length, "околния ръб", true},
    {"P", "периметър на основата",   Length, "периметъра на основата"},
    all, later,
};
constexpr RelationRow pyramidRelations[] = {
    {"El = n·b", {"b = El : n"}},
    {"E = P + El", {"P = E − El", "El = E − P"}, "E е сборът от основните и околните ръбове, затова E > P и E > El"},
};
constexpr QuantityRow sidedPyramidQuantities[] = {
    {"l", "околен ръб",            Length, "околния ръб"},
    {"P", "периметър на основата", Length, "периметъра на основата"},
    all, later,
};
constexpr RelationRow triangularPyramidRelations[] = {
    {"El = 3l", {"l = El : 3"}},
    {"E = P + El", {"P = E − El", "El = E − P"}, "E е сборът от основните и околните ръбове, затова E > P и E > El"},
};
constexpr RelationRow quadrangularPyramidRelations[] = {
    {"El = 4l", {"l = El : 4"}},
    {"E = P + El", {"P = E − El", "El = E − P"}, "E е сборът от основните и околните ръбове, затова E > P и E > El"},
};

// A pyramid whose faces make equal angles with the base has its apex over the
// centre of the circle inside the base: its lateral edges differ from corner
// to corner (engine/tables/on_bases.cpp finds each).
constexpr QuantityRow cornerA = {"lA", "околен ръб към върха A", Length, "околния ръб към върха A"};
constexpr QuantityRow cornerB = {"lB", "околен ръб към върха B", Length, "околния ръб към върха B"};
constexpr QuantityRow cornerC = {"lC", "околен ръб към върха C", Length, "околния ръб към върха C"};
constexpr QuantityRow faceTrianglePyramidQuantities[] = {
    cornerA, cornerB, cornerC, {"P", "периметър на основата", Length, "периметъра на основата"}, all, later,
};
constexpr RelationRow faceTrianglePyramidRelations[] = {
    {"El = lA + lB + lC", {"lA = El − lB − lC", "lB = El − lA − lC", "lC = El − lA − lB"}},
    {"E = P + El", {"P = E − El", "El = E − P"}, "E е сборът от основните и околните ръбове, затова E > P и E > El"},
};
// On an isosceles triangle, the edges to both ends of its base are alike (lB).
constexpr QuantityRow faceIsoscelesPyramidQuantities[] = {
    cornerA, cornerB, {"P", "периметър на основата", Length, "периметъра на основата"}, all, later,
};
constexpr RelationRow faceIsoscelesPyramidRelations[] = {
    {"El = lA + 2lB", {"lA = El − 2lB", "lB = (El − lA) : 2"}},
    {"E = P + El", {"P = E − El", "El = E − P"}, "E е сборът от основните и околните ръбове, затова E > P и E > El"},
};
// On a rhombus, two edges to the ends of each diagonal.
constexpr QuantityRow faceRhombusPyramidQuantities[] = {
    {"l1", "околен ръб към краищата на диагонала d1", Length, "околния ръб към краищата на диагонала d1"},
    {"l2", "околен ръб към краищата на диагонала d2", Length, "околния ръб към краищата на диагонала d2"},
    {"P", "периметър на основата", Length, "периметъра на основата"}, all, later,
};
constexpr RelationRow faceRhombusPyramidRelations[] = {
    {"El = 2l1 + 2l2", {"l1 = El : 2 − l2", "l2 = El : 2 − l1"}},
    {"E = P + El", {"P = E − El", "El = E − P"}, "E е сборът от основните и околните ръбове, затова E > P и E > El"},
};
// clang-format on

constexpr std::string_view noBase[] = {"E"};

constexpr SolidRow edgesTable(std::string_view key, std::span<const QuantityRow> quantities,
                              std::span<const RelationRow> relations) {
    return SolidRow{.key = key, .name = "ръбове", .genitive = "на ръбовете", .single = "ръбове",
                    .gender = Gender::Masculine, .quantities = quantities, .relations = relations, .base = noBase};
}

}  // namespace

// clang-format off
const SolidRow& cubeEdges()   { static constexpr SolidRow t = edgesTable("edges-cube", cubeQuantities, cubeRelations); return t; }
const SolidRow& boxEdges()    { static constexpr SolidRow t = edgesTable("edges-box", boxQuantities, boxRelations); return t; }
const SolidRow& prismEdges()  { static constexpr SolidRow t = edgesTable("edges-prism", prismQuantities, prismRelations); return t; }
const SolidRow& pyramidEdges() { static constexpr SolidRow t = edgesTable("edges-pyramid", pyramidQuantities, pyramidRelations); return t; }
const SolidRow& triangularPrismEdges() {
    static constexpr SolidRow t = edgesTable("edges-prism-3", sidedPrismQuantities, triangularPrismRelations); return t;
}
const SolidRow& quadrangularPrismEdges() {
    static constexpr SolidRow t = edgesTable("edges-prism-4", sidedPrismQuantities, quadrangularPrismRelations); return t;
}
const SolidRow& triangularPyramidEdges() {
    static constexpr SolidRow t = edgesTable("edges-pyramid-3", sidedPyramidQuantities, triangularPyramidRelations); return t;
}
const SolidRow& quadrangularPyramidEdges() {
    static constexpr SolidRow t = edgesTable("edges-pyramid-4", sidedPyramidQuantities, quadrangularPyramidRelations); return t;
}
const SolidRow& triangleFacesPyramidEdges() {
    static constexpr SolidRow t = edgesTable("edges-pyramid-3-faces", faceTrianglePyramidQuantities, faceTrianglePyramidRelations);
    return t;
}
const SolidRow& isoscelesFacesPyramidEdges() {
    static constexpr SolidRow t = edgesTable("edges-pyramid-isosceles-faces", faceIsoscelesPyramidQuantities,
                                             faceIsoscelesPyramidRelations);
    return t;
}
const SolidRow& rhombusFacesPyramidEdges() {
    static constexpr SolidRow t = edgesTable("edges-pyramid-rhombus-faces", faceRhombusPyramidQuantities,
                                             faceRhombusPyramidRelations);
    return t;
}
// clang-format on

}  // namespace solver::tables
