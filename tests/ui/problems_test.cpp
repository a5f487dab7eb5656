// SPDX-License-Identifier: MIT
// The problems window as a student uses it: the school tasks of the solver's
// table typed key by key into its fields and solved with Enter show beside
// each field exactly what the solver says (both solutions, the givens marked,
// the message beside the first field it is about), with the steps under them
// and the results said to a screen reader; what was typed stays. The
// calculator's „Реши като задача“ opens it with a panel's inputs; the tab
// order follows the fields; every control has a name; numbers follow the
// separator in use.

#include <QAccessible>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QTextBrowser>

#include <algorithm>
#include <sstream>

#include "../solver/school_tasks.h"
#include "problems_window.h"
#include "solver.h"
#include "task_sheet.h"
#include "ui_support.h"

using namespace ui_test;
using geometry::ui::ProblemsWindow;

namespace {

// A school task as the table writes it: options, the solid, KEY=VALUE.
struct Task {
    std::string solid;
    std::vector<solver::Given> givens;
    solver::Settings settings;
    int piChoice = 0;    // the π button to choose
    int unitChoice = 0;  // the unit to choose
    std::string error;   // an option the window has no setting for
};

Task parse(std::string_view text) {
    Task task;
    std::istringstream words{std::string(text)};
    for (std::string word; words >> word;) {
        if (word.starts_with("--pi=")) {
            const std::vector<std::string> values = {"exact", "3.14", "3.141592"};
            const auto found = std::find(values.begin(), values.end(), word.substr(5));
            task.piChoice = int(found - values.begin());
            if (found == values.end()) task.error = word;
            else task.settings.pi = solver::piChoices(",")[std::size_t(task.piChoice)].setting;
        } else if (word.starts_with("--unit=")) {
            const std::vector<solver::UnitChoice> units = solver::unitChoices();
            task.settings.unit = solver::unitByName(word.substr(7));
            task.unitChoice = -1;
            for (std::size_t i = 0; i < units.size(); ++i)
                if (units[i].unit == task.settings.unit && task.settings.unit) task.unitChoice = int(i);
            if (task.unitChoice < 0) task.error = word;
        } else if (word.starts_with("--")) {
            task.error = word;
        } else if (task.solid.empty()) {
            task.solid = word;
        } else {
            task.givens.push_back({word.substr(0, word.find('=')), word.substr(word.find('=') + 1)});
        }
    }
    return task;
}

// Whether the window can take the task: a solid it offers, givens it has fields for.
bool typable(const Task& task) {
    const solver::SolidRow* solid = solver::solidByKey(task.solid);
    if (!solid) return false;
    for (const solver::Given& given : task.givens)
        if (solver::quantityIndex(*solid, given.key) < 0) return false;
    return true;
}

// Types as a keyboard does, a key at a time; signs no key of Qt's stands for
// (π, √) come as the text of a key press, as a keyboard layout that has them sends them.
void typeKeys(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(widget, c.toLatin1());
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

QLineEdit* givenField(const ProblemsWindow& window, const std::string& key) {
    return window.findChild<QLineEdit*>(QStringLiteral("given:") + QString::fromStdString(key));
}

QLabel* beside(const ProblemsWindow& window, const std::string& key) {
    return window.findChild<QLabel*>(QStringLiteral("beside:") + QString::fromStdString(key));
}

QString stepsText(const ProblemsWindow& window) {
    return window.findChild<QTextBrowser*>(QStringLiteral("steps"))->toPlainText();
}

QString announced(const ProblemsWindow& window) {
    QWidget* announcement = window.findChild<QWidget*>(QStringLiteral("Announcement"));
    return announcement && announcement->isVisible() ? announcement->accessibleName() : QString();
}

// Chooses the solid with the arrow keys from the first, as a student does.
void chooseSolid(ProblemsWindow& window, const std::string& key) {
    auto* solids = window.findChild<QListWidget*>(QStringLiteral("solids"));
    solids->setFocus();
    QTest::keyClick(solids, Qt::Key_Home);
    for (int i = 0; i < 8 && solids->currentItem()->data(Qt::UserRole).toString() != QString::fromStdString(key); ++i)
        QTest::keyClick(solids, Qt::Key_Right);
}

// Types the task into a shown window and presses Enter in its last field.
void typeTask(ProblemsWindow& window, const Task& task) {
    chooseSolid(window, task.solid);
    window.findChild<QRadioButton*>(QStringLiteral("pi:%1").arg(task.piChoice))->click();
    window.findChild<QComboBox*>(QStringLiteral("unit"))->setCurrentIndex(task.unitChoice);
    QLineEdit* last = nullptr;
    for (const solver::Given& given : task.givens) {
        last = givenField(window, given.key);
        last->setFocus();
        typeKeys(last, QString::fromStdString(given.text));
    }
    QTest::keyClick(last ? last : givenField(window, std::string(solver::solidByKey(task.solid)->quantities[0].key)),
                    Qt::Key_Return);
}

// Everything the window shows of the outcome, against what the solver itself
// gives for the same task.
void expectShown(const ProblemsWindow& window, const Task& task) {
    // The window reads its fields in the solid's order.
    std::vector<solver::Given> inOrder;
    for (const solver::QuantityRow& quantity : solver::solidByKey(task.solid)->quantities)
        for (const solver::Given& given : task.givens)
            if (given.key == quantity.key) inOrder.push_back(given);
    const solver::Outcome expected = solver::solve(task.solid, inOrder, task.settings);
    const solver::Outcome& shown = window.outcome();
    QCOMPARE(solver::statusKey(shown.status), solver::statusKey(expected.status));
    QCOMPARE(shown.message, expected.message);
    for (const solver::QuantityRow& quantity : expected.solid->quantities) {
        const std::string key(quantity.key);
        const solver::Beside place = solver::besideField(expected, *expected.solid, key);
        QStringList lines;
        for (const std::string& line : place.results) lines << QString::fromStdString(line);
        if (place.message) lines << QString::fromStdString(expected.message);
        QCOMPARE(beside(window, key)->text(), lines.join(QLatin1Char('\n')));
        const char* mark = place.concerned ? "concerned" : place.suggested ? "suggested" : "";
        QCOMPARE(givenField(window, key)->property("mark").toString(), QLatin1String(mark));
    }
    // Each solution with its steps, one under the other.
    const QString steps = stepsText(window);
    qsizetype at = 0;
    for (std::size_t i = 0; i < expected.solutions.size(); ++i) {
        at = steps.indexOf(QString::fromStdString(solver::solutionHeading(i, expected.solutions.size())), at);
        QVERIFY2(at >= 0, qPrintable(steps));
        for (const std::string& step : expected.solutions[i].steps) {
            at = steps.indexOf(QString::fromStdString(step), at);
            QVERIFY2(at >= 0, step.c_str());
        }
    }
    QCOMPARE(announced(window), QString::fromStdString(solver::announcement(expected)));
    // Nothing typed is lost.
    for (const solver::Given& given : task.givens)
        QCOMPARE(givenField(window, given.key)->text(), QString::fromStdString(given.text));
}

ProblemsWindow* openedProblems() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<ProblemsWindow*>(widget); window && window->isVisible()) return window;
    return nullptr;
}

}  // namespace

class ProblemsTest : public QObject {
    Q_OBJECT

private slots:
    void schoolTasksShowTheSolversTexts_data() {
        QTest::addColumn<QString>("task");
        for (const solver::testing::SchoolTask& row : solver::testing::schoolTasks())
            if (typable(parse(row.task))) QTest::newRow(row.task.data()) << QString::fromUtf8(row.task.data());
    }
    // Every task of the table the window can take: typed, Enter, then all it shows.
    void schoolTasksShowTheSolversTexts() {
        QFETCH(QString, task);
        const Task parsed = parse(task.toStdString());
        QVERIFY2(parsed.error.empty(), parsed.error.c_str());
        ProblemsWindow window(",");
        QVERIFY(showActive(window));
        typeTask(window, parsed);
        expectShown(window, parsed);
    }

    void twoSolutionsOneUnderTheOther() {
        ProblemsWindow window(",");
        QVERIFY(showActive(window));
        typeTask(window, parse("cone S=15π V=12π"));
        QCOMPARE(beside(window, "r")->text(), QStringLiteral("1) 3\n2) ≈ 2,88"));
        QCOMPARE(beside(window, "S")->text(), QStringLiteral("15π ≈ 47,12 (дадено)"));
        const QString steps = stepsText(window);
        QVERIFY2(steps.indexOf(QStringLiteral("Решение 1")) < steps.indexOf(QStringLiteral("Решение 2")), qPrintable(steps));
        QVERIFY(announced(window).startsWith(QStringLiteral("Две решения. Решение 1: r = 3, d = 6,")));
    }

    // Typing solves once the student pauses; only Enter (or „Реши“) speaks.
    void typingSolvesEnterSpeaks() {
        ProblemsWindow window(",");
        QVERIFY(showActive(window));
        chooseSolid(window, "sphere");
        givenField(window, "r")->setFocus();
        typeKeys(givenField(window, "r"), QStringLiteral("3"));
        QCOMPARE(beside(window, "V")->text(), QString());
        QTRY_COMPARE(beside(window, "V")->text(), QStringLiteral("36π ≈ 113,1"));
        QCOMPARE(announced(window), QString());
        QTest::keyClick(givenField(window, "r"), Qt::Key_Enter);
        QCOMPARE(announced(window), QStringLiteral("d = 6, S = 36π ≈ 113,1, V = 36π ≈ 113,1"));
        // A setting changed solves again at once.
        window.findChild<QSpinBox*>(QStringLiteral("digits"))->setValue(3);
        QCOMPARE(beside(window, "V")->text(), QStringLiteral("36π ≈ 113,097"));
        // Another solid and back: the radius is still there, and its results.
        chooseSolid(window, "cube");
        QCOMPARE(givenField(window, "a")->text(), QString());
        chooseSolid(window, "sphere");
        QCOMPARE(givenField(window, "r")->text(), QStringLiteral("3"));
        QCOMPARE(beside(window, "V")->text(), QStringLiteral("36π ≈ 113,097"));
        // „Изчисти“ empties this solid's fields and takes back what was said.
        window.findChild<QPushButton*>(QStringLiteral("clear"))->click();
        QCOMPARE(givenField(window, "r")->text(), QString());
        QCOMPARE(beside(window, "V")->text(), QString());
        QCOMPARE(announced(window), QString());
        // Enter with nothing typed says what to give, beside the first field.
        QTest::keyClick(givenField(window, "r"), Qt::Key_Return);
        QVERIFY2(beside(window, "r")->text().startsWith(QStringLiteral("Не е дадена нито една величина")),
                 qPrintable(beside(window, "r")->text()));
    }

    void tabOrderFollowsTheFields() {
        ProblemsWindow window(",");
        QVERIFY(showActive(window));
        chooseSolid(window, "cone");
        QStringList expected = {"solids"};
        for (const char* key : {"r", "d", "h", "l", "S", "S1", "V", "Q"}) expected << QStringLiteral("given:%1").arg(key);
        expected << "solve" << "clear" << "pi:0" << "unit" << "digits" << "steps" << "solids";
        QStringList visited = {QApplication::focusWidget()->objectName()};
        for (qsizetype i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
    }

    void everyControlIsNamed() {
        ProblemsWindow window(",");
        QVERIFY(showActive(window));
        chooseSolid(window, "pyramid");
        QAccessibleInterface* self = QAccessible::queryAccessibleInterface(&window);
        QCOMPARE(self->role(), QAccessible::Window);
        QCOMPARE(self->text(QAccessible::Name), QStringLiteral("Задачи по стереометрия"));
        QCOMPARE(givenField(window, "R")->accessibleName(),
                 QStringLiteral("R радиус на описаната около основата окръжност"));
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            // A spin box's own line edit speaks as the spin box.
            if (!widget->isVisible() || widget->focusPolicy() == Qt::NoFocus || qobject_cast<QSpinBox*>(widget->parent()))
                continue;
            QAccessibleInterface* control = QAccessible::queryAccessibleInterface(widget);
            QVERIFY2(!control->text(QAccessible::Name).isEmpty(), qPrintable(widget->objectName()));
        }
        for (const QString& sign : {QStringLiteral("π"), QStringLiteral("√")})
            QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("insert:") + sign)->accessibleName(),
                     QStringLiteral("вмъкни ") + sign);
        QAccessibleInterface* solids = QAccessible::queryAccessibleInterface(window.findChild<QListWidget*>("solids"));
        QCOMPARE(solids->text(QAccessible::Name), QStringLiteral("Тяло"));
        QCOMPARE(solids->childCount(), 8);
        window.solve();
        QAccessibleInterface* announcement =
            QAccessible::queryAccessibleInterface(window.findChild<QWidget*>(QStringLiteral("Announcement")));
        QCOMPARE(announcement->role(), QAccessible::Notification);
    }

    void theSeparatorInUse_data() {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("typed");  // with the keypad's decimal key where it says '#'
        QTest::addColumn<QString>("volume");
        QTest::addColumn<QString>("school");
        QTest::newRow("comma") << "," << "2#5" << "125π/6 ≈ 65,45" << "3,14";
        QTest::newRow("point") << "." << "2#5" << "125π/6 ≈ 65.45" << "3.14";
        QTest::newRow("point, a comma typed") << "." << "2,5" << "125π/6 ≈ 65.45" << "3.14";
        QTest::newRow("comma, a point typed") << "," << "2.5" << "125π/6 ≈ 65,45" << "3,14";
    }
    void theSeparatorInUse() {
        QFETCH(QString, separator);
        QFETCH(QString, typed);
        QFETCH(QString, volume);
        QFETCH(QString, school);
        ProblemsWindow window(separator.toStdString());
        QVERIFY(showActive(window));
        chooseSolid(window, "sphere");
        QLineEdit* radius = givenField(window, "r");
        radius->setFocus();
        for (const QString& part : typed.split(QLatin1Char('#'))) {
            if (part != typed.split(QLatin1Char('#')).front()) QTest::keyClick(radius, Qt::Key_Period, Qt::KeypadModifier);
            typeKeys(radius, part);
        }
        QCOMPARE(radius->text(), QString(typed).replace(QLatin1Char('#'), separator));
        QTest::keyClick(radius, Qt::Key_Return);
        QCOMPARE(beside(window, "V")->text(), volume);
        QCOMPARE(window.findChild<QRadioButton*>(QStringLiteral("pi:1"))->text(), school);
        QVERIFY(window.findChild<QLabel*>(QStringLiteral("hint"))->text().contains(QStringLiteral("2") + separator + "5"));
    }

    // „Реши като задача“ from a panel's fields: the problems window opens
    // with the panel's inputs as givens, solved.
    void solveAsTaskFromTheCalculator_data() {
        QTest::addColumn<QStringList>("inputs");  // Text24=3: calculator fields
        QTest::addColumn<QString>("menuOf");      // the field whose menu is opened
        QTest::addColumn<QString>("task");        // what the problems window then holds
        QTest::newRow("cone") << QStringList{"Text24=3", "Text25=4"} << "Text27" << "cone r=3 h=4";
        QTest::newRow("cone whose slant height does not fit") << QStringList{"Text24=3", "Text25=4", "Text26=6"}
                                                               << "Text29" << "cone r=3 h=4 l=6";
        QTest::newRow("box") << QStringList{"Text8=1", "Text1=3", "Text2=4", "Text3=12"} << "Text9" << "box a=3 b=4 c=12";
        QTest::newRow("cube") << QStringList{"Text8=2", "Text7=5"} << "Text10" << "cube a=5";
        QTest::newRow("any other prism") << QStringList{"Text8=3", "Text4=24", "Text5=36", "Text6=5"} << "Text4"
                                         << "prism P=24 B=36 h=5";
        QTest::newRow("pyramid") << QStringList{"Text12=24", "Text13=36", "Text14=5", "Text15=4"} << "Text18"
                                 << "pyramid P=24 B=36 k=5 h=4";
        QTest::newRow("polygon") << QStringList{"Text33=6", "Text34=2"} << "Text37" << "polygon n=6 a=2";
        QTest::newRow("cylinder") << QStringList{"Text19=2,5", "Text20=10"} << "Text21" << "cylinder r=2,5 h=10";
        QTest::newRow("sphere") << QStringList{"Text30=3"} << "Text32" << "sphere r=3";
    }
    void solveAsTaskFromTheCalculator() {
        QFETCH(QStringList, inputs);
        QFETCH(QString, menuOf);
        QFETCH(QString, task);
        Form1 form(",");
        QVERIFY(showActive(form));
        for (const QString& input : inputs) field(form, split(input).first)->setText(split(input).second);
        QAction* solveAsTask = contextMenuItem(field(form, menuOf), QStringLiteral("Реши като задача"));
        QVERIFY(solveAsTask);
        QVERIFY(solveAsTask->isEnabled());
        solveAsTask->trigger();
        closeContextMenu();
        ProblemsWindow* window = openedProblems();
        QVERIFY(window);
        QCOMPARE(window->findChild<QListWidget*>("solids")->currentItem()->data(Qt::UserRole).toString(),
                 task.section(QLatin1Char(' '), 0, 0));
        const Task parsed = parse(task.toStdString());
        for (const solver::QuantityRow& quantity : solver::solidByKey(parsed.solid)->quantities) {
            QString typed;
            for (const solver::Given& given : parsed.givens)
                if (given.key == quantity.key) typed = QString::fromStdString(given.text);
            QCOMPARE(givenField(*window, std::string(quantity.key))->text(), typed);
        }
        expectShown(*window, parsed);
        QVERIFY(!window->testAttribute(Qt::WA_QuitOnClose));  // closing the calculator still ends the program
    }

    // A prism whose kind is not yet chosen is no task: the item is greyed out.
    void noTaskWithoutThePrismsKind() {
        Form1 form(",");
        QVERIFY(showActive(form));
        field(form, "Text4")->setText("24");
        QAction* solveAsTask = contextMenuItem(field(form, "Text4"), QStringLiteral("Реши като задача"));
        QVERIFY(solveAsTask);
        QVERIFY(!solveAsTask->isEnabled());
        closeContextMenu();
        QVERIFY(!openedProblems());
    }
};

QTEST_MAIN(ProblemsTest)
#include "problems_test.moc"
