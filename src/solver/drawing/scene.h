// SPDX-License-Identifier: MIT
#pragma once
// The figure's drawing before it is written: lines, arcs and fills in the
// model's plane (y up, the solid's own units), and labels to place. Writing it
// scales it to the figure's size, places each label where it covers no other
// label and crosses the fewest lines, and writes the SVG.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "plane.h"

namespace solver::drawing {

enum class Ink { Edge, Given, Found, Faint };

struct Stroke {
    Ink ink = Ink::Edge;
    bool dashed = false;  // hidden: behind a face, or inside the solid
};

struct SceneLine {
    Point a, b;
    Stroke stroke;
};

// Part of the ellipse centre + (rx·cos t, ry·sin t), from t = from to t = to.
struct SceneArc {
    Point centre;
    double rx = 0, ry = 0, from = 0, to = 0;
    Stroke stroke;
};

struct SceneLabel {
    std::string text;
    Ink ink = Ink::Given;
    Point a, b;  // the segment it names; a == b for a label at a point
    // The side to try first: away from this point (the solid's middle).
    std::optional<Point> awayFrom;
};

struct LegendItem {
    std::string text;
    Ink ink = Ink::Edge;
};

struct Scene {
    std::vector<SceneLine> lines;
    std::vector<SceneArc> arcs;
    std::vector<std::pair<Polygon, Ink>> fills;  // the axial section, lightly tinted
    struct RightAngle {
        Point foot, first, second;  // the mark's corner at foot, its sides towards first and second
    };
    std::vector<RightAngle> rightAngles;
    // An angle of the task: an arc at its vertex between the sides towards
    // first and second (the smaller turn), and its label inside it.
    struct AngleMark {
        Point vertex, first, second;
        Ink ink = Ink::Given;
        std::string label;
    };
    std::vector<AngleMark> angles;
    std::vector<Point> dots;
    // The centres of its lower base and of its upper base (or its apex), where a
    // sphere about the solid or a ball in it is drawn on the line between them.
    std::optional<std::array<Point, 2>> axis;
    // Half of a round body's axial section, right of the axis, from the axis's
    // lower end round to its upper end: the figure turned about the axis to
    // make the body. Empty where the body is not round or shades it itself.
    Polygon turnedHalf;
    std::vector<SceneLabel> labels;
    // Lines under the drawing: what is given and what was found, notes.
    std::vector<std::vector<LegendItem>> legend;

    void line(Point a, Point b, Stroke stroke = {}) { lines.push_back({a, b, stroke}); }
    void polyline(const Polygon& points, bool closed, Stroke stroke = {});
    void arc(Point centre, double rx, double ry, double from, double to, Stroke stroke = {}) {
        arcs.push_back({centre, rx, ry, from, to, stroke});
    }
};

struct SceneStyle {
    std::string rootClass;  // "stereometry-figure"
    std::string title;      // the accessible name
    std::string solidKey;
    bool stylesheet = true;
};

// The SVG of the scene, its drawing scaled so that its larger side is about
// 210 pixels.
std::string writeScene(const Scene& scene, const SceneStyle& style);

}  // namespace solver::drawing
