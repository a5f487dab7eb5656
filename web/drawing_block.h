// SPDX-License-Identifier: MIT
#pragma once
// The drawings under a solution, on both pages: the figure of the solved
// solid, and the net a tap away („Развивка“, a disclosure) with „Печат на
// развивката“, which prints the net alone on A4 at its scale. The core writes
// the SVG (web/task_drawings.h); web/drawings.js puts it in place.

#include <ostream>
#include <string>
#include <string_view>

namespace geometry::web {

// The block's markup: `id` on its element where it is one of a kind, none in
// a template; `label` names the figure's place for a screen reader.
void writeDrawingBlock(std::ostream& html, std::string_view id, std::string_view label);

// The block's rules on screen, the drawings' own among them: the pages keep
// one stylesheet each, named by its hash.
std::string drawingBlockRules();

// Its rules on paper: everything but the net being printed hidden, the net
// at its true size on A4 upright or sideways, 10 mm margins.
std::string drawingPrintRules();

}  // namespace geometry::web
