// SPDX-License-Identifier: MIT
#pragma once
// The base of the solid chosen by its picture, where it may have one of other
// shapes: a right prism on a regular polygon, a rhombus, a right triangle…;
// a pyramid on those with all lateral edges equal or with its faces at equal
// angles to the base; or the body of two solids under the bodies' picture
// („Вид тяло“). Hidden, with its caption, for a solid of one kind.

#include <QWidget>

#include "engine/solids.h"

class QComboBox;
class QLabel;

namespace geometry::ui {

class BaseChoice : public QWidget {
    Q_OBJECT
public:
    explicit BaseChoice(QWidget* parent = nullptr);

    // The kinds of the solid its picture offers, the first chosen.
    void offer(const solver::SolidRow& offered);
    // One of the kinds offered, chosen without a signal.
    void choose(const solver::SolidRow& variant);
    const solver::SolidRow& current() const;
    QWidget* focusTarget() const;

signals:
    void chosen(const solver::SolidRow& variant);

private:
    QLabel* caption_ = nullptr;
    QComboBox* list_ = nullptr;
    std::vector<const solver::SolidRow*> variants_;
};

}  // namespace geometry::ui
