// SPDX-License-Identifier: MIT
#pragma once
// What a result field shows when its number is wider than the field, checked at
// the scale the test program runs at: 100 % in the window test, 125 % to 200 %
// in the scaling test. Both widths of result field, both separators.

#include <cmath>
#include <limits>

#include <QHelpEvent>
#include <QImage>
#include <QToolTip>
#include <QtMath>

#include "numeric.h"
#include "result_field.h"
#include "ui_support.h"

namespace ui_test {

struct ShownResult {
    const char* what;
    const char* field;  // 41 pixels wide, or 49 for Text31, Text32, Text36 and Text37
    float value;        // as the calculator writes it
};

inline const ShownResult shownResults[] = {
    {"short", "Text9", 52.0f},
    {"seven digits", "Text21", 6.283184f},
    {"the cylinder's full surface at radius and height 143,9", "Text22", 130107.2f},
    {"the cylinder's volume at radius and height 143,9", "Text23", 9361213.0f},
    {"exponent form in a wide field", "Text32", 1.248162e7f},
    {"exponent form in a narrow field", "Text18", 3.333333e38f},
    {"negative in a wide field", "Text37", -382502.9f},
    {"negative and small", "Text37", -1.633974e-7f},
    {"negative, exponent form, narrow", "Text11", -3.402823e38f},
    {"rounded from the float, not its text", "Text29", 1.000045f},
    {"an infinity", "Text11", std::numeric_limits<float>::infinity()},
};

inline void addShownResultRows() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("name");
    QTest::addColumn<float>("value");
    for (const char* separator : {",", "."})
        for (const ShownResult& row : shownResults)
            QTest::addRow("%s in %s with '%s'", row.what, row.field, separator)
                << QString::fromLatin1(separator) << QString::fromLatin1(row.field) << row.value;
}

// The tooltip a field shows when hovered, if any.
inline QString hoverText(QWidget* widget) {
    QToolTip::hideText();
    QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), widget->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(widget, &hover);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

// The significant digits of a number's text: "-0,000123" has 3, "9,4E+06" 2.
inline int significantDigits(const QString& text) {
    int digits = 0;
    bool leading = true;
    for (QChar c : text.left(text.indexOf(QLatin1Char('E')) < 0 ? text.size() : text.indexOf(QLatin1Char('E')))) {
        if (!c.isDigit()) continue;
        if (leading && c == QLatin1Char('0')) continue;
        leading = false;
        ++digits;
    }
    return digits;
}

// How far right the ink of a text reaches from the start of the line of a text
// field like `like`, in its pixels: found on the pixels of a wide text field of
// the same font and style that draws it.
inline qreal inkRight(const QLineEdit& like, const QString& text) {
    QLineEdit wide;
    wide.setStyle(like.style());
    wide.setFont(like.font());
    wide.setPalette(like.palette());
    wide.resize(600, like.height());
    wide.setText(text);
    wide.setCursorPosition(0);
    const QImage image = wide.grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    const QColor base = like.palette().color(QPalette::Base);
    const int frame = qCeil(2 * ratio);
    for (int x = image.width() - frame - 1; x >= frame; --x)
        for (int y = frame; y < image.height() - frame; ++y)
            if (image.pixelColor(x, y) != base) return (x + 1) / ratio - 4;  // the line starts 4 pixels in
    return 0;
}

// The result written as a press writes it; the field shows a correctly rounded
// form whose ink shows whole, with as many digits as can, drawn as a text field
// holding it would be; its text stays the full text.
inline void checkShownResult() {
    QFETCH(QString, separator);
    QFETCH(QString, name);
    QFETCH(float, value);
    const std::string sep = separator.toStdString();
    Form1 form(sep);
    QVERIFY(showActive(form));
    const QString full = QString::fromStdString(geometry::numberToText(value, sep));
    const geometry::Field which = *geometry::fieldByName(name.toStdString());
    form.setResult(which, full.toStdString(), value);
    auto* result = qobject_cast<ResultField*>(field(form, name));
    QVERIFY(result);
    QVERIFY(!result->hasFocus());
    QCOMPARE(result->text(), full);
    QCOMPARE(QString::fromStdString(form.text(which)), full);

    // A 2-pixel frame on each side, the line 2 pixels in from the left one.
    const qreal room = result->width() - 6;
    const auto fits = [&](const QString& text) { return inkRight(*result, text) <= room; };
    const QString shown = result->shownText();
    QVERIFY2(fits(shown), qPrintable(shown));
    if (fits(full)) {
        QCOMPARE(shown, full);
        QVERIFY(hoverText(result).isEmpty());
    } else {
        QCOMPARE(hoverText(result), full);
        // A correctly rounded form, and no form with more digits shows whole.
        bool rounded = false;
        for (int digits = 1; digits <= 7; ++digits) {
            for (auto form : {geometry::NumberForm::Usual, geometry::NumberForm::Exponent}) {
                const QString text = QString::fromStdString(geometry::numberToText(value, sep, digits, form));
                rounded = rounded || text == shown;
                if (significantDigits(text) > significantDigits(shown))
                    QVERIFY2(!fits(text), qPrintable(shown + QStringLiteral(" shown, ") + text + QStringLiteral(" fits")));
            }
        }
        QVERIFY2(rounded || shown == QLatin1String("###"), qPrintable(shown));
        // Never the leading characters of the full text, unless those are the rounded form.
        QVERIFY2(!full.startsWith(shown) || rounded, qPrintable(shown));
    }

    // What shows is what a text field holding the shown text shows.
    QLineEdit plain;
    plain.setStyle(result->style());
    plain.setFont(result->font());
    plain.setPalette(result->palette());
    plain.resize(result->size());
    plain.setText(shown);
    plain.setCursorPosition(0);
    QCOMPARE(result->grab().toImage().convertToFormat(QImage::Format_RGB32),
             plain.grab().toImage().convertToFormat(QImage::Format_RGB32));
}

}  // namespace ui_test
