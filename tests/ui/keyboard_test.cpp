// SPDX-License-Identifier: MIT
// The keyboard: where the focus starts, the fifty tab stops in order both
// ways, and Enter and Escape pressing nothing.

#include "layout.h"
#include "ui_support.h"

using namespace ui_test;

namespace {

// The tab stops in focus order: Frame1, Frame2, Frame3, Frame4, Frame5, the two
// window buttons, then Frame6, the third panel from the top, last.
const QStringList tabStops = {
    "Text1",  "Text2",  "Text3",     "Text4",     "Text5",     "Text6",    "Text7",
    "Text8",  "Command1", "Text9",   "Text10",    "Text11",    "Command2",
    "Text12", "Text13", "Text14",    "Text15",    "Text16",    "Text17",   "Text18",
    "Command3", "Command4",
    "Text19", "Text20", "Command5",  "Text21",    "Text22",    "Text23",   "Command6",
    "Text24", "Text25", "Text26",    "Command7",  "Text27",    "Text28",   "Text29", "Command8",
    "Text30", "Text31", "Text32",    "Command9",  "Command10",
    "Command11", "Command12",
    "Text33", "Text34", "Command13", "Text36",    "Text37",    "Command14",
};

// Inputs that every calculate button would turn into results, were it pressed.
const QList<QPair<QString, QString>> computableInputs = {
    {"Text8", "1"},  {"Text1", "2"},  {"Text2", "3"},  {"Text3", "4"},  {"Text4", "1"},
    {"Text5", "1"},  {"Text6", "1"},  {"Text7", "1"},  {"Text12", "1"}, {"Text13", "1"},
    {"Text14", "1"}, {"Text15", "1"}, {"Text19", "1"}, {"Text20", "1"}, {"Text24", "1"},
    {"Text25", "1"}, {"Text26", "1"}, {"Text30", "1"}, {"Text33", "4"}, {"Text34", "1"},
};

void pressTab(bool backwards) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                    backwards ? Qt::ShiftModifier : Qt::NoModifier);
}

QString focusName() {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QStringLiteral("(none)");
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void describedTabOrder() {
        QStringList described;
        for (const ControlRow* row : form1TabStops())
            described << QString::fromUtf8(row->name.data(), qsizetype(row->name.size()));
        QCOMPARE(described, tabStops);
    }

    void fiftyTabsVisitEveryStopAndReturn_data() {
        QTest::addColumn<bool>("backwards");
        QTest::newRow("Tab") << false;
        QTest::newRow("Shift+Tab") << true;
    }
    void fiftyTabsVisitEveryStopAndReturn() {
        QFETCH(bool, backwards);
        Form1 form(",");
        QVERIFY(showActive(form));
        QCOMPARE(focusName(), QStringLiteral("Text1"));
        const qsizetype count = tabStops.size();
        for (qsizetype step = 1; step <= count; ++step) {
            pressTab(backwards);
            const qsizetype at = backwards ? (count - step) % count : step % count;
            QCOMPARE(focusName(), tabStops[at]);
        }
        QCOMPARE(focusName(), QStringLiteral("Text1"));
    }

    void tabsFromAStop_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("presses");
        QTest::addColumn<bool>("backwards");
        QTest::addColumn<QString>("to");
        QTest::newRow("Text6 up to the cube's field") << "Text6" << 1 << false << "Text7";
        QTest::newRow("Command10 past the window buttons") << "Command10" << 3 << false << "Text33";
        QTest::newRow("Command14 wraps to Text1") << "Command14" << 1 << false << "Text1";
        QTest::newRow("Text1 back to Command14") << "Text1" << 1 << true << "Command14";
        QTest::newRow("Text33 back to Command12") << "Text33" << 1 << true << "Command12";
        QTest::newRow("Text12 down the left column") << "Text12" << 1 << false << "Text13";
        QTest::newRow("Text18 to the pyramid's calculate") << "Text18" << 1 << false << "Command3";
        QTest::newRow("Text32 to the sphere's calculate") << "Text32" << 1 << false << "Command9";
    }
    void tabsFromAStop() {
        QFETCH(QString, from);
        QFETCH(int, presses);
        QFETCH(bool, backwards);
        QFETCH(QString, to);
        Form1 form(",");
        QVERIFY(showActive(form));
        control(form, from)->setFocus(Qt::OtherFocusReason);
        QCOMPARE(focusName(), from);
        for (int i = 0; i < presses; ++i) pressTab(backwards);
        QCOMPARE(focusName(), to);
    }

    void enterAndEscapePressNothing_data() {
        QTest::addColumn<QString>("stop");
        QTest::addColumn<bool>("isField");
        for (const QString& stop : tabStops)
            QTest::newRow(qPrintable(stop)) << stop << stop.startsWith(QLatin1String("Text"));
    }
    void enterAndEscapePressNothing() {
        QFETCH(QString, stop);
        QFETCH(bool, isField);
        Form1 form(",");
        for (const auto& [name, text] : computableInputs) field(form, name)->setText(text);
        QVERIFY(showActive(form));
        const QStringList before = allFieldTexts(form);
        MessageBoxWatcher boxes;
        QWidget* target = control(form, stop);
        target->setFocus(Qt::OtherFocusReason);
        if (isField) {  // on a focused button Enter is the button's own business
            QTest::keyClick(target, Qt::Key_Return);
            QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
        }
        QTest::keyClick(target, Qt::Key_Escape);
        QTest::qWait(30);
        QVERIFY(boxes.shown.isEmpty());
        QCOMPARE(allFieldTexts(form), before);
        QVERIFY(form.isVisible());
    }

    void spacePressesAFocusedButton() {
        Form1 form(",");
        QVERIFY(showActive(form));
        field(form, "Text30")->setText(QStringLiteral("1"));
        field(form, "Text31")->setText(QStringLiteral("x"));
        control(form, "Command10")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(field(form, "Text30")->text().isEmpty());
        QVERIFY(field(form, "Text31")->text().isEmpty());
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
