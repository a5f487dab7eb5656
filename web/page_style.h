// SPDX-License-Identifier: MIT
#pragma once
// The page's one stylesheet, written from the window description: what both
// layouts share, then the window as the desktop shows it (every control at its
// place, one CSS pixel per pixel) wherever it fits, then the page made for a
// phone below the window's width, then the edges that forced colours keep.
// The markup carries no style of its own: every place is a rule here.

#include <string>
#include <string_view>

#include "system_colours.h"

namespace geometry::web {

std::string cssColour(layout::Rgb colour);  // "#ffc080"

// The text in double quotes, a quote or backslash in it escaped: a string of
// CSS or of JSON, for the captions (which hold no control characters).
std::string quotedString(std::string_view text);

// The width below which the page is laid out for a phone: the window's own.
int windowWidthPixels();

std::string styleSheet();

}  // namespace geometry::web
