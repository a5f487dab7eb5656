// SPDX-License-Identifier: MIT
#pragma once
// „Задачи по стереометрия“: a school task solved from what it gives. The
// student chooses the solid, types the givens into its fields (one per
// quantity, with its letter and name) and presses Enter; beside every field
// stands what the givens determine ("15π ≈ 47,12 cm²", the givens marked, one
// line per solution where there are two), or the solver's message beside the
// fields it is about; the steps of each solution follow, one under the other,
// the figure of each solution beside them, its net a button away.
// Under a solid's own fields, behind „Още величини“, those a task of use or
// of the sums of edges gives (the fill and the litres, a density and a mass,
// a cost, the sums of the edges): open by themselves where one holds text.
// As the student types the task is solved again; Enter or „Реши“ also has a
// screen reader say the results. Nothing typed is lost: each solid keeps its
// fields' texts while another is chosen.
//
// At its top a box takes the task as printed („Постави условието на
// задачата“, or Ctrl+V anywhere in the window): what it reads as fills the
// fields, the solid and the settings, is said under the box with the words
// not understood, and the asked quantities are marked beside their values.
// A field typed in then corrects what was read.
//
// Made only when opened: by `stereometry --problems`, from the calculator's
// „Реши като задача“ with a panel's inputs, or by a task pasted into the
// calculator.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <QHash>
#include <QLocale>
#include <QWidget>

#include "reader/read_and_solve.h"
#include "task/solver.h"

class QLabel;
class QPlainTextEdit;
class QLineEdit;
class QGridLayout;
class QHBoxLayout;
class QPushButton;
class QScrollArea;
class QTextBrowser;
class QTimer;
class QToolButton;
class QVBoxLayout;

namespace geometry::ui {

class Announcement;
class SolidChoice;
class BaseChoice;
class SolidDrawings;
class TaskSettings;

class ProblemsWindow : public QWidget {
    Q_OBJECT
public:
    using Givens = std::vector<std::pair<std::string, std::string>>;  // {"r", "3"}

    // `decimalSeparator`: what numbers are shown with, as UTF-8.
    explicit ProblemsWindow(std::string decimalSeparator = QLocale::system().decimalPoint().toStdString(),
                            QWidget* parent = nullptr);
    ~ProblemsWindow() override;

    // Chooses the solid ("cone"), types the givens into its fields (emptying
    // the others) and solves as Enter does; false for a solid there is none of.
    bool showTask(const std::string& solid, const Givens& givens);
    // Puts a task's text into the box at the top and reads it.
    void showText(const QString& text);

    // The last solve's outcome.
    const solver::Outcome& outcome() const { return outcome_; }
    SolidDrawings* drawings() const { return drawings_; }

public slots:
    // Solves what the fields hold and has a screen reader say the results.
    void solve();
    // Empties the chosen solid's fields.
    void clear();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct Row {
        QString key;
        QLineEdit* field = nullptr;
        QLabel* beside = nullptr;
        std::vector<QWidget*> cells;  // letter, name, field and beside: shown and hidden together
        bool use = false;             // under „Още величини“
    };

    void buildWindow();
    QHBoxLayout* buildButtons();
    void connectControls();
    void showSolid(const solver::SolidRow& solid);
    void chooseSolid(const solver::SolidRow& solid);
    static void markDegrees(QLineEdit* field);
    void addRow(const solver::QuantityRow& quantity, bool use = false);
    void addMoreButton();
    void showUses(bool open);
    void chainTabOrder();
    void solveQuietly();
    void showOutcome();
    void showBeside(Row& row);
    void showSteps();
    void insertIntoField(const QString& text);
    void keepTyped(QLineEdit* field);
    void buildTextBox(QVBoxLayout* column);
    void readText();
    void showRead(const solver::reader::TextOutcome& read);
    bool pastedTask(QEvent* event);

    std::string decimalSeparator_;
    QScrollArea* scroll_ = nullptr;
    SolidChoice* solids_ = nullptr;
    BaseChoice* base_ = nullptr;
    QWidget* rowsArea_ = nullptr;
    QGridLayout* rowsGrid_ = nullptr;
    std::vector<Row> rows_;
    QToolButton* more_ = nullptr;  // opens the fields of use; null for a solid with none
    TaskSettings* settings_ = nullptr;
    QPushButton* solveButton_ = nullptr;
    QPushButton* clearButton_ = nullptr;
    QTextBrowser* steps_ = nullptr;
    SolidDrawings* drawings_ = nullptr;
    Announcement* announcement_ = nullptr;
    QTimer* typingPause_ = nullptr;
    QLineEdit* lastField_ = nullptr;
    const solver::SolidRow* solid_ = nullptr;
    QHash<QString, QHash<QString, QString>> typed_;  // by solid, then by quantity
    solver::Outcome outcome_;
    std::vector<solver::Given> givens_;  // as the last solve read the fields
    QPlainTextEdit* taskText_ = nullptr;
    QLabel* textRead_ = nullptr;
    QTimer* textPause_ = nullptr;
    std::optional<std::string> text_;  // the task as printed, while it is the task
    bool settingsChosen_ = false;      // a setting chosen over the text's
    std::vector<std::string> asked_;   // what the text asks for
};

}  // namespace geometry::ui
