// SPDX-License-Identifier: MIT
#pragma once
// How a figure picture is drawn from its vector artwork: at its natural size
// times the device pixel ratio, on a transparent background. The window's
// pictures at 100 % are drawn so when the program is built
// (tools/picture_pixels.cpp) and only copied at start-up; other scales draw
// them so when first shown.

#include <QImage>
#include <QSize>
#include <QString>

namespace geometry::ui {

// `resource`: ":/pictures/Image1.svg" (or a file); `naturalSize` in
// device-independent pixels. Premultiplied ARGB, with the ratio set.
QImage renderPicture(const QString& resource, QSize naturalSize, qreal devicePixelRatio);

// The picture as drawn when the program was built, at a ratio of 1; a null
// image where there is none of that resource and size.
QImage prerenderedPicture(const QString& resource, QSize naturalSize);

}  // namespace geometry::ui
