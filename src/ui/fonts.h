// SPDX-License-Identifier: MIT
#pragma once
// The window's fonts: "MS Sans Serif" as the window was designed for, 8.25 pt
// for everything, 12 pt bold for the two window buttons and 9.75 pt bold italic
// for the credit line.
//
// Linux has no such face. Wine's fonts carry a bitmap copy of it, but Qt draws
// that copy only in its one 13-pixel strike, regular: exactly the face at
// 8.25 points on a 96-dpi screen, and nothing else (no bold, no italic, no other
// size, no scaled screen). So that copy serves the standard font on an unscaled
// 96-dpi screen, and "Liberation Sans" stands in wherever it cannot.

#include <QFont>
#include <QString>

#include "layout.h"

namespace geometry::ui {

using layout::FontKind;

inline const QString designFace = QStringLiteral("MS Sans Serif");
inline const QString substituteFace = QStringLiteral("Liberation Sans");

// Whether "MS Sans Serif" is known, loading Wine's copy once if need be.
bool designFaceAvailable();

// The face the given kind of font is drawn in on the primary screen.
QString fontFamily(FontKind kind);

// The font of a control of the given kind.
QFont controlFont(FontKind kind);

}  // namespace geometry::ui
