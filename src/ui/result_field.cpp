// SPDX-License-Identifier: MIT
#include "result_field.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextLayout>
#include <QToolTip>

#include "shown_text.h"

namespace geometry::ui {
namespace {

// QLineEdit's own margins around its line of text, in pixels.
constexpr int horizontalMargin = 2;

}  // namespace

ResultField::ResultField(geometry::Field field, std::string decimalSeparator, QWidget* parent)
    : TextField(field, parent), decimalSeparator_(std::move(decimalSeparator)) {
    connect(this, &QLineEdit::textChanged, this, &ResultField::textChangedOtherwise);
}

void ResultField::setResult(const QString& text, float value) {
    solutionLine_.clear();  // the press's own comes after its results
    writingResult_ = true;
    setText(text);
    writingResult_ = false;
    value_ = value;
    update();
}

void ResultField::textChangedOtherwise() {
    if (writingResult_) return;
    value_.reset();
    solutionLine_.clear();
}

QRect ResultField::textLineRect(const QString& text) const {
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect contents =
        style()->subElementRect(QStyle::SE_LineEditContents, &panel, this).marginsRemoved(textMargins());
    const int height = qMax(fontMetrics().boundingRect(text).height(), fontMetrics().height());
    return {contents.x() + horizontalMargin, contents.y() + (contents.height() - height + 1) / 2,
            contents.width() - 2 * horizontalMargin, height};
}

qreal ResultField::room() const { return textLineRect().width() + horizontalMargin; }

QString ResultField::shownText() const {
    const QFontMetricsF metrics(font());
    const qreal room = this->room();
    // The ink, not the advance: the space after the last digit may fall outside.
    const TextFits fits = [&](std::string_view text) {
        const QRectF ink = metrics.boundingRect(QString::fromUtf8(text.data(), qsizetype(text.size())));
        return ink.left() >= -horizontalMargin && ink.right() <= room;
    };
    return QString::fromStdString(geometry::shownText(text().toStdString(), value_, decimalSeparator_, fits));
}

void ResultField::paintEvent(QPaintEvent* event) {
    // With the focus, or a selection kept while a context menu has it, the
    // field shows what it holds.
    if (hasFocus() || hasSelectedText() || text().isEmpty()) {
        TextField::paintEvent(event);
        return;
    }
    // Drawn as QLineEdit draws an unfocused field holding the shown text with
    // the cursor at its start, whatever the cursor did while it had the focus.
    const QString shown = shownText();
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    painter.setClipRect(
        style()->subElementRect(QStyle::SE_LineEditContents, &panel, this).marginsRemoved(textMargins()));
    painter.setPen(palette().color(QPalette::Text));
    QTextLayout layout(shown, font(), this);
    QTextOption option = layout.textOption();
    option.setTextDirection(layoutDirection());
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    // A glyph from a fallback face may make the line higher than the font's.
    const int aboveFont = qRound(line.ascent()) - fontMetrics().ascent();
    layout.draw(&painter, textLineRect(shown).topLeft() - QPoint(0, aboveFont));
}

bool ResultField::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return TextField::event(event);
    // Worked out on hovering only: a press does not measure texts.
    const QString full = text();
    const QString tip = !solutionLine_.isEmpty() ? solutionLine_ : shownText() != full ? full : QString();
    if (!tip.isEmpty())
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip, this);
    else
        QToolTip::hideText();
    return true;
}

}  // namespace geometry::ui
