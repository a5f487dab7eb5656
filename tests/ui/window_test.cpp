// SPDX-License-Identifier: MIT
// Through the real widgets: typing into the fields, clicking the buttons and
// reading the results of each panel, with either decimal separator; the
// instruction boxes; a failed press; thousands of boxes in a row; closing the window.

#include <malloc.h>

#include <csignal>
#include <functional>

#include <QElapsedTimer>
#include <QProxyStyle>

#include "../core/panel_cases.h"
#include "error_stop.h"
#include "result_field_checks.h"
#include "session_end.h"
#include "ui_support.h"

using namespace ui_test;

namespace {

// "Text1=1.5": a field and its text; a point stands for the decimal separator.
using Entries = QStringList;

const QStringList separators = {",", "."};

void typeEntries(const Form1& form, const Entries& entries, const QString& separator) {
    for (const QString& entry : entries) {
        const auto [name, text] = split(entry);
        typeInto(form, name, localized(text, separator));
    }
}

// One press per panel, with the results the calculator shows for it.
struct PanelPress {
    const char* name;
    Entries inputs;
    const char* calculate;
    Entries results;
    const char* clear;
    geometry::Panel panel;  // whose fields the clear button empties
};

const QList<PanelPress> panelPresses = {
    {"box", {"Text8=1", "Text1=1.5", "Text2=2.5", "Text3=3.5"}, "Command1",
     {"Text9=35.5", "Text10=", "Text11=13.125"}, "Command2",
     geometry::Panel::RightPrism},
    {"cube", {"Text8=2", "Text7=3.9"}, "Command1", {"Text9=91.26", "Text10=", "Text11=59.319"},
     "Command2", geometry::Panel::RightPrism},
    {"other right prism", {"Text8=3", "Text4=1.1", "Text6=3.3", "Text5=2.2"}, "Command1",
     {"Text9=3.63", "Text10=8.030001", "Text11=7.26"}, "Command2",
     geometry::Panel::RightPrism},
    {"regular pyramid", {"Text12=1.1", "Text13=7.25", "Text14=3.3", "Text15=1"}, "Command3",
     {"Text16=1.815", "Text17=9.065001", "Text18=2.416667"}, "Command4",
     geometry::Panel::RegularPyramid},
    {"regular polygon", {"Text33=2.5", "Text34=1"}, "Command13", {"Text36=2.5", "Text37=0.203075"},
     "Command14", geometry::Panel::RegularPolygon},
    {"cylinder", {"Text19=1", "Text20=11"}, "Command5",
     {"Text21=69.11502", "Text22=75.3982", "Text23=34.55751"}, "Command6",
     geometry::Panel::Cylinder},
    {"cone", {"Text24=1", "Text25=4", "Text26=13"}, "Command7",
     {"Text27=40.84069", "Text28=43.98228", "Text29=4.188789"}, "Command8",
     geometry::Panel::Cone},
    {"sphere and ball", {"Text30=2"}, "Command9", {"Text31=50.26547", "Text32=33.51031"}, "Command10",
     geometry::Panel::SphereAndBall},
};

// A press that fails: what stands in the fields, the field to put right (none
// for a fault of the calculation), and a retry after the student retypes.
struct FailedPress {
    const char* name;
    Entries inputs;
    const char* button;
    const char* offending;  // "" when no field is to blame
    QStringList mentioned;  // what the message names
    Entries retype;         // typed after the box, into the focused field or the one named
    Entries afterRetry;
};

const QList<FailedPress> failedPresses = {
    {"empty sphere radius", {"Text31=7", "Text32=8"}, "Command9", "Text30",
     {"„радиус“", "сфера и кълбо"}, {"Text30=2"}, {"Text31=50.26547", "Text32=33.51031"}},
    {"letters for a radius", {"Text30=abc", "Text31=7"}, "Command9", "Text30",
     {"„радиус“", "сфера и кълбо"}, {"Text30=2"}, {"Text31=50.26547", "Text32=33.51031"}},
    {"cylinder height not a number", {"Text19=1", "Text20=1a", "Text21=5"}, "Command5", "Text20",
     {"„височина“", "цилиндър"}, {"Text20=11"}, {"Text21=69.11502"}},
    {"pyramid base area too large", {"Text13=1e39", "Text16=5"}, "Command3", "Text13",
     {"„лице на основата“", "правилна пирамида"}, {}, {}},
    {"polygon with no sides", {"Text33=0", "Text34=1", "Text36=9"}, "Command13", "Text33",
     {"„брой страни“", "периметър и лице на правилен многоъгълник"}, {"Text33=4"}, {"Text36=4", "Text37=1"}},
    {"prism kind with a blank", {"Text8= 1", "Text1=2", "Text2=3", "Text3=4", "Text9=7"}, "Command1", "Text8",
     {"„1 или 2 или 3“", "права призма"}, {"Text8=1"}, {"Text9=52", "Text10=", "Text11=24"}},
};

// The field's "Копирай решението", triggered if it can be: what it put on the
// clipboard, or that it is greyed out.
QString copiedSolution(QLineEdit* edit) {
    QApplication::clipboard()->setText(QStringLiteral("before"));
    QAction* copy = contextMenuItem(edit, QStringLiteral("Копирай решението"));
    if (!copy) return QStringLiteral("(no such item)");
    const bool enabled = copy->isEnabled();
    if (enabled) copy->trigger();
    closeContextMenu();
    return enabled ? QApplication::clipboard()->text() : QStringLiteral("(greyed out)");
}

}  // namespace

// Bytes in use on the heap.
std::size_t heapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// The boxes' OK buttons carry icons, as X11 desktops give them.
class ButtonIconStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* answer) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 1;
        return QProxyStyle::styleHint(hint, option, widget, answer);
    }
};

// Paints every box as it opens, as a screen would, then presses its OK.
class PaintingAnswerer : public QObject {
public:
    PaintingAnswerer() { qApp->installEventFilter(this); }
    ~PaintingAnswerer() override { qApp->removeEventFilter(this); }
    int answered = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (event->type() != QEvent::Show || !box) return false;
        QMetaObject::invokeMethod(
            box,
            [this, box] {
                box->grab();
                box->button(QMessageBox::Ok)->click();
                ++answered;
            },
            Qt::QueuedConnection);
        return false;
    }
};

// Calls `onShow` as each message box opens.
class BoxShown : public QObject {
public:
    explicit BoxShown(std::function<void()> onShow) : onShow_(std::move(onShow)) { qApp->installEventFilter(this); }
    ~BoxShown() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && qobject_cast<QMessageBox*>(watched)) onShow_();
        return false;
    }

private:
    std::function<void()> onShow_;
};

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void onePressPerPanel_data() {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<int>("press");
        for (const QString& separator : separators)
            for (int i = 0; i < panelPresses.size(); ++i)
                QTest::addRow("%s with '%s'", panelPresses[i].name, qPrintable(separator)) << separator << i;
    }
    void onePressPerPanel() {
        QFETCH(QString, separator);
        QFETCH(int, press);
        const PanelPress& row = panelPresses[press];
        Form1 form(separator.toStdString());
        QVERIFY(showActive(form));
        MessageBoxWatcher boxes;
        typeEntries(form, row.inputs, separator);
        QTest::mouseClick(button(form, row.calculate), Qt::LeftButton);
        QVERIFY(boxes.shown.isEmpty());
        for (const QString& entry : row.results) {
            const auto [name, text] = split(entry);
            QCOMPARE(field(form, name)->text(), localized(text, separator));
        }
        QTest::mouseClick(button(form, row.clear), Qt::LeftButton);
        for (const QString& name : clearedFields(row.panel)) QVERIFY2(field(form, name)->text().isEmpty(), qPrintable(name));
        QVERIFY(boxes.shown.isEmpty());
    }

    void longResultShowsItsLeadingDigits() {
        Form1 form(",");
        QVERIFY(showActive(form));
        typeInto(form, "Text30", "123456");
        QTest::mouseClick(button(form, "Command9"), Qt::LeftButton);
        QLineEdit* volume = field(form, "Text32");
        QVERIFY(volume->fontMetrics().horizontalAdvance(volume->text()) > volume->width());
        QCOMPARE(volume->cursorPosition(), 0);
    }

    // The window's face is the application's only while its controls are
    // made: the problems window and the message boxes keep the desktop's font.
    void theDesktopsFontStaysTheApplications() {
        const QFont desktops = QApplication::font();
        Form1 form(",");
        QCOMPARE(QApplication::font(), desktops);
        QVERIFY(field(form, "Text30")->font() != desktops);
    }

    void resultFieldsShowRoundedNumbers_data() { addShownResultRows(); }
    void resultFieldsShowRoundedNumbers() { checkShownResult(); }

    // The press the student made: 143,9 into the cylinder's radius and height.
    // A number typed into a result field is rounded from its own value, a text
    // that is no number shows as it is; with the focus the whole text shows.
    void resultFieldsAfterAPressAndTyping() {
        Form1 form(",");
        QVERIFY(showActive(form));
        typeEntries(form, {"Text19=143.9", "Text20=143.9"}, ",");
        QTest::mouseClick(button(form, "Command5"), Qt::LeftButton);
        auto* volume = qobject_cast<ResultField*>(field(form, "Text23"));
        QCOMPARE(volume->text(), QStringLiteral("9361213"));
        QVERIFY(volume->shownText() != QStringLiteral("936121"));
        QVERIFY(volume->shownText().endsWith(QStringLiteral("E+06")));
        QCOMPARE(hoverText(volume), QStringLiteral("V = π·r²·h = 3,141592·143,9²·143,9 = 9361213"));
        QTest::mouseClick(volume, Qt::LeftButton);
        volume->selectAll();
        QTest::keyClicks(volume, QStringLiteral("0,000012345678"));
        QTest::mouseClick(field(form, "Text1"), Qt::LeftButton);
        QVERIFY(!volume->hasFocus());
        QCOMPARE(volume->text(), QStringLiteral("0,000012345678"));
        QVERIFY2(volume->shownText().endsWith(QStringLiteral("E-05")), qPrintable(volume->shownText()));
        QCOMPARE(hoverText(volume), QStringLiteral("0,000012345678"));  // no longer the press's result
        QTest::mouseClick(volume, Qt::LeftButton);
        volume->selectAll();
        volume->insert(QStringLiteral("много голямо число"));
        QTest::mouseClick(field(form, "Text1"), Qt::LeftButton);
        QCOMPARE(volume->shownText(), QStringLiteral("много голямо число"));
    }

    // The rows of the core's case tables that say how their results are found,
    // pressed in the window: each result field's tooltip is its line, and the
    // menus of the panel's fields copy all of them; before the press and after
    // the clear there is nothing to copy.
    void solutionInTooltipsAndCopied_data() {
        using geometry::testing::panelTables;
        QTest::addColumn<QString>("separator");
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("row");
        for (const QString& separator : separators)
            for (int table = 0; table < int(std::size(panelTables)); ++table)
                for (int row = 0; row < int(panelTables[table]->rows.size()); ++row)
                    if (!panelTables[table]->rows[row].solution.empty())
                        QTest::addRow("%s row %d with '%s'", panelTables[table]->panel.name, row, qPrintable(separator))
                            << separator << table << row;
    }
    void solutionInTooltipsAndCopied() {
        QFETCH(QString, separator);
        QFETCH(int, table);
        QFETCH(int, row);
        const geometry::testing::PanelUnderTest& panel = geometry::testing::panelTables[table]->panel;
        const geometry::testing::Row& pressed = geometry::testing::panelTables[table]->rows[row];
        Form1 form(separator.toStdString());
        QVERIFY(showActive(form));
        QLineEdit* input = field(form, qs(geometry::fieldInfo(pressed.typed.back().first).name));
        QLineEdit* result = field(form, qs(geometry::fieldInfo(panel.results.back()).name));
        QCOMPARE(copiedSolution(input), QStringLiteral("(greyed out)"));

        for (const auto& [typedInto, text] : pressed.typed)
            field(form, qs(geometry::fieldInfo(typedInto).name))->setText(localized(qs(text), separator));
        QTest::mouseClick(button(form, qs(geometry::buttonName(panel.calculate))), Qt::LeftButton);
        QStringList lines;
        for (const std::string& line : pressed.solution) lines << localized(qs(line), separator);
        QStringList tooltips;
        for (geometry::Field written : panel.results) {
            QLineEdit* edit = field(form, qs(geometry::fieldInfo(written).name));
            if (!edit->text().isEmpty()) tooltips << hoverText(edit);
        }
        QCOMPARE(tooltips, lines);
        QCOMPARE(copiedSolution(input), lines.join(QLatin1Char('\n')));
        QCOMPARE(copiedSolution(result), lines.join(QLatin1Char('\n')));

        QTest::mouseClick(button(form, qs(geometry::panelRow(panel.which).clear.name)), Qt::LeftButton);
        QCOMPARE(copiedSolution(result), QStringLiteral("(greyed out)"));
    }

    void instructionShowsFourBoxesAndTouchesNoField() {
        Form1 form(",");
        QVERIFY(showActive(form));
        typeEntries(form, {"Text1=2", "Text9=x", "Text30=3", "Text37=y"}, ",");
        const QStringList before = allFieldTexts(form);
        MessageBoxWatcher boxes;
        QTest::mouseClick(button(form, "Command11"), Qt::LeftButton);
        const QStringList expected = {
            "Елементите на фигурата въведете на съответното място!",
            "Ако има няколко варианта въведете 1 или 2 или 3 на съответното място!",
            "След всяко пресмятане натискайте <изчисти>!",
            "ПРИЯТНА РАБОТА!!!",
        };
        QCOMPARE(boxes.shown.size(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i) {
            const ShownBox& box = boxes.shown[i];
            QCOMPARE(box.text, expected[i]);
            QCOMPARE(box.title, QStringLiteral("ИНСТРУКЦИЯ:"));
            QCOMPARE(box.icon, QMessageBox::Information);
            QCOMPARE(box.standardButtons, QMessageBox::StandardButtons(QMessageBox::Ok));
            QCOMPARE(box.buttonCount, 1);
        }
        QCOMPARE(allFieldTexts(form), before);
        QVERIFY(form.isVisible());
    }

    void failedPress_data() {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<int>("press");
        for (const QString& separator : separators)
            for (int i = 0; i < failedPresses.size(); ++i)
                QTest::addRow("%s with '%s'", failedPresses[i].name, qPrintable(separator)) << separator << i;
    }
    void failedPress() {
        QFETCH(QString, separator);
        QFETCH(int, press);
        const FailedPress& row = failedPresses[press];
        Form1 form(separator.toStdString());
        QVERIFY(showActive(form));
        typeEntries(form, row.inputs, separator);
        const QStringList before = allFieldTexts(form);

        MessageBoxWatcher boxes;
        QPushButton* pressed = button(form, QString::fromLatin1(row.button));
        QTest::mouseClick(pressed, Qt::LeftButton);
        QTest::mouseClick(pressed, Qt::LeftButton);  // the same box again, in the same place
        QCOMPARE(boxes.shown.size(), 2);
        QCOMPARE(boxes.shown.back().text, boxes.shown.front().text);
        QCOMPARE(boxes.shown.back().centre, boxes.shown.front().centre);
        const ShownBox& box = boxes.shown.front();
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.title, QString::fromUtf8(geometry::errorTitle));
        QCOMPARE(box.standardButtons, QMessageBox::StandardButtons(QMessageBox::Ok));
        for (const QString& words : row.mentioned) QVERIFY2(box.text.contains(words), qPrintable(box.text));
        QCOMPARE(allFieldTexts(form), before);
        QVERIFY(form.isVisible());

        const QString offending = QString::fromLatin1(row.offending);
        if (!offending.isEmpty()) {
            QLineEdit* edit = field(form, offending);
            QCOMPARE(form.focusWidget(), edit);
            QTRY_COMPARE(QApplication::focusWidget(), edit);
            QCOMPARE(edit->selectedText(), edit->text());
            QCOMPARE(edit->hasSelectedText(), !edit->text().isEmpty());
        } else {
            QTRY_COMPARE(QApplication::focusWidget(), pressed);
        }

        // The program goes on: the student retypes and presses again.
        if (row.retype.isEmpty()) return;
        for (const QString& entry : row.retype) {
            const auto [name, text] = split(entry);
            if (name == offending) {  // typing replaces the selected text
                QTest::keyClicks(QApplication::focusWidget(), localized(text, separator));
            } else {
                QLineEdit* edit = field(form, name);
                QTest::mouseClick(edit, Qt::LeftButton);
                QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(edit, localized(text, separator));
            }
            QCOMPARE(field(form, name)->text(), localized(text, separator));
        }
        QTest::mouseClick(pressed, Qt::LeftButton);
        QCOMPARE(boxes.shown.size(), 2);
        for (const QString& entry : row.afterRetry) {
            const auto [name, text] = split(entry);
            QCOMPARE(field(form, name)->text(), localized(text, separator));
        }
    }

    void wrongSeparatorIsReported_data() {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("typed");
        QTest::newRow("point where a comma is used") << "," << "2.5";
        QTest::newRow("comma where a point is used") << "." << "2,5";
    }
    void wrongSeparatorIsReported() {
        QFETCH(QString, separator);
        QFETCH(QString, typed);
        Form1 form(separator.toStdString());
        QVERIFY(showActive(form));
        typeInto(form, "Text30", typed);
        MessageBoxWatcher boxes;
        QTest::mouseClick(button(form, "Command9"), Qt::LeftButton);
        QCOMPARE(boxes.shown.size(), 1);
        QVERIFY2(boxes.shown.front().text.contains(QStringLiteral("2") + separator + QStringLiteral("5")),
                 qPrintable(boxes.shown.front().text));
        QVERIFY(field(form, "Text31")->text().isEmpty());
        QTRY_COMPARE(QApplication::focusWidget(), field(form, "Text30"));
        QCOMPARE(field(form, "Text30")->selectedText(), typed);
    }

    // Every box shown leaves nothing behind: an error box per press and the
    // four instruction boxes, a few thousand times.
    void thousandsOfBoxesKeepNoMemory() {
        const QString appStyle = QApplication::style()->name();
        QApplication::setStyle(new ButtonIconStyle(appStyle));
        Form1 form(",");
        QVERIFY(showActive(form));
        PaintingAnswerer answerer;
        // The offscreen platform's warning at every box would pile up in the test log.
        static QtMessageHandler testLog = nullptr;
        testLog = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if (!text.contains(QLatin1String("propagateSizeHints"))) testLog(type, context, text);
        });
        const auto presses = [&form](const char* name, int count) {
            for (int i = 0; i < count; ++i) QTest::mouseClick(button(form, QString::fromLatin1(name)), Qt::LeftButton);
        };
        presses("Command9", 200);  // warmed up: fonts, icons, caches
        presses("Command11", 50);
        const std::size_t before = heapInUse();
        presses("Command9", 2000);
        presses("Command11", 500);
        const std::size_t after = heapInUse();
        qInstallMessageHandler(testLog);
        QApplication::setStyle(appStyle);
        QCOMPARE(answerer.answered, 200 + 50 * 4 + 2000 + 500 * 4);
        const double grownKb = (double(after) - double(before)) / 1024.0;
        std::printf("  4000 boxes: the heap grew by %.1f KB\n", grownKb);
        QVERIFY2(grownKb < 256.0, qPrintable(QStringLiteral("the heap grew by %1 KB").arg(grownKb)));
    }

    void closeEndsTheProgram() {
        Form1 form(",");
        QVERIFY(showActive(form));
        typeEntries(form, {"Text1=2", "Text30=3", "Text36=x"}, ",");
        MessageBoxWatcher boxes;
        QTimer::singleShot(0, &form, [&form] { QTest::mouseClick(button(form, "Command12"), Qt::LeftButton); });
        QTimer stuck;  // a loop that does not end fails here
        stuck.setSingleShot(true);
        connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        stuck.start(5000);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(clock.elapsed() < 4000);
        QVERIFY(!form.isVisible());
        QVERIFY(boxes.shown.isEmpty());
    }

    // Last, since no box opens in this process afterwards: the session ends
    // (SIGTERM) while the first instruction box is open. The box closes, the
    // three others never open, and the program's loop ends with 0.
    void sessionEndWhileABoxIsOpen() {
        endCleanlyOnSessionSignals();
        Form1 form(",");
        QVERIFY(showActive(form));
        int shown = 0;
        BoxShown watcher([&shown] {
            if (++shown == 1) std::raise(SIGTERM);
        });
        QTimer::singleShot(0, &form, [&form] { QTest::mouseClick(button(form, "Command11"), Qt::LeftButton); });
        QTimer stuck;
        stuck.setSingleShot(true);
        connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        stuck.start(5000);
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(shown, 1);
        QVERIFY(sessionEnding());
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
