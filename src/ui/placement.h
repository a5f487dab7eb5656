// SPDX-License-Identifier: MIT
#pragma once
// Where the window opens: its client area at its designed place (347, 141)
// wherever the whole window, frame included, fits the screen's available area.
// On a smaller screen (a 1366 x 768 laptop: the window is 650 pixels high) it
// moves up and left just enough to fit, so that its bottom row of buttons shows;
// on a screen smaller than the window its top-left corner, title bar included,
// stays in the area.

#include <QMargins>
#include <QRect>

namespace geometry::ui {

// `designed`: the client area's designed place and size; `frame`: the frame's
// width on each side (none before the window manager has framed the window).
QRect placeOnScreen(const QRect& designed, const QMargins& frame, const QRect& available);

}  // namespace geometry::ui
