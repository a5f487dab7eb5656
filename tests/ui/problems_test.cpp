// SPDX-License-Identifier: MIT
// The problems window as a student uses it: a task pasted as printed into the
// box at its top (or with Ctrl+V anywhere) fills the fields, marks what is
// asked and names what was not understood; the school tasks of the solver's
// table typed key by key into its fields and solved with Enter show beside
// each field exactly what the solver says (both solutions, the givens marked,
// the message beside the first field it is about), with the steps under them
// and the results said to a screen reader; what was typed stays. The
// calculator's „Реши като задача“ opens it with a panel's inputs; the tab
// order follows the fields; every control has a name; numbers follow the
// separator in use.

#include <QAccessible>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QFontInfo>
#include <QGlyphRun>
#include <QSet>
#include <QTextLayout>
#include <QLayout>
#include <QRadioButton>
#include <QScrollArea>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>

#include <algorithm>
#include <sstream>

#include "../solver/school_tasks.h"
#include "problems_window.h"
#include "solid_drawings.h"
#include "task/solver.h"
#include "task/task_sheet.h"
#include "ui_support.h"
#include "wording/line_breaks.h"

using namespace ui_test;
using geometry::ui::ProblemsWindow;
using geometry::ui::SolidDrawings;
using geometry::ui::SvgView;

namespace {

// A text with its no-break spaces (which keep a number with its unit and its
// „≈“) as plain spaces.
QString plain(QString text) { return text.replace(QChar(0x00A0), QLatin1Char(' ')); }

// A school task as the table writes it: options, the solid, KEY=VALUE.
struct Task {
    std::string solid;
    std::vector<solver::Given> givens;
    solver::Settings settings;
    int piChoice = 0;    // the π button to choose
    int unitChoice = 0;  // the unit to choose
    int grade = 0;       // the grade to choose: 0 for „всички“
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
        } else if (word.starts_with("--grade=")) {
            task.grade = std::atoi(word.substr(8).c_str());
            task.settings.grade = task.grade;
            if (task.grade < 6 || task.grade > 12) task.error = word;
        } else if (word.starts_with("--")) {
            task.error = word;
        } else if (word.ends_with("=?")) {
            continue;  // what the task asks for: the window has no field for that, only for givens
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
    if (task.error.starts_with("--grade=")) return false;  // a grade is chosen on the command line only

    for (const solver::Given& given : task.givens)
        if (solver::quantityIndex(solver::withUses(*solid), given.key) < 0) return false;
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

// The field a key is typed into: its quantity's own letter ("rho" into ρ).
std::string fieldKey(const std::string& solid, const std::string& key) {
    const solver::SolidRow& all = solver::withUses(*solver::solidByKey(solid));
    const int index = solver::quantityIndex(all, key);
    return index < 0 ? key : std::string(all.quantities[std::size_t(index)].key);
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
    // A solid on a base of its own shape: its family's picture, then its base.
    const solver::SolidRow& variant = *solver::solidByKey(key);
    const QString offered = QString::fromUtf8(solver::offeredBy(variant).key.data());
    for (int i = 0; i < int(solver::pictured().size()) && solids->currentItem()->data(Qt::UserRole).toString() != offered; ++i)
        QTest::keyClick(solids, Qt::Key_Right);
    auto* base = window.findChild<QComboBox*>(QStringLiteral("base"));
    QVERIFY(base);
    if (&variant != &solver::offeredBy(variant)) {
        QVERIFY(base->isVisible());
        base->setFocus();
        QTest::keyClick(base, Qt::Key_Home);
        for (int i = 0; i < 40 && base->currentData().toString() != QString::fromStdString(key); ++i)
            QTest::keyClick(base, Qt::Key_Down);
        QCOMPARE(base->currentData().toString(), QString::fromStdString(key));
    }
}

// Types the task into a shown window and presses Enter in its last field.
void typeTask(ProblemsWindow& window, const Task& task) {
    chooseSolid(window, task.solid);
    window.findChild<QRadioButton*>(QStringLiteral("pi:%1").arg(task.piChoice))->click();
    window.findChild<QComboBox*>(QStringLiteral("unit"))->setCurrentIndex(task.unitChoice);
    auto* grade = window.findChild<QComboBox*>(QStringLiteral("grade"));
    grade->setCurrentIndex(grade->findData(task.grade));
    QLineEdit* last = nullptr;
    for (const solver::Given& given : task.givens) {
        last = givenField(window, fieldKey(task.solid, given.key));
        QVERIFY2(last, given.key.c_str());
        // A field of use: „Още величини“ opens it, from the keyboard.
        if (!last->isVisible()) {
            auto* more = window.findChild<QToolButton*>(QStringLiteral("more-quantities"));
            QVERIFY(more && more->isVisible() && !more->isChecked());
            more->setFocus();
            QTest::keyClick(more, Qt::Key_Space);
            QVERIFY(last->isVisible());
        }
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
    const solver::SolidRow& solid = *solver::solidByKey(task.solid);
    for (const solver::QuantityRow& quantity : solver::withUses(solid).quantities)
        for (const solver::Given& given : task.givens)
            if (fieldKey(task.solid, given.key) == quantity.key) inOrder.push_back({std::string(quantity.key), given.text});
    const solver::Outcome expected = solver::solve(task.solid, inOrder, task.settings);
    const solver::Outcome& shown = window.outcome();
    QCOMPARE(solver::statusKey(shown.status), solver::statusKey(expected.status));
    QCOMPARE(shown.message, expected.message);
    for (const solver::QuantityRow& quantity : expected.solid->quantities) {
        const std::string key(quantity.key);
        const solver::Beside place = solver::besideField(expected, solver::withUses(solid), key);
        // Numbers kept whole by no-break spaces; a given that cannot be used
        // has its own sentence beside its own field.
        QStringList lines;
        for (const std::string& line : place.results) lines << QString::fromStdString(solver::keptWhole(line));
        if (expected.status == solver::Status::Invalid && place.concerned)
            lines << QString::fromStdString(solver::keptWhole(solver::givenProblem(expected, inOrder, key, task.settings)));
        else if (place.message)
            lines << QString::fromStdString(solver::keptWhole(expected.message));
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
    // Beside the steps, the figure of each solution, every given named in it
    // by its letter.
    const std::size_t figures = expected.status == solver::Status::Solved ? expected.solutions.size() : 0;
    // (A solid with no figure's drawer shows none, and no empty frame.)
    const solver::Registration* drawn = expected.solid ? expected.solid->registration : nullptr;
    const bool hasFigure = drawn && !drawn->drawing.figure.empty();
    for (std::size_t i = 1; !hasFigure && i <= figures; ++i) {
        const auto* view = window.findChild<SvgView*>(QStringLiteral("figure:%1").arg(i));
        QVERIFY(!view || !view->isVisible());
    }
    for (std::size_t i = 1; hasFigure && i <= figures + 1; ++i) {
        const auto* view = window.findChild<SvgView*>(QStringLiteral("figure:%1").arg(i));
        QCOMPARE(view != nullptr, i <= figures);
        if (!view) continue;
        QVERIFY(!view->isEmpty() && view->isVisible());
        const QString svg = QString::fromUtf8(view->property("svg").toByteArray());
        for (const solver::Given& given : task.givens) {
            if (solver::isUseKey(solid, fieldKey(task.solid, given.key))) continue;  // a mass, a price: not the figure's
            const QRegularExpression named(QStringLiteral("(^|[>, ])%1 [=≈]").arg(QString::fromStdString(given.key)));
            QVERIFY2(named.match(svg).hasMatch(), qPrintable(QString::fromStdString(given.key) + QLatin1Char(' ') + svg));
        }
    }
    // Nothing typed is lost.
    for (const solver::Given& given : task.givens)
        QCOMPARE(givenField(window, fieldKey(task.solid, given.key))->text(), QString::fromStdString(given.text));
}

// The box round the dark pixels of an image (grey below 128).
QRect inked(const QImage& image) {
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    int left = grey.width(), top = grey.height(), right = -1, bottom = -1;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* line = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x)
            if (line[x] < 128) left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

ProblemsWindow* openedProblems() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<ProblemsWindow*>(widget); window && window->isVisible()) return window;
    return nullptr;
}

}  // namespace

// Shown and given the keyboard's focus, on a screen with no window manager
// too (Xvfb), which activates no window by itself.
bool shownWithFocus(QWidget& window) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return false;
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// The share of its own size a figure is drawn at.
double drawnScale(const SvgView* view) {
    const QByteArray svg = view->property("svg").toByteArray();
    QSvgRenderer renderer(svg);
    const QSizeF box = renderer.viewBoxF().size();
    return std::min(view->width() / box.width(), view->height() / box.height());
}

// The window on the screen it opened on, with a task shown: within the
// screen; every control reachable by scrolling; each field as high as its
// text; what stands beside a field on that field's line; the figures' labels
// as large as the window's text.
QStringList laptopFaults(ProblemsWindow& window, const QString& task) {
    QStringList faults;
    const QRect available = window.screen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    if (frame.width() > available.width() || frame.height() > available.height())
        faults << QStringLiteral("%1: the window %2×%3 on a screen of %4×%5")
                      .arg(task).arg(frame.width()).arg(frame.height()).arg(available.width()).arg(available.height());
    auto* scroll = window.findChild<QScrollArea*>(QStringLiteral("scroll"));
    if (!scroll) return faults << QStringLiteral("no area that scrolls");
    for (QWidget* control : {static_cast<QWidget*>(window.drawings()->netButton()),
                             static_cast<QWidget*>(window.drawings()->printButton())}) {
        scroll->widget()->layout()->activate();
        QCoreApplication::processEvents();
        scroll->ensureWidgetVisible(control);
        QCoreApplication::processEvents();
        const QRect shown(control->mapTo(scroll->viewport(), QPoint()), control->size());
        if (!scroll->viewport()->rect().contains(shown))
            faults << QStringLiteral("%1: %2 out of reach at %3,%4 in %5×%6")
                          .arg(task, control->objectName())
                          .arg(shown.x()).arg(shown.y()).arg(scroll->viewport()->width()).arg(scroll->viewport()->height());
    }
    const int textHeight = window.fontMetrics().height();
    for (QLineEdit* field : window.findChildren<QLineEdit*>()) {
        if (!field->objectName().startsWith(QStringLiteral("given:"))) continue;
        if (field->height() < std::max(field->sizeHint().height(), textHeight))
            faults << QStringLiteral("%1: %2 is %3 pixels high").arg(task, field->objectName()).arg(field->height());
        auto* beside = window.findChild<QLabel*>(QStringLiteral("beside:") + field->objectName().mid(6));
        if (!beside || beside->text().isEmpty()) continue;
        const QRect fieldBox(field->mapTo(&window, QPoint()), field->size());
        const QRect besideBox(beside->mapTo(&window, QPoint()), beside->size());
        if (besideBox.top() > fieldBox.center().y() || besideBox.bottom() < fieldBox.center().y())
            faults << QStringLiteral("%1: what stands beside %2 is not on its line").arg(task, field->objectName());
    }
    const double textPixels = QFontInfo(window.font()).pixelSize();
    for (SvgView* view : window.findChildren<SvgView*>()) {
        if (!view->objectName().startsWith(QStringLiteral("figure:")) || view->isEmpty()) continue;
        const double labels = drawnScale(view) * geometry::ui::labelPixels;
        if (labels < textPixels - 0.5)
            faults << QStringLiteral("%1: %2's labels at %3 pixels, the window's text at %4")
                          .arg(task, view->objectName()).arg(labels, 0, 'f', 1).arg(textPixels);
    }
    return faults;
}

// The school tasks, then the frustums' and the bodies', each chosen by its picture.
const std::vector<solver::testing::SchoolTask>& tableTasks() {
    static const std::vector<solver::testing::SchoolTask> tasks = [] {
        std::vector<solver::testing::SchoolTask> all = solver::testing::schoolTasks();
        all.insert(all.end(), solver::testing::frustumTasks().begin(), solver::testing::frustumTasks().end());
        all.insert(all.end(), solver::testing::bodyTasks().begin(), solver::testing::bodyTasks().end());
        return all;
    }();
    return tasks;
}

class ProblemsTest : public QObject {
    Q_OBJECT

private slots:
    void schoolTasksShowTheSolversTexts_data() {
        QTest::addColumn<QString>("task");
        for (const solver::testing::SchoolTask& row : tableTasks())
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

    // A laptop's 1366 × 768 screen at 100 % or 125 % (tests/ui/CMakeLists.txt
    // runs this on such a screen, offscreen and under X): every task fits.
    void fitsTheScreenWithAnyTask() {
        QStringList tasks{QStringLiteral("cone S=15π V=12π"), QStringLiteral("box a=1 d=√14 V=6"),
                          QStringLiteral("pyramid n=4 a=6 h=4"), QStringLiteral("pyramid n=4 a=-6 h=abc"),
                          QStringLiteral("cone r=5 l=3")};
        for (const solver::testing::SchoolTask& row : tableTasks())
            if (typable(parse(row.task))) tasks << QString::fromUtf8(row.task.data());
        ProblemsWindow window(",");
        QVERIFY(shownWithFocus(window));
        QStringList faults;
        for (const QString& task : tasks) {
            const Task parsed = parse(task.toStdString());
            std::vector<std::pair<std::string, std::string>> givens;
            for (const solver::Given& given : parsed.givens) givens.emplace_back(given.key, given.text);
            QVERIFY(window.showTask(parsed.solid, givens));
            QCoreApplication::processEvents();
            faults << laptopFaults(window, task);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.mid(0, 12).join(QLatin1Char('\n'))));
    }

    // Every sign the window shows of the school tasks (⇒, √, π, ≈, ², ⁻ …)
    // has a glyph in the window's faces: none is drawn as an empty box.
    void everySignHasAGlyph() {
        ProblemsWindow window(",");
        QVERIFY(showActive(window));
        QString written;
        for (const solver::testing::SchoolTask& row : tableTasks()) {
            const Task parsed = parse(row.task);
            if (!typable(parsed)) continue;
            std::vector<std::pair<std::string, std::string>> givens;
            for (const solver::Given& given : parsed.givens) givens.emplace_back(given.key, given.text);
            window.showTask(parsed.solid, givens);
            for (QLabel* label : window.findChildren<QLabel*>()) written += label->text();
            written += stepsText(window);
        }
        QSet<char32_t> characters;
        for (const char32_t c : written.toUcs4())
            if (c > 0x7E && c != 0xA0) characters.insert(c);
        QString missing;
        for (const char32_t c : characters) {
            QTextLayout layout(QString::fromUcs4(&c, 1), window.font());
            layout.beginLayout();
            layout.createLine();
            layout.endLayout();
            for (const QGlyphRun& run : layout.glyphRuns())
                if (run.glyphIndexes().contains(0)) missing += QString::fromUcs4(&c, 1) + QLatin1Char(' ');
        }
        QVERIFY2(characters.size() > 20, qPrintable(QString::number(characters.size())));
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("no glyph for ") + missing));
    }

    // Each given that cannot be used has its own sentence beside its own field.
    void eachMessageBesideItsOwnField_data() {
        QTest::addColumn<QString>("task");
        QTest::addColumn<QStringList>("beside");  // KEY=part of what stands beside it
        QTest::newRow("two wrong givens") << QStringLiteral("cone r=-3 h=abc")
                                          << QStringList{QStringLiteral("r=r: „-3“"), QStringLiteral("h=h: „abc“")};
        QTest::newRow("a count and a length") << QStringLiteral("pyramid n=2,5 a=0 h=4")
                                              << QStringList{QStringLiteral("n=n: броят"), QStringLiteral("a=a: „0“")};
        QTest::newRow("one wrong of three") << QStringLiteral("cylinder r=3 h=4x d=7")
                                            << QStringList{QStringLiteral("h=h: „4x“"), QStringLiteral("r="),
                                                           QStringLiteral("d=")};
    }
    void eachMessageBesideItsOwnField() {
        QFETCH(QString, task);
        QFETCH(QStringList, beside);
        ProblemsWindow window(",");
        QVERIFY(shownWithFocus(window));
        typeTask(window, parse(task.toStdString()));
        for (const QString& expected : beside) {
            const QString key = expected.section(QLatin1Char('='), 0, 0), part = expected.section(QLatin1Char('='), 1);
            const QString text = plain(::beside(window, key.toStdString())->text());
            if (part.isEmpty()) QVERIFY2(text.isEmpty(), qPrintable(key + QStringLiteral(": ") + text));
            else QVERIFY2(text.startsWith(part), qPrintable(key + QStringLiteral(": ") + text));
            // Nothing of another field's sentence beside this one.
            for (const QString& other : beside)
                if (other != expected && !other.section(QLatin1Char('='), 1).isEmpty())
                    QVERIFY2(!text.contains(other.section(QLatin1Char('='), 1)), qPrintable(key + QStringLiteral(": ") + text));
        }
    }

    void twoSolutionsOneUnderTheOther() {
        ProblemsWindow window(",");
        QVERIFY(showActive(window));
        typeTask(window, parse("cone S=15π V=12π"));
        QCOMPARE(plain(beside(window, "r")->text()), QStringLiteral("1) 3\n2) ≈ 2,88"));
        QCOMPARE(plain(beside(window, "S")->text()), QStringLiteral("15π ≈ 47,12 (дадено)"));
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
        QTRY_COMPARE(plain(beside(window, "V")->text()), QStringLiteral("36π ≈ 113,1"));
        QCOMPARE(announced(window), QString());
        QTest::keyClick(givenField(window, "r"), Qt::Key_Enter);
        QCOMPARE(announced(window), QStringLiteral("d = 6, S = 36π ≈ 113,1, V = 36π ≈ 113,1"));
        // A setting changed solves again at once.
        window.findChild<QSpinBox*>(QStringLiteral("digits"))->setValue(3);
        QCOMPARE(plain(beside(window, "V")->text()), QStringLiteral("36π ≈ 113,097"));
        // Another solid and back: the radius is still there, and its results.
        chooseSolid(window, "cube");
        QCOMPARE(givenField(window, "a")->text(), QString());
        chooseSolid(window, "sphere");
        QCOMPARE(givenField(window, "r")->text(), QStringLiteral("3"));
        QCOMPARE(plain(beside(window, "V")->text()), QStringLiteral("36π ≈ 113,097"));
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
        for (const char* key : {"r", "d", "h", "l", "S", "S1", "V", "Q", "α", "β", "θ"}) expected << QStringLiteral("given:%1").arg(key);
        expected << "more-quantities" << "solve" << "clear" << "pi:0" << "grade" << "unit" << "digits" << "steps" << "task-text" << "solids";
        QStringList visited = {QApplication::focusWidget()->objectName()};
        for (qsizetype i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
        // An angle's field ends in a degree sign, and says so to a screen reader; a length's does not.
        for (const char* key : {"α", "β", "θ"}) {
            const auto* degrees = givenField(window, key)->findChild<QLabel*>(QStringLiteral("degrees"));
            QVERIFY2(degrees && degrees->text() == QStringLiteral("°"), key);
            QVERIFY(givenField(window, key)->accessibleName().endsWith(QStringLiteral(", в градуси")));
        }
        QVERIFY(!givenField(window, "r")->findChild<QLabel*>(QStringLiteral("degrees")));
        // Solved, the net's buttons follow the steps.
        typeTask(window, parse("cone r=3 h=4"));
        window.findChild<QTextBrowser*>(QStringLiteral("steps"))->setFocus();
        visited.clear();
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, (QStringList{"net", "print-net", "task-text", "solids"}));
    }

    // The student's grade, chosen with the keyboard beside π: the steps and
    // what stands beside the fields follow it at once.
    void theGradeChangesTheSteps() {
        ProblemsWindow window(",");
        QVERIFY(shownWithFocus(window));
        typeTask(window, parse("pyramid n=4 a=6 h=4"));
        QVERIFY2(stepsText(window).contains(QStringLiteral("tg")), qPrintable(stepsText(window)));
        auto* grade = window.findChild<QComboBox*>(QStringLiteral("grade"));
        QCOMPARE(grade->currentText(), QStringLiteral("всички"));
        QCOMPARE(grade->accessibleName(), QStringLiteral("Клас"));
        // Alt and the caption's underlined letter, as the other settings.
        QTest::sendKeyEvent(QTest::Click, &window, Qt::Key(0x041A), QStringLiteral("К"), Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), grade);
        QTest::keyClick(grade, Qt::Key_Down);
        QCOMPARE(grade->currentText(), QStringLiteral("6"));
        const QString grade6 = stepsText(window);
        QVERIFY2(grade6.contains(QStringLiteral("B = a² = 6² = 36")), qPrintable(grade6));
        for (const QString& word : {QStringLiteral("tg"), QStringLiteral("sin"), QStringLiteral("cos"), QStringLiteral("√(")})
            QVERIFY2(!grade6.contains(word), qPrintable(word + QLatin1Char('\n') + grade6));
        QVERIFY2(plain(beside(window, "k")->text()).contains(QStringLiteral("не се намира с наученото до 6. клас")),
                 qPrintable(beside(window, "k")->text()));
        QCOMPARE(plain(beside(window, "V")->text()), QStringLiteral("48"));
        expectShown(window, parse("--grade=6 pyramid n=4 a=6 h=4"));
        // Grade 7 has Pythagoras' theorem: the apothem, still no tangent.
        QTest::keyClick(grade, Qt::Key_Down);
        QCOMPARE(grade->currentText(), QStringLiteral("7"));
        QVERIFY2(stepsText(window).contains(QStringLiteral("k = √(")), qPrintable(stepsText(window)));
        QVERIFY2(!stepsText(window).contains(QStringLiteral("tg")), qPrintable(stepsText(window)));
        QCOMPARE(plain(beside(window, "k")->text()), QStringLiteral("5"));
        // Every grade's tools again: the steps as before.
        QTest::keyClick(grade, Qt::Key_Home);
        QCOMPARE(grade->currentText(), QStringLiteral("всички"));
        QVERIFY2(stepsText(window).contains(QStringLiteral("tg")), qPrintable(stepsText(window)));
        expectShown(window, parse("pyramid n=4 a=6 h=4"));
    }

    // A vessel's fill typed under „Още величини“, opened from the keyboard
    // after the solid's own fields: the litres beside Vt; chosen again, the
    // solid shows the group open with what was typed.
    void theFillTypedTheLiquidBesideIt() {
        ProblemsWindow window(",");
        QVERIFY(showActive(window));
        chooseSolid(window, "box");
        auto* more = window.findChild<QToolButton*>(QStringLiteral("more-quantities"));
        QVERIFY(more && more->isVisible() && !more->isChecked());
        QCOMPARE(more->accessibleName(), QStringLiteral("Още величини"));
        QVERIFY(!givenField(window, "f")->isVisible() && !givenField(window, "Vt")->isVisible());
        QCOMPARE(givenField(window, "f")->accessibleName(), QStringLiteral("f част от обема, пълна с течност"));
        for (const auto& [key, text] : {std::pair{"a", "60cm"}, {"b", "30cm"}, {"c", "40cm"}}) {
            givenField(window, key)->setFocus();
            typeKeys(givenField(window, key), QString::fromLatin1(text));
        }
        // From the last of the box's own fields, Tab: the button.
        QLineEdit* lastOwn = givenField(window, std::string(solver::solidByKey("box")->quantities.back().key));
        lastOwn->setFocus();
        QTest::keyClick(lastOwn, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), more);
        QTest::keyClick(more, Qt::Key_Space);
        QVERIFY(givenField(window, "f")->isVisible() && givenField(window, "E")->isVisible());
        // The fields of use in their order, after the button, before „Реши“.
        QStringList visited;
        for (QWidget* at = more; at && at->objectName() != QLatin1String("solve"); at = at->nextInFocusChain())
            if (at->objectName().startsWith(QStringLiteral("given:"))) visited << at->objectName().mid(6);
        QVERIFY2(visited.indexOf(QStringLiteral("f")) >= 0 && visited.indexOf(QStringLiteral("f")) < visited.indexOf(QStringLiteral("Vt")),
                 qPrintable(visited.join(QLatin1Char(' '))));
        givenField(window, "f")->setFocus();
        typeKeys(givenField(window, "f"), QStringLiteral("3/4"));
        QTest::keyClick(givenField(window, "f"), Qt::Key_Return);
        QCOMPARE(solver::statusKey(window.outcome().status), std::string("solved"));
        const QString liquid = plain(beside(window, "Vt")->text());
        QVERIFY2(liquid.contains(QStringLiteral("54000 cm³")) && liquid.contains(QStringLiteral("54 l")), qPrintable(liquid));
        QVERIFY2(plain(beside(window, "f")->text()).contains(QStringLiteral("дадено")), qPrintable(beside(window, "f")->text()));
        expectShown(window, parse("box a=60cm b=30cm c=40cm f=3/4"));
        // Nothing of use typed: another solid shows its group closed; back, open with 3/4.
        chooseSolid(window, "cube");
        QVERIFY(!window.findChild<QToolButton*>(QStringLiteral("more-quantities"))->isChecked());
        QVERIFY(!givenField(window, "E")->isVisible());
        chooseSolid(window, "box");
        QVERIFY(window.findChild<QToolButton*>(QStringLiteral("more-quantities"))->isChecked());
        QCOMPARE(givenField(window, "f")->text(), QStringLiteral("3/4"));
    }

    // A sum of edges read from a task's text lands in its field, opened.
    void aSumOfEdgesReadLandsInItsField() {
        ProblemsWindow window(",");
        QVERIFY(showActive(window));
        window.showText(QStringLiteral("Сборът от всички ръбове на куб е 60 cm. Намерете обема му."));
        QVERIFY(givenField(window, "E") && givenField(window, "E")->isVisible());
        QCOMPARE(givenField(window, "E")->text().remove(QLatin1Char(' ')), QStringLiteral("60cm"));
        QVERIFY(window.findChild<QToolButton*>(QStringLiteral("more-quantities"))->isChecked());
        QVERIFY2(plain(beside(window, "V")->text()).startsWith(QStringLiteral("125 cm³")), qPrintable(beside(window, "V")->text()));
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
        QCOMPARE(solids->childCount(), 11);
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
        QCOMPARE(plain(beside(window, "V")->text()), volume);
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

    // The net printed to a PDF file as the print dialog's printer would: an
    // A4 page upright or sideways as the net asks, and on it, 10 mm from the
    // corner, the net at its scale: the page turned into pixels (pdftoppm,
    // 10 pixels a millimetre) has its ink where the SVG drawn at that size
    // has it.
    void theNetPrintsAtItsScale_data() {
        QTest::addColumn<QString>("task");
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<QString>("scale");
        QTest::newRow("cone 3 by 4 cm, 1:1 upright") << "cone r=3cm h=4cm" << false << "1";
        QTest::newRow("cube of 5 cm, 1:1 sideways") << "cube a=5cm" << true << "1";
        QTest::newRow("cylinder of 1 by 2 m, 1:50") << "cylinder r=1m h=2m" << false << "0.02";
    }
    void theNetPrintsAtItsScale() {
        QFETCH(QString, task);
        QFETCH(bool, landscape);
        QFETCH(QString, scale);
        ProblemsWindow window(",");
        QVERIFY(showActive(window));
        typeTask(window, parse(task.toStdString()));
        auto* drawings = window.findChild<SolidDrawings*>();
        QVERIFY(drawings->printButton()->isEnabled() && drawings->netButton()->isEnabled());
        QCOMPARE(drawings->net().landscape, landscape);
        QVERIFY(QString::fromStdString(drawings->net().svg).contains(QStringLiteral("data-scale=\"%1\"").arg(scale)));
        // „Развивка“ shows the net in a window of its own.
        drawings->netButton()->click();
        QVERIFY(drawings->netWindow() && drawings->netWindow()->isVisible());
        QVERIFY(!drawings->netWindow()->findChild<SvgView*>()->isEmpty());

        QTemporaryDir folder;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath(QStringLiteral("net.pdf")));
        QVERIFY(geometry::ui::printNet(printer, drawings->net()));
        QFile pdf(printer.outputFileName());
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QRegularExpressionMatch box =
            QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]")).match(QString::fromLatin1(pdf.readAll()));
        QVERIFY(box.hasMatch());
        const QSizeF points(box.captured(1).toDouble(), box.captured(2).toDouble());
        const QSizeF a4 = landscape ? QSizeF(841.89, 595.28) : QSizeF(595.28, 841.89);
        QVERIFY2(std::abs(points.width() - a4.width()) < 1 && std::abs(points.height() - a4.height()) < 1,
                 qPrintable(box.captured(0)));

        const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (pdftoppm.isEmpty()) QSKIP("pdftoppm (poppler-utils) is needed to look at the printed page");
        QCOMPARE(QProcess::execute(pdftoppm, {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-gray"),
                                              QStringLiteral("-singlefile"), pdf.fileName(), folder.filePath("page")}),
                 0);
        const QImage page(folder.filePath(QStringLiteral("page.pgm")));
        QVERIFY(!page.isNull());
        QImage drawn(int(drawings->net().widthMm * 10 + 0.5), int(drawings->net().heightMm * 10 + 0.5), QImage::Format_RGB32);
        drawn.fill(Qt::white);
        QPainter painter(&drawn);
        QSvgRenderer(QByteArray::fromStdString(drawings->net().svg)).render(&painter, QRectF(drawn.rect()));
        painter.end();
        const QRect printed = inked(page), expected = inked(drawn).translated(100, 100);  // 10 mm margins
        QVERIFY(!expected.isEmpty());
        const auto near = [](int a, int b) { return std::abs(a - b) <= 4; };  // 0.4 mm
        QVERIFY2(near(printed.left(), expected.left()) && near(printed.top(), expected.top()) &&
                     near(printed.right(), expected.right()) && near(printed.bottom(), expected.bottom()),
                 qPrintable(QStringLiteral("printed %1,%2 %3x%4, expected %5,%6 %7x%8")
                                .arg(printed.x()).arg(printed.y()).arg(printed.width()).arg(printed.height())
                                .arg(expected.x()).arg(expected.y()).arg(expected.width()).arg(expected.height())));
    }

    // The ball has no net: the window says why, and there is nothing to print.
    void noNetOfTheBall() {
        ProblemsWindow window(",");
        QVERIFY(showActive(window));
        typeTask(window, parse("sphere r=3"));
        auto* drawings = window.findChild<SolidDrawings*>();
        QVERIFY(!drawings->printButton()->isEnabled() && !drawings->netButton()->isEnabled());
        auto* why = drawings->findChild<QLabel*>(QStringLiteral("no-net"));
        QVERIFY(why->isVisible());
        QVERIFY2(why->text().startsWith(QStringLiteral("Сферата няма развивка")), qPrintable(why->text()));
        QVERIFY(!window.findChild<SvgView*>(QStringLiteral("figure:1"))->isEmpty());
    }

    // A task pasted as printed: the fields, the solid and π as it reads,
    // the asked quantity marked beside its value, what was read said under
    // the box; a field typed in then corrects it.
    void aTaskPastedIntoTheBoxFillsTheFields() {
        ProblemsWindow window(",");
        QVERIFY(showActive(window));
        window.showText(QStringLiteral("Зад. 3. Правилна четириъгълна пира-\nмида има основен ръб 16 cm и околна "
                                       "повърхнина 320 cm2. Намерете обема ѝ (π ≈ 3,14)."));
        QCOMPARE(window.findChild<QListWidget*>("solids")->currentItem()->data(Qt::UserRole).toString(), "pyramid");
        QCOMPARE(givenField(window, "n")->text(), QStringLiteral("4"));
        QCOMPARE(givenField(window, "a")->text(), QStringLiteral("16 cm"));
        QCOMPARE(givenField(window, "S")->text(), QStringLiteral("320 cm²"));
        QCOMPARE(givenField(window, "h")->text(), QString());
        QCOMPARE(plain(beside(window, "V")->text()), QStringLiteral("512 cm³ (0,512 l) (търси се)"));
        QVERIFY(window.findChild<QRadioButton*>(QStringLiteral("pi:1"))->isChecked());
        const QString read = window.findChild<QLabel*>(QStringLiteral("text-read"))->text();
        QVERIFY2(read.startsWith(QStringLiteral("Прочетено: правилна пирамида; n = 4, a = 16\u00a0cm, S = 320\u00a0cm²; търси се V")),
                 qPrintable(read));
        // A correction in a field: the fields are the task from then on, V still asked.
        givenField(window, "a")->setFocus();
        givenField(window, "a")->selectAll();
        typeKeys(givenField(window, "a"), QStringLiteral("10 cm"));
        QTest::keyClick(givenField(window, "a"), Qt::Key_Return);
        QVERIFY2(beside(window, "V")->text().endsWith(QStringLiteral("(търси се)")), qPrintable(beside(window, "V")->text()));
        QVERIFY2(plain(beside(window, "a")->text()).startsWith(QStringLiteral("10 cm")), qPrintable(beside(window, "a")->text()));
    }

    void aTaskInLitresAndOneNotUnderstood() {
        ProblemsWindow window(",");
        QVERIFY(showActive(window));
        window.showText(QStringLiteral("Куб има ръб 20 cm. Колко литра е обемът му?"));
        QCOMPARE(plain(beside(window, "V")->text()), QStringLiteral("8 l (търси се)"));
        // A frustum: its own picture taken, its own fields.
        window.showText(QStringLiteral("Пресечен конус има радиуси 6 cm и 3 cm и височина 4 cm. Намерете обема."));
        QCOMPARE(plain(beside(window, "V")->text()), QStringLiteral("84π ≈ 263,89 cm³ (≈ 0,26 l) (търси се)"));
        const QListWidget* solids = window.findChild<QListWidget*>(QStringLiteral("solids"));
        QCOMPARE(solids->currentItem()->data(Qt::UserRole).toString(), QStringLiteral("cone-frustum"));
        QCOMPARE(solids->currentItem()->text(), QStringLiteral("пресечен конус"));
        // The sphere about a solid: the solid's fields, the sphere's under „Още величини“.
        window.showText(QStringLiteral("Около куб с ръб 2 cm е описана сфера. Намерете лицето на сферата."));
        QCOMPARE(plain(beside(window, "Sc")->text()), QStringLiteral("12π ≈ 37,7 cm² (търси се)"));
        QCOMPARE(solids->currentItem()->data(Qt::UserRole).toString(), QStringLiteral("cube"));
        // A body of two solids: the bodies' picture taken, the body chosen in
        // their list, its own fields, kept when the pictures take the focus
        // (they used to take the first, and the cube's fields showed the body's numbers).
        window.showText(QStringLiteral("Правоъгълен триъгълник с катети 6 cm и 8 cm се завърта около хипотенузата си. "
                                       "Намерете обема на полученото ротационно тяло."));
        QCOMPARE(solids->currentItem()->text(), QStringLiteral("съставно тяло"));
        const auto* bodies = window.findChild<QComboBox*>(QStringLiteral("base"));
        QVERIFY(bodies->isVisible());
        QCOMPARE(bodies->currentData().toString(), QStringLiteral("double-cone"));
        QCOMPARE(bodies->accessibleName(), QStringLiteral("Вид тяло"));
        QCOMPARE(givenField(window, "l1")->text(), QStringLiteral("6 cm"));
        QCOMPARE(plain(beside(window, "V")->text()), QStringLiteral("384π/5 ≈ 241,27 cm³ (≈ 0,24 l) (търси се)"));
        const int bodiesRow = solids->currentRow();
        givenField(window, "l1")->setFocus(Qt::TabFocusReason);
        const_cast<QListWidget*>(solids)->setFocus(Qt::BacktabFocusReason);
        QVERIFY(solids->hasFocus());
        QCOMPARE(solids->currentRow(), bodiesRow);
        QVERIFY(givenField(window, "l1"));
        QCOMPARE(plain(beside(window, "c")->text()), QStringLiteral("10 cm"));
        // Two solids of which neither is about the other: the words not understood named.
        window.showText(QStringLiteral("Около цилиндър с радиус 2 cm е описан конус. Намерете обема на конуса."));
        const QString read = window.findChild<QLabel*>(QStringLiteral("text-read"))->text();
        QVERIFY2(read.contains(QStringLiteral("„описан“")), qPrintable(read));
        QVERIFY2(stepsText(window).contains(QStringLiteral("няколко тела")), qPrintable(stepsText(window)));
        // The box emptied: the fields are the task again.
        window.showText(QString());
        QVERIFY(!window.findChild<QLabel*>(QStringLiteral("text-read"))->isVisible());
    }

    // Ctrl+V anywhere in the window reads the clipboard's task; in a field a
    // number is pasted as before.
    void ctrlVAnywhereReadsTheClipboardsTask() {
        ProblemsWindow window(",");
        QVERIFY(showActive(window));
        chooseSolid(window, "sphere");
        QGuiApplication::clipboard()->setText(QStringLiteral("2,5"));
        givenField(window, "r")->setFocus();
        QTest::keySequence(givenField(window, "r"), QKeySequence::Paste);
        QCOMPARE(givenField(window, "r")->text(), QStringLiteral("2,5"));
        const QString task = QStringLiteral("Радиусът на основата на конус е 3 cm, а височината му е 4 cm. Намерете обема.");
        QGuiApplication::clipboard()->setText(task);
        QTest::keySequence(givenField(window, "r"), QKeySequence::Paste);
        QCOMPARE(window.findChild<QPlainTextEdit*>(QStringLiteral("task-text"))->toPlainText(), task);
        QCOMPARE(givenField(window, "r")->text(), QStringLiteral("3 cm"));
        QCOMPARE(plain(beside(window, "V")->text()), QStringLiteral("12π ≈ 37,7 cm³ (≈ 0,04 l) (търси се)"));
        // With the focus on the solids.
        QGuiApplication::clipboard()->setText(QStringLiteral("Кълбо с радиус 3 cm. Намерете обема му."));
        window.findChild<QListWidget*>(QStringLiteral("solids"))->setFocus();
        QTest::keySequence(window.findChild<QListWidget*>(QStringLiteral("solids")), QKeySequence::Paste);
        QCOMPARE(window.findChild<QListWidget*>("solids")->currentItem()->data(Qt::UserRole).toString(), "sphere");
        QCOMPARE(plain(beside(window, "V")->text()), QStringLiteral("36π ≈ 113,1 cm³ (≈ 0,11 l) (търси се)"));
    }

    // A task pasted into the calculator opens the problems window with it; a
    // number is pasted into the field as before.
    void aTaskPastedIntoTheCalculator() {
        Form1 form(",");
        QVERIFY(showActive(form));
        QGuiApplication::clipboard()->setText(QStringLiteral("3"));
        field(form, "Text30")->setFocus();
        QTest::keySequence(field(form, "Text30"), QKeySequence::Paste);
        QCOMPARE(field(form, "Text30")->text(), QStringLiteral("3"));
        QVERIFY(!openedProblems());
        QGuiApplication::clipboard()->setText(QStringLiteral("Намерете обема на кълбо с радиус 6 cm."));
        QTest::keySequence(field(form, "Text30"), QKeySequence::Paste);
        QCOMPARE(field(form, "Text30")->text(), QStringLiteral("3"));
        ProblemsWindow* window = openedProblems();
        QVERIFY(window);
        QCOMPARE(givenField(*window, "r")->text(), QStringLiteral("6 cm"));
        QCOMPARE(plain(beside(*window, "V")->text()), QStringLiteral("288π ≈ 904,78 cm³ (≈ 0,9 l) (търси се)"));
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
