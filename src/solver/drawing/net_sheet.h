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
    std::string withoutTabs;            // the instructions where some side has no room for a tab
    std::string angle;                  // the cone's sector: "216°"
};

// The net at the largest scale of 1, 1/2, 1/5, 1/10, … that fits A4 with
// margins, upright or sideways, as SVG.
NetSvg sheet(const Measures& measures, double unitMillimetres, const std::string& unitSymbol, const SheetText& text);

}  // namespace solver::drawing
