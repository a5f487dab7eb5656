// SPDX-License-Identifier: MIT
#pragma once
// The window's modal message boxes.
//
// Each kind of box (information, warning) is made once per window and shown
// again for every message, and its native window is released whenever it
// closes. A box made anew for every message loads its OK button's icon anew,
// and Qt keeps that icon's pixmaps in its pixmap cache under the icon's own
// key: thousands of messages filled the cache up to its 10 MB limit. A native
// window kept and shown thousands of times gathers Qt's records of its
// activations instead.

#include <QMessageBox>
#include <QString>

namespace geometry::ui {

// Shows `text` in a modal box over `parent` with the icon, the title and one OK
// button, and returns when the box is dismissed (OK, Enter, Escape or its close
// box). Once the session is ending, shows nothing and returns at once.
void showMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text);

}  // namespace geometry::ui
