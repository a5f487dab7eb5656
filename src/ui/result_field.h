// SPDX-License-Identifier: MIT
#pragma once
// A result field: a text field that, while it does not have the focus, shows
// its number rounded to as many significant digits as fit its width instead of
// the leading characters of a text too wide for it ("9,4E+06", not "936121").
// Its text stays the full text the calculator wrote: text(), copying, the field
// store and screen readers get that, and with the focus it shows and scrolls as
// any text field. Hovering shows how the press found the result while the field
// holds the text the press wrote; otherwise the full text, when the field shows less.

#include <optional>
#include <string>

#include "text_field.h"

namespace geometry::ui {

class ResultField : public TextField {
    Q_OBJECT
public:
    // `field` as for any text field; `decimalSeparator`: the one numbers are
    // written with, as UTF-8.
    ResultField(geometry::Field field, std::string decimalSeparator, QWidget* parent = nullptr);

    // A calculated result: its text and the float it was written from. Any
    // other change of the text (typing, setText) forgets the float.
    void setResult(const QString& text, float value);
    // How the press that wrote the result found it: "V = π·r²·h = … = 9361213".
    // Any change of the text forgets it.
    void setSolutionLine(const QString& line) { solutionLine_ = line; }

    // What the field shows while it does not have the focus.
    QString shownText() const;

    // Where the field draws its line of text, as QLineEdit does: a line as high
    // as the font, or as the text's ink if that is higher.
    QRect textLineRect(const QString& text = {}) const;
    // How wide a text may be, ink included, and still show whole from the left
    // end of the line: up to the right edge of the field's inside.
    qreal room() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    // Hovering shows the solution line, or the full text where the field shows less.
    bool event(QEvent* event) override;

private:
    void textChangedOtherwise();

    std::string decimalSeparator_;
    std::optional<float> value_;
    QString solutionLine_;
    bool writingResult_ = false;
};

}  // namespace geometry::ui
