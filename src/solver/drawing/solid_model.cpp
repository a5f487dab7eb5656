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

bool facesViewer(Space outwardNormal) {
    // Looking along (−s, −s, 1): a face is seen where its outward normal points against it.
    const Space view{-depthShare, -depthShare, 1};
    return dotProduct(outwardNormal, view) < -1e-12;
}

Polygon regularPolygon(int n, double R, double facing) {
    Polygon polygon;
    for (int i = 0; i < n; ++i) {
        const double angle = facing + std::numbers::pi * (2 * i + 1) / n;
        polygon.push_back({R * std::cos(angle), R * std::sin(angle)});
    }
    return polygon;
}

std::optional<Polygon> polygonWithPerimeterAndArea(double P, double B, double facing) {
    constexpr double pi = std::numbers::pi;
    // About a circle of radius r, a side whose touching point is θ₁ and θ₂
    // from its neighbours' is r·(tg(θ₁/2) + tg(θ₂/2)) long: the perimeter is
    // 2r·Σ tg(θᵢ/2) over the angles θᵢ between touching points, which add up
    // to 2π.
    const double r = 2 * B / P, wanted = P / (2 * r);
    std::vector<double> gaps;
    if (wanted >= 4) {
        // A rhombus of side P : 4 with sin θ = 16B : P².
        const double angle = std::asin(std::min(1.0, 4 / wanted));
        gaps = {pi - angle, angle, pi - angle, angle};
    } else {
        // n − 1 angles α and one β = 2π − (n − 1)α opposite side 0: the sum of
        // tangents grows from its least, n·tg(π/n) at α = 2π/n, as α shrinks.
        int n = 5;
        while (n * std::tan(pi / n) > wanted && n < 1000) ++n;
        if (n * std::tan(pi / n) > wanted * (1 + 1e-12)) return std::nullopt;
        auto sum = [&](double alpha) {
            return (n - 1) * std::tan(alpha / 2) + std::tan((2 * pi - (n - 1) * alpha) / 2);
        };
        double low = pi / (n - 1), high = 2 * pi / n;
        for (int i = 0; i < 200; ++i) {
            const double middle = (low + high) / 2;
            (sum(middle) > wanted ? low : high) = middle;
        }
        const double alpha = (low + high) / 2;
        gaps.assign(std::size_t(n), alpha);
        gaps[std::size_t(n / 2)] = 2 * pi - (n - 1) * alpha;
    }
    Polygon polygon;
    double touching = facing;  // of side 0; vertex i lies between the touching points of sides i and i + 1
    for (double gap : gaps) {
        const double angle = touching + gap / 2, distance = r / std::cos(gap / 2);
        polygon.push_back({distance * std::cos(angle), distance * std::sin(angle)});
        touching += gap;
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

Polyhedron frustumOver(const Polygon& base, double height, double ratio) {
    Polygon top;
    for (Point p : base) top.push_back(ratio * p);
    Polyhedron solid = prismOver(base, height);
    for (std::size_t i = 0; i < top.size(); ++i) solid.vertices[base.size() + i] = {top[i].x, height, top[i].y};
    return solid;
}

Space middleOf(const Polyhedron& solid) {
    Space sum;
    for (Space v : solid.vertices) sum = sum + v;
    return (1.0 / double(solid.vertices.size())) * sum;
}

void drawEdges(Scene& scene, const Polyhedron& solid) {
    const Space middle = middleOf(solid);
    struct Edge {
        int facesSeen = 0;
        int lateralFaces = 0;  // of three or four vertices: a prism's or a pyramid's sides
    };
    std::map<std::pair<int, int>, Edge> edges;
    int lateral = 0;
    for (const std::vector<int>& face : solid.faces) {
        const bool visible = facesViewer(outwardNormal(solid, face, middle));
        const bool side = face.size() <= 4;
        lateral += side;
        for (std::size_t i = 0; i < face.size(); ++i) {
            const int a = face[i], b = face[(i + 1) % face.size()];
            Edge& edge = edges[{std::min(a, b), std::max(a, b)}];
            edge.facesSeen += visible;
            edge.lateralFaces += side;
        }
    }
    // Of many sides, only the outline: the edges between two sides where one
    // is seen and the other not; the others would fill the figure with lines.
    const bool outlineOnly = lateral > manySides;
    for (const auto& [ends, edge] : edges) {
        if (outlineOnly && edge.lateralFaces == 2 && edge.facesSeen != 1) continue;
        scene.line(project(solid.vertices[std::size_t(ends.first)]), project(solid.vertices[std::size_t(ends.second)]),
                   Stroke{Ink::Edge, edge.facesSeen == 0});
    }
}

}  // namespace solver::drawing
