// SPDX-License-Identifier: MIT
#include "solid_choice.h"

#include <QIcon>
#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

#include "picture_rendering.h"
#include "qt_layout.h"
#include "task/task_sheet.h"

namespace geometry::ui {
namespace {

// The room of each picture: the widest picture's width, the tallest's height and a margin above.
constexpr QSize pictureRoom(66, 82);

// The solid's picture, standing at the bottom of the room in its middle, so
// that every name starts at the same height: the calculator's one its
// registration row names, at the size the calculator shows it, or one of its
// own at the size the row gives; none where it names none.
QIcon pictureOf(const solver::SolidRow& solid, qreal ratio) {
    if (!solid.registration || solid.registration->picture.empty()) return {};
    const solver::Registration& row = *solid.registration;
    const layout::ControlRow* calculators = layout::findControl(row.picture);
    const QSize size = calculators ? pixelRect(*calculators).size() : QSize(row.pictureSize.width, row.pictureSize.height);
    const QString resource = QStringLiteral(":/pictures/") + fromUtf8(row.picture) + QStringLiteral(".svg");
    QPixmap room(pictureRoom * ratio);
    room.setDevicePixelRatio(ratio);
    room.fill(Qt::transparent);
    QPainter painter(&room);
    painter.drawImage(QPoint((pictureRoom.width() - size.width()) / 2, pictureRoom.height() - size.height()),
                      renderPicture(resource, size, ratio));
    painter.end();
    return QIcon(room);
}

// The lines a name takes in a cell as wide as `width`, broken between words.
int linesOf(const QString& name, const QFontMetrics& metrics, int width) {
    int lines = 1;
    QString line;
    for (const QString& word : name.split(QLatin1Char(' '))) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            ++lines;
            line = word;
        } else {
            line = longer;
        }
    }
    return lines;
}

// Wide enough for the longest word of any solid's name, high enough for the
// longest name's lines.
QSize cellFor(const QFontMetrics& metrics) {
    int widest = pictureRoom.width();
    for (const solver::SolidRow* solid : solver::pictured())
        for (const QString& word : fromUtf8(solver::pictureName(*solid)).split(QLatin1Char(' ')))
            widest = std::max(widest, metrics.horizontalAdvance(word));
    int lines = 1;
    for (const solver::SolidRow* solid : solver::pictured())
        lines = std::max(lines, linesOf(fromUtf8(solver::pictureName(*solid)), metrics, widest));
    return {widest + 16, pictureRoom.height() + lines * metrics.lineSpacing() + 12};
}

}  // namespace

SolidChoice::SolidChoice(QWidget* parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("solids"));
    setAccessibleName(fromUtf8(solver::caption::solid));
    setViewMode(QListView::IconMode);
    setFlow(QListView::LeftToRight);
    setWrapping(false);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setWordWrap(true);
    setTextElideMode(Qt::ElideNone);
    setIconSize(pictureRoom);
    setGridSize(cellFor(fontMetrics()));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const qreal ratio = devicePixelRatioF();
    for (const solver::SolidRow* solid : solver::pictured()) {
        auto* item = new QListWidgetItem(pictureOf(*solid, ratio), fromUtf8(solver::pictureName(*solid)), this);
        item->setData(Qt::UserRole, fromUtf8(solid->key));
        item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    setFixedHeight(gridSize().height() + 2 * frameWidth() + 2);
    setMinimumWidth(int(solver::pictured().size()) * gridSize().width() + 2 * frameWidth() + 2);
    setCurrentRow(0);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) emit chosen(*solver::pictured()[std::size_t(row)]);
    });
    connect(this, &QListWidget::itemActivated, this, [this] { emit confirmed(); });
}

void SolidChoice::focusInEvent(QFocusEvent* event) {
    // The list would make its first picture current on focus, and the
    // window would show that solid's fields with the body's results.
    if (currentRow() < 0) {
        QAbstractScrollArea::focusInEvent(event);
        viewport()->update();
        return;
    }
    QListWidget::focusInEvent(event);
}

const solver::SolidRow& SolidChoice::current() const {
    return *solver::pictured()[std::size_t(std::max(0, currentRow()))];
}

void SolidChoice::choose(const solver::SolidRow& solid) {
    const auto all = solver::pictured();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i] == &solid) return setCurrentRow(int(i));
    // A solid read from a task that no picture shows: none is taken for it.
    setCurrentRow(-1);
}

}  // namespace geometry::ui
