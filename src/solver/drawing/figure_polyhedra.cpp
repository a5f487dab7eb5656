// SPDX-License-Identifier: MIT
// The cube, the box, the prism and the pyramid in oblique projection.
#include <algorithm>
#include <utility>

#include "figure_parts.h"
#include "solid_model.h"

namespace solver::drawing {

Ink inkOf(const QuantityResult& quantity) { return quantity.given ? Ink::Given : Ink::Found; }

bool segment(Scene& scene, const Measures& measures, std::string_view key, Point a, Point b, bool hidden,
             Point awayFrom) {
    if (!measures.labelled(key)) return false;
    const QuantityResult* quantity = measures.known(key);
    scene.line(a, b, Stroke{inkOf(*quantity), hidden});
    scene.labels.push_back({measures.label(*quantity), inkOf(*quantity), a, b, awayFrom});
    return true;
}

bool angle(Scene& scene, const Shown& shown, std::string_view key, Point vertex, Point first, Point second) {
    if (std::find(shown.angles.begin(), shown.angles.end(), key) == shown.angles.end()) return false;
    const QuantityResult* quantity = shown.measures.known(key);
    if (!quantity) return false;
    scene.angles.push_back({vertex, first, second, inkOf(*quantity), shown.measures.label(*quantity)});
    return true;
}

Scene boxScene(const Shown& shown, BoxSize size, bool cube) {
    Scene scene;
    const Polyhedron solid = prismOver({{0, 0}, {size.a, 0}, {size.a, size.b}, {0, size.b}}, size.c);
    drawEdges(scene, solid);
    const Point middle = project(middleOf(solid));
    const Point frontLeftBottom = project({0, 0, 0}), frontRightBottom = project({size.a, 0, 0});
    const Point backRightBottom = project({size.a, 0, size.b}), frontLeftTop = project({0, size.c, 0});
    const Point backRightTop = project({size.a, size.c, size.b});
    scene.axis = {project({size.a / 2, 0, size.b / 2}), project({size.a / 2, size.c, size.b / 2})};
    const Measures& m = shown.measures;
    if (cube) {
        // The right triangle of the edge, the face's diagonal and the cube's diagonal.
        segment(scene, m, "a", frontLeftBottom, frontLeftTop, false, middle);
        if (segment(scene, m, "d1", frontLeftTop, backRightTop, false, middle))
            scene.rightAngles.push_back({frontLeftTop, frontLeftBottom, backRightTop});
    } else {
        segment(scene, m, "a", frontLeftBottom, frontRightBottom, false, middle);
        segment(scene, m, "b", frontRightBottom, backRightBottom, false, middle);
        segment(scene, m, "c", frontLeftBottom, frontLeftTop, false, middle);
    }
    const bool diagonal = segment(scene, m, "d", frontLeftBottom, backRightTop, true, middle);
    if (!cube && angle(scene, shown, "α", frontLeftBottom, backRightTop, backRightBottom)) {
        if (!diagonal) scene.line(frontLeftBottom, backRightTop, Stroke{Ink::Edge, true});
        if (!segment(scene, m, "d1", frontLeftBottom, backRightBottom, true, middle))
            scene.line(frontLeftBottom, backRightBottom, Stroke{Ink::Edge, true});
        scene.rightAngles.push_back({backRightBottom, frontLeftBottom, backRightTop});
    }
    return scene;
}

namespace {

Point onFloor(Point base, double y = 0) { return project({base.x, y, base.y}); }

}  // namespace

Scene prismScene(const Shown& shown, const Polygon& base, double height) {
    Scene scene;
    const Polyhedron solid = prismOver(base, height);
    drawEdges(scene, solid);
    const Point middle = project(middleOf(solid));
    // The front side's ends: the last vertex on the left, the first on the right.
    const Point left = onFloor(base.back()), right = onFloor(base.front());
    segment(scene, shown.measures, "a", left, right, false, middle);
    const Point rightTop = onFloor(base.front(), height);
    scene.axis = {onFloor({0, 0}), onFloor({0, 0}, height)};
    segment(scene, shown.measures, "h", right, rightTop, false, middle);
    if (angle(scene, shown, "α", left, rightTop, right) && !segment(scene, shown.measures, "d1", left, rightTop, false, middle))
        scene.line(left, rightTop);
    return scene;
}

Scene pyramidScene(const Shown& shown, const Polygon& base, double height) {
    Scene scene;
    const Polyhedron solid = pyramidOver(base, height);
    drawEdges(scene, solid);
    const Measures& m = shown.measures;
    const Point middle = project(middleOf(solid));
    const Point centre = onFloor({0, 0}), apex = project({0, height, 0});
    // The side facing right, from its front end (the last vertex) to its back
    // end (the first): the apothem's foot is where it touches the base's
    // inscribed circle, the foot of the perpendicular from the centre.
    const Point front = onFloor(base.back()), back = onFloor(base.front());
    const Point along = unit(base.front() - base.back());
    const Point foot = onFloor(base.back() - dot(base.back(), along) * along);
    scene.dots.push_back(centre);
    scene.axis = {centre, apex};
    // The base edge labelled is the one nearest the viewer, the lateral edge
    // the one from its left end: both apart from the apothem's triangle.
    std::size_t nearest = 0;
    auto depth = [&](std::size_t i) { return base[i].y + base[(i + 1) % base.size()].y; };
    for (std::size_t i = 0; i < base.size(); ++i)
        if (depth(i) < depth(nearest) - 1e-9) nearest = i;
    Point left = onFloor(base[nearest]), right = onFloor(base[(nearest + 1) % base.size()]);
    if (left.x > right.x) std::swap(left, right);
    segment(scene, m, "a", left, right, false, middle);
    segment(scene, m, "b", left, apex, false, middle);
    if (segment(scene, m, "k", apex, foot, false, centre)) scene.rightAngles.push_back({foot, apex, back});
    if (shown.circumradius) segment(scene, m, "R", centre, front, true, foot);
    segment(scene, m, shown.baseApothem ? "k1" : "r", centre, foot, true, apex);
    if (segment(scene, m, "h", centre, apex, true, foot)) scene.rightAngles.push_back({centre, apex, foot});
    // The lateral edge's angle at the edge labelled b, with its projection from the centre.
    if (angle(scene, shown, "α", left, apex, centre)) scene.line(centre, left, Stroke{Ink::Edge, true});
    if (angle(scene, shown, "φ", foot, apex, centre)) {
        if (!m.labelled("k")) scene.line(apex, foot);
        if (!m.labelled(shown.baseApothem ? "k1" : "r")) scene.line(centre, foot, Stroke{Ink::Edge, true});
    }
    return scene;
}

// As the pyramid, its side facing right: the apothem k from the larger base's
// side to the smaller's, and the height between the bases' centres.
Scene pyramidFrustumScene(const Shown& shown, const Polygon& base, double height, double ratio) {
    Scene scene;
    const Polyhedron solid = frustumOver(base, height, ratio);
    drawEdges(scene, solid);
    const Measures& m = shown.measures;
    const Point middle = project(middleOf(solid));
    const Point centre = onFloor({0, 0}), top = project({0, height, 0});
    const Point along = unit(base.front() - base.back());
    const Point footAt = base.back() - dot(base.back(), along) * along;
    const Point foot = onFloor(footAt), topFoot = onFloor(ratio * footAt, height);
    const Point back = onFloor(base.front());
    scene.dots = {centre, top};
    scene.axis = {centre, top};
    std::size_t nearest = 0;
    auto depth = [&](std::size_t i) { return base[i].y + base[(i + 1) % base.size()].y; };
    for (std::size_t i = 0; i < base.size(); ++i)
        if (depth(i) < depth(nearest) - 1e-9) nearest = i;
    const Point first = base[nearest], second = base[(nearest + 1) % base.size()];
    const bool leftFirst = first.x <= second.x;
    const Point left = leftFirst ? first : second, right = leftFirst ? second : first;
    segment(scene, m, "a1", onFloor(left), onFloor(right), false, middle);
    segment(scene, m, "a2", onFloor(ratio * left, height), onFloor(ratio * right, height), false, middle);
    segment(scene, m, "b", onFloor(left), onFloor(ratio * left, height), false, middle);
    if (segment(scene, m, "k", foot, topFoot, false, centre)) scene.rightAngles.push_back({foot, topFoot, back});
    segment(scene, m, "r1", centre, foot, true, top);
    // The smaller base's inradius only where the task gives it: the top is small for two labels.
    if (const QuantityResult* r2 = m.known("r2"); r2 && r2->given) segment(scene, m, "r2", top, topFoot, true, centre);
    if (segment(scene, m, "h", centre, top, true, foot)) scene.rightAngles.push_back({centre, top, foot});
    // The lateral edge b's angle α with the larger base, at its lower end: its
    // projection runs towards the centre, the height from its upper end drops
    // on it. The faces' angle φ at the apothem's foot: the apothem k, its
    // projection along r1 and the height from its upper end, as textbooks draw them.
    const Point edgeTop = onFloor(ratio * left, height), edgeBelow = onFloor(ratio * left);
    if (angle(scene, shown, "α", onFloor(left), edgeTop, centre)) {
        if (!m.labelled("b")) scene.line(onFloor(left), edgeTop);
        scene.line(onFloor(left), centre, Stroke{Ink::Edge, true});
        scene.line(edgeTop, edgeBelow, Stroke{Ink::Edge, true});
        scene.rightAngles.push_back({edgeBelow, edgeTop, onFloor(left)});
    }
    if (angle(scene, shown, "φ", foot, topFoot, centre)) {
        const Point footBelow = onFloor(ratio * footAt);
        if (!m.labelled("k")) scene.line(foot, topFoot);
        if (!m.labelled("r1")) scene.line(centre, foot, Stroke{Ink::Edge, true});
        scene.line(topFoot, footBelow, Stroke{Ink::Edge, true});
        scene.rightAngles.push_back({footBelow, topFoot, foot});
    }
    return scene;
}

}  // namespace solver::drawing
