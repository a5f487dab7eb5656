// SPDX-License-Identifier: MIT
// The prism and the pyramid on a base of any shape the tables know (a
// rhombus, a trapezoid), and the base alone: its sides labelled with their
// letters, its diagonals and heights drawn in, the pyramid's height standing
// over the centre of the circle round the base or inside it.
#include <cmath>
#include <set>
#include <string>

#include "figure_parts.h"
#include "solid_model.h"

namespace solver::drawing {
namespace {

Point onFloor(Point base, double y = 0) { return project({base.x, y, base.y}); }

std::size_t next(const Outline& base, std::size_t i) { return (i + 1) % base.corners.size(); }

// Whether the prism's side face over side i faces the viewer: its outward
// normal, to the right of the side in the base's plane, against the view.
bool prismFaceSeen(const Outline& base, std::size_t i) {
    const Point d = base.corners[next(base, i)] - base.corners[i];
    return facesViewer({d.y, 0, -d.x});
}

// Whether the pyramid's face over side i, up to the apex over the origin, faces the viewer.
bool pyramidFaceSeen(const Outline& base, std::size_t i, double height) {
    const Point p = base.corners[i], d = base.corners[next(base, i)] - p;
    return facesViewer({d.y * height, d.y * p.x - d.x * p.y, -d.x * height});
}

// Each side's letter once, on the side that shows best: a side of a face
// the viewer sees, else the one `fallback` offers (the prism's top base).
template <typename Seen, typename Fallback>
void labelSides(Scene& scene, const Measures& m, const Outline& base, Point middle, Seen faceSeen, Fallback fallback) {
    std::set<std::string_view> labelled;
    for (std::size_t i = 0; i < base.sides.size(); ++i) {
        const std::string_view letter = base.sides[i];
        if (letter.empty() || labelled.contains(letter)) continue;
        labelled.insert(letter);
        std::size_t best = i;
        bool visible = false;
        for (std::size_t j = 0; j < base.sides.size() && !visible; ++j)
            if (base.sides[j] == letter && faceSeen(j)) best = j, visible = true;
        const Point from = base.corners[best], to = base.corners[next(base, best)];
        if (visible)
            segment(scene, m, letter, onFloor(from), onFloor(to), false, middle);
        else
            fallback(letter, from, to);
    }
}

// The base's diagonals and heights, at the height y (dashed inside a
// solid); a height's extension of its side where the height is drawn.
void drawSegments(Scene& scene, const Measures& m, const Outline& base, Point middle, bool hidden, double y = 0) {
    bool heightDrawn = false;
    for (const BaseSegment& s : base.segments) {
        if (s.letter.empty()) {
            if (heightDrawn) scene.line(onFloor(s.from, y), onFloor(s.to, y), Stroke{Ink::Faint, true});
            continue;
        }
        heightDrawn = segment(scene, m, s.letter, onFloor(s.from, y), onFloor(s.to, y), hidden, middle);
        if (heightDrawn && s.square)
            scene.rightAngles.push_back({onFloor(s.to, y), onFloor(s.from, y), onFloor(*s.square, y)});
    }
}

// The corner, of those whose edge up the viewer sees, furthest to the right on the drawing.
template <typename Seen>
std::size_t rightmostSeenCorner(const Outline& base, Seen faceSeen, bool rightmost) {
    const std::size_t n = base.corners.size();
    std::size_t best = n;
    for (std::size_t i = 0; i < n; ++i) {
        if (!faceSeen(i) && !faceSeen((i + n - 1) % n)) continue;
        const double x = onFloor(base.corners[i]).x;
        if (best == n || (rightmost ? x > onFloor(base.corners[best]).x : x < onFloor(base.corners[best]).x)) best = i;
    }
    return best == n ? 0 : best;
}

}  // namespace

Scene prismOnBaseScene(const Shown& shown, const Outline& base, double height) {
    Scene scene;
    const Polyhedron solid = prismOver(base.corners, height);
    drawEdges(scene, solid);
    const Measures& m = shown.measures;
    const Point middle = project(middleOf(solid));
    auto faceSeen = [&](std::size_t i) { return prismFaceSeen(base, i); };
    labelSides(scene, m, base, middle, faceSeen, [&](std::string_view letter, Point from, Point to) {
        segment(scene, m, letter, onFloor(from, height), onFloor(to, height), false, middle);
    });
    drawSegments(scene, m, base, middle, true);
    const Point corner = base.corners[rightmostSeenCorner(base, faceSeen, true)];
    segment(scene, m, "h", onFloor(corner), onFloor(corner, height), false, middle);
    return scene;
}

Scene pyramidOnBaseScene(const Shown& shown, const Outline& base, double height, bool overIncentre) {
    Scene scene;
    const Polyhedron solid = pyramidOver(base.corners, height);
    drawEdges(scene, solid);
    const Measures& m = shown.measures;
    const Point middle = project(middleOf(solid));
    const Point centre = onFloor({0, 0}), apex = project({0, height, 0});
    scene.dots.push_back(centre);
    auto faceSeen = [&](std::size_t i) { return pyramidFaceSeen(base, i, height); };
    labelSides(scene, m, base, middle, faceSeen, [&](std::string_view letter, Point from, Point to) {
        segment(scene, m, letter, onFloor(from), onFloor(to), true, middle);
    });
    drawSegments(scene, m, base, middle, true);
    // Of the faces seen, the one whose middle is furthest right shows its height.
    std::size_t face = base.corners.size();
    for (std::size_t i = 0; i < base.corners.size(); ++i)
        if (faceSeen(i) && (face == base.corners.size() ||
                            onFloor(0.5 * (base.corners[i] + base.corners[next(base, i)])).x >
                                onFloor(0.5 * (base.corners[face] + base.corners[next(base, face)])).x))
            face = i;
    if (face == base.corners.size()) face = 0;
    const Point from = base.corners[face], to = base.corners[next(base, face)];
    const Point foot = footOn({0, 0}, from, to);
    if (overIncentre) {
        // The face's height k over the point where the side touches the circle inside, and r to it.
        if (segment(scene, m, "k", apex, onFloor(foot), false, centre))
            scene.rightAngles.push_back({onFloor(foot), apex, onFloor(to)});
        segment(scene, m, shown.baseApothem ? "k1" : "r", centre, onFloor(foot), true, apex);
        // Each lateral edge the task names, at the corner of its letter the viewer sees best.
        std::set<std::string_view> drawn;
        const std::size_t n = base.corners.size();
        for (std::size_t i = 0; i < base.cornerEdges.size() && i < n; ++i) {
            const std::string_view letter = base.cornerEdges[i];
            if (!drawn.insert(letter).second) continue;
            std::size_t best = i;
            for (std::size_t j = 0; j < base.cornerEdges.size() && j < n; ++j)
                if (base.cornerEdges[j] == letter && (faceSeen(j) || faceSeen((j + n - 1) % n))) {
                    best = j;
                    break;
                }
            const bool hidden = !faceSeen(best) && !faceSeen((best + n - 1) % n);
            segment(scene, m, letter, onFloor(base.corners[best]), apex, hidden, middle);
        }
    } else {
        // A lateral edge l, and R from the centre to its foot: the right triangle l, h, R.
        const Point corner = base.corners[rightmostSeenCorner(base, faceSeen, false)];
        segment(scene, m, "l", onFloor(corner), apex, false, middle);
        if (segment(scene, m, "R", centre, onFloor(corner), true, apex) && !m.labelled("h"))
            scene.rightAngles.push_back({centre, apex, onFloor(corner)});
        // Each face's height over its side's middle, on the face the viewer sees best.
        std::set<std::string_view> drawn;
        for (std::size_t i = 0; i < base.sides.size(); ++i) {
            const std::string_view letter = base.sides[i];
            if (letter.empty() || drawn.contains(letter)) continue;
            drawn.insert(letter);
            std::size_t best = i;
            for (std::size_t j = 0; j < base.sides.size(); ++j)
                if (base.sides[j] == letter && faceSeen(j)) {
                    best = j;
                    break;
                }
            const Point p = base.corners[best], q = base.corners[next(base, best)];
            const Point side = footOn({0, 0}, p, q);
            if (segment(scene, m, "k" + std::string(letter), apex, onFloor(side), !faceSeen(best), middle))
                scene.rightAngles.push_back({onFloor(side), apex, onFloor(q)});
        }
    }
    if (segment(scene, m, "h", centre, apex, true, onFloor(foot)))
        scene.rightAngles.push_back({centre, apex, onFloor(foot)});
    return scene;
}

Scene planeOutlineScene(const Shown& shown, const Outline& base) {
    Scene scene;
    const Measures& m = shown.measures;
    Polygon flat;
    for (Point p : base.corners) flat.push_back(p);
    scene.polyline(flat, true);
    const Point middle = centroid(flat);
    std::set<std::string_view> labelled;
    for (std::size_t i = 0; i < base.sides.size(); ++i)
        if (!base.sides[i].empty() && labelled.insert(base.sides[i]).second)
            segment(scene, m, base.sides[i], flat[i], flat[next(base, i)], false, middle);
    bool heightDrawn = false;
    for (const BaseSegment& s : base.segments) {
        if (s.letter.empty()) {
            if (heightDrawn) scene.line(s.from, s.to, Stroke{Ink::Faint, true});
            continue;
        }
        heightDrawn = segment(scene, m, s.letter, s.from, s.to, false, middle);
        if (heightDrawn && s.square) scene.rightAngles.push_back({s.to, s.from, *s.square});
    }
    return scene;
}

}  // namespace solver::drawing
