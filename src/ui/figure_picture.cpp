// SPDX-License-Identifier: MIT
#include "figure_picture.h"

#include <QPainter>

#include "on_demand.h"
#include "picture_rendering.h"

namespace geometry::ui {

FigurePicture::FigurePicture(const QString& resource, QSize naturalSize, QWidget* parent)
    : QWidget(parent), resource_(resource), naturalSize_(naturalSize) {
    setFixedSize(naturalSize_);
    setAttribute(Qt::WA_TransparentForMouseEvents);  // decoration: clicks go through
    setFocusPolicy(Qt::NoFocus);
}

// From the artwork; where that cannot be had, the picture at 100 % enlarged.
QImage FigurePicture::drawnNow(qreal devicePixelRatio) const {
    if (OnDemandParts* parts = onDemandParts()) return parts->renderPicture(resource_, naturalSize_, devicePixelRatio);
    QImage enlarged = prerenderedPicture(resource_, naturalSize_)
                          .scaled(naturalSize_ * devicePixelRatio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    enlarged.setDevicePixelRatio(devicePixelRatio);
    return enlarged;
}

QPixmap FigurePicture::rendered(qreal devicePixelRatio) const {
    if (cache_.isNull() || !qFuzzyCompare(cache_.devicePixelRatio(), devicePixelRatio)) {
        // At 100 % as drawn when the program was built; otherwise drawn now.
        const QImage drawn = qFuzzyCompare(devicePixelRatio, 1.0) ? prerenderedPicture(resource_, naturalSize_) : QImage();
        cache_ = QPixmap::fromImage(drawn.isNull() ? drawnNow(devicePixelRatio) : drawn);
    }
    return cache_;
}

void FigurePicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, rendered(devicePixelRatioF()));
}

}  // namespace geometry::ui
