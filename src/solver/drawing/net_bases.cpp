// SPDX-License-Identifier: MIT
// The nets of the prism and the pyramid on a base of any shape the tables
// know: the prism's side faces in a strip as long as the base's perimeter,
// its two bases on the middle one; the pyramid's side faces round its base,
// each unfolded about its side with its own height from the apex.
#include <algorithm>
#include <optional>

#include "net_shape.h"
#include "outlines.h"

namespace solver::drawing {
namespace {

std::string name(char kind, std::size_t index) { return std::string(1, kind) + std::to_string(index); }

std::size_t distance(std::size_t i, std::size_t j) { return i > j ? i - j : j - i; }

// The base as the row's outline drawer makes it, `k` millimetres a unit.
std::optional<Outline> baseOf(const Measures& m, double k, const DrawingRow& row) {
    const std::optional<Outline> outline = outlineOf(row.outline, m);
    if (!outline) return {};
    return movedAndScaled(*outline, {}, k);
}

// The polygon moved without turning it over or with (whichever puts it on
// the side of the line through `to` and `toNext` away from `awayFrom`), its
// corner i on `to` and corner i + 1 on `toNext`.
Polygon attached(const Polygon& polygon, std::size_t i, Point to, Point toNext, Point awayFrom) {
    const Point from = polygon[i], fromNext = polygon[(i + 1) % polygon.size()];
    const Point u = unit(fromNext - from), v = unit(toNext - to);
    const double c = dot(u, v), s = cross(u, v);
    Polygon moved;
    for (Point p : polygon) {
        const Point d = p - from;
        moved.push_back(to + Point{c * d.x - s * d.y, s * d.x + c * d.y});
    }
    const bool sameSide = cross(v, centroid(moved) - to) * cross(v, awayFrom - to) > 0;
    if (sameSide)
        for (Point& p : moved) p = p - 2 * cross(v, p - to) * leftNormal(v);
    return moved;
}

// Of the side faces between the edges at `left`, the widest; of equal ones
// the nearest the middle of the strip.
std::size_t widestFace(const std::vector<double>& left) {
    const std::size_t centre = (left.size() - 2) / 2;
    std::size_t widest = centre;
    for (std::size_t i = 0; i + 1 < left.size(); ++i) {
        const double width = left[i + 1] - left[i], most = left[widest + 1] - left[widest];
        const bool nearer = distance(i, centre) < distance(widest, centre);
        if (width > most * (1 + 1e-9) || (width >= most * (1 - 1e-9) && nearer)) widest = i;
    }
    return widest;
}

// The face's corners turned round where they run the other way than those
// of `like`, each side keeping its edge's name: every face of a net seen
// from the same side of the sheet.
void windLike(NetFace& face, const NetFace& like) {
    if ((signedArea(face.corners) > 0) == (signedArea(like.corners) > 0)) return;
    const std::size_t n = face.corners.size();
    std::vector<std::string> edges;
    for (std::size_t j = 0; j < n; ++j) edges.push_back(face.edges[(2 * n - 2 - j) % n]);
    std::reverse(face.corners.begin(), face.corners.end());
    face.edges = edges;
}

// The pyramid's net with its apex over `foot`, a point of the base's plane.
std::vector<NetFace> pyramidFacesOver(const Outline& base, Point foot, double height) {
    const Polygon& corners = base.corners;
    const std::size_t n = corners.size();
    const Point inside = centroid(corners);
    NetFace bottom{NetFace::Shape::Polygon, "base", "основа"};
    bottom.corners = corners;
    std::vector<NetFace> faces;
    for (std::size_t i = 0; i < n; ++i) {
        const Point p = corners[i], q = corners[(i + 1) % n];
        // The face's height from the apex meets the side where the
        // perpendicular from the apex's foot does, and leans by the foot's distance.
        const Point onSide = footOn(foot, p, q);
        const double slant = std::sqrt(height * height + dot(foot - onSide, foot - onSide));
        Point outward = leftNormal(unit(q - p));
        if (dot(outward, inside - p) > 0) outward = -1.0 * outward;
        NetFace side{NetFace::Shape::Polygon, "lateral", "околна стена"};
        side.corners = {q, p, onSide + slant * outward};
        side.edges = {name('B', i), name('L', i), name('L', (i + 1) % n)};
        bottom.edges.push_back(name('B', i));
        faces.push_back(side);
    }
    faces.push_back(bottom);
    return faces;
}

}  // namespace

std::vector<NetFace> prismOnBaseFaces(const Measures& m, double k, const DrawingRow& row) {
    const std::optional<Outline> base = baseOf(m, k, row);
    const double height = k * m[row.netDrawnFrom[0]];
    if (!base || height <= 0) return {};
    const Polygon& corners = base->corners;
    const std::size_t n = corners.size();
    std::vector<double> left{0};
    for (std::size_t i = 0; i < n; ++i) left.push_back(left.back() + length(corners[(i + 1) % n] - corners[i]));
    std::vector<NetFace> faces;
    for (std::size_t i = 0; i < n; ++i) {
        NetFace face{NetFace::Shape::Polygon, "lateral", "околна стена"};
        face.corners = {{left[i], 0}, {left[i + 1], 0}, {left[i + 1], height}, {left[i], height}};
        face.edges = {name('T', i), name('V', (i + 1) % n), name('B', i), name('V', i)};
        faces.push_back(face);
    }
    // The bases on the widest face: the top one above it, the bottom one below.
    const std::size_t carrying = widestFace(left);
    NetFace top{NetFace::Shape::Polygon, "base", "основа"};
    NetFace bottom = top;
    const double from = left[carrying], to = left[carrying + 1];
    top.corners = attached(corners, carrying, {from, 0}, {to, 0}, {from, height});
    bottom.corners = attached(corners, carrying, {from, height}, {to, height}, {from, 0});
    for (std::size_t i = 0; i < n; ++i) {
        top.edges.push_back(name('T', i));
        bottom.edges.push_back(name('B', i));
    }
    windLike(top, faces.front());
    windLike(bottom, faces.front());
    faces.push_back(top);
    faces.push_back(bottom);
    return faces;
}

std::vector<NetFace> pyramidOverCircumcentreFaces(const Measures& m, double k, const DrawingRow& row) {
    const std::optional<Outline> base = baseOf(m, k, row);
    const double height = k * m[row.netDrawnFrom[0]];
    if (!base || height <= 0) return {};
    return pyramidFacesOver(*base, circumcentre(base->corners), height);
}

std::vector<NetFace> pyramidOverIncentreFaces(const Measures& m, double k, const DrawingRow& row) {
    const std::optional<Outline> base = baseOf(m, k, row);
    const double height = k * m[row.netDrawnFrom[0]];
    if (!base || height <= 0) return {};
    return pyramidFacesOver(*base, incentre(base->corners), height);
}

}  // namespace solver::drawing
