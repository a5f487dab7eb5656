// SPDX-License-Identifier: MIT
#include "net_sheet.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "labels.h"

namespace solver::drawing {
namespace {

// A4 less 10 mm margins on every side.
constexpr double printableShort = 190, printableLong = 277;
constexpr double headingGap = 3, tabWidth = 6;
constexpr long long largestDenominator = 1'000'000'000;

std::vector<HeadingLine> heading(const SheetText& text, const std::string& scale, bool untabbed, double width) {
    std::vector<HeadingLine> lines;
    auto add = [&](const std::string& content, double size, bool bold) {
        for (const auto& line : wrapped({{content}}, bold ? width / 1.1 : width, size))
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
    for (const HeadingLine& line : lines)
        width = std::max(width, textWidth(line.text, line.size) * (line.bold ? 1.1 : 1));
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

std::optional<SheetLayout> laidOut(const Measures& m, double mmPerUnit, long long denominator, const SheetText& text) {
    const double scale = 1.0 / double(denominator);
    NetShape net = netShape(m, mmPerUnit * scale);
    // The faces alone too large for the sheet either way: no need for tabs.
    const Box faces = boundsOf(net);
    if (std::min(faces.width(), faces.height()) > printableShort ||
        std::max(faces.width(), faces.height()) > printableLong)
        return std::nullopt;
    finish(net, tabWidth);
    const Box box = boundsOf(net);
    for (bool landscape : {false, true}) {
        const double width = landscape ? printableLong : printableShort;
        const double height = landscape ? printableShort : printableLong;
        const std::vector<HeadingLine> lines =
            heading(text, "Мащаб 1:" + std::to_string(denominator), net.untabbed > 0, width - 2 * sheetPadding);
        const double contentWidth = std::max(box.width(), headingWidth(lines));
        const double contentHeight = headingHeight(lines) + headingGap + box.height();
        if (contentWidth + 2 * sheetPadding > width || contentHeight + 2 * sheetPadding > height) continue;
        SheetLayout layout{std::move(net), lines, contentWidth + 2 * sheetPadding, contentHeight + 2 * sheetPadding,
                           landscape,      scale};
        moveBy(layout.net, Point{sheetPadding + (contentWidth - box.width()) / 2 - box.left,
                                 sheetPadding + headingHeight(lines) + headingGap - box.top});
        return layout;
    }
    return std::nullopt;
}

}  // namespace

NetSvg sheet(const Measures& measures, double unitMillimetres, const std::string& unitSymbol, const SheetText& text,
             bool stylesheet) {
    if (netShape(measures, 1).faces.empty()) return {};
    // 1:1, 1:2, 1:5, 1:10, 1:20, …
    for (long long decade = 1; decade <= largestDenominator; decade *= 10)
        for (long long step : {1, 2, 5}) {
            if (const std::optional<SheetLayout> layout = laidOut(measures, unitMillimetres, step * decade, text))
                return {sheetSvg(*layout, unitSymbol, text, stylesheet),
                        "",
                        layout->scale,
                        layout->width,
                        layout->height,
                        layout->landscape};
        }
    return {};
}

}  // namespace solver::drawing
