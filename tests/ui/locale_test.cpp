// SPDX-License-Identifier: MIT
// The desktop's locale, as the program meets it at start: the window is built
// with the separator of QLocale::system(), which follows LC_ALL, LC_NUMERIC and
// LANG. Each row starts this program again with that environment; the child
// types, presses and reads through the real window, including the numeric
// keypad's decimal key, and checks that every caption stays Bulgarian.

#include <QGroupBox>
#include <QLabel>
#include <QLocale>

#include "child_process.h"
#include "error_stop.h"
#include "layout.h"
#include "ui_support.h"

using namespace ui_test;

namespace {

// ---------------------------------------------------------------------------
// The matrix: one desktop per row
// ---------------------------------------------------------------------------

using Variables = QList<QPair<QString, QString>>;

const QStringList localeVariables = {"LANG", "LANGUAGE", "LC_ALL", "LC_NUMERIC", "LC_MESSAGES"};

struct Desktop {
    const char* name;
    Variables variables;
    const char* separator;
};

const QList<Desktop> desktops = {
    {"Bulgarian", {{"LANG", "bg_BG.UTF-8"}}, ","},
    {"German", {{"LANG", "de_DE.UTF-8"}}, ","},
    {"American English", {{"LANG", "en_US.UTF-8"}}, "."},
    {"British English", {{"LANG", "en_GB.UTF-8"}}, "."},
    {"C", {{"LANG", "C"}}, "."},
    {"nothing set", {}, "."},
    {"Bulgarian without a codeset", {{"LANG", "bg_BG"}}, ","},
    {"LC_ALL Bulgarian over English LANG", {{"LANG", "en_US.UTF-8"}, {"LC_ALL", "bg_BG.UTF-8"}}, ","},
    {"LC_NUMERIC Bulgarian, English LANG", {{"LANG", "en_US.UTF-8"}, {"LC_NUMERIC", "bg_BG.UTF-8"}}, ","},
    {"LC_NUMERIC English, Bulgarian LANG", {{"LANG", "bg_BG.UTF-8"}, {"LC_NUMERIC", "en_GB.UTF-8"}}, "."},
    {"LC_ALL English over LC_NUMERIC Bulgarian",
     {{"LC_ALL", "en_US.UTF-8"}, {"LC_NUMERIC", "bg_BG.UTF-8"}}, "."},
};

class LocaleMatrix : public QObject {
    Q_OBJECT

private slots:
    void underEachDesktop_data() {
        QTest::addColumn<int>("desktop");
        for (int i = 0; i < desktops.size(); ++i) QTest::newRow(desktops[i].name) << i;
    }
    void underEachDesktop() {
        QFETCH(int, desktop);
        const Desktop& row = desktops[desktop];
        const ChildResult child = runChild(QString::fromLatin1(row.separator), localeVariables, row.variables);
        QVERIFY2(child.finished, qPrintable(child.output));
        QVERIFY2(child.exitCode == 0, qPrintable(child.output));
    }
};

// ---------------------------------------------------------------------------
// The checks, in the child, against the separator the row expects
// ---------------------------------------------------------------------------

// "Text30=2.5": a field and its text; a point stands for the separator.
struct Press {
    const char* name;
    QStringList inputs;
    const char* button;
    QStringList results;
};

const QList<Press> presses = {
    {"sphere", {"Text30=2"}, "Command9", {"Text31=50.26547", "Text32=33.51031"}},
    {"cube", {"Text8=2", "Text7=3.9"}, "Command1", {"Text9=91.26", "Text10=", "Text11=59.319"}},
    {"cylinder", {"Text19=1", "Text20=11"}, "Command5",
     {"Text21=69.11502", "Text22=75.3982", "Text23=34.55751"}},
    {"polygon", {"Text33=2.5", "Text34=1"}, "Command13", {"Text36=2.5", "Text37=0.203075"}},
    // Thousands grouped as Word writes them, with a no-break space.
    {"sphere with grouped digits", {"Text30=1\u00A0000.5"}, "Command9", {"Text31=1.257894E+07", "Text32=4.195076E+09"}},
};

class LocaleChecks : public QObject {
    Q_OBJECT
public:
    explicit LocaleChecks(QString separator) : separator_(std::move(separator)) {}

private:
    QString localized(QString text) const { return ui_test::localized(std::move(text), separator_); }

private slots:
    void theDesktopsSeparator() {
        QCOMPARE(QLocale::system().decimalPoint(), separator_);
    }

    void pressesReadAndWriteTheSeparator_data() {
        QTest::addColumn<int>("press");
        for (int i = 0; i < presses.size(); ++i) QTest::newRow(presses[i].name) << i;
    }
    void pressesReadAndWriteTheSeparator() {
        QFETCH(int, press);
        const Press& row = presses[press];
        Form1 form;  // as the program starts it: the system locale's separator
        QVERIFY(showActive(form));
        MessageBoxWatcher boxes;
        for (const QString& entry : row.inputs) {
            const auto [name, text] = split(entry);
            typeInto(form, name, localized(text));
        }
        QTest::mouseClick(button(form, QString::fromLatin1(row.button)), Qt::LeftButton);
        QVERIFY(boxes.shown.isEmpty());
        for (const QString& entry : row.results) {
            const auto [name, text] = split(entry);
            QCOMPARE(field(form, name)->text(), localized(text));
        }
    }

    void theOtherSeparatorIsExplained() {
        Form1 form;
        QVERIFY(showActive(form));
        typeInto(form, "Text30", localized(QStringLiteral("2~5")));
        MessageBoxWatcher boxes;
        QTest::mouseClick(button(form, "Command9"), Qt::LeftButton);
        QCOMPARE(boxes.shown.size(), 1);
        const QString& message = boxes.shown.front().text;
        QVERIFY2(message.contains(QStringLiteral("2") + separator_ + QStringLiteral("5")), qPrintable(message));
        const QString named = separator_ == QLatin1String(",") ? "десетична запетая" : "десетична точка";
        QVERIFY2(message.contains(named), qPrintable(message));
        QCOMPARE(boxes.shown.front().title, QStringLiteral("Грешка"));
        QVERIFY(field(form, "Text31")->text().isEmpty());
    }

    void captionsStayBulgarian_data() {
        QTest::addColumn<QString>("name");
        for (const ControlRow& row : form1Controls())
            if (!row.caption.empty()) QTest::newRow(std::string(row.name).c_str()) << qs(row.name);
    }
    void captionsStayBulgarian() {
        QFETCH(QString, name);
        const ControlRow& row = *findControl(name.toStdString());
        Form1 form;
        QCOMPARE(form.windowTitle(), QStringLiteral("лица на повърхнини и обеми"));
        QWidget* widget = control(form, name);
        QString shown;
        if (auto* label = qobject_cast<QLabel*>(widget)) shown = label->text();
        else if (auto* push = qobject_cast<QPushButton*>(widget)) shown = push->text();
        else if (auto* panel = qobject_cast<QGroupBox*>(widget)) shown = panel->title();
        QCOMPARE(shown, qs(row.caption));
    }

    void instructionStaysBulgarian() {
        Form1 form;
        QVERIFY(showActive(form));
        MessageBoxWatcher boxes;
        QTest::mouseClick(button(form, "Command11"), Qt::LeftButton);
        QCOMPARE(boxes.shown.size(), 4);
        QCOMPARE(boxes.shown.front().title, QStringLiteral("ИНСТРУКЦИЯ:"));
        QCOMPARE(boxes.shown.last().text, QStringLiteral("ПРИЯТНА РАБОТА!!!"));
    }

    // The keypad's decimal key, in either of its forms, types the separator in
    // every field; the main keyboard's point and comma type themselves.
    void keypadDecimalKey_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("keypad");
        for (const geometry::FieldInfo& info : geometry::allFields()) {
            const std::string name(info.name);
            QTest::addRow("%s keypad point", name.c_str()) << qs(name) << int(Qt::Key_Period) << true;
            QTest::addRow("%s keypad comma", name.c_str()) << qs(name) << int(Qt::Key_Comma) << true;
            QTest::addRow("%s main point", name.c_str()) << qs(name) << int(Qt::Key_Period) << false;
            QTest::addRow("%s main comma", name.c_str()) << qs(name) << int(Qt::Key_Comma) << false;
        }
    }
    void keypadDecimalKey() {
        QFETCH(QString, name);
        QFETCH(int, key);
        QFETCH(bool, keypad);
        Form1 form;
        QLineEdit* edit = field(form, name);
        QTest::keyClicks(edit, QStringLiteral("12"));
        QTest::keyClick(edit, Qt::Key(key), keypad ? Qt::KeypadModifier : Qt::NoModifier);
        QTest::keyClicks(edit, QStringLiteral("5"));
        const QString typed = keypad ? separator_ : (key == Qt::Key_Period ? "." : ",");
        QCOMPARE(edit->text(), QStringLiteral("12") + typed + QStringLiteral("5"));
    }

    void keypadReplacesASelection() {
        Form1 form;
        QLineEdit* edit = field(form, "Text30");
        edit->setText(QStringLiteral("2x5"));
        edit->setSelection(1, 1);
        QTest::keyClick(edit, Qt::Key_Period, Qt::KeypadModifier);
        QCOMPARE(edit->text(), QStringLiteral("2") + separator_ + QStringLiteral("5"));
    }

    // A number typed with the keypad computes exactly as one typed with the
    // separator itself.
    void keypadNumberComputesLikeTheTypedOne() {
        Form1 byKeypad;
        Form1 typed;
        QVERIFY(showActive(byKeypad));
        QLineEdit* radius = field(byKeypad, "Text30");
        QTest::mouseClick(radius, Qt::LeftButton);
        QTest::keyClicks(radius, QStringLiteral("2"));
        QTest::keyClick(radius, Qt::Key_Period, Qt::KeypadModifier);
        QTest::keyClicks(radius, QStringLiteral("5"));
        field(typed, "Text30")->setText(localized(QStringLiteral("2.5")));
        MessageBoxWatcher boxes;
        QTest::mouseClick(button(byKeypad, "Command9"), Qt::LeftButton);
        button(typed, "Command9")->click();
        QVERIFY(boxes.shown.isEmpty());
        QVERIFY(!field(byKeypad, "Text31")->text().isEmpty());
        QCOMPARE(allFieldTexts(byKeypad), allFieldTexts(typed));
    }

private:
    QString separator_;
};

}  // namespace

int main(int argc, char* argv[]) {
    return ui_test::matrixOrChildMain<LocaleMatrix, LocaleChecks>(
        argc, argv, [](const QByteArray& value) { return QString::fromUtf8(value); });
}

#include "locale_test.moc"
