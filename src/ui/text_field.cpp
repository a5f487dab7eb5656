// SPDX-License-Identifier: MIT
#include "text_field.h"

#include <algorithm>
#include <limits>

#include <QAction>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QValidator>

#include "error_stop.h"
#include "message_boxes.h"

namespace geometry::ui {

// Refuses every edit that would make the field longer than its capacity; the
// line edit then undoes the edit. The box comes later, never from in here.
class LengthLimit : public QValidator {
public:
    explicit LengthLimit(TextField* field) : QValidator(field), field_(field) {}

    State validate(QString& input, int&) const override {
        if (input.size() <= TextField::capacity) return Acceptable;
        field_->refuseLater(input.size());
        return Invalid;
    }

private:
    TextField* field_;
};

TextField::TextField(geometry::Field field, QWidget* parent) : QLineEdit(parent), field_(field) {
    // The validator sets the limit: the line edit's own maximum would cut a
    // long paste silently.
    setMaxLength(std::numeric_limits<int>::max());
    setValidator(new LengthLimit(this));
}

QString TextField::tooLongMessage(qsizetype length) const {
    return QString::fromStdString(geometry::tooLongMessage(field_, std::size_t(length)));
}

qsizetype TextField::lengthWith(qsizetype incoming) const {
    return text().size() - selectedText().size() + incoming;
}

bool TextField::refusedPaste(QClipboard::Mode mode) {
    const qsizetype length = lengthWith(QGuiApplication::clipboard()->text(mode).size());
    if (length <= capacity) return false;
    refuseLater(length);
    return true;
}

void TextField::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste) && !isReadOnly()) {
        // Ctrl+Shift+Insert pastes the selection on X11, like the middle button.
        const bool selection = event->key() == Qt::Key_Insert &&
                               event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier) &&
                               QGuiApplication::clipboard()->supportsSelection();
        if (refusedPaste(selection ? QClipboard::Selection : QClipboard::Clipboard)) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void TextField::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    // The menu's paste is the action wired to paste(); it is rewired to measure first.
    for (QAction* action : menu->actions()) {
        // Qt 6.4 wires it by name; later versions may wire it by pointer.
        const bool wiredToPaste = disconnect(action, SIGNAL(triggered()), this, SLOT(paste())) ||
                                  disconnect(action, &QAction::triggered, this, &QLineEdit::paste);
        if (!wiredToPaste) continue;
        connect(action, &QAction::triggered, this, [this] {
            if (!refusedPaste(QClipboard::Clipboard)) paste();
        });
    }
    if (addMenuItems_) addMenuItems_(*menu);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
    event->accept();
}

void TextField::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && !isReadOnly() && QGuiApplication::clipboard()->supportsSelection()) {
        // The middle button pastes the selection in place of the field's own.
        const qsizetype length = text().size() + QGuiApplication::clipboard()->text(QClipboard::Selection).size();
        if (length - selectedText().size() > capacity) {
            refuseLater(length - selectedText().size());
            event->accept();
            return;
        }
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TextField::dropEvent(QDropEvent* event) {
    if (!isReadOnly() && event->mimeData()->hasText()) {
        // A text dragged within the field moves: its selection leaves first.
        const qsizetype moved = event->source() == this ? selectedText().size() : 0;
        const qsizetype length = text().size() - moved + event->mimeData()->text().size();
        if (length > capacity) {
            event->setDropAction(Qt::IgnoreAction);
            event->accept();
            refuseLater(length);
            return;
        }
    }
    QLineEdit::dropEvent(event);
}

void TextField::inputMethodEvent(QInputMethodEvent* event) {
    const qsizetype length =
        text().size() - event->replacementLength() + event->commitString().size() - selectedText().size();
    if (!event->commitString().isEmpty() && length > capacity) {
        // The composition goes on; only the committed text is refused.
        QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
        QLineEdit::inputMethodEvent(&withoutCommit);
        refuseLater(length);
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

void TextField::refuseLater(qsizetype length) {
    const bool pending = refused_ >= 0;
    refused_ = std::max(refused_, length);
    if (!pending) QMetaObject::invokeMethod(this, &TextField::showRefusal, Qt::QueuedConnection);
}

void TextField::showRefusal() {
    const qsizetype length = refused_;
    refused_ = -1;
    // A text the program set itself is kept, however long: no edit was refused.
    if (text().size() > capacity) return;
    showMessageBox(window(), QMessageBox::Warning, QString::fromUtf8(geometry::errorTitle), tooLongMessage(length));
    window()->activateWindow();
    setFocus(Qt::OtherFocusReason);
}

}  // namespace geometry::ui
