// SPDX-License-Identifier: MIT
// Finishing a net: which sides fold, which are glued to which, where the glue
// tabs go so that none covers a face or another tab.
#include <cmath>
#include <map>

#include "net_shape.h"

namespace solver::drawing {
namespace {

struct Side {
    std::size_t face;
    Point p, q;
};

std::vector<std::pair<std::string, Side>> sidesOf(const NetShape& net) {
    std::vector<std::pair<std::string, Side>> sides;
    for (std::size_t f = 0; f < net.faces.size(); ++f) {
        const NetFace& face = net.faces[f];
        if (face.shape == NetFace::Shape::Sector) {
            sides.push_back({face.edges[0], {f, face.centre, sectorPoint(face, face.from)}});
            sides.push_back({face.edges[1], {f, sectorPoint(face, face.from + face.sweep), face.centre}});
            continue;
        }
        if (face.shape == NetFace::Shape::RingSector) {
            sides.push_back({face.edges[0], {f, innerPoint(face, face.from), sectorPoint(face, face.from)}});
            sides.push_back({face.edges[1], {f, sectorPoint(face, face.from + face.sweep), innerPoint(face, face.from + face.sweep)}});
            continue;
        }
        for (std::size_t i = 0; i < face.edges.size(); ++i)
            sides.push_back({face.edges[i], {f, face.corners[i], face.corners[(i + 1) % face.corners.size()]}});
    }
    return sides;
}

bool near(Point a, Point b) { return length(a - b) < 1e-6; }

bool sameSegment(const Side& a, const Side& b) {
    return (near(a.p, b.p) && near(a.q, b.q)) || (near(a.p, b.q) && near(a.q, b.p));
}

// The tab on a side, away from its face: as wide as `width` where the side is
// long enough, its ends slanting in at `slant`.
Polygon tabOn(const Side& side, const NetFace& face, double width, double slant) {
    const Point along = unit(side.q - side.p);
    Point outward = leftNormal(along);
    if (dot(outward, centroid(outline(face)) - side.p) > 0) outward = -1.0 * outward;
    const double sideLength = length(side.q - side.p);
    const double w = std::min(width, 0.45 * sideLength * std::tan(slant));
    const double inset = w / std::tan(slant);
    return {side.p, side.q, side.q + w * outward - inset * along, side.p + w * outward + inset * along};
}

Box boxOf(const Polygon& polygon) {
    Bounds bounds;
    for (Point p : polygon) bounds.add(p);
    return bounds.box;
}

bool coversSomething(const Polygon& tab, const NetShape& net) {
    constexpr double tolerance = 0.05;  // mm: touching along a side is no overlap
    const Box near = boxOf(tab);
    auto overlaps = [&](const Polygon& other) {
        return near.overlaps(boxOf(other)) && convexOverlap(tab, other, tolerance);
    };
    for (const NetFace& face : net.faces)
        for (const Polygon& piece : convexPieces(face))
            if (overlaps(piece)) return true;
    for (const Polygon& other : net.tabs)
        if (overlaps(other)) return true;
    return false;
}

// A tab on one side of the pair: the first that covers nothing, trying
// steeper slants and then the other side. Returns the side that got it, or
// none where no tab fits (a cone's sector closed nearly to a disc).
const Side* addTab(NetShape& net, const Side& first, const Side& second, double width) {
    for (const Side* side : {&first, &second})
        for (double slant : {45.0, 30.0, 20.0, 12.0}) {
            const Polygon tab = tabOn(*side, net.faces[side->face], width, radians(slant));
            if (!coversSomething(tab, net)) {
                net.tabs.push_back(tab);
                return side;
            }
        }
    return nullptr;
}

}  // namespace

void finish(NetShape& net, double tabWidth) {
    std::map<std::string, std::vector<Side>> byEdge;
    for (const auto& [edge, side] : sidesOf(net)) byEdge[edge].push_back(side);
    for (const auto& [edge, sides] : byEdge) {
        if (sides.size() == 2 && sameSegment(sides[0], sides[1])) {
            net.folds.emplace_back(sides[0].p, sides[0].q);
        } else if (sides.size() == 2) {
            const Side* tabbed = addTab(net, sides[0], sides[1], tabWidth);
            if (!tabbed) {
                ++net.untabbed;
                for (const Side& side : sides) net.cuts.emplace_back(side.p, side.q);
                continue;
            }
            const Side& other = tabbed == &sides[0] ? sides[1] : sides[0];
            net.folds.emplace_back(tabbed->p, tabbed->q);
            net.cuts.emplace_back(other.p, other.q);
            const Polygon& tab = net.tabs.back();
            for (std::size_t i = 1; i < tab.size(); ++i) net.cuts.emplace_back(tab[i], tab[(i + 1) % tab.size()]);
        } else {
            for (const Side& side : sides) net.cuts.emplace_back(side.p, side.q);
        }
    }
}

}  // namespace solver::drawing
