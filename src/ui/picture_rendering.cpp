// SPDX-License-Identifier: MIT
#include "picture_rendering.h"

#include <QPainter>
#include <QSvgRenderer>

namespace geometry::ui {

QImage renderPicture(const QString& resource, QSize naturalSize, qreal devicePixelRatio) {
    QImage image(naturalSize * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(naturalSize)));
    return image;
}

}  // namespace geometry::ui
