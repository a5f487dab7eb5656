// SPDX-License-Identifier: MIT
#include "fonts.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>

namespace geometry::ui {
namespace {

const QString wineCopy = QStringLiteral("/usr/share/wine/fonts/ms_sans_serif.ttf");

bool findOrLoadDesignFace() {
    // The families as the database lists them: hasFamily() would first ask
    // fontconfig what the name stands for, a tenth of the window's start.
    if (QFontDatabase::families().contains(designFace)) return true;
    const int id = QFontDatabase::addApplicationFont(wineCopy);
    return id >= 0 && QFontDatabase::applicationFontFamilies(id).contains(designFace);
}

// A bitmap face draws at 8.25 points only as its 13-pixel strike, which needs a
// 96-dpi screen at one device pixel per pixel.
bool unscaledScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen && qFuzzyCompare(screen->devicePixelRatio(), 1.0) &&
           qRound(screen->logicalDotsPerInch()) == 96;
}

bool drawsDesignFace(FontKind kind) {
    if (!designFaceAvailable()) return false;
    if (QFontDatabase::isSmoothlyScalable(designFace)) return true;  // a real outline copy
    return kind == FontKind::Standard && unscaledScreen();
}

}  // namespace

bool designFaceAvailable() {
    static const bool available = findOrLoadDesignFace();
    return available;
}

QString fontFamily(FontKind kind) { return drawsDesignFace(kind) ? designFace : substituteFace; }

QFont controlFont(FontKind kind) {
    QFont font(fontFamily(kind));
    switch (kind) {
    case FontKind::Standard:
        font.setPointSizeF(8.25);
        // Liberation Sans is wider than the face the labels were measured for:
        // "радиус=" and "ръб=" would run a pixel under their fields. Narrowed
        // this much, every caption fits and the face reads the same.
        if (font.family() == substituteFace) font.setStretch(94);
        break;
    case FontKind::LargeBold:
        font.setPointSizeF(12.0);
        font.setBold(true);
        break;
    case FontKind::CreditItalic:
        font.setPointSizeF(9.75);
        font.setBold(true);
        font.setItalic(true);
        break;
    }
    return font;
}

}  // namespace geometry::ui
