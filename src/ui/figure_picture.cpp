// SPDX-License-Identifier: MIT
#include "figure_picture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace geometry::ui {

FigurePicture::FigurePicture(const QString& resource, QSize naturalSize, QWidget* parent)
    : QWidget(parent), resource_(resource), naturalSize_(naturalSize) {
    setFixedSize(naturalSize_);
    setAttribute(Qt::WA_TransparentForMouseEvents);  // decoration: clicks go through
    setFocusPolicy(Qt::NoFocus);
}

QPixmap FigurePicture::rendered(qreal devicePixelRatio) const {
    if (cache_.isNull() || !qFuzzyCompare(cache_.devicePixelRatio(), devicePixelRatio)) {
        QPixmap pixmap(naturalSize_ * devicePixelRatio);
        pixmap.setDevicePixelRatio(devicePixelRatio);
        pixmap.fill(Qt::transparent);
        QSvgRenderer renderer(resource_);
        QPainter painter(&pixmap);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(naturalSize_)));
        cache_ = pixmap;
    }
    return cache_;
}

void FigurePicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, rendered(devicePixelRatioF()));
}

}  // namespace geometry::ui
