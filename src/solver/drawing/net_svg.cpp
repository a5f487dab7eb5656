// SPDX-License-Identifier: MIT
// The net's sheet written as SVG: each face one element with data-face, the
// glue tabs, fold lines dashed and cut lines solid, each face's name fitted
// inside it, the cone's sector angle, and the heading.
#include <algorithm>
#include <numbers>

#include "labels.h"
#include "net_sheet.h"
#include "style.h"
#include "svg_writer.h"

namespace solver::drawing {
namespace {

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
    if (face.shape == NetFace::Shape::Sector)
        return sectorPoint(face, face.from + face.sweep / 2) -
               0.38 * face.radius * unit(sectorPoint(face, face.from + face.sweep / 2) - face.centre);
    if (face.shape == NetFace::Shape::RingSector) {
        const double middle = face.from + face.sweep / 2, between = (face.radius + face.inner) / 2;
        return face.centre + between * Point{std::cos(middle), std::sin(middle)};
    }
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
                for (Point corner :
                     {Point{-across, -down}, Point{across, -down}, Point{across, down}, Point{-across, down}})
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
            w.textElement("text",
                          {{"x", w.number(at.x)},
                           {"y", w.number(y)},
                           {"font-size", w.number(label.size)},
                           {"transform", rotation}},
                          label.lines[i]);
        else
            w.textElement("text", {{"x", w.number(at.x)}, {"y", w.number(y)}, {"font-size", w.number(label.size)}},
                          label.lines[i]);
    }
}

PathData& sectorArc(PathData& d, const NetFace& face) {
    return d.arcTo(face.radius, face.radius, face.sweep > std::numbers::pi, true,
                   sectorPoint(face, face.from + face.sweep));
}

// A ring sector's inner arc, back from its end to its start.
PathData& innerArc(PathData& d, const NetFace& face) {
    return d.arcTo(face.inner, face.inner, face.sweep > std::numbers::pi, false, innerPoint(face, face.from));
}

void writeFace(SvgWriter& w, const NetFace& face) {
    const std::string fill = "#f3f6fb";
    switch (face.shape) {
        case NetFace::Shape::Polygon:
            w.element(
                "polygon",
                {{"class", "face"}, {"data-face", face.role}, {"points", w.points(face.corners)}, {"fill", fill}});
            break;
        case NetFace::Shape::Rectangle: {
            const Box box{face.corners[0].x, face.corners[0].y, face.corners[2].x, face.corners[2].y};
            w.element("rect", {{"class", "face"},
                               {"data-face", face.role},
                               {"x", w.number(box.left)},
                               {"y", w.number(box.top)},
                               {"width", w.number(box.width())},
                               {"height", w.number(box.height())},
                               {"fill", fill}});
            break;
        }
        case NetFace::Shape::Circle:
            w.element("circle", {{"class", "face cut"},
                                 {"data-face", face.role},
                                 {"cx", w.number(face.centre.x)},
                                 {"cy", w.number(face.centre.y)},
                                 {"r", w.number(face.radius)},
                                 {"fill", fill},
                                 {"stroke", "#000"},
                                 {"stroke-width", "0.3"}});
            break;
        case NetFace::Shape::Sector: {
            PathData d(w);
            d.moveTo(face.centre).lineTo(sectorPoint(face, face.from));
            sectorArc(d, face).close();
            w.element("path", {{"class", "face"}, {"data-face", face.role}, {"d", d.text()}, {"fill", fill}});
            break;
        }
        case NetFace::Shape::RingSector: {
            PathData d(w);
            sectorArc(d.moveTo(sectorPoint(face, face.from)), face).lineTo(innerPoint(face, face.from + face.sweep));
            innerArc(d, face).close();
            w.element("path", {{"class", "face"}, {"data-face", face.role}, {"d", d.text()}, {"fill", fill}});
            break;
        }
    }
}

void writeLines(SvgWriter& w, const SheetLayout& layout) {
    PathData cuts(w), folds(w);
    for (const auto& [a, b] : layout.net.cuts) cuts.moveTo(a).lineTo(b);
    for (const NetFace& face : layout.net.faces)
        if (face.shape == NetFace::Shape::Sector || face.shape == NetFace::Shape::RingSector)
            sectorArc(cuts.moveTo(sectorPoint(face, face.from)), face);
    for (const NetFace& face : layout.net.faces)
        if (face.shape == NetFace::Shape::RingSector)
            innerArc(cuts.moveTo(innerPoint(face, face.from + face.sweep)), face);
    for (const auto& [a, b] : layout.net.folds) folds.moveTo(a).lineTo(b);
    if (!layout.net.folds.empty())
        w.element("path", {{"class", "fold"},
                           {"d", folds.text()},
                           {"stroke", "#000"},
                           {"stroke-width", "0.25"},
                           {"stroke-dasharray", "2 1.5"}});
    if (!cuts.text().empty())
        w.element("path", {{"class", "cut"}, {"d", cuts.text()}, {"stroke", "#000"}, {"stroke-width", "0.3"}});
}

// The net's lines a label must keep clear of: every face's outline, the
// tabs, the fold and cut lines, and the box of each face's own label.
struct Clearance {
    std::vector<std::pair<Point, Point>> lines;
    std::vector<Box> labels;

    void polygon(const Polygon& points) {
        for (std::size_t i = 0; i < points.size(); ++i) lines.push_back({points[i], points[(i + 1) % points.size()]});
    }
    bool clear(const Box& box) const {
        for (const auto& [a, b] : lines)
            if (segmentCrosses(a, b, box)) return false;
        for (const Box& label : labels)
            if (box.overlaps(label, 0.5)) return false;
        return true;
    }
};

Clearance clearanceOf(const SheetLayout& layout) {
    Clearance clearance;
    for (const NetFace& face : layout.net.faces) {
        clearance.polygon(outline(face));
        const FaceLabel label = fittedLabel(face, labelPoint(face));
        double width = 0;
        for (const std::string& line : label.lines) width = std::max(width, textWidth(line, label.size));
        const double height = 1.25 * label.size * double(label.lines.size());
        const double across = (label.turned ? height : width) / 2, down = (label.turned ? width : height) / 2;
        const Point at = labelPoint(face);
        clearance.labels.push_back({at.x - across, at.y - down, at.x + across, at.y + down});
    }
    for (const Polygon& tab : layout.net.tabs) clearance.polygon(tab);
    for (const auto& line : layout.net.folds) clearance.lines.push_back(line);
    for (const auto& line : layout.net.cuts) clearance.lines.push_back(line);
    return clearance;
}

// The cone's sector: an arc at its corner and the angle written beside it, on
// the sector's middle line as near the arc as its width leaves both straight
// sides clear; where the sector is too narrow for it anywhere (α ≈ 29,9°),
// beyond the corner, outside the net. Never on a cut or fold line.
void writeAngle(SvgWriter& w, const SheetLayout& layout, const std::string& angle) {
    constexpr double size = 3.5;
    for (const NetFace& face : layout.net.faces) {
        if (face.shape != NetFace::Shape::Sector || angle.empty()) continue;
        NetFace mark = face;
        mark.radius = layout.net.sectorAngleMark;
        PathData d(w);
        sectorArc(d.moveTo(sectorPoint(mark, mark.from)), mark);
        w.element("path", {{"class", "mark"}, {"d", d.text()}, {"stroke", "#000"}, {"stroke-width", "0.25"}});
        Clearance clearance = clearanceOf(layout);
        const Polygon markArc = outline(mark);
        for (std::size_t i = 1; i + 1 < markArc.size(); ++i) clearance.lines.push_back({markArc[i], markArc[i + 1]});
        const double halfWidth = textWidth(angle, size) / 2 + 0.6, halfHeight = 1.15 * size / 2 + 0.3;
        const auto boxAt = [&](Point c) { return Box{c.x - halfWidth, c.y - halfHeight, c.x + halfWidth, c.y + halfHeight}; };
        const Point down = unit(sectorPoint(face, face.from + face.sweep / 2) - face.centre);
        Point at = face.centre + (mark.radius + 4.5) * down;
        bool placed = false;
        for (double distance = mark.radius + 2; distance + halfHeight < face.radius && !placed; distance += 0.5)
            if (clearance.clear(boxAt(face.centre + distance * down))) at = face.centre + distance * down, placed = true;
        for (double distance = 1; distance < 80 && !placed; distance += 0.5)
            if (clearance.clear(boxAt(face.centre - distance * down))) at = face.centre - distance * down, placed = true;
        w.textElement("text",
                      {{"class", "angle"},
                       {"x", w.number(at.x)},
                       {"y", w.number(at.y + 0.35 * size)},
                       {"font-size", w.number(size)},
                       {"fill", "#000"},
                       {"text-anchor", "middle"}},
                      angle);
    }
}

}  // namespace

std::string sheetSvg(const SheetLayout& layout, const std::string& unitSymbol, const SheetText& text, bool stylesheet) {
    SvgWriter w(3);
    const std::string width = w.number(layout.width), height = w.number(layout.height);
    w.open("svg", {{"xmlns", "http://www.w3.org/2000/svg"},
                   {"class", "stereometry-net"},
                   {"width", width + "mm"},
                   {"height", height + "mm"},
                   {"viewBox", "0 0 " + width + " " + height},
                   {"role", "img"},
                   {"data-scale", SvgWriter(12).number(layout.scale)},
                   {"data-unit", unitSymbol},
                   {"font-family", "sans-serif"},
                   {"fill", "none"},
                   {"stroke-linejoin", "round"}});
    w.textElement("title", {}, text.title);
    if (stylesheet) {
        w.open("style", {});
        w.raw(netCss());
        w.close("style");
    }
    w.element("rect", {{"class", "paper"}, {"width", width}, {"height", height}, {"fill", "#fff"}});
    for (const Polygon& tab : layout.net.tabs)
        w.element("polygon", {{"class", "tab"}, {"points", w.points(tab)}, {"fill", "#d4d4d4"}});
    for (const NetFace& face : layout.net.faces) writeFace(w, face);
    writeLines(w, layout);
    writeAngle(w, layout, text.angle);
    w.open("g", {{"class", "labels"}, {"fill", "#000"}, {"text-anchor", "middle"}});
    for (const NetFace& face : layout.net.faces) writeLabel(w, fittedLabel(face, labelPoint(face)), labelPoint(face));
    w.close("g");
    double y = sheetPadding;
    for (const HeadingLine& line : layout.heading) {
        y += lineSpacing * line.size;
        w.textElement("text",
                      {{"x", w.number(sheetPadding)},
                       {"y", w.number(y - 0.4 * line.size)},
                       {"font-size", w.number(line.size)},
                       {"fill", "#000"},
                       {"font-weight", line.bold ? "bold" : "normal"}},
                      line.text);
    }
    w.close("svg");
    return w.take();
}

}  // namespace solver::drawing
