// SPDX-License-Identifier: MIT
#include "solid_model.h"

#include <cmath>
#include <map>

namespace solver::drawing {
namespace {

// The depth's share on the drawing along each axis: ½ · cos 45°.
const double depthShare = 0.5 * std::sqrt(0.5);

Space crossProduct(Space a, Space b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double dotProduct(Space a, Space b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// The outward normal of a face of a convex solid.
Space outwardNormal(const Polyhedron& solid, const std::vector<int>& face, Space middle) {
    Space normal;
    for (std::size_t i = 0; i < face.size(); ++i) {
        const Space p = solid.vertices[std::size_t(face[i])];
        const Space q = solid.vertices[std::size_t(face[(i + 1) % face.size()])];
        normal = normal + crossProduct(p, q);
    }
    Space centre;
    for (int v : face) centre = centre + solid.vertices[std::size_t(v)];
    centre = (1.0 / double(face.size())) * centre;
    return dotProduct(normal, centre - middle) < 0 ? -1.0 * normal : normal;
}

}  // namespace

Point project(Space p) { return {p.x + depthShare * p.z, p.y + depthShare * p.z}; }

Polygon regularPolygon(int n, double R, double facing) {
    Polygon polygon;
    for (int i = 0; i < n; ++i) {
        const double angle = facing + std::numbers::pi * (2 * i + 1) / n;
        polygon.push_back({R * std::cos(angle), R * std::sin(angle)});
    }
    return polygon;
}

Polyhedron prismOver(const Polygon& base, double height) {
    Polyhedron solid;
    const int n = int(base.size());
    for (Point p : base) solid.vertices.push_back({p.x, 0, p.y});
    for (Point p : base) solid.vertices.push_back({p.x, height, p.y});
    std::vector<int> bottom, top;
    for (int i = 0; i < n; ++i) {
        bottom.push_back(i);
        top.push_back(n + i);
        solid.faces.push_back({i, (i + 1) % n, n + (i + 1) % n, n + i});
    }
    solid.faces.push_back(bottom);
    solid.faces.push_back(top);
    return solid;
}

Polyhedron pyramidOver(const Polygon& base, double height) {
    Polyhedron solid;
    const int n = int(base.size());
    for (Point p : base) solid.vertices.push_back({p.x, 0, p.y});
    solid.vertices.push_back({0, height, 0});
    std::vector<int> bottom;
    for (int i = 0; i < n; ++i) {
        bottom.push_back(i);
        solid.faces.push_back({i, (i + 1) % n, n});
    }
    solid.faces.push_back(bottom);
    return solid;
}

Space middleOf(const Polyhedron& solid) {
    Space sum;
    for (Space v : solid.vertices) sum = sum + v;
    return (1.0 / double(solid.vertices.size())) * sum;
}

void drawEdges(Scene& scene, const Polyhedron& solid) {
    // Looking along (−s, −s, 1): a face is seen where its outward normal points against it.
    const Space view{-depthShare, -depthShare, 1};
    const Space middle = middleOf(solid);
    std::map<std::pair<int, int>, bool> seen;  // each edge, and whether a face it bounds is seen
    for (const std::vector<int>& face : solid.faces) {
        const bool visible = dotProduct(outwardNormal(solid, face, middle), view) < -1e-12;
        for (std::size_t i = 0; i < face.size(); ++i) {
            const int a = face[i], b = face[(i + 1) % face.size()];
            bool& edge = seen[{std::min(a, b), std::max(a, b)}];
            edge = edge || visible;
        }
    }
    for (const auto& [edge, visible] : seen)
        scene.line(project(solid.vertices[std::size_t(edge.first)]), project(solid.vertices[std::size_t(edge.second)]),
                   Stroke{Ink::Edge, !visible});
}

}  // namespace solver::drawing
