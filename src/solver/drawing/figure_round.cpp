// SPDX-License-Identifier: MIT
// The cylinder, the cone and the ball with elliptic circles, and the regular
// polygon flat.
#include <cmath>
#include <numbers>

#include "figure_parts.h"

namespace solver::drawing {
namespace {

constexpr double pi = std::numbers::pi;

void section(Scene& scene, const Shown& shown, const Polygon& outline, Point labelAt) {
    const QuantityResult* q = shown.measures.known("Q");
    if (!shown.section || !q) return;
    scene.fills.emplace_back(outline, inkOf(*q));
    scene.labels.push_back({shown.measures.label(*q), inkOf(*q), labelAt, labelAt, std::nullopt});
}

}  // namespace

void base(Scene& scene, Point centre, double r, bool backSeen) {
    scene.arc(centre, r, ellipseShare * r, pi, 2 * pi);
    scene.arc(centre, r, ellipseShare * r, 0, pi, Stroke{Ink::Edge, !backSeen});
}

Scene cylinderScene(const Shown& shown, double r, double h) {
    Scene scene;
    const Measures& m = shown.measures;
    const Point bottom{0, 0}, top{0, h}, right{r, 0};
    base(scene, bottom, r, false);
    base(scene, top, r, true);
    scene.line({-r, 0}, {-r, h});
    scene.line({r, 0}, {r, h});
    scene.dots = {bottom, top};
    scene.axis = {bottom, top};
    scene.turnedHalf = {bottom, right, {r, h}, top};
    const Point middle{0, h / 2};
    section(scene, shown, {{-r, 0}, {r, 0}, {r, h}, {-r, h}}, {-r / 2, h / 2});
    if (shown.section && m.has("Q")) scene.line({-r, 0}, {r, 0}, Stroke{Ink::Edge, true});
    if (shown.diameter) segment(scene, m, "d", {-r, h}, {r, h}, false, middle);
    if (segment(scene, m, "h", bottom, top, true, {-r, h / 2})) scene.rightAngles.push_back({bottom, top, right});
    segment(scene, m, "r", bottom, right, true, middle);
    // The axial section's diagonal from the left end of the lower diameter,
    // and its angle α with the base in the right triangle of d, h and d1.
    const Point left{-r, 0}, topRight{r, h};
    const bool diagonal = segment(scene, m, "d1", left, topRight, true, {r, 0});
    if (angle(scene, shown, "α", left, topRight, right)) {
        if (!diagonal) scene.line(left, topRight, Stroke{Ink::Edge, true});
        if (!(shown.section && m.has("Q"))) scene.line(left, right, Stroke{Ink::Edge, true});
        scene.rightAngles.push_back({right, left, topRight});
    }
    return scene;
}

Scene coneScene(const Shown& shown, double r, double h) {
    Scene scene;
    const Measures& m = shown.measures;
    const Point centre{0, 0}, apex{0, h}, right{r, 0};
    base(scene, centre, r, false);
    scene.line(apex, {-r, 0});
    const Point middle{0, h / 3};
    if (!segment(scene, m, "l", apex, right, false, middle)) scene.line(apex, right);
    scene.dots = {centre};
    scene.axis = {centre, apex};
    scene.turnedHalf = {centre, right, apex};
    section(scene, shown, {{-r, 0}, {r, 0}, apex}, {-r / 3, h / 3});
    if (shown.diameter && m.has("d")) {
        const QuantityResult& d = *m.known("d");
        scene.line({-r, 0}, right, Stroke{inkOf(d), true});
        scene.labels.push_back({m.label(d), inkOf(d), {-r, 0}, centre, apex});
    } else if (shown.section && m.has("Q")) {
        scene.line({-r, 0}, centre, Stroke{Ink::Edge, true});
    }
    if (segment(scene, m, "h", centre, apex, true, right)) scene.rightAngles.push_back({centre, apex, right});
    const bool radius = segment(scene, m, "r", centre, right, true, apex);
    if (angle(scene, shown, "α", right, apex, centre) && !radius && !(shown.diameter && m.has("d")))
        scene.line(centre, right, Stroke{Ink::Edge, true});
    angle(scene, shown, "β", apex, {-r, 0}, right);
    return scene;
}

// Two bases, the larger below: the generator l, the height h and the radii r1,
// r2 in the axial plane facing the viewer, the axial section a trapezoid.
Scene coneFrustumScene(const Shown& shown, double r1, double r2, double h) {
    Scene scene;
    const Measures& m = shown.measures;
    const Point centre{0, 0}, top{0, h}, right{r1, 0}, topRight{r2, h};
    base(scene, centre, r1, false);
    base(scene, top, r2, true);
    scene.line({-r1, 0}, {-r2, h});
    const Point middle{0, h / 2};
    if (!segment(scene, m, "l", topRight, right, false, middle)) scene.line(topRight, right);
    scene.dots = {centre, top};
    scene.axis = {centre, top};
    scene.turnedHalf = {centre, right, topRight, top};
    section(scene, shown, {{-r1, 0}, {r1, 0}, topRight, {-r2, h}}, {-(r1 + r2) / 4, h / 2});
    if (shown.section && m.has("Q")) scene.line({-r1, 0}, centre, Stroke{Ink::Edge, true});
    if (segment(scene, m, "h", centre, top, true, right)) scene.rightAngles.push_back({centre, top, right});
    const bool radius = segment(scene, m, "r1", centre, right, true, top);
    segment(scene, m, "r2", top, topRight, false, centre);
    // The generator's angle α with the larger base, in the right triangle of
    // l, the height from its upper end and r1 − r2 along the radius.
    if (angle(scene, shown, "α", right, topRight, centre)) {
        const Point below{r2, 0};
        if (!radius && !(shown.section && m.has("Q"))) scene.line(centre, right, Stroke{Ink::Edge, true});
        scene.line(topRight, below, Stroke{Ink::Edge, true});
        scene.rightAngles.push_back({below, topRight, right});
    }
    return scene;
}

// Two cones on one base, one apex below it and one above; the triangle they
// are turned from (the apexes and the right end of the base's diameter) is
// the half section: its sides the generators l1 and l2 and the axis c, its
// height to the axis the radius r.
Scene doubleConeScene(const Shown& shown, double r, double h1, double h2) {
    Scene scene;
    const Measures& m = shown.measures;
    const Point bottom{0, 0}, centre{0, h1}, top{0, h1 + h2}, right{r, h1}, left{-r, h1};
    scene.turnedHalf = {bottom, right, top};
    base(scene, centre, r, false);
    scene.line(bottom, left);
    scene.line(top, left);
    if (!segment(scene, m, "l1", bottom, right, false, centre)) scene.line(bottom, right);
    if (!segment(scene, m, "l2", right, top, false, centre)) scene.line(right, top);
    scene.dots = {centre};
    scene.axis = {bottom, top};
    if (!segment(scene, m, "c", bottom, top, true, right)) scene.line(bottom, top, Stroke{Ink::Edge, true});
    if (segment(scene, m, "r", centre, right, true, top)) scene.rightAngles.push_back({centre, top, right});
    angle(scene, shown, "γ", right, bottom, top);
    return scene;
}

Scene sphereScene(const Shown& shown) {
    Scene scene;
    const Measures& m = shown.measures;
    const Point centre{0, 0};
    scene.arc(centre, 1, 1, 0, 2 * pi);
    base(scene, centre, 1, false);
    scene.dots = {centre};
    // The half disc right of the vertical diameter.
    for (int i = 0; i <= 24; ++i) scene.turnedHalf.push_back({std::sin(pi * i / 24), -std::cos(pi * i / 24)});
    if (shown.diameter) segment(scene, m, "d", {0, -1}, {0, 1}, true, {1, 0});
    segment(scene, m, "r", centre, {1, 0}, true, {0, -1});
    return scene;
}

Scene polygonScene(const Shown& shown, int sides) {
    Scene scene;
    const Measures& m = shown.measures;
    // With one side at the bottom: vertex 0 that side's right end, the last its left end.
    Polygon vertices;
    for (int i = 0; i < sides; ++i) {
        const double angle = -pi / 2 + pi * (2 * i + 1) / sides;
        vertices.push_back({std::cos(angle), std::sin(angle)});
    }
    const double inradius = std::cos(pi / sides);
    scene.arc({0, 0}, 1, 1, 0, 2 * pi, Stroke{Ink::Faint});
    scene.arc({0, 0}, inradius, inradius, 0, 2 * pi, Stroke{Ink::Faint});
    scene.polyline(vertices, true);
    const Point centre{0, 0}, foot{0, -inradius};
    scene.dots = {centre};
    segment(scene, m, "a", vertices.back(), vertices.front(), false, centre);
    if (segment(scene, m, "r", centre, foot, false, vertices.front()))
        scene.rightAngles.push_back({foot, centre, vertices.front()});
    segment(scene, m, "R", centre, vertices.front(), false, vertices.back());
    return scene;
}

}  // namespace solver::drawing
