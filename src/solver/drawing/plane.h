// SPDX-License-Identifier: MIT
#pragma once
// Points and vectors of the drawing's plane, and the little geometry both
// drawings need.

#include <cmath>
#include <numbers>
#include <vector>

namespace solver::drawing {

struct Point {
    double x = 0;
    double y = 0;
};

inline Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
inline Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
inline Point operator*(double k, Point a) { return {k * a.x, k * a.y}; }
inline double dot(Point a, Point b) { return a.x * b.x + a.y * b.y; }
inline double cross(Point a, Point b) { return a.x * b.y - a.y * b.x; }
inline double length(Point a) { return std::hypot(a.x, a.y); }
inline Point unit(Point a) {
    const double l = length(a);
    return l > 0 ? Point{a.x / l, a.y / l} : Point{};
}
// Turned a quarter to the left in a plane whose y axis points up.
inline Point leftNormal(Point a) { return {-a.y, a.x}; }
inline Point rotated(Point a, double radians) {
    const double c = std::cos(radians), s = std::sin(radians);
    return {a.x * c - a.y * s, a.x * s + a.y * c};
}
inline double degrees(double radians) { return radians * 180 / std::numbers::pi; }
inline double radians(double degrees) { return degrees * std::numbers::pi / 180; }

using Polygon = std::vector<Point>;

// Signed area by the shoelace formula: positive counter-clockwise in a plane
// whose y axis points up.
double signedArea(const Polygon& polygon);
Point centroid(const Polygon& polygon);

struct Box {
    double left = 0, top = 0, right = 0, bottom = 0;
    double width() const { return right - left; }
    double height() const { return bottom - top; }
    Point centre() const { return {(left + right) / 2, (top + bottom) / 2}; }
    bool overlaps(const Box& other, double margin = 0) const {
        return left < other.right + margin && other.left < right + margin && top < other.bottom + margin &&
               other.top < bottom + margin;
    }
};

// Grows to hold points; empty until the first.
struct Bounds {
    Box box{1e300, 1e300, -1e300, -1e300};
    bool empty() const { return box.left > box.right; }
    void add(Point p);
    void add(const Box& other);
};

// Whether the segment crosses the box's inside.
bool segmentCrosses(Point a, Point b, const Box& box);

// Whether two convex polygons share more than an edge or a point: their
// insides overlap by more than `tolerance` across every separating axis.
bool convexOverlap(const Polygon& first, const Polygon& second, double tolerance);

}  // namespace solver::drawing
