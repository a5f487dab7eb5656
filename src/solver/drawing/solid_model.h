// SPDX-License-Identifier: MIT
#pragma once
// The solids in space for the figure: x to the right, y up, z away from the
// viewer, drawn in the oblique (cabinet) projection of the textbooks, the
// depth at half its length under 45°. Edges behind the solid are dashed.

#include <optional>
#include <vector>

#include "plane.h"
#include "scene.h"

namespace solver::drawing {

struct Space {
    double x = 0, y = 0, z = 0;
};

inline Space operator+(Space a, Space b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Space operator-(Space a, Space b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Space operator*(double k, Space a) { return {k * a.x, k * a.y, k * a.z}; }

// The point on the drawing.
Point project(Space p);
// Whether a face whose outward normal this is faces the viewer.
bool facesViewer(Space outwardNormal);

struct Polyhedron {
    std::vector<Space> vertices;
    std::vector<std::vector<int>> faces;  // vertex indices around each face
};

// A base in the plane y = 0, given by its (x, z), raised to `height`.
Polyhedron prismOver(const Polygon& base, double height);
// A base in the plane y = 0 with its apex at `height` above the origin.
Polyhedron pyramidOver(const Polygon& base, double height);
// The frustum of that pyramid: its top the base shrunk by `ratio` about the origin, at `height`.
Polyhedron frustumOver(const Polygon& base, double height, double ratio);
// A regular n-gon about the origin in the plane of x and z with circumradius
// R, its side from vertex n − 1 to vertex 0 facing the direction at `facing`
// radians from x towards z: −π/2 faces the viewer, 0 faces right.
Polygon regularPolygon(int n, double R, double facing);

// A prism or pyramid with more sides than this is drawn by its outline, as a
// cylinder or a cone is: its bases, and of the edges between its sides only
// those at the outline.
inline constexpr int manySides = 12;

// Every edge: seen ones solid, hidden ones dashed; of many sides, only the outline.
void drawEdges(Scene& scene, const Polyhedron& solid);
// A polygon with perimeter P and area B, where one exists (P² ≥ 4π·B):
// circumscribed about the circle of radius 2B : P round the origin, so that
// a pyramid over it has all its apothems equal; a rhombus where one has them,
// else with as few sides as it can; its side from the last vertex to the first
// touching the circle in the direction `facing`, as regularPolygon's faces.
// None where no polygon has them.
std::optional<Polygon> polygonWithPerimeterAndArea(double P, double B, double facing);

// The mean of its vertices: a point inside, for labels to keep away from.
Space middleOf(const Polyhedron& solid);

}  // namespace solver::drawing
