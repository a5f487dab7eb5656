// SPDX-License-Identifier: MIT
// The bodies made of two solids: a cylinder with a cone or a half ball on its
// upper base or a cone cut out of it, a cone with a half ball on its base, a
// hollow cylinder, a square prism with a pyramid on its top.
#include <cmath>
#include <numbers>

#include "figure_parts.h"
#include "solid_model.h"

namespace solver::drawing {
namespace {

constexpr double pi = std::numbers::pi;

// The cylinder's lower base and sides up to `h`; its upper circle's back half
// hidden by what stands on it.
void cylinderPart(Scene& scene, double r, double h) {
    base(scene, {0, 0}, r, false);
    base(scene, {0, h}, r, false);
    scene.line({-r, 0}, {-r, h});
    scene.line({r, 0}, {r, h});
}

}  // namespace

Scene cylinderWithConeScene(const Shown& shown, double r, double h1, double h2) {
    Scene scene;
    const Measures& m = shown.measures;
    cylinderPart(scene, r, h1);
    const Point bottom{0, 0}, joint{0, h1}, apex{0, h1 + h2}, right{r, 0}, rightTop{r, h1};
    scene.line({-r, h1}, apex);
    if (!segment(scene, m, "l", rightTop, apex, false, joint)) scene.line(rightTop, apex);
    scene.dots = {bottom, joint};
    scene.axis = {bottom, apex};
    scene.turnedHalf = {bottom, right, rightTop, apex};  // a right trapezoid about its larger base
    if (segment(scene, m, "h1", bottom, joint, true, {-r, 0})) scene.rightAngles.push_back({bottom, joint, right});
    segment(scene, m, "h2", joint, apex, true, {-r, h1});
    segment(scene, m, "r", bottom, right, true, joint);
    return scene;
}

// The cylinder whole, its upper base the cut cone's, the cone's generators
// down to its apex inside, dashed.
Scene cylinderWithoutConeScene(const Shown& shown, double r, double h1, double h2) {
    Scene scene;
    const Measures& m = shown.measures;
    base(scene, {0, 0}, r, false);
    base(scene, {0, h1}, r, true);
    scene.line({-r, 0}, {-r, h1});
    scene.line({r, 0}, {r, h1});
    const Point bottom{0, 0}, top{0, h1}, apex{0, h1 - h2}, right{r, 0}, rightTop{r, h1};
    const Stroke hidden{Ink::Edge, true};
    scene.line({-r, h1}, apex, hidden);
    if (!segment(scene, m, "l", rightTop, apex, true, bottom)) scene.line(rightTop, apex, hidden);
    scene.dots = {top, apex};
    scene.axis = {bottom, top};
    scene.turnedHalf = {bottom, right, rightTop, apex};  // a right trapezoid about its smaller base
    // The right triangle of h2, r and l: its radius on the open upper base.
    scene.line(top, rightTop, Stroke{Ink::Edge, false});
    if (segment(scene, m, "h2", apex, top, true, {-r, h1})) scene.rightAngles.push_back({top, apex, rightTop});
    segment(scene, m, "h1", right, rightTop, false, bottom);
    segment(scene, m, "r", bottom, right, true, top);
    return scene;
}

// The lower cone's apex at the bottom, the cylinder above it, the upper
// cone's apex at the top; both bases' back halves hidden by the cones.
Scene cylinderWithTwoConesScene(const Shown& shown, double r, double h1, double h2) {
    Scene scene;
    const Measures& m = shown.measures;
    const Point bottom{0, 0}, lower{0, h2}, upper{0, h2 + h1}, top{0, 2 * h2 + h1};
    const Point right{r, h2}, rightTop{r, h2 + h1};
    base(scene, lower, r, false);
    base(scene, upper, r, false);
    scene.line({-r, h2}, {-r, h2 + h1});
    scene.line(right, rightTop);
    scene.line(bottom, {-r, h2});
    scene.line(bottom, right);
    scene.line({-r, h2 + h1}, top);
    if (!segment(scene, m, "l", rightTop, top, false, upper)) scene.line(rightTop, top);
    scene.dots = {lower, upper};
    scene.axis = {bottom, top};
    scene.turnedHalf = {bottom, right, rightTop, top};  // an isosceles trapezoid about its larger base
    segment(scene, m, "h2", bottom, lower, true, {-r, 0});
    segment(scene, m, "h1", lower, upper, true, {-r, h2});
    if (segment(scene, m, "r", upper, rightTop, true, lower)) scene.rightAngles.push_back({upper, lower, rightTop});
    return scene;
}

// The cylinder whole, both bases open on the cones cut into it, their
// generators dashed inside down to the apexes m apart on the axis.
Scene cylinderWithoutTwoConesScene(const Shown& shown, double r, double h1, double h2) {
    Scene scene;
    const Measures& m = shown.measures;
    const Point bottom{0, 0}, top{0, h1}, lowerApex{0, h2}, upperApex{0, h1 - h2};
    const Point right{r, 0}, rightTop{r, h1};
    const Stroke hidden{Ink::Edge, true};
    base(scene, bottom, r, false);
    base(scene, top, r, true);
    scene.line({-r, 0}, {-r, h1});
    scene.line(right, rightTop);
    scene.line({-r, 0}, lowerApex, hidden);
    scene.line(right, lowerApex, hidden);
    scene.line({-r, h1}, upperApex, hidden);
    if (!segment(scene, m, "l", rightTop, upperApex, true, bottom)) scene.line(rightTop, upperApex, hidden);
    scene.dots = {bottom, top, lowerApex, upperApex};
    scene.axis = {bottom, top};
    scene.turnedHalf = {lowerApex, right, rightTop, upperApex};  // an isosceles trapezoid about its smaller base
    segment(scene, m, "h2", bottom, lowerApex, true, {-r, 0});
    segment(scene, m, "m", lowerApex, upperApex, true, {-r, h1 / 2});
    segment(scene, m, "h1", right, rightTop, false, bottom);
    if (segment(scene, m, "r", bottom, right, true, top)) scene.rightAngles.push_back({bottom, lowerApex, right});
    return scene;
}

Scene cylinderWithHemisphereScene(const Shown& shown, double r, double h) {
    Scene scene;
    const Measures& m = shown.measures;
    cylinderPart(scene, r, h);
    scene.arc({0, h}, r, r, 0, pi);
    const Point bottom{0, 0}, joint{0, h}, right{r, 0};
    scene.dots = {bottom, joint};
    scene.axis = {bottom, Point{0, h + r}};
    if (segment(scene, m, "h", bottom, joint, true, {-r, 0})) scene.rightAngles.push_back({bottom, joint, right});
    segment(scene, m, "r", bottom, right, true, joint);
    return scene;
}

// The cone's apex at the bottom, the half ball on its base; the base's back
// half hidden by the half ball, the height and the radius inside.
Scene coneWithHemisphereScene(const Shown& shown, double r, double h) {
    Scene scene;
    const Measures& m = shown.measures;
    const Point apex{0, 0}, joint{0, h}, right{r, h}, left{-r, h};
    base(scene, joint, r, false);
    scene.arc(joint, r, r, 0, pi);
    scene.line(apex, left);
    if (!segment(scene, m, "l", apex, right, false, joint)) scene.line(apex, right);
    scene.dots = {apex, joint};
    scene.axis = {apex, Point{0, h + r}};
    if (segment(scene, m, "h", apex, joint, true, left)) scene.rightAngles.push_back({joint, apex, right});
    segment(scene, m, "r", joint, right, true, Point{0, h + r});
    return scene;
}

// The outer cylinder, the hole's circle on the upper base and its wall inside.
Scene hollowCylinderScene(const Shown& shown, double R, double r, double h) {
    Scene scene;
    const Measures& m = shown.measures;
    base(scene, {0, 0}, R, false);
    base(scene, {0, h}, R, true);
    scene.line({-R, 0}, {-R, h});
    scene.line({R, 0}, {R, h});
    base(scene, {0, h}, r, true);
    scene.arc({0, 0}, r, ellipseShare * r, 0, 2 * pi, Stroke{Ink::Edge, true});
    scene.line({-r, 0}, {-r, h}, Stroke{Ink::Edge, true});
    scene.line({r, 0}, {r, h}, Stroke{Ink::Edge, true});
    const Point top{0, h};
    scene.dots = {top};
    scene.axis = {Point{0, 0}, top};
    // The outer radius towards the front right, the inner one to the left: apart.
    const Point outerEnd{R * std::cos(-pi / 4), h + ellipseShare * R * std::sin(-pi / 4)};
    segment(scene, m, "R", top, outerEnd, false, Point{0, 0});
    segment(scene, m, "r", top, {-r, h}, false, Point{0, 0});
    segment(scene, m, "h", {R, 0}, {R, h}, false, top);
    return scene;
}

// The lower cylinder whole but for its upper circle's back where the upper
// cylinder stands before it; the upper one on it; the radii on the front.
Scene twoCylindersScene(const Shown& shown, double r1, double r2, double h1, double h2) {
    Scene scene;
    const Measures& m = shown.measures;
    base(scene, {0, 0}, r1, false);
    scene.line({-r1, 0}, {-r1, h1});
    scene.line({r1, 0}, {r1, h1});
    // The lower's upper circle: its front, and its back but where the upper cylinder stands before it.
    const double hiddenFrom = std::acos(r2 / r1), share = ellipseShare * r1;
    scene.arc({0, h1}, r1, share, pi, 2 * pi);
    scene.arc({0, h1}, r1, share, 0, hiddenFrom);
    scene.arc({0, h1}, r1, share, hiddenFrom, pi - hiddenFrom, Stroke{Ink::Edge, true});
    scene.arc({0, h1}, r1, share, pi - hiddenFrom, pi);
    base(scene, {0, h1}, r2, false);
    base(scene, {0, h1 + h2}, r2, true);
    scene.line({-r2, h1}, {-r2, h1 + h2});
    scene.line({r2, h1}, {r2, h1 + h2});
    const Point bottom{0, 0}, joint{0, h1}, top{0, h1 + h2}, right{r1, 0};
    scene.dots = {bottom, joint, top};
    scene.axis = {bottom, top};
    if (segment(scene, m, "h1", bottom, joint, true, {-r1, 0})) scene.rightAngles.push_back({bottom, joint, right});
    segment(scene, m, "h2", joint, top, true, {-r2, h1});
    segment(scene, m, "r1", bottom, right, true, joint);
    segment(scene, m, "r2", top, {r2, h1 + h2}, false, joint);
    return scene;
}

// A square prism of base edge a and height h1, a pyramid of height h2 on its
// top, its apothem k on the side facing right.
Scene prismWithPyramidScene(const Shown& shown, double a, double h1, double h2) {
    Scene scene;
    const Measures& m = shown.measures;
    const Polygon base = regularPolygon(4, a / std::sqrt(2.0), -pi / 2);
    Polyhedron solid;
    const int n = int(base.size());
    for (Point p : base) solid.vertices.push_back({p.x, 0, p.y});
    for (Point p : base) solid.vertices.push_back({p.x, h1, p.y});
    solid.vertices.push_back({0, h1 + h2, 0});
    std::vector<int> bottom;
    for (int i = 0; i < n; ++i) {
        bottom.push_back(i);
        solid.faces.push_back({i, (i + 1) % n, n + (i + 1) % n, n + i});
        solid.faces.push_back({n + i, n + (i + 1) % n, 2 * n});
    }
    solid.faces.push_back(bottom);
    drawEdges(scene, solid);
    const Point middle = project(middleOf(solid));
    const Point left = project({base.back().x, 0, base.back().y}), right = project({base.front().x, 0, base.front().y});
    const Point rightTop = project({base.front().x, h1, base.front().y});
    const Point joint = project({0, h1, 0}), apex = project({0, h1 + h2, 0});
    // The side facing right: the one whose middle lies furthest right.
    Point foot{}, footBack{};
    double furthest = -1e300;
    for (int i = 0; i < n; ++i) {
        const Point p = base[std::size_t(i)], q = base[std::size_t((i + 1) % n)];
        if ((p.x + q.x) / 2 > furthest) {
            furthest = (p.x + q.x) / 2;
            foot = project({(p.x + q.x) / 2, h1, (p.y + q.y) / 2});
            footBack = project({q.x, h1, q.y});
        }
    }
    scene.dots = {joint};
    scene.axis = {project({0, 0, 0}), apex};
    segment(scene, m, "a", left, right, false, middle);
    segment(scene, m, "h1", right, rightTop, false, middle);
    if (segment(scene, m, "h2", joint, apex, true, foot)) scene.rightAngles.push_back({joint, apex, foot});
    if (segment(scene, m, "k", apex, foot, false, joint)) scene.rightAngles.push_back({foot, apex, footBack});
    return scene;
}

}  // namespace solver::drawing
