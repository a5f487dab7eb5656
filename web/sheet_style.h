// SPDX-License-Identifier: MIT
#pragma once
// The worksheet page's one stylesheet: a phone first (one column, every field
// and button at least 44 pixels, 16-pixel text in the fields), the light and
// the dark scheme, forced colours, and paper: the sheet on A4 with its title,
// a line for the student's name, each task whole on its page with room to
// work, and the answer key from a page of its own; nothing to tap.

#include <string>

namespace geometry::web {

std::string sheetStyleSheet();

}  // namespace geometry::web
