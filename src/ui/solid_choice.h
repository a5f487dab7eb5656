// SPDX-License-Identifier: MIT
#pragma once
// The choice of the solid of a task: the solids offered by their pictures side by side,
// each with its picture and name, one tab stop, the arrow keys moving the
// choice. Enter on a solid (or a double click) goes on to its fields.

#include <QListWidget>

#include "engine/solids.h"

namespace geometry::ui {

class SolidChoice : public QListWidget {
    Q_OBJECT
public:
    explicit SolidChoice(QWidget* parent = nullptr);

    const solver::SolidRow& current() const;
    void choose(const solver::SolidRow& solid);

protected:
    // With no solid taken (a task's body that no picture shows), focus takes none either.
    void focusInEvent(QFocusEvent* event) override;

signals:
    void chosen(const solver::SolidRow& solid);
    void confirmed();  // Enter or a double click: on to the fields
};

}  // namespace geometry::ui
