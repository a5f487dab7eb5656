// SPDX-License-Identifier: MIT
#include "scene.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

#include "labels.h"
#include "style.h"
#include "svg_writer.h"

namespace solver::drawing {

void Scene::polyline(const Polygon& points, bool closed, Stroke stroke) {
    for (std::size_t i = 0; i + 1 < points.size(); ++i) line(points[i], points[i + 1], stroke);
    if (closed && points.size() > 2) line(points.back(), points.front(), stroke);
}

namespace {

constexpr double drawingSize = 210;  // the larger side of the solid, in pixels
constexpr double labelFont = 15;
constexpr double legendFont = 14;
constexpr double legendLine = 19;
constexpr double padding = 6;
constexpr double markSize = 9;
constexpr double angleMarkSize = 22;  // the radius of an angle's arc, in pixels

// Where the model's points go on the figure: scaled, y turned down.
struct Transform {
    double scale = 1;
    Point operator()(Point p) const { return {scale * p.x, -scale * p.y}; }
};

Point arcPoint(const SceneArc& arc, double t) { return arc.centre + Point{arc.rx * std::cos(t), arc.ry * std::sin(t)}; }

Polygon arcSamples(const SceneArc& arc, const Transform& to) {
    Polygon points;
    const int steps = 24;
    for (int i = 0; i <= steps; ++i) points.push_back(to(arcPoint(arc, arc.from + (arc.to - arc.from) * i / steps)));
    return points;
}

Transform fitted(const Scene& scene) {
    Bounds bounds;
    for (const SceneLine& line : scene.lines) bounds.add(line.a), bounds.add(line.b);
    for (const SceneArc& arc : scene.arcs)
        for (Point p : arcSamples(arc, Transform{1})) bounds.add(Point{p.x, -p.y});
    for (const auto& [polygon, ink] : scene.fills)
        for (Point p : polygon) bounds.add(p);
    const double larger = std::max(bounds.box.width(), bounds.box.height());
    return Transform{larger > 0 ? drawingSize / larger : 1};
}

// An angle's arc on the figure, the smaller turn from one side to the other.
Polygon angleArc(const Scene::AngleMark& mark, const Transform& to) {
    const Point vertex = to(mark.vertex), u = to(mark.first) - vertex, v = to(mark.second) - vertex;
    const double from = std::atan2(u.y, u.x);
    double turn = std::atan2(v.y, v.x) - from;
    while (turn > std::numbers::pi) turn -= 2 * std::numbers::pi;
    while (turn < -std::numbers::pi) turn += 2 * std::numbers::pi;
    Polygon points;
    const int steps = 12;
    for (int i = 0; i <= steps; ++i) {
        const double t = from + turn * i / steps;
        points.push_back(vertex + Point{angleMarkSize * std::cos(t), angleMarkSize * std::sin(t)});
    }
    return points;
}

// Where an angle's label starts looking for its place: beyond the arc's middle.
Point angleLabelPoint(const Scene::AngleMark& mark, const Transform& to) {
    const Polygon arc = angleArc(mark, to);
    const Point vertex = to(mark.vertex), middle = arc[arc.size() / 2];
    return vertex + (angleMarkSize + 14) / angleMarkSize * (middle - vertex);
}

// The lines as seen on the figure, for labels to keep clear of.
// Construction lines matter less than edges and segments.
std::vector<Obstacle> obstacles(const Scene& scene, const Transform& to) {
    std::vector<Obstacle> segments;
    auto weight = [](Stroke stroke) { return stroke.ink == Ink::Faint ? 4.0 : 16.0; };
    for (const SceneLine& line : scene.lines) segments.push_back({to(line.a), to(line.b), weight(line.stroke)});
    for (const SceneArc& arc : scene.arcs) {
        const Polygon points = arcSamples(arc, to);
        for (std::size_t i = 0; i + 1 < points.size(); ++i)
            segments.push_back({points[i], points[i + 1], weight(arc.stroke)});
    }
    for (const Scene::AngleMark& mark : scene.angles) {
        const Polygon points = angleArc(mark, to);
        for (std::size_t i = 0; i + 1 < points.size(); ++i) segments.push_back({points[i], points[i + 1], weight(Stroke{})});
    }
    // The right angles' marks, as writeMarks draws them.
    for (const Scene::RightAngle& mark : scene.rightAngles) {
        const Point foot = to(mark.foot);
        const Point u = markSize * unit(to(mark.first) - foot), v = markSize * unit(to(mark.second) - foot);
        segments.push_back({foot + u, foot + u + v, weight(Stroke{})});
        segments.push_back({foot + u + v, foot + v, weight(Stroke{})});
    }
    return segments;
}

std::string groupClass(Stroke stroke) {
    switch (stroke.ink) {
        case Ink::Edge: return stroke.dashed ? "hidden-edges" : "edges";
        case Ink::Given: return stroke.dashed ? "given-lines hidden" : "given-lines";
        case Ink::Found: return stroke.dashed ? "found-lines hidden" : "found-lines";
        case Ink::Faint: return "faint-lines";
    }
    return "edges";
}

double strokeWidth(Stroke stroke) {
    if (stroke.ink == Ink::Faint) return 1;
    if (stroke.ink == Ink::Edge) return stroke.dashed ? 1.2 : 1.6;
    return stroke.dashed ? 2 : 2.4;
}

// Every line and arc of one stroke as one path.
std::map<std::pair<int, bool>, std::string> pathsByStroke(const Scene& scene, const Transform& to, const SvgWriter& w) {
    std::map<std::pair<int, bool>, PathData> paths;
    auto path = [&](Stroke s) -> PathData& { return paths.try_emplace({int(s.ink), s.dashed}, w).first->second; };
    for (const SceneLine& line : scene.lines) path(line.stroke).moveTo(to(line.a)).lineTo(to(line.b));
    for (const SceneArc& arc : scene.arcs) {
        // The figure shows the model as it is, only its y axis turned down: what
        // turns counter-clockwise in the model does so on the figure too, which
        // SVG calls sweep 0.
        const double span = arc.to - arc.from;
        const double rx = to.scale * arc.rx, ry = to.scale * arc.ry;
        PathData& d = path(arc.stroke).moveTo(to(arcPoint(arc, arc.from)));
        if (std::fabs(span) >= 2 * std::numbers::pi - 1e-9) {
            d.arcTo(rx, ry, false, span < 0, to(arcPoint(arc, arc.from + span / 2)));
            d.arcTo(rx, ry, false, span < 0, to(arcPoint(arc, arc.to)));
        } else {
            d.arcTo(rx, ry, std::fabs(span) > std::numbers::pi, span < 0, to(arcPoint(arc, arc.to)));
        }
    }
    std::map<std::pair<int, bool>, std::string> texts;
    for (const auto& [key, d] : paths) texts[key] = d.text();
    return texts;
}

void writeStrokes(SvgWriter& w, const Scene& scene, const Transform& to) {
    for (const auto& [key, d] : pathsByStroke(scene, to, w)) {
        const Stroke stroke{Ink(key.first), key.second};
        const std::string width = w.number(strokeWidth(stroke));
        const std::string dashes = stroke.ink == Ink::Edge ? "6 4" : "8 5";
        w.open("g", {{"class", groupClass(stroke)}, {"stroke", inkColour(stroke.ink)}, {"stroke-width", width}});
        if (stroke.dashed)
            w.element("path", {{"d", d}, {"stroke-dasharray", dashes}});
        else
            w.element("path", {{"d", d}});
        w.close("g");
    }
}

void writeMarks(SvgWriter& w, const Scene& scene, const Transform& to) {
    if (scene.rightAngles.empty() && scene.dots.empty() && scene.angles.empty()) return;
    PathData marks(w);
    for (const Scene::RightAngle& mark : scene.rightAngles) {
        const Point foot = to(mark.foot);
        const Point u = markSize * unit(to(mark.first) - foot), v = markSize * unit(to(mark.second) - foot);
        marks.moveTo(foot + u).lineTo(foot + u + v).lineTo(foot + v);
    }
    if (!scene.rightAngles.empty()) {
        w.open("g", {{"class", "marks"}, {"stroke", inkColour(Ink::Edge)}, {"stroke-width", "1.2"}});
        w.element("path", {{"d", marks.text()}});
        w.close("g");
    }
    for (const Scene::AngleMark& mark : scene.angles) {
        PathData arc(w);
        const Polygon points = angleArc(mark, to);
        arc.moveTo(points.front());
        for (std::size_t i = 1; i < points.size(); ++i) arc.lineTo(points[i]);
        w.open("g", {{"class", "angle-marks"}, {"stroke", inkColour(mark.ink)}, {"stroke-width", "1.6"}});
        w.element("path", {{"d", arc.text()}});
        w.close("g");
    }
    if (!scene.dots.empty()) {
        w.open("g", {{"class", "dots"}, {"fill", inkColour(Ink::Edge)}});
        for (Point dot : scene.dots)
            w.element("circle", {{"cx", w.number(to(dot).x)}, {"cy", w.number(to(dot).y)}, {"r", "2.5"}});
        w.close("g");
    }
}

}  // namespace

std::string writeScene(const Scene& scene, const SceneStyle& style) {
    const Transform to = fitted(scene);
    SvgWriter body(1);

    Bounds bounds;
    for (const Obstacle& line : obstacles(scene, to)) bounds.add(line.a), bounds.add(line.b);

    for (const auto& [polygon, ink] : scene.fills) {
        Polygon points;
        for (Point p : polygon) points.push_back(to(p));
        body.element("polygon", {{"class", std::string("section-") + inkName(ink)},
                                 {"points", body.points(points)},
                                 {"fill", inkColour(ink)},
                                 {"fill-opacity", "0.14"}});
    }
    writeStrokes(body, scene, to);
    writeMarks(body, scene, to);

    // Labels beside their segments, then the legend under everything.
    std::vector<LabelRequest> requests;
    std::vector<std::pair<std::string, Ink>> texts;
    for (const SceneLabel& label : scene.labels) {
        LabelRequest request{label.text, to(label.a), to(label.b), std::nullopt};
        if (label.awayFrom) request.awayFrom = to(*label.awayFrom);
        requests.push_back(request);
        texts.emplace_back(label.text, label.ink);
    }
    // An angle's label near its arc, on the side away from the vertex.
    for (const Scene::AngleMark& mark : scene.angles) {
        const Point at = angleLabelPoint(mark, to);
        requests.push_back({mark.label, at, at, to(mark.vertex)});
        texts.emplace_back(mark.label, mark.ink);
    }
    const std::vector<Box> placed = placeLabels(requests, obstacles(scene, to), bounds.box, labelFont);
    for (const Box& box : placed) bounds.add(box);
    for (std::size_t i = 0; i < placed.size(); ++i) {
        const Point c = placed[i].centre();
        body.textElement("text",
                         {{"class", inkName(texts[i].second)},
                          {"x", body.number(c.x)},
                          {"y", body.number(c.y + 0.35 * labelFont)},
                          {"text-anchor", "middle"},
                          {"fill", inkColour(texts[i].second)}},
                         texts[i].first);
    }
    const double legendWidth = std::max(bounds.box.width(), 290.0);
    double y = bounds.box.bottom + 8;
    for (const std::vector<LegendItem>& row : scene.legend) {
        for (const std::vector<LegendItem>& line : wrapped(row, legendWidth, legendFont)) {
            y += legendLine;
            body.open("text", {{"x", body.number(bounds.box.left)},
                               {"y", body.number(y)},
                               {"font-size", body.number(legendFont)},
                               {"fill", inkColour(Ink::Edge)}});
            for (const LegendItem& item : line) {
                if (item.ink == Ink::Edge)
                    body.text(item.text);
                else
                    body.textElement("tspan", {{"class", inkName(item.ink)}, {"fill", inkColour(item.ink)}}, item.text);
            }
            body.close("text");
            bounds.add(Point{bounds.box.left + textWidth(line, legendFont), y + 4});
        }
    }

    const Box view{bounds.box.left - padding, bounds.box.top - padding, bounds.box.right + padding,
                   bounds.box.bottom + padding};
    SvgWriter svg(1);
    const std::string width = svg.number(std::ceil(view.width())), height = svg.number(std::ceil(view.height()));
    svg.open("svg", {{"xmlns", "http://www.w3.org/2000/svg"},
                     {"class", style.rootClass},
                     {"width", width},
                     {"height", height},
                     {"viewBox", svg.number(view.left) + " " + svg.number(view.top) + " " + width + " " + height},
                     {"role", "img"},
                     {"data-solid", style.solidKey},
                     {"font-family", "sans-serif"},
                     {"font-size", svg.number(labelFont)},
                     {"fill", "none"},
                     {"stroke-linecap", "round"},
                     {"stroke-linejoin", "round"}});
    svg.textElement("title", {}, style.title);
    if (style.stylesheet) {
        svg.open("style", {});
        svg.raw(figureCss());
        svg.close("style");
    }
    svg.element("rect", {{"class", "paper"},
                         {"x", svg.number(view.left)},
                         {"y", svg.number(view.top)},
                         {"width", width},
                         {"height", height},
                         {"fill", "#fff"}});
    svg.raw(body.take());
    svg.close("svg");
    return svg.take();
}

}  // namespace solver::drawing
