// SPDX-License-Identifier: MIT
// Each base's outline as a textbook draws it: one side along the bottom, the
// heights and diagonals its tasks name drawn in.
#include "outlines.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace solver::drawing {
namespace {

using Made = std::optional<Outline>;

// The height from `top` to the line of the side from a to b, and the side's
// extension where the foot falls outside it.
void addHeight(Outline& outline, std::string_view letter, Point top, Point a, Point b) {
    const Point foot = footOn(top, a, b);
    outline.segments.push_back({letter, top, foot, length(a - foot) > length(b - foot) ? a : b});
    const double along = dot(foot - a, b - a) / dot(b - a, b - a);
    if (along < 0) outline.segments.push_back({{}, a, foot});
    if (along > 1) outline.segments.push_back({{}, b, foot});
}

// Legs a and b, the right angle at the bottom left.
Made rightTriangle(const Measures& m) {
    const double a = m["a"], b = m["b"];
    if (a <= 0 || b <= 0) return {};
    // C at the right angle, B at the end of a, A at the end of b.
    Outline outline{{{0, 0}, {a, 0}, {0, b}}, {"a", "c", "b"}, {}, {"lC", "lB", "lA"}};
    addHeight(outline, "hc", {0, 0}, {a, 0}, {0, b});
    return outline;
}

// Base a along the bottom, legs b, its height ha the axis.
Made isoscelesTriangle(const Measures& m) {
    const double a = m["a"], b = m["b"];
    if (a <= 0 || 2 * b <= a) return {};
    const double ha = m.has("ha") ? m["ha"] : std::sqrt(b * b - a * a / 4);
    Outline outline{{{-a / 2, 0}, {a / 2, 0}, {0, ha}}, {"a", "b", "b"}, {}, {"lB", "lB", "lA"}};
    outline.segments.push_back({"ha", {0, ha}, {0, 0}, Point{a / 2, 0}});
    return outline;
}

// Sides a, b and c, a along the bottom; the top corner where b and c meet.
Made anyTriangle(const Measures& m) {
    const double a = m["a"], b = m["b"], c = m["c"];
    if (a <= 0 || b <= 0 || c <= 0 || a >= b + c || b >= a + c || c >= a + b) return {};
    const double x = (a * a + c * c - b * b) / (2 * a);
    const Point top{x, std::sqrt(std::max(0.0, c * c - x * x))};
    Outline outline{{{0, 0}, {a, 0}, top}, {"a", "b", "c"}, {}, {"lB", "lC", "lA"}};
    addHeight(outline, "ha", top, {0, 0}, {a, 0});
    return outline;
}

Made rectangle(const Measures& m) {
    const double a = m["a"], b = m["b"];
    if (a <= 0 || b <= 0) return {};
    Outline outline{{{0, 0}, {a, 0}, {a, b}, {0, b}}, {"a", "b", "a", "b"}, {}};
    outline.segments.push_back({"d", {0, 0}, {a, b}});
    return outline;
}

// Its diagonals along the axes; from the side and height where they are not known.
Made rhombus(const Measures& m) {
    double d1 = m["d1"], d2 = m["d2"];
    if (d1 <= 0 || d2 <= 0) {
        const double a = m["a"], ha = m["ha"];
        if (a <= 0 || ha <= 0 || ha > a) return {};
        const double angle = std::asin(ha / a);
        d1 = 2 * a * std::cos(angle / 2);
        d2 = 2 * a * std::sin(angle / 2);
    }
    Outline outline{{{-d1 / 2, 0}, {0, -d2 / 2}, {d1 / 2, 0}, {0, d2 / 2}}, {"a", "a", "a", "a"}, {}, {"l1", "l2", "l1", "l2"}};
    outline.segments.push_back({"d1", {-d1 / 2, 0}, {d1 / 2, 0}});
    outline.segments.push_back({"d2", {0, -d2 / 2}, {0, d2 / 2}});
    return outline;
}

// Side a along the bottom, b leaning right at the height ha.
Made parallelogram(const Measures& m) {
    const double a = m["a"], b = m["b"], ha = m["ha"];
    if (a <= 0 || b <= 0 || ha <= 0 || ha > b) return {};
    const double shift = std::sqrt(b * b - ha * ha);
    Outline outline{{{0, 0}, {a, 0}, {a + shift, ha}, {shift, ha}}, {"a", "b", "a", "b"}, {}};
    addHeight(outline, "ha", {shift, ha}, {0, 0}, {a, 0});
    return outline;
}

// Base a along the bottom, b above it, the legs c alike.
Made isoscelesTrapezoid(const Measures& m) {
    const double a = m["a"], b = m["b"], h1 = m["h1"];
    if (a <= 0 || b <= 0 || h1 <= 0) return {};
    Outline outline{{{-a / 2, 0}, {a / 2, 0}, {b / 2, h1}, {-b / 2, h1}}, {"a", "c", "b", "c"}, {}};
    const double x = -std::min(a, b) / 2;
    outline.segments.push_back({"h1", {x, h1}, {x, 0}, Point{a / 2, 0}});
    outline.segments.push_back({"d", {-a / 2, 0}, {b / 2, h1}});
    return outline;
}

// Base a along the bottom, the leg h1 upright on the left, c slanting on the right.
Made rightTrapezoid(const Measures& m) {
    const double a = m["a"], b = m["b"], h1 = m["h1"];
    if (a <= 0 || b <= 0 || h1 <= 0) return {};
    Outline outline{{{0, 0}, {a, 0}, {b, h1}, {0, h1}}, {"a", "c", "b", "h1"}, {}};
    outline.segments.push_back({"d1", {a, 0}, {0, h1}});
    outline.segments.push_back({"d2", {0, 0}, {b, h1}});
    return outline;
}

struct OutlineDrawer {
    std::string_view name;
    Made (*outline)(const Measures& m);
};
constexpr OutlineDrawer outlineDrawers[] = {
    {"right triangle by its legs", rightTriangle},
    {"isosceles triangle by its base and legs", isoscelesTriangle},
    {"triangle by its sides", anyTriangle},
    {"rectangle by its sides", rectangle},
    {"rhombus by its diagonals", rhombus},
    {"parallelogram by its sides and height", parallelogram},
    {"isosceles trapezoid by its bases and height", isoscelesTrapezoid},
    {"right trapezoid by its bases and height", rightTrapezoid},
};

// Where the lines through a along u and through b along v meet.
Point meeting(Point a, Point u, Point b, Point v) {
    const double t = cross(b - a, v) / cross(u, v);
    return a + t * u;
}

}  // namespace

std::optional<Outline> outlineOf(std::string_view drawer, const Measures& m) {
    for (const OutlineDrawer& known : outlineDrawers)
        if (known.name == drawer) return known.outline(m);
    return {};
}

bool outlineDrawerKnown(std::string_view name) {
    return std::any_of(std::begin(outlineDrawers), std::end(outlineDrawers),
                       [&](const OutlineDrawer& drawer) { return drawer.name == name; });
}

Outline movedAndScaled(const Outline& outline, Point offset, double factor) {
    Outline out = outline;
    for (Point& p : out.corners) p = factor * (p + offset);
    for (BaseSegment& s : out.segments) {
        s.from = factor * (s.from + offset);
        s.to = factor * (s.to + offset);
        if (s.square) s.square = factor * (*s.square + offset);
    }
    return out;
}

Point circumcentre(const Polygon& polygon) {
    const Point a = polygon[0], b = polygon[1], c = polygon[2];
    // The perpendicular bisectors of ab and bc.
    return meeting(0.5 * (a + b), leftNormal(b - a), 0.5 * (b + c), leftNormal(c - b));
}

Point incentre(const Polygon& polygon) {
    const std::size_t n = polygon.size();
    auto bisector = [&](std::size_t i) {
        const Point at = polygon[i];
        return unit(polygon[(i + 1) % n] - at) + unit(polygon[(i + n - 1) % n] - at);
    };
    return meeting(polygon[0], bisector(0), polygon[1], bisector(1));
}

double perimeter(const Polygon& polygon) {
    double sum = 0;
    for (std::size_t i = 0; i < polygon.size(); ++i) sum += length(polygon[(i + 1) % polygon.size()] - polygon[i]);
    return sum;
}

Point footOn(Point p, Point a, Point b) {
    const Point along = unit(b - a);
    return a + dot(p - a, along) * along;
}

}  // namespace solver::drawing
