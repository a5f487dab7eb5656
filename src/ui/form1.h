// SPDX-License-Identifier: MIT
#pragma once
// The calculator's window: every control built from the window description,
// the text fields serving as the field store, message boxes and closing as the
// window services, and each button wired to its handler. Every field, button,
// panel and picture carries a name for screen readers, and the numeric keypad's
// decimal key types the decimal separator in use. How a panel's last press
// found its results shows in each result field's tooltip, and every field of
// the panel offers to copy it from its context menu, and to solve the panel's
// inputs as a task in the problems window („Реши като задача“).

#include <array>
#include <memory>
#include <string>
#include <vector>

#include <QHash>
#include <QLocale>
#include <QPointer>
#include <QWidget>

#include "field_store.h"
#include "form1_handlers.h"
#include "layout.h"
#include "panel_task.h"
#include "window_services.h"

class QLineEdit;
class QMenu;

namespace geometry::ui {

class Announcement;
class ControlLooks;
class OnDemandParts;

class Form1 : public QWidget, public FieldStore, public WindowServices {
    Q_OBJECT
public:
    // `decimalSeparator`: what numbers are read and written with, as UTF-8.
    explicit Form1(std::string decimalSeparator = QLocale::system().decimalPoint().toStdString(),
                   QWidget* parent = nullptr);
    ~Form1() override;

    // The field store.
    std::string text(Field field) const override;
    void setText(Field field, const std::string& text) override;
    void setResult(Field field, const std::string& text, float value) override;

    // The window services.
    void showMessage(const std::string& prompt, const std::string& title) override;
    void unloadWindow() override;
    void reportErrorStop(const ErrorStop& stop) override;
    // Read out by screen readers as a notification.
    void announceResults(Panel panel, const std::string& announcement) override;
    // Kept for the panel's menus; each line also becomes its result field's tooltip.
    void showSolution(Panel panel, const std::vector<std::string>& lines) override;

protected:
    // The keypad's decimal key in a text field types the decimal separator;
    // the first exposure of the framed window keeps it on the screen.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void setUpWindow();
    void keepOnScreen();
    void buildControls();
    QWidget* createControl(const layout::ControlRow& row, QWidget* container);
    QWidget* createPanel(const layout::ControlRow& row, QWidget* container);
    QWidget* createLabel(const layout::ControlRow& row, QWidget* container);
    QWidget* createTextField(const layout::ControlRow& row, QWidget* container);
    QWidget* createButton(const layout::ControlRow& row, QWidget* container);
    QWidget* createPicture(const layout::ControlRow& row, QWidget* container);
    void chainTabOrder();
    void nameForScreenReaders();
    void nameField(const layout::ControlRow& row, QWidget* edit);
    QLineEdit* fieldEdit(Field field) const;
    void selectFieldToCorrect(QWidget* focused);
    void addPanelItems(QMenu& menu, Panel panel);
    void openProblems(const PanelTask& task);
    // A task's text pasted into the calculator (Ctrl+V in a field): read in
    // the problems window; false where the text reads as no task.
    bool openPastedTask(QObject* watched, QEvent* event);
    // The problems window, made when first asked for; null, and a message
    // shown, where it cannot be had.
    QWidget* problemsWindow();
    void showProblemsWindow();

    QHash<QString, QWidget*> controls_;  // by name, Form1 included
    std::array<QLineEdit*, fieldCount> fields_{};
    std::array<std::vector<std::string>, panelCount> solutions_;  // by panel
    Form1Handlers handlers_;
    std::unique_ptr<ControlLooks> looks_;  // while the controls are built
    Announcement* announcement_ = nullptr;
    bool placedWithFrame_ = false;
    QPointer<QLineEdit> selectWhenFocused_;  // after an error stop, until the focus comes
    QPointer<QWidget> problems_;  // once „Реши като задача“ or a pasted task has opened it
};

}  // namespace geometry::ui
