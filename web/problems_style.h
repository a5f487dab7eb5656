// SPDX-License-Identifier: MIT
#pragma once
// The problems page's one stylesheet: made for a phone first (one column, the
// eight solids in two columns of four, every field and button at least 44
// pixels, 16-pixel text in the fields), two columns where the screen is wide,
// the light and the dark scheme, forced colours, and paper (the task, its
// solutions and steps). The markup carries no style of its own.

#include <string>
#include <string_view>

namespace geometry::web {

// The colour of the browser's bar around the page, light or dark.
std::string_view themeColour(bool dark);
// Each scheme's colours as custom properties ("--page:#fff6ec;…"), for the
// site's other pages.
std::string_view schemeColours(bool dark);

std::string problemsStyleSheet();

}  // namespace geometry::web
