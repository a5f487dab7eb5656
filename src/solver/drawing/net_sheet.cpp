// SPDX-License-Identifier: MIT
#include "net_sheet.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "labels.h"
#include "svg_writer.h"

namespace solver::drawing {
namespace {

// A4 less 10 mm margins on every side, and the sheet's own padding inside.
constexpr double printableShort = 190, printableLong = 277;
constexpr double padding = 2, headingGap = 3, tabWidth = 6;
constexpr double lineSpacing = 1.35;  // of a heading line's font size
constexpr long long largestDenominator = 1'000'000'000;

struct HeadingLine {
    std::string text;
    double size;  // mm
    bool bold;
};

std::vector<HeadingLine> heading(const SheetText& text, const std::string& scale, bool untabbed, double width) {
    std::vector<HeadingLine> lines;
    auto add = [&](const std::string& content, double size, bool bold) {
        for (const auto& line : wrapped({{content}}, width, size))
            if (!line.empty()) lines.push_back({line.front().text, size, bold});
    };
    add(text.title, 4.5, true);
    std::string measures;
    for (const std::string& m : text.measures) measures += (measures.empty() ? "" : ", ") + m;
    add(measures, 3.5, false);
    add(scale + (text.unitNote.empty() ? "" : " " + text.unitNote), 3.5, true);
    add(untabbed ? text.withoutTabs : text.instructions, 3, false);
    return lines;
}

double headingHeight(const std::vector<HeadingLine>& lines) {
    double height = 0;
    for (const HeadingLine& line : lines) height += lineSpacing * line.size;
    return height;
}

double headingWidth(const std::vector<HeadingLine>& lines) {
    double width = 0;
    for (const HeadingLine& line : lines) width = std::max(width, textWidth(line.text, line.size));
    return width;
}

Box boundsOf(const NetShape& net) {
    Bounds bounds;
    for (const NetFace& face : net.faces)
        for (Point p : outline(face)) bounds.add(p);
    for (const Polygon& tab : net.tabs)
        for (Point p : tab) bounds.add(p);
    return bounds.box;
}

struct Layout {
    NetShape net;
    std::vector<HeadingLine> heading;
    double width = 0, height = 0;  // the sheet
    bool landscape = false;
    double scale = 1;
};

void moveBy(NetShape& net, Point offset) {
    for (NetFace& face : net.faces) {
        for (Point& p : face.corners) p = p + offset;
        face.centre = face.centre + offset;
    }
    for (Polygon& tab : net.tabs)
        for (Point& p : tab) p = p + offset;
    for (auto* lines : {&net.folds, &net.cuts})
        for (auto& [a, b] : *lines) a = a + offset, b = b + offset;
}

std::optional<Layout> laidOut(const Measures& m, double mmPerUnit, long long denominator, const SheetText& text) {
    const double scale = 1.0 / double(denominator);
    NetShape net = netShape(m, mmPerUnit * scale);
    finish(net, tabWidth);
    const Box box = boundsOf(net);
    for (bool landscape : {false, true}) {
        const double width = landscape ? printableLong : printableShort;
        const double height = landscape ? printableShort : printableLong;
        const std::vector<HeadingLine> lines =
            heading(text, "Мащаб 1:" + std::to_string(denominator), net.untabbed > 0, width - 2 * padding);
        const double contentWidth = std::max(box.width(), headingWidth(lines));
        const double contentHeight = headingHeight(lines) + headingGap + box.height();
        if (contentWidth + 2 * padding > width || contentHeight + 2 * padding > height) continue;
        Layout layout{std::move(net), lines, contentWidth + 2 * padding, contentHeight + 2 * padding, landscape, scale};
        moveBy(layout.net, Point{padding + (contentWidth - box.width()) / 2 - box.left,
                                 padding + headingHeight(lines) + headingGap - box.top});
        return layout;
    }
    return std::nullopt;
}

bool insideFace(const NetFace& face, Point p) {
    for (const Polygon& piece : convexPieces(face)) {
        bool inside = true;
        const double orientation = signedArea(piece) > 0 ? 1 : -1;
        for (std::size_t i = 0; i < piece.size() && inside; ++i)
            inside = orientation * cross(piece[(i + 1) % piece.size()] - piece[i], p - piece[i]) > 0;
        if (inside) return true;
    }
    return false;
}

Point labelPoint(const NetFace& face) {
    if (face.shape == NetFace::Shape::Circle) return face.centre;
    if (face.shape == NetFace::Shape::Sector) return sectorPoint(face, face.from + face.sweep / 2) - 0.38 * face.radius * unit(sectorPoint(face, face.from + face.sweep / 2) - face.centre);
    if (face.corners.size() == 3) {  // the incentre: the most room in a triangle
        const Point a = face.corners[0], b = face.corners[1], c = face.corners[2];
        const double la = length(b - c), lb = length(c - a), lc = length(a - b);
        return (1 / (la + lb + lc)) * (la * a + lb * b + lc * c);
    }
    return centroid(face.corners);
}

struct FaceLabel {
    std::vector<std::string> lines;
    double size = 3;
    bool turned = false;  // written upwards, along a tall face
};

// The largest of the label's sizes, on one line or two, across or along,
// that fits inside the face.
FaceLabel fittedLabel(const NetFace& face, Point at) {
    std::vector<std::vector<std::string>> forms{{face.label}};
    const std::size_t blank = face.label.find(' ');
    if (blank != std::string::npos) forms.push_back({face.label.substr(0, blank), face.label.substr(blank + 1)});
    for (double size : {4.0, 3.5, 3.0, 2.5})
        for (const auto& lines : forms)
            for (bool turned : {false, true}) {
                double w = 0;
                for (const std::string& line : lines) w = std::max(w, textWidth(line, size));
                const double h = 1.25 * size * double(lines.size());
                const double across = (turned ? h : w) / 2 + 0.8, down = (turned ? w : h) / 2 + 0.8;
                bool fits = true;
                for (Point corner : {Point{-across, -down}, Point{across, -down}, Point{across, down}, Point{-across, down}})
                    fits = fits && insideFace(face, at + corner);
                if (fits) return {lines, size, turned};
            }
    return {forms.back(), 2.5, false};
}

void writeLabel(SvgWriter& w, const FaceLabel& label, Point at) {
    const double lineHeight = 1.25 * label.size;
    const double first = -lineHeight * (double(label.lines.size()) - 1) / 2;
    const std::string rotation =
        label.turned ? "rotate(-90 " + w.number(at.x) + " " + w.number(at.y) + ")" : std::string();
    for (std::size_t i = 0; i < label.lines.size(); ++i) {
        const double y = at.y + first + lineHeight * double(i) + 0.35 * label.size;
        if (label.turned)
            w.textElement("text", {{"x", w.number(at.x)}, {"y", w.number(y)}, {"font-size", w.number(label.size)},
                                   {"transform", rotation}}, label.lines[i]);
        else
            w.textElement("text", {{"x", w.number(at.x)}, {"y", w.number(y)}, {"font-size", w.number(label.size)}},
                          label.lines[i]);
    }
}

PathData& sectorArc(PathData& d, const NetFace& face) {
    return d.arcTo(face.radius, face.radius, face.sweep > std::numbers::pi, true,
                   sectorPoint(face, face.from + face.sweep));
}

void writeFace(SvgWriter& w, const NetFace& face) {
    const std::string fill = "#f3f6fb";
    switch (face.shape) {
    case NetFace::Shape::Polygon:
        w.element("polygon", {{"class", "face"}, {"data-face", face.role}, {"points", w.points(face.corners)}, {"fill", fill}});
        break;
    case NetFace::Shape::Rectangle: {
        const Box box{face.corners[0].x, face.corners[0].y, face.corners[2].x, face.corners[2].y};
        w.element("rect", {{"class", "face"}, {"data-face", face.role}, {"x", w.number(box.left)}, {"y", w.number(box.top)},
                           {"width", w.number(box.width())}, {"height", w.number(box.height())}, {"fill", fill}});
        break;
    }
    case NetFace::Shape::Circle:
        w.element("circle", {{"class", "face cut"}, {"data-face", face.role}, {"cx", w.number(face.centre.x)},
                             {"cy", w.number(face.centre.y)}, {"r", w.number(face.radius)}, {"fill", fill},
                             {"stroke", "#000"}, {"stroke-width", "0.3"}});
        break;
    case NetFace::Shape::Sector: {
        PathData d(w);
        d.moveTo(face.centre).lineTo(sectorPoint(face, face.from));
        sectorArc(d, face).close();
        w.element("path", {{"class", "face"}, {"data-face", face.role}, {"d", d.text()}, {"fill", fill}});
        break;
    }
    }
}

void writeLines(SvgWriter& w, const Layout& layout) {
    PathData cuts(w), folds(w);
    for (const auto& [a, b] : layout.net.cuts) cuts.moveTo(a).lineTo(b);
    for (const NetFace& face : layout.net.faces)
        if (face.shape == NetFace::Shape::Sector) sectorArc(cuts.moveTo(sectorPoint(face, face.from)), face);
    for (const auto& [a, b] : layout.net.folds) folds.moveTo(a).lineTo(b);
    if (!layout.net.folds.empty())
        w.element("path", {{"class", "fold"}, {"d", folds.text()}, {"stroke", "#000"}, {"stroke-width", "0.25"},
                           {"stroke-dasharray", "2 1.5"}});
    if (!cuts.text().empty())
        w.element("path", {{"class", "cut"}, {"d", cuts.text()}, {"stroke", "#000"}, {"stroke-width", "0.3"}});
}

// The cone's sector: an arc at its corner and the angle written beside it.
void writeAngle(SvgWriter& w, const Layout& layout, const std::string& angle) {
    for (const NetFace& face : layout.net.faces) {
        if (face.shape != NetFace::Shape::Sector || angle.empty()) continue;
        NetFace mark = face;
        mark.radius = layout.net.sectorAngleMark;
        PathData d(w);
        sectorArc(d.moveTo(sectorPoint(mark, mark.from)), mark);
        w.element("path", {{"class", "mark"}, {"d", d.text()}, {"stroke", "#000"}, {"stroke-width", "0.25"}});
        const Point down = unit(sectorPoint(face, face.from + face.sweep / 2) - face.centre);
        const Point at = face.centre + (mark.radius + 4.5) * down;
        w.textElement("text", {{"x", w.number(at.x)}, {"y", w.number(at.y + 1.2)}, {"font-size", "3.5"}, {"fill", "#000"},
                               {"text-anchor", "middle"}}, angle);
    }
}

constexpr std::string_view netStyle =
    "\n@media (forced-colors:active){.stereometry-net{forced-color-adjust:none}"
    ".stereometry-net .paper,.stereometry-net .face{fill:Canvas}"
    ".stereometry-net .cut,.stereometry-net .fold,.stereometry-net .mark{stroke:CanvasText}"
    ".stereometry-net .tab{fill:GrayText}.stereometry-net text{fill:CanvasText}}\n";

std::string svgOf(const Layout& layout, const std::string& unitSymbol, const SheetText& text) {
    SvgWriter w(3);
    const std::string width = w.number(layout.width), height = w.number(layout.height);
    w.open("svg", {{"xmlns", "http://www.w3.org/2000/svg"}, {"class", "stereometry-net"}, {"width", width + "mm"},
                   {"height", height + "mm"}, {"viewBox", "0 0 " + width + " " + height}, {"role", "img"},
                   {"data-scale", SvgWriter(12).number(layout.scale)}, {"data-unit", unitSymbol}, {"font-family", "sans-serif"},
                   {"fill", "none"}, {"stroke-linejoin", "round"}});
    w.textElement("title", {}, text.title);
    w.open("style", {});
    w.raw(netStyle);
    w.close("style");
    w.element("rect", {{"class", "paper"}, {"width", width}, {"height", height}, {"fill", "#fff"}});
    for (const Polygon& tab : layout.net.tabs)
        w.element("polygon", {{"class", "tab"}, {"points", w.points(tab)}, {"fill", "#d4d4d4"}});
    for (const NetFace& face : layout.net.faces) writeFace(w, face);
    writeLines(w, layout);
    writeAngle(w, layout, text.angle);
    w.open("g", {{"class", "labels"}, {"fill", "#000"}, {"text-anchor", "middle"}});
    for (const NetFace& face : layout.net.faces) writeLabel(w, fittedLabel(face, labelPoint(face)), labelPoint(face));
    w.close("g");
    double y = padding;
    for (const HeadingLine& line : layout.heading) {
        y += lineSpacing * line.size;
        w.textElement("text", {{"x", w.number(padding)}, {"y", w.number(y - 0.4 * line.size)},
                               {"font-size", w.number(line.size)}, {"fill", "#000"},
                               {"font-weight", line.bold ? "bold" : "normal"}}, line.text);
    }
    w.close("svg");
    return w.take();
}

}  // namespace

NetSvg sheet(const Measures& measures, double unitMillimetres, const std::string& unitSymbol, const SheetText& text) {
    if (netShape(measures, 1).faces.empty()) return {};
    // 1:1, 1:2, 1:5, 1:10, 1:20, …
    for (long long decade = 1; decade <= largestDenominator; decade *= 10)
        for (long long step : {1, 2, 5}) {
            if (const std::optional<Layout> layout = laidOut(measures, unitMillimetres, step * decade, text))
                return {svgOf(*layout, unitSymbol, text), "", layout->scale, layout->width, layout->height,
                        layout->landscape};
        }
    return {};
}

}  // namespace solver::drawing
