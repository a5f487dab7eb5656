// SPDX-License-Identifier: MIT
#pragma once
// The figure of each kind of solid, as a scene: its outline, hidden edges
// dashed, and the task's segments in the colour of what was given or found.
// The measures come already brought to the size they are drawn at (a short
// one made longer to stay visible); the labels say the true values.

#include <string>
#include <string_view>
#include <vector>

#include "measures.h"
#include "outlines.h"
#include "scene.h"

namespace solver::drawing {

// The ellipse of a circle seen from above, as the textbooks draw it: its
// height this share of its width.
inline constexpr double ellipseShare = 0.35;

// A circle seen from above (a round solid's base): its front half drawn, its
// back half dashed unless it is seen.
void base(Scene& scene, Point centre, double r, bool backSeen);

// What the drawing shows beyond its outline.
struct Shown {
    const Measures& measures;
    bool section = false;       // the axial section (Q)
    bool diameter = false;      // d, where it is not always drawn
    bool circumradius = false;  // the pyramid's R
    bool baseApothem = false;   // the pyramid's r labelled as the base's apothem k1
    std::vector<std::string> angles = {};  // the angles given or asked, marked with an arc
};

// A segment of the task drawn in its colour and labelled, where the solution
// knows the quantity; returns whether it was drawn.
bool segment(Scene& scene, const Measures& measures, std::string_view key, Point a, Point b, bool hidden,
             Point awayFrom);
Ink inkOf(const QuantityResult& quantity);
// An angle of the task marked at `vertex` between the sides towards `first`
// and `second`, where it is given or asked; returns whether it was marked.
bool angle(Scene& scene, const Shown& shown, std::string_view key, Point vertex, Point first, Point second);

struct BoxSize {
    double a, b, c;
};
Scene boxScene(const Shown& shown, BoxSize size, bool cube);
// The base as drawn (a regular n-gon with a side facing the viewer, or one
// base of any shape), in the plane of x and z.
Scene prismScene(const Shown& shown, const Polygon& base, double height);
Scene pyramidScene(const Shown& shown, const Polygon& base, double height);
// A regular pyramid's frustum: its smaller base the larger shrunk by `ratio` (a2 : a1).
Scene pyramidFrustumScene(const Shown& shown, const Polygon& base, double height, double ratio);
Scene cylinderScene(const Shown& shown, double r, double h);
Scene coneScene(const Shown& shown, double r, double h);
Scene coneFrustumScene(const Shown& shown, double r1, double r2, double h);
// Two cones on one base of radius r, their heights h1 (below) and h2.
Scene doubleConeScene(const Shown& shown, double r, double h1, double h2);
Scene sphereScene(const Shown& shown);
// Bodies of two solids (figure_composed.cpp): a cylinder of radius r with a
// cone or a half ball on it, a hollow cylinder, a square prism with a pyramid.
Scene cylinderWithConeScene(const Shown& shown, double r, double h1, double h2);
Scene cylinderWithoutConeScene(const Shown& shown, double r, double h1, double h2);
// A cylinder of radius r and height h1 with a cone of height h2 on each base,
// standing out of it or cut into it.
Scene cylinderWithTwoConesScene(const Shown& shown, double r, double h1, double h2);
Scene cylinderWithoutTwoConesScene(const Shown& shown, double r, double h1, double h2);
Scene cylinderWithHemisphereScene(const Shown& shown, double r, double h);
Scene coneWithHemisphereScene(const Shown& shown, double r, double h);
Scene hollowCylinderScene(const Shown& shown, double R, double r, double h);
Scene twoCylindersScene(const Shown& shown, double r1, double r2, double h1, double h2);
Scene prismWithPyramidScene(const Shown& shown, double a, double h1, double h2);
// On a base of any shape the tables know, its outline in the plane of x and
// z: the prism's about its middle, the pyramid's with its apex over the
// origin (the centre of the circle round the base, or inside it).
Scene prismOnBaseScene(const Shown& shown, const Outline& base, double height);
Scene pyramidOnBaseScene(const Shown& shown, const Outline& base, double height, bool overIncentre);
// The base alone, a plane figure.
Scene planeOutlineScene(const Shown& shown, const Outline& base);
Scene polygonScene(const Shown& shown, int sides);

}  // namespace solver::drawing
