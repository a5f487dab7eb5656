// SPDX-License-Identifier: MIT
#include "message_boxes.h"

#include "session_end.h"

namespace geometry::ui {

namespace {

// A box whose native window goes when it closes: Qt keeps a record of every
// activation of a window (a disconnected connection to its focus signal) until
// the window is destroyed or signals again, so a window shown and closed
// thousands of times would gather thousands of them.
class KeptBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

    void execAndRelease() {
        exec();
        destroy();
        // Its next native window goes where the window manager puts it (the
        // screen's corner when there is none) until the dialog moves it over
        // the calculator; a dialog moves only to a new place, so the last one
        // is forgotten.
        move(QPoint());
        setAttribute(Qt::WA_Moved, false);
    }
};

QString boxName(QMessageBox::Icon icon) { return QStringLiteral("messageBox%1").arg(int(icon)); }

// The parent's box with this icon, made the first time it is needed.
KeptBox* keptBox(QWidget* parent, QMessageBox::Icon icon) {
    const QString name = boxName(icon);
    if (auto* box = static_cast<KeptBox*>(parent->findChild<QMessageBox*>(name, Qt::FindDirectChildrenOnly)))
        return box;
    auto* box = new KeptBox(icon, QString(), QString(), QMessageBox::Ok, parent);
    box->setObjectName(name);
    return box;
}

}  // namespace

void showMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text) {
    if (sessionEnding()) return;
    KeptBox* box = keptBox(parent, icon);
    if (box->isVisible()) {
        // Already open further up the stack (a message that came while another
        // was shown): this one gets a box of its own.
        QMessageBox own(icon, title, text, QMessageBox::Ok, parent);
        own.exec();
        return;
    }
    box->setWindowTitle(title);
    box->setText(text);
    box->execAndRelease();
}

}  // namespace geometry::ui
