// SPDX-License-Identifier: MIT
#pragma once
// The outline of a plane base from its solved measures: a rhombus from its
// diagonals, a trapezoid from its bases and height. The drawers are known by
// the names the bases' registration rows give them ("rhombus"); the figures
// and nets of the prisms and pyramids on those bases are drawn from them.

#include <optional>
#include <string_view>
#include <vector>

#include "measures.h"
#include "plane.h"

namespace solver::drawing {

// A segment drawn inside the base: a diagonal or a height, with its letter;
// without a letter, the side's extension a height falls on. A height's foot
// is `to`, its right angle marked towards `square`.
struct BaseSegment {
    std::string_view letter;
    Point from, to;
    std::optional<Point> square = {};
};

struct Outline {
    Polygon corners;                      // counter-clockwise in the base's plane, y up
    std::vector<std::string_view> sides;  // the letter of side i, from corner i to i + 1
    std::vector<BaseSegment> segments;
    // The letter of the lateral edge to corner i of a pyramid whose apex is
    // over the centre of the circle inside (edges differ corner to corner).
    std::vector<std::string_view> cornerEdges = {};
};

// The base's outline in the solution's units; none where the drawer is not
// known or the measures it needs are not (or make no such figure).
std::optional<Outline> outlineOf(std::string_view drawer, const Measures& m);
bool outlineDrawerKnown(std::string_view name);

// The outline moved by `offset` and then made `factor` times larger.
Outline movedAndScaled(const Outline& outline, Point offset, double factor);

// The centre of the circle through its first three corners (of every corner,
// where the polygon has such a circle).
Point circumcentre(const Polygon& polygon);
// Where the bisectors of its first two corners meet: the centre of the
// circle inside it, where it has one.
Point incentre(const Polygon& polygon);
double perimeter(const Polygon& polygon);
// The foot of the perpendicular from p to the line through a and b.
Point footOn(Point p, Point a, Point b);

}  // namespace solver::drawing
