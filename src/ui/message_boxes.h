#pragma once
// The window's modal message boxes.
//
// Each kind of box (information, warning) is made once per window and shown
// again for every message. A box made anew for every message costs a native
// window each time, and the icon of its OK button is loaded anew and its
// pixmaps kept in Qt's pixmap cache under that icon's own key: thousands of
// messages filled the cache up to its 10 MB limit.

#include <QMessageBox>
#include <QString>

namespace geometry::ui {

// Shows `text` in a modal box over `parent` with the icon, the title and one OK
// button, and returns when the box is dismissed (OK, Enter, Escape or its close
// box). Once the session is ending, shows nothing and returns at once.
void showMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text);

}  // namespace geometry::ui
