// SPDX-License-Identifier: MIT
#include "placement.h"

#include <algorithm>

namespace geometry::ui {

QRect placeOnScreen(const QRect& designed, const QMargins& frame, const QRect& available) {
    QRect client = designed;
    const QRect whole = designed.marginsAdded(frame);
    client.translate(std::min(0, available.right() - whole.right()), std::min(0, available.bottom() - whole.bottom()));
    const QRect moved = client.marginsAdded(frame);
    client.translate(std::max(0, available.left() - moved.left()), std::max(0, available.top() - moved.top()));
    return client;
}

}  // namespace geometry::ui
