// SPDX-License-Identifier: MIT
#pragma once
// The page's one stylesheet, written from the window description: what both
// layouts share, then the window as the desktop shows it (every control at its
// place, one CSS pixel per pixel) wherever it fits, then the page made for a
// phone below the window's width, then the edges that forced colours keep.
// The markup carries no style of its own: every place is a rule here.

#include <string>

namespace geometry::web {

// The width below which the page is laid out for a phone: the window's own.
int windowWidthPixels();

std::string styleSheet();

}  // namespace geometry::web
