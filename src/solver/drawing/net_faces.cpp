// SPDX-License-Identifier: MIT
// The faces of each net, laid out as the textbooks do: a prism's side faces in
// a strip with its bases on one of them, a pyramid's side faces round its
// base, a cylinder's side surface as a rectangle between its two bases, a
// cone's as a sector above its base.
#include <cmath>
#include <numbers>

#include "net_shape.h"

namespace solver::drawing {
namespace {

constexpr double pi = std::numbers::pi;

std::string name(char kind, int index) { return std::string(1, kind) + std::to_string(index); }

// A polygon walked clockwise on the sheet from `start` along `heading`, each
// side turning by the exterior angle: the sides' lengths in order.
Polygon walked(Point start, Point heading, const std::vector<double>& sides, double exteriorAngle) {
    Polygon corners{start};
    Point direction = unit(heading);
    for (std::size_t i = 0; i + 1 < sides.size(); ++i) {
        corners.push_back(corners.back() + sides[i] * direction);
        direction = rotated(direction, exteriorAngle);  // y down: a positive angle turns right
    }
    return corners;
}

// Side faces of widths `widths` and height `height` in a row, the bases of n
// sides on the one in the middle: above it the top base, below it the bottom.
std::vector<NetFace> prismFaces(const std::vector<double>& widths, double height) {
    const int n = int(widths.size());
    std::vector<NetFace> faces;
    std::vector<double> left{0};
    for (double w : widths) left.push_back(left.back() + w);
    for (int i = 0; i < n; ++i) {
        NetFace face{NetFace::Shape::Polygon, "lateral", "околна стена"};
        face.corners = {{left[i], 0}, {left[i + 1], 0}, {left[i + 1], height}, {left[i], height}};
        face.edges = {name('T', i), name('V', (i + 1) % n), name('B', i), name('V', i)};
        faces.push_back(face);
    }
    const int m = (n - 1) / 2;
    const double exterior = 2 * pi / n;
    // The top base from the middle face's top right corner leftwards, its
    // sides after the first those of the faces to the left in turn.
    NetFace top{NetFace::Shape::Polygon, "base", "основа"};
    NetFace bottom = top;
    std::vector<double> topSides, bottomSides;
    for (int k = 0; k < n; ++k) {
        const int j = ((m - k) % n + n) % n, i = (m + k) % n;
        topSides.push_back(widths[std::size_t(j)]);
        top.edges.push_back(name('T', j));
        bottomSides.push_back(widths[std::size_t(i)]);
        bottom.edges.push_back(name('B', i));
    }
    top.corners = walked({left[m + 1], 0}, {-1, 0}, topSides, exterior);
    bottom.corners = walked({left[m], height}, {1, 0}, bottomSides, exterior);
    faces.push_back(top);
    faces.push_back(bottom);
    return faces;
}

// The base about the origin with a triangle on each side, its apex at the
// apothem's distance.
std::vector<NetFace> pyramidFaces(int n, double a, double apothem) {
    NetFace base{NetFace::Shape::Polygon, "base", "основа"};
    base.corners =
        walked({a / 2, a / (2 * std::tan(pi / n))}, {-1, 0}, std::vector<double>(std::size_t(n), a), 2 * pi / n);
    std::vector<NetFace> faces;
    for (int i = 0; i < n; ++i) {
        const Point p = base.corners[std::size_t(i)], q = base.corners[std::size_t((i + 1) % n)];
        const Point outward = unit(0.5 * (p + q));
        NetFace side{NetFace::Shape::Polygon, "lateral", "околна стена"};
        side.corners = {q, p, 0.5 * (p + q) + apothem * outward};
        side.edges = {name('B', i), name('L', i), name('L', (i + 1) % n)};
        base.edges.push_back(name('B', i));
        faces.push_back(side);
    }
    faces.push_back(base);
    return faces;
}

std::vector<NetFace> cylinderFaces(double r, double h) {
    const double width = 2 * pi * r;
    NetFace side{NetFace::Shape::Rectangle, "lateral", "околна повърхнина"};
    side.corners = {{0, 0}, {width, 0}, {width, h}, {0, h}};
    side.edges = {"top", "seam", "bottom", "seam"};
    NetFace top{NetFace::Shape::Circle, "base", "основа"};
    top.centre = {width / 2, -r};
    top.radius = r;
    NetFace bottom = top;
    bottom.centre = {width / 2, h + r};
    return {side, top, bottom};
}

std::vector<NetFace> coneFaces(double r, double l) {
    const double sweep = 2 * pi * r / l;
    NetFace side{NetFace::Shape::Sector, "lateral", "околна повърхнина"};
    side.centre = {0, 0};
    side.radius = l;
    side.from = pi / 2 - sweep / 2;  // about the downward bisector
    side.sweep = sweep;
    side.edges = {"seam", "seam"};
    NetFace base{NetFace::Shape::Circle, "base", "основа"};
    base.centre = {0, l + r};
    base.radius = r;
    return {side, base};
}

// A cone frustum's: the ring sector between the whole cone's generator L and
// the cut-off one's L − l, the larger base below its outer arc, the smaller
// inside its inner arc.
std::vector<NetFace> ringFaces(double r1, double r2, double l) {
    const double outer = l * r1 / (r1 - r2), sweep = 2 * pi * r1 / outer;
    NetFace side{NetFace::Shape::RingSector, "lateral", "околна повърхнина"};
    side.radius = outer;
    side.inner = outer - l;
    side.from = pi / 2 - sweep / 2;
    side.sweep = sweep;
    side.edges = {"seam", "seam"};
    NetFace larger{NetFace::Shape::Circle, "base", "голяма основа"};
    larger.centre = {0, outer + r1};
    larger.radius = r1;
    NetFace smaller{NetFace::Shape::Circle, "base", "малка основа"};
    smaller.centre = {0, side.inner - r2};
    smaller.radius = r2;
    return {side, larger, smaller};
}

// A regular pyramid frustum's: the trapezoids round the larger base, the
// smaller base on the first of them.
std::vector<NetFace> trapezoidFaces(int n, double a1, double a2, double apothem) {
    std::vector<NetFace> faces = pyramidFaces(n, a1, apothem);
    NetFace& base = faces.back();
    base.label = "голяма основа";
    for (int i = 0; i < n; ++i) {
        NetFace& side = faces[std::size_t(i)];
        const Point q = side.corners[0], p = side.corners[1];
        const Point along = unit(q - p), topMiddle = side.corners[2];
        side.corners = {q, p, topMiddle - 0.5 * a2 * along, topMiddle + 0.5 * a2 * along};
        side.edges = {name('B', i), name('L', i), name('T', i), name('L', (i + 1) % n)};
    }
    // The smaller base over side T0, its corners turned about its centre.
    const NetFace& first = faces.front();
    const Point p = first.corners[2], q = first.corners[3], middle = 0.5 * (p + q);
    const Point outward = unit(middle - 0.5 * (first.corners[0] + first.corners[1]));
    const Point centre = middle + a2 / (2 * std::tan(pi / n)) * outward;
    // Round the same way as the other faces: from q back to p along T0, then
    // on to the corners of T(n − 1), T(n − 2), …
    double turn = 2 * pi / n;
    if (length(centre + rotated(q - centre, turn) - p) > length(centre + rotated(q - centre, -turn) - p)) turn = -turn;
    NetFace top{NetFace::Shape::Polygon, "base", "малка основа"};
    for (int j = 0; j < n; ++j) {
        top.corners.push_back(centre + rotated(q - centre, turn * j));
        top.edges.push_back(name('T', (n - j) % n));
    }
    faces.push_back(top);
    return faces;
}

// The drawers, each from the measures the row lists for it.
std::vector<NetFace> cuboidFaces(const Measures& m, double k, const DrawingRow& row) {
    const auto& [a, b, c] = row.netDrawnFrom;
    return prismFaces({k * m[a], k * m[b], k * m[a], k * m[b]}, k * m[c]);
}

std::vector<NetFace> rightPrismFaces(const Measures& m, double k, const DrawingRow& row) {
    const auto& [edge, height, unused] = row.netDrawnFrom;
    const int n = m.sides();
    if (n < 3 || !m.has(edge) || !m.has(height)) return {};
    return prismFaces(std::vector<double>(std::size_t(n), k * m[edge]), k * m[height]);
}

std::vector<NetFace> regularPyramidFaces(const Measures& m, double k, const DrawingRow& row) {
    const auto& [edge, apothem, unused] = row.netDrawnFrom;
    const int n = m.sides();
    if (n < 3 || !m.has(edge) || !m.has(apothem)) return {};
    return pyramidFaces(n, k * m[edge], k * m[apothem]);
}

std::vector<NetFace> rightCylinderFaces(const Measures& m, double k, const DrawingRow& row) {
    return cylinderFaces(k * m[row.netDrawnFrom[0]], k * m[row.netDrawnFrom[1]]);
}

std::vector<NetFace> rightConeFaces(const Measures& m, double k, const DrawingRow& row) {
    return coneFaces(k * m[row.netDrawnFrom[0]], k * m[row.netDrawnFrom[1]]);
}

std::vector<NetFace> coneFrustumFaces(const Measures& m, double k, const DrawingRow& row) {
    const auto& [larger, smaller, slant] = row.netDrawnFrom;
    if (!m.has(larger) || !m.has(smaller) || !m.has(slant) || m[smaller] >= m[larger]) return {};
    return ringFaces(k * m[larger], k * m[smaller], k * m[slant]);
}

std::vector<NetFace> pyramidFrustumFaces(const Measures& m, double k, const DrawingRow& row) {
    const auto& [larger, smaller, apothem] = row.netDrawnFrom;
    const int n = m.sides();
    if (n < 3 || !m.has(larger) || !m.has(smaller) || !m.has(apothem) || m[smaller] >= m[larger]) return {};
    return trapezoidFaces(n, k * m[larger], k * m[smaller], k * m[apothem]);
}

constexpr NetDrawer netDrawers[] = {
    {"cuboid", cuboidFaces},
    {"right prism", rightPrismFaces, true},
    {"regular pyramid", regularPyramidFaces, true},
    {"right cylinder", rightCylinderFaces, false, true},
    {"right cone", rightConeFaces, false, true, true},
    {"prism on base", prismOnBaseFaces},
    {"pyramid over circumcentre", pyramidOverCircumcentreFaces},
    {"pyramid over incentre", pyramidOverIncentreFaces},
    {"cone frustum", coneFrustumFaces, false, true},
    {"pyramid frustum", pyramidFrustumFaces, true},
};

}  // namespace

Point sectorPoint(const NetFace& face, double angle) {
    return face.centre + face.radius * Point{std::cos(angle), std::sin(angle)};
}

Point innerPoint(const NetFace& face, double angle) {
    return face.centre + face.inner * Point{std::cos(angle), std::sin(angle)};
}

namespace {

// A ring sector's arcs in as many steps.
int ringSteps(const NetFace& face) { return std::max(8, int(std::ceil(face.sweep / (2 * pi) * 96))); }

}  // namespace

Polygon outline(const NetFace& face) {
    if (face.shape == NetFace::Shape::Polygon || face.shape == NetFace::Shape::Rectangle) return face.corners;
    Polygon points;
    if (face.shape == NetFace::Shape::RingSector) {
        const int steps = ringSteps(face);
        for (int i = 0; i <= steps; ++i) points.push_back(sectorPoint(face, face.from + face.sweep * i / steps));
        for (int i = steps; i >= 0; --i) points.push_back(innerPoint(face, face.from + face.sweep * i / steps));
        return points;
    }
    const bool circle = face.shape == NetFace::Shape::Circle;
    const double from = circle ? 0 : face.from, sweep = circle ? 2 * pi : face.sweep;
    const int steps = std::max(8, int(std::ceil(sweep / (2 * pi) * 96)));
    if (!circle) points.push_back(face.centre);
    for (int i = 0; i <= steps - (circle ? 1 : 0); ++i) points.push_back(sectorPoint(face, from + sweep * i / steps));
    return points;
}

std::vector<Polygon> convexPieces(const NetFace& face) {
    if (face.shape == NetFace::Shape::RingSector) {
        std::vector<Polygon> pieces;
        const int steps = ringSteps(face);
        for (int i = 0; i < steps; ++i) {
            const double a = face.from + face.sweep * i / steps, b = face.from + face.sweep * (i + 1) / steps;
            pieces.push_back({innerPoint(face, a), sectorPoint(face, a), sectorPoint(face, b), innerPoint(face, b)});
        }
        return pieces;
    }
    if (face.shape != NetFace::Shape::Sector) return {outline(face)};
    const Polygon points = outline(face);
    std::vector<Polygon> pieces;
    for (std::size_t i = 1; i + 1 < points.size(); ++i) pieces.push_back({face.centre, points[i], points[i + 1]});
    return pieces;
}

const NetDrawer* netDrawer(std::string_view name) {
    for (const NetDrawer& drawer : netDrawers)
        if (drawer.name == name) return &drawer;
    return nullptr;
}

NetShape netShape(const Measures& measures, double mmPerUnit) {
    NetShape net;
    const Registration* registration = measures.solid().registration;
    const NetDrawer* drawer = registration ? netDrawer(registration->drawing.net) : nullptr;
    if (!drawer) return net;
    const DrawingRow& row = registration->drawing;
    net.faces = drawer->faces(measures, mmPerUnit, row);
    // The sector's arc, where its radius (the row's second measure) leaves room.
    if (drawer->sector) net.sectorAngleMark = std::min(12.0, 0.3 * mmPerUnit * measures[row.netDrawnFrom[1]]);
    return net;
}

}  // namespace solver::drawing
