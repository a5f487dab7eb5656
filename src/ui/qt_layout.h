// SPDX-License-Identifier: MIT
#pragma once
// The window description in Qt's terms: texts, colours, places and pictures.

#include <string_view>

#include <QColor>
#include <QRect>
#include <QString>

#include "layout.h"

namespace geometry::ui {

inline QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

inline QColor toQColor(layout::Rgb colour) { return {colour.red, colour.green, colour.blue}; }

inline QColor roleColour(layout::SystemColour role) { return toQColor(layout::systemColour(role)); }

// A control's place in pixels at 96 dpi (device-independent pixels when scaled).
inline QRect pixelRect(const layout::ControlRow& row) {
    using layout::twipsToPixels;
    return {twipsToPixels(row.left), twipsToPixels(row.top), twipsToPixels(row.width),
            twipsToPixels(row.height)};
}

// Where a picture's artwork lives: ":/pictures/Image5.svg".
inline QString pictureResource(const layout::ControlRow& row) {
    return QStringLiteral(":/pictures/") + fromUtf8(row.name) + QStringLiteral(".svg");
}

}  // namespace geometry::ui
