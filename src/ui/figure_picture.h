// SPDX-License-Identifier: MIT
#pragma once
// A borderless picture of a figure: a vector drawing shown at its natural size,
// never stretched, rendered once per device pixel ratio (at 100 % copied from
// its drawing made when the program was built) and reacting to no click.

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace geometry::ui {

class FigurePicture : public QWidget {
    Q_OBJECT
public:
    // `resource`: ":/pictures/Image1.svg"; `naturalSize` in device-independent pixels.
    FigurePicture(const QString& resource, QSize naturalSize, QWidget* parent = nullptr);

    QSize sizeHint() const override { return naturalSize_; }
    // The picture as drawn at the given device pixel ratio (cached).
    QPixmap rendered(qreal devicePixelRatio) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage drawnNow(qreal devicePixelRatio) const;

    QString resource_;
    QSize naturalSize_;
    mutable QPixmap cache_;
};

}  // namespace geometry::ui
