// SPDX-License-Identifier: MIT
#pragma once
// The numeric keypad's decimal key (Del with NumLock on, on some layouts its
// comma form) types the decimal separator in use, whatever the keyboard
// layout sends.

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QString>

namespace geometry::ui {

inline bool isKeypadDecimal(const QKeyEvent& key) {
    return key.modifiers() == Qt::KeypadModifier && (key.key() == Qt::Key_Period || key.key() == Qt::Key_Comma);
}

// For a field's event filter: true where the event was that key and the
// separator has been typed in its place.
inline bool typeKeypadDecimal(QLineEdit* field, QEvent* event, const QString& separator) {
    if (!field || event->type() != QEvent::KeyPress || !isKeypadDecimal(*static_cast<QKeyEvent*>(event))) return false;
    field->insert(separator);
    return true;
}

}  // namespace geometry::ui
