// SPDX-License-Identifier: MIT
#pragma once
// Helpers for driving the real window: finding controls by name, reading all
// fields at once, and answering the modal boxes a press opens.

#include <QAction>
#include <QApplication>
#include <QColor>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRect>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include "../core/fakes.h"
#include "form1.h"
#include "panel_table.h"
#include "qt_layout.h"

namespace ui_test {

using namespace geometry::layout;
using namespace geometry::ui;

inline QString qs(std::string_view text) { return fromUtf8(text); }

// A text as the test tables write it, in the locale's form: '.' stands for the
// decimal separator and '~' for the other one.
inline QString localized(const QString& text, const QString& separator) {
    return QString::fromStdString(geometry::testing::localized(text.toStdString(), separator.toStdString()));
}

// "Text30=2.5" as the field's name and its text.
inline QPair<QString, QString> split(const QString& entry) {
    const qsizetype at = entry.indexOf(QLatin1Char('='));
    return {entry.left(at), entry.mid(at + 1)};
}

// The window names of a panel's fields, in the order its clear button empties them.
inline QStringList clearedFields(geometry::Panel panel) {
    QStringList names;
    for (geometry::Field field : geometry::panelRow(panel).clearing) names << qs(geometry::fieldInfo(field).name);
    return names;
}

inline QWidget* control(const Form1& form, const QString& name) {
    return form.findChild<QWidget*>(name);
}

inline QLineEdit* field(const Form1& form, const QString& name) {
    return form.findChild<QLineEdit*>(name);
}

inline QPushButton* button(const Form1& form, const QString& name) {
    return form.findChild<QPushButton*>(name);
}

// The texts of all 36 fields, BoxEdgeA first.
inline QStringList allFieldTexts(const Form1& form) {
    QStringList texts;
    for (const geometry::FieldInfo& info : geometry::allFields())
        texts << field(form, qs(info.name))->text();
    return texts;
}

// Shows the window and waits until it holds the keyboard.
inline bool showActive(QWidget& form) {
    form.show();
    return QTest::qWaitForWindowActive(&form);
}

// Clicks into a field and types, as a student would.
inline void typeInto(const Form1& form, const QString& name, const QString& text) {
    QLineEdit* edit = field(form, name);
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClicks(edit, text);
}

// Opens the field's context menu as a right click does and returns its item
// whose text starts with `text`, or null; the menu stays open for the caller
// to close.
inline QAction* contextMenuItem(QLineEdit* edit, const QString& text) {
    QContextMenuEvent open(QContextMenuEvent::Mouse, edit->rect().center(), edit->mapToGlobal(edit->rect().center()));
    QApplication::sendEvent(edit, &open);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) return nullptr;
    for (QAction* action : menu->actions())
        if (action->text().startsWith(text)) return action;
    return nullptr;
}

inline void closeContextMenu() {
    if (QWidget* menu = QApplication::activePopupWidget()) menu->close();
}

struct ShownBox {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons standardButtons;
    qsizetype buttonCount;
    QPoint centre;  // on the screen
};

// Watches for modal message boxes while it lives, records each one and
// dismisses it with its OK button.
class MessageBoxWatcher {
public:
    MessageBoxWatcher() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start(5);
    }
    QList<ShownBox> shown;

private:
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        shown.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                      box->buttons().size(), box->windowHandle()->geometry().center()});
        if (QAbstractButton* ok = box->button(QMessageBox::Ok)) ok->click();
        else box->reject();
    }
    QTimer timer_;
};

// The panels in pixels at 96 dpi (device-independent pixels when scaled), and
// the colour each one's system colour role gives.
struct PanelInPixels {
    const char* name;
    QRect place;
    QColor background;
};
inline const PanelInPixels panelPlaces[] = {
    {"Frame1", {8, 8, 497, 169}, {200, 200, 200}},    // scroll bar
    {"Frame2", {8, 176, 497, 89}, {255, 255, 225}},   // tooltip background
    {"Frame6", {8, 272, 497, 73}, {240, 240, 240}},   // button face
    {"Frame3", {8, 352, 497, 81}, {109, 109, 109}},   // grey text
    {"Frame4", {8, 432, 497, 81}, {191, 205, 219}},   // inactive title bar
    {"Frame5", {8, 520, 497, 89}, {180, 180, 180}},   // active window border
};

}  // namespace ui_test
