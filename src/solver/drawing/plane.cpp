// SPDX-License-Identifier: MIT
#include "plane.h"

#include <algorithm>

namespace solver::drawing {

double signedArea(const Polygon& polygon) {
    double twice = 0;
    for (std::size_t i = 0; i < polygon.size(); ++i) twice += cross(polygon[i], polygon[(i + 1) % polygon.size()]);
    return twice / 2;
}

Point centroid(const Polygon& polygon) {
    Point sum;
    for (Point p : polygon) sum = sum + p;
    return polygon.empty() ? sum : (1.0 / double(polygon.size())) * sum;
}

void Bounds::add(Point p) {
    box.left = std::min(box.left, p.x);
    box.right = std::max(box.right, p.x);
    box.top = std::min(box.top, p.y);
    box.bottom = std::max(box.bottom, p.y);
}

void Bounds::add(const Box& other) {
    add(Point{other.left, other.top});
    add(Point{other.right, other.bottom});
}

bool segmentCrosses(Point a, Point b, const Box& box) {
    // Liang–Barsky: clip the segment to the box, strictly inside.
    double t0 = 0, t1 = 1;
    const Point d = b - a;
    const double p[] = {-d.x, d.x, -d.y, d.y};
    const double q[] = {a.x - box.left, box.right - a.x, a.y - box.top, box.bottom - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] <= 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 >= t1) return false;
    }
    return true;
}

namespace {

bool separatedAlongEdges(const Polygon& first, const Polygon& second, double tolerance) {
    for (std::size_t i = 0; i < first.size(); ++i) {
        const Point axis = unit(leftNormal(first[(i + 1) % first.size()] - first[i]));
        double min1 = 1e300, max1 = -1e300, min2 = 1e300, max2 = -1e300;
        for (Point p : first) min1 = std::min(min1, dot(p, axis)), max1 = std::max(max1, dot(p, axis));
        for (Point p : second) min2 = std::min(min2, dot(p, axis)), max2 = std::max(max2, dot(p, axis));
        if (std::min(max1, max2) - std::max(min1, min2) <= tolerance) return true;
    }
    return false;
}

}  // namespace

bool convexOverlap(const Polygon& first, const Polygon& second, double tolerance) {
    return !separatedAlongEdges(first, second, tolerance) && !separatedAlongEdges(second, first, tolerance);
}

}  // namespace solver::drawing
