// SPDX-License-Identifier: MIT
#pragma once
// A net as it lies on the sheet, in millimetres with y down: its faces, the
// solid's edge each straight side of a face is, and what finishing it adds:
// fold lines where two faces meet, a glue tab on one side of every other pair
// of sides that become one edge, and cut lines round the rest.

#include <string>
#include <string_view>
#include <vector>

#include "measures.h"
#include "plane.h"

namespace solver::drawing {

struct NetFace {
    enum class Shape { Polygon, Rectangle, Circle, Sector, RingSector } shape = Shape::Polygon;
    std::string role;      // "base" or "lateral": the data-face attribute
    std::string label;     // "основа", "околна стена"
    Polygon corners = {};  // Polygon and Rectangle: in order round the face
    // Per side of `corners` (side i from corner i to i + 1): the solid's edge
    // it becomes; sides of one edge share the name.
    std::vector<std::string> edges = {};
    // Circle and Sector: the centre and radius; the sector from angle `from`
    // clockwise on the sheet through `sweep` (radians), its straight sides
    // the edges named in `edges` (first at `from`, then at `from + sweep`).
    Point centre = {};
    double radius = 0, from = 0, sweep = 0;
    // RingSector: a sector less the one of this radius (a cone frustum's
    // lateral surface), its straight sides from the inner arc to the outer.
    double inner = 0;
};

struct NetShape {
    std::vector<NetFace> faces;
    std::vector<Polygon> tabs;
    std::vector<std::pair<Point, Point>> folds, cuts;
    int untabbed = 0;            // pairs of sides too close to the rest for a tab: glued with tape
    double sectorAngleMark = 0;  // the cone's sector: the radius of the arc that marks its angle
};

// A net's drawer, by the name a solid's registration row gives it
// ("right cone"), and what its sheet says of it.
struct NetDrawer {
    std::string_view name;
    // The faces with `k` millimetres for each unit, from the row's measures
    // (`netDrawnFrom`); none where those are not known.
    std::vector<NetFace> (*faces)(const Measures& m, double k, const DrawingRow& row);
    bool needsSides = false;  // a base of any shape, without n, has no net
    bool seam = false;        // a round solid's: a seam glued with a tab and bases with tape
    bool sector = false;      // the lateral surface is a sector: its angle marked and stated
};
// Null for a name no drawer has.
const NetDrawer* netDrawer(std::string_view name);

// The drawers of the solids on a base of any shape (net_bases.cpp): the
// base from the row's outline drawer, the height its first measure.
std::vector<NetFace> prismOnBaseFaces(const Measures& m, double k, const DrawingRow& row);
std::vector<NetFace> pyramidOverCircumcentreFaces(const Measures& m, double k, const DrawingRow& row);
std::vector<NetFace> pyramidOverIncentreFaces(const Measures& m, double k, const DrawingRow& row);

// The net of the solution's solid with `mmPerUnit` millimetres on the sheet
// for each unit of its lengths; no faces where the solid has none.
NetShape netShape(const Measures& measures, double mmPerUnit);

// Points of a face's outline, curved sides as many short ones.
Polygon outline(const NetFace& face);
// A face cut into convex pieces (a sector into thin triangles).
std::vector<Polygon> convexPieces(const NetFace& face);
Point sectorPoint(const NetFace& face, double angle);
// On a ring sector's inner arc.
Point innerPoint(const NetFace& face, double angle);

// Folds, tabs of about `tabWidth` mm that cover no face (none where none
// fits), and cut lines.
void finish(NetShape& net, double tabWidth);

}  // namespace solver::drawing
