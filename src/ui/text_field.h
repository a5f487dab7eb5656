// SPDX-License-Identifier: MIT
#pragma once
// A one-line text field that holds up to `TextField::capacity` characters,
// thousands more than any number needs, so that the window stays quick whatever
// is pasted into it.
//
// A paste, drop, typed key or input-method text that would make the field
// longer is refused whole: the field keeps what it held and a box names the
// field and its capacity. Nothing is ever cut. Texts set by the program itself
// (setText) are kept as they are, whatever their length.
//
// The usual ways in that bring a long text (Ctrl+V, Shift+Insert and the other
// paste keys, the context menu's paste, the middle button's selection paste,
// drag and drop, an input method's commit) are measured before the text
// reaches the line edit, which would otherwise keep a step of undo history per
// character. A validator catches every other edit (typing at the limit, the
// keypad's decimal key) and lets the line edit undo it.

#include <functional>

#include <QClipboard>
#include <QLineEdit>
#include <QString>

#include "error_stop.h"
#include "panel_table.h"

class QMenu;

namespace geometry::ui {

class TextField : public QLineEdit {
    Q_OBJECT
public:
    static constexpr qsizetype capacity = qsizetype(geometry::fieldCapacity);

    // `field` is the one the box names: „радиус“ в „сфера и кълбо“.
    explicit TextField(geometry::Field field, QWidget* parent = nullptr);

    // The box's text for an edit that would have made the field `length` characters long.
    QString tooLongMessage(qsizetype length) const;

    // Adds the window's own items to the field's context menu as it opens.
    using MenuItems = std::function<void(QMenu& menu)>;
    void setMenuItems(MenuItems addItems) { addMenuItems_ = std::move(addItems); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    friend class LengthLimit;

    // The length the field would have if `incoming` replaced the selection.
    qsizetype lengthWith(qsizetype incoming) const;
    // Pastes from the clipboard unless the text is too long; true if it was.
    bool refusedPaste(QClipboard::Mode mode);
    // Shows the box once the event that brought the text has ended.
    void refuseLater(qsizetype length);
    void showRefusal();

    geometry::Field field_;
    MenuItems addMenuItems_;
    qsizetype refused_ = -1;  // the length of a refused edit whose box is still to come
};

}  // namespace geometry::ui
