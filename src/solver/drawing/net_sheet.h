// SPDX-License-Identifier: MIT
#pragma once
// The net on its sheet: the scale that fits A4, the heading that says what it
// is and at what scale, the faces' names inside them, and the SVG.

#include <string>
#include <vector>

#include "drawing.h"
#include "net_shape.h"

namespace solver::drawing {

struct SheetText {
    std::string title;                  // "Развивка на конуса"
    std::vector<std::string> measures;  // "r = 3 cm", "l = 5 cm", "α = 360°·r : l = 216°"
    std::string unitNote;               // where the task had no unit
    std::string instructions;
    std::string withoutTabs;  // the instructions where some side has no room for a tab
    std::string angle;        // the cone's sector: "α = 216°"
};

// A line of the heading above the net.
struct HeadingLine {
    std::string text;
    double size;  // mm
    bool bold;
};

// The net placed on its sheet.
struct SheetLayout {
    NetShape net;
    std::vector<HeadingLine> heading;
    double width = 0, height = 0;  // the sheet
    bool landscape = false;
    double scale = 1;
};

inline constexpr double sheetPadding = 2;    // mm round the sheet's content
inline constexpr double lineSpacing = 1.35;  // of a heading line's font size

// The sheet as SVG: faces, tabs, fold and cut lines, the faces' names, the heading.
std::string sheetSvg(const SheetLayout& layout, const std::string& unitSymbol, const SheetText& text, bool stylesheet);

// The net at the largest scale of 1, 1/2, 1/5, 1/10, … that fits A4 with
// margins, upright or sideways, as SVG.
NetSvg sheet(const Measures& measures, double unitMillimetres, const std::string& unitSymbol, const SheetText& text,
             bool stylesheet);

}  // namespace solver::drawing
