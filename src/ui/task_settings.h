// SPDX-License-Identifier: MIT
#pragma once
// The settings of a task: π exact, 3,14 or 3,141592 (one group, the arrow
// keys moving the choice), the student's grade (the tools the steps use), the
// unit of the results and the digits after the decimal separator. Each
// control is named for screen readers.

#include <string>

#include <QWidget>

#include "task/solver.h"

class QButtonGroup;
class QComboBox;
class QSpinBox;

namespace geometry::ui {

class TaskSettings : public QWidget {
    Q_OBJECT
public:
    // `decimalSeparator`: the one numbers are shown with, as UTF-8.
    explicit TaskSettings(std::string decimalSeparator, QWidget* parent = nullptr);

    solver::Settings settings() const;
    // Shows these settings (π, grade, unit, digits) without saying they changed: a
    // task read from its text sets the ones it asks for.
    void show(const solver::Settings& settings);
    // The controls in focus order: π (its chosen button), the grade, the unit, the digits.
    QList<QWidget*> focusOrder() const;

signals:
    void changed();

private:
    std::string decimalSeparator_;
    QButtonGroup* pi_ = nullptr;
    QComboBox* grade_ = nullptr;
    QComboBox* unit_ = nullptr;
    QSpinBox* digits_ = nullptr;
};

}  // namespace geometry::ui
