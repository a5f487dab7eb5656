// SPDX-License-Identifier: MIT
#pragma once
// The page's one stylesheet, written from the window description: what both
// layouts share, then the window as the desktop shows it (every control at its
// place, one CSS pixel per pixel) where it fits and the pointer is a mouse's,
// then the page made for fingers on every touch screen and below the window's
// width (one column, cards side by side on a tablet), then the printout, then
// the edges that forced colours keep. The markup carries no style of its own:
// every place is a rule here.

#include <string>
#include <string_view>

#include "system_colours.h"

namespace geometry::web {

std::string cssColour(layout::Rgb colour);  // "#ffc080"

// The text in double quotes, a quote or backslash in it escaped: a string of
// CSS or of JSON, for the captions (which hold no control characters).
std::string quotedString(std::string_view text);

// Where the window is shown as the desktop shows it: a screen as wide as the
// window whose primary pointer is fine (a mouse, a touchpad) or none.
std::string windowLayoutQuery();

// Where the page is laid out for fingers: a touch screen of any width, any
// screen narrower than the window, and paper.
std::string touchLayoutQuery();

std::string styleSheet();

}  // namespace geometry::web
