// SPDX-License-Identifier: MIT
// Hostile input through the real window: seeded random presses of every
// calculate and clear button with random texts in the fields (empty, pastes of
// a megabyte of digits and of a field's whole capacity, control characters,
// right-to-left text, emoji, NUL, numbers at each panel's overflow edge, either
// separator). After every press the 36 field texts and the error reported, if
// any, must be what the handlers give over a field store in memory holding the
// same texts. Texts longer than a field holds, by every way in, are refused
// whole and quickly.
//
// The seed is printed; HOSTILE_SEED=n repeats a run, HOSTILE_PRESSES=n changes
// its length (presses per separator).

#include <QClipboard>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QPointer>

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <random>
#include <thread>

#include "../core/fakes.h"
#include "error_stop.h"
#include "text_field.h"
#include "ui_support.h"

using geometry::Button;
using geometry::ErrorStop;
using geometry::Field;
using geometry::StopReason;
using namespace ui_test;

namespace {

// ---------------------------------------------------------------------------
// The texts. '.' stands for the locale's decimal separator and '~' for the
// other one, so every row is typed with either separator.

template <std::size_t N>
QString u16(const char16_t (&text)[N]) {  // keeps an embedded NUL
    return QString(reinterpret_cast<const QChar*>(text), qsizetype(N - 1));
}

struct TextFamily {
    const char* topic;
    int weight;  // out of the sum of all weights
    QStringList texts;
};

// Numbers just below and just above each panel's overflow edges, the float
// range's edges and the smallest magnitudes.
const QStringList edgeNumbers = {
    // cube: S overflows from about 7.53e18, V (unchecked) from about 6.98e12
    "7.52e18", "7.53e18", "-7.53e18", "7.6e18", "6.97e12", "6.98e12", "-6.98e12", "6.99e12",
    // sphere: S from about 5.2e18, V from about 4.33e12
    "5.2e18", "5.21e18", "-5.2e18", "4.33e12", "4.34e12", "-4.34e12",
    // cylinder
    "1e19", "1.3e19", "9e18", "7.35e18",
    // cone: r 1e10 with h 1e20
    "1e10", "1e20", "-1e20", "1.1e10",
    // pyramid and prism: P 1e20 with k or h 1e19
    "1e19", "1e20", "2e19", "6e12", "1e13",
    // the float range
    "3.4028235e38", "-3.4028235e38", "3.40282356e38", "3.4028236e38", "1e38", "1e39", "-1e39",
    "1e-46", "-1e-46", "1e-45", "1.4e-45", "1.17549435e-38", "1e-38",
    // a number of sides that makes the angle huge or divides by zero
    "0", "-0", "0.0", "1e-19", "3.4e-19", "1e-30", "1e-40",
};

const QList<TextFamily> families = {
    {"ordinary number", 30,
     {"2", "1", "0", "-0", "1.5", "-2.25", " 3 ", "\t4\t", "1e3", "2.5E-3", "+7", "0.1", ".5", "5.",
      "123456789", "1e+02", "6", "3", "12.566368", "-1", "1E0", u16(u"1.5\xa0"), u16(u"\x202f" u"7\x202f")}},
    {"overflow edge", 25, edgeNumbers},
    {"blank", 8, {"", " ", "\t", "   ", " \t ", u16(u"\xa0 \x202f")}},
    {"separator", 7, {"1~5", "1.5~2", "1~234.5", "~5", "1.2.3", "1~2~3", ".", "~", "1..5", "1~~5", "2~5e3"}},
    {"not a number", 8,
     {"abc", "inf", "-inf", "nan", "NaN", "Infinity", "0x10", "1_000", "1 000", "+", "-", "e5", "1e",
      "1e+", "--1", "1e5.5", "1e99999999999999999999", "1e-99999999999999999999",
      "9999999999999999999999999999999999999999", "0.0000000000000000000000000000000000000000000001",
      u16(u"２"), u16(u"²"), u16(u"Ⅻ"), u16(u"١٢٣"), u16(u"٣٫٥")}},
    {"control character", 6,
     {u16(u"\x01"), u16(u"1\x08" u"2"), u16(u"2\n"), u16(u"\r\n3"), u16(u"4\x7f"), u16(u"\x1b[31m5"),
      u16(u"1\x0b"), u16(u"\x0c"), u16(u"\x85" u"6"), u16(u"7\x2028"), u16(u"\xa0" u"8"),
      u16(u"9\x200b"), u16(u"\t\t\t\r")}},
    {"NUL", 4, {u16(u"\0"), u16(u"1\0"), u16(u"\0" u"2"), u16(u"1\0.5"), u16(u"\0\0\0")}},
    {"right to left", 4,
     {u16(u"שלום"), u16(u"مرحبا"), u16(u"\x200f" u"2\x200e"), u16(u"\x202e" u"123"), u16(u"1\x202b" u"2"),
      u16(u"\x200f-3.5")}},
    {"emoji", 4,
     {u16(u"😀"), u16(u"1😀"), u16(u"👨‍👩‍👧"), u16(u"🇧🇬"), u16(u"2\xfe0f\x20e3"), u16(u"5\x0301"),
      u16(u"🔢.🔢")}},
    {"lone surrogate", 1, {u16(u"\xd800"), u16(u"1\xdc00"), u16(u"\xdbff" u"2")}},
};

// What goes in the right prism's choice field most of the time.
const QStringList choices = {"1", "2", "3", "1", "2", "3", " 1", "1 ", "01", "4", "0", "", u16(u"١"),
                             u16(u"２"), u16(u"3\0")};

// Long runs of digits, in ways that mean different numbers, `length` characters long.
struct LongNumber {
    const char* name;
    QString (*make)(qsizetype length);
};
constexpr qsizetype megabyte = 1 << 20;
const QList<LongNumber> longNumbers = {
    {"nines", [](qsizetype n) { return QString(n, QLatin1Char('9')); }},
    {"one then zeros", [](qsizetype n) { return QStringLiteral("1") + QString(n - 1, QLatin1Char('0')); }},
    {"a tiny fraction", [](qsizetype n) { return QStringLiteral("0.") + QString(n - 3, QLatin1Char('0')) + "1"; }},
    {"one with a huge negative exponent",
     [](qsizetype n) { return QStringLiteral("1") + QString(n - 10, QLatin1Char('0')) + "e-1048566"; }},
};

// ---------------------------------------------------------------------------
// Reproducible dice (the same sequence on every platform for a seed).

class Dice {
public:
    explicit Dice(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {  // splitmix64
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    qsizetype below(qsizetype n) { return qsizetype(next() % std::uint64_t(n)); }
    bool oneIn(int n) { return below(n) == 0; }
    template <typename List>
    const auto& pick(const List& list) { return list[below(list.size())]; }

private:
    std::uint64_t state_;
};

// A number of random shape: sign, digits, separator, exponent.
QString randomNumber(Dice& dice) {
    QString text;
    if (dice.oneIn(4)) text += dice.oneIn(2) ? QLatin1Char('-') : QLatin1Char('+');
    const auto digits = [&dice](qsizetype count) {
        QString d;
        for (qsizetype i = 0; i < count; ++i) d += QChar(char16_t(u'0' + dice.below(10)));
        return d;
    };
    text += digits(1 + dice.below(9));
    if (dice.oneIn(2)) text += QLatin1Char('.') + digits(1 + dice.below(9));
    if (dice.oneIn(3)) {
        text += dice.oneIn(2) ? QLatin1Char('e') : QLatin1Char('E');
        if (dice.oneIn(2)) text += dice.oneIn(2) ? QLatin1Char('-') : QLatin1Char('+');
        text += digits(1 + dice.below(2));
    }
    return text;
}

QString randomText(Dice& dice) {
    int total = 0;
    for (const TextFamily& family : families) total += family.weight;
    int roll = int(dice.below(total + 10));  // the last 10 of every total+10: a number of random shape
    if (roll >= total) return randomNumber(dice);
    for (const TextFamily& family : families) {
        if (roll < family.weight) return dice.pick(family.texts);
        roll -= family.weight;
    }
    return {};
}

// ---------------------------------------------------------------------------
// The buttons pressed and the fields each one reads.

struct Press {
    Button button;
    const char* name;
    int weight;
    QList<Field> inputs;
};

// Every panel's two buttons, as the panel table gives them; a calculate
// button with the fields it may read (the prism's kind first), weighted by them.
const QList<Press> presses = [] {
    QList<Press> all;
    for (const geometry::PanelRow& panel : geometry::allPanels()) {
        QList<Field> inputs;
        if (panel.kindField) inputs << panel.kindField->field;
        QList<Field> numbers;
        for (const geometry::InputRow& input : panel.inputs) numbers << input.field;
        std::ranges::sort(numbers);
        inputs << numbers;
        const int weight = panel.kindField ? 12 : 6;
        all << Press{panel.calculate.button, panel.calculate.name.data(), weight, inputs}
            << Press{panel.clear.button, panel.clear.name.data(), 2, {}};
    }
    return all;
}();

const Press& randomPress(Dice& dice) {
    int total = 0;
    for (const Press& press : presses) total += press.weight;
    int roll = int(dice.below(total));
    for (const Press& press : presses) {
        if (roll < press.weight) return press;
        roll -= press.weight;
    }
    return presses.front();
}

// ---------------------------------------------------------------------------
// The window under test: every reported stop is recorded; the window's own
// report (its modal box, then the focus to the field to fix) runs for every
// `realReportEvery`-th stop, the others are counted and skipped, so that a
// hundred thousand presses fit in seconds. The program itself always reports.

struct StopSeen {
    StopReason reason;
    std::optional<Field> field;
    std::string panelCaption;
    std::string message;
    bool operator==(const StopSeen&) const = default;
};

StopSeen seen(const ErrorStop& stop, const std::string& separator) {
    return {stop.reason(), stop.field(), stop.panelCaption(), geometry::errorMessage(stop, separator)};
}

class RecordedForm1 : public Form1 {
public:
    RecordedForm1(const std::string& separator, int realReportEvery)
        : Form1(separator), separator_(separator), realReportEvery_(realReportEvery) {}

    void reportErrorStop(const ErrorStop& stop) override {
        stops.push_back(seen(stop, separator_));
        if (++stopCount % realReportEvery_ != 0) return;
        ++realReports;
        Form1::reportErrorStop(stop);
    }

    std::vector<StopSeen> stops;  // since the last press
    long long stopCount = 0;
    long long realReports = 0;

private:
    std::string separator_;
    int realReportEvery_;
};

// Answers every modal message box as it opens: records it and presses its OK
// button as soon as the box's own event loop runs.
class BoxAnswerer : public QObject {
public:
    BoxAnswerer() { qApp->installEventFilter(this); }
    ~BoxAnswerer() override { qApp->removeEventFilter(this); }
    QList<ui_test::ShownBox> shown;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show) return false;
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (!box) return false;
        shown.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                      box->buttons().size(), QPoint()});
        QMetaObject::invokeMethod(
            box, [box] { box->button(QMessageBox::Ok)->click(); }, Qt::QueuedConnection);
        return false;
    }
};

// Ends the process when no press finishes for a long time: a hang fails loudly
// with its seed instead of waiting for the test runner's limit.
class Watchdog {
public:
    Watchdog(std::uint64_t seed, std::chrono::seconds limit) : seed_(seed) {
        thread_ = std::thread([this, limit] {
            std::unique_lock lock(mutex_);
            long long last = -1;
            while (!stopping_) {
                const long long now = progress.load();
                if (now == last) {
                    std::fprintf(stderr, "FAIL: press %lld did not finish within %lld s (seed %llu)\n", now,
                                 static_cast<long long>(limit.count()), static_cast<unsigned long long>(seed_));
                    std::abort();
                }
                last = now;
                wake_.wait_for(lock, limit, [this] { return stopping_; });
            }
        });
    }
    ~Watchdog() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    std::atomic<long long> progress{0};

private:
    std::uint64_t seed_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::thread thread_;
};

std::uint64_t seedFromEnvironment() {
    if (const char* text = std::getenv("HOSTILE_SEED"); text && *text) return std::strtoull(text, nullptr, 0);
    return (std::uint64_t(std::random_device{}()) << 32) ^ std::random_device{}();
}

long long pressesFromEnvironment(long long fallback) {
    if (const char* text = std::getenv("HOSTILE_PRESSES"); text && *text) return std::atoll(text);
    return fallback;
}

QString shortened(const QString& text) {
    QString shown = text.size() > 60 ? text.left(60) + QStringLiteral("…(%1 chars)").arg(text.size()) : text;
    QString escaped;
    for (QChar c : shown)
        escaped += c.isPrint() ? QString(c) : QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    return escaped;
}

QString fieldName(Field field) {
    const std::string_view name = geometry::fieldInfo(field).name;
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

// ---------------------------------------------------------------------------
// One run: the window and its mirror, pressed together.

class HostileRun {
public:
    HostileRun(const QString& separator, int realReportEvery)
        : separator_(separator),
          form_(separator.toStdString(), realReportEvery),
          mirror_(separator.toStdString()) {
        for (const geometry::FieldInfo& info : geometry::allFields())
            edits_[std::size_t(info.field)] = ui_test::field(form_, fieldName(info.field));
        form_.show();
    }

    bool start() { return QTest::qWaitForWindowExposed(&form_); }
    RecordedForm1& form() { return form_; }
    const BoxAnswerer& boxes() const { return boxes_; }
    long long pressesMade() const { return pressesMade_; }

    // Pastes `text` over the whole field with Ctrl+V, as a student would. A
    // text the field holds is kept whole, in the mirror too; a longer one is
    // refused whole, with a box that says so, and nothing changes.
    QString paste(Field field, const QString& text) {
        QLineEdit* edit = edits_[std::size_t(field)];
        const QString before = edit->text();
        const qsizetype boxesBefore = boxes_.shown.size();
        QGuiApplication::clipboard()->setText(text);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        if (text.size() <= TextField::capacity) {
            if (edit->text() != text)
                return QStringLiteral("a paste into %1 of %2 characters left %3")
                    .arg(fieldName(field))
                    .arg(text.size())
                    .arg(shortened(edit->text()));
            mirror_.fields.texts[field] = text.toStdString();
            return {};
        }
        if (!QTest::qWaitFor([&] { return boxes_.shown.size() > boxesBefore && !QApplication::activeModalWidget(); }))
            return QStringLiteral("no box after a paste of %1 characters into %2").arg(text.size()).arg(fieldName(field));
        if (edit->text() != before) return QStringLiteral("a refused paste changed %1").arg(fieldName(field));
        const QString expected = static_cast<TextField*>(edit)->tooLongMessage(text.size());
        if (boxes_.shown.size() != boxesBefore + 1 || boxes_.shown.back().text != expected)
            return QStringLiteral("the box after a refused paste shows \"%1\"").arg(boxes_.shown.back().text);
        return {};
    }

    // Types `text` into the field of the window and of the mirror. The window
    // keeps every text whole.
    QString type(Field field, const QString& text) {
        QLineEdit* edit = edits_[std::size_t(field)];
        edit->setText(text);
        const QString kept = edit->text();
        if (kept != text)
            return QStringLiteral("the window changed the text typed into %1: %2 became %3")
                .arg(fieldName(field), shortened(text), shortened(kept));
        mirror_.fields.texts[field] = kept.toStdString();
        return {};
    }

    // Presses the button in both and returns what differs, empty if nothing.
    QString press(const Press& press, bool withMouse) {
        form_.stops.clear();
        mirror_.window.stops.clear();
        mirror_.window.messages.clear();
        const qsizetype boxesBefore = boxes_.shown.size();
        const long long realBefore = form_.realReports;

        QPushButton* button = ui_test::button(form_, QString::fromLatin1(press.name));
        if (withMouse) QTest::mouseClick(button, Qt::LeftButton);
        else button->click();
        mirror_.handlers.press(press.button);
        mirror_.fields.reads.clear();
        mirror_.fields.writes.clear();
        ++pressesMade_;

        if (QString texts = differingTexts(); !texts.isEmpty()) return texts;
        return differingReports(boxesBefore, form_.realReports - realBefore);
    }

    // Lets the window paint what the fields now hold.
    void paint() { QCoreApplication::processEvents(); }

private:
    QString differingTexts() const {
        for (const geometry::FieldInfo& info : geometry::allFields()) {
            const QString shown = edits_[std::size_t(info.field)]->text();
            const auto it = mirror_.fields.texts.find(info.field);
            const std::string expected = it == mirror_.fields.texts.end() ? std::string() : it->second;
            if (shown.toStdString() != expected)
                return QStringLiteral("%1 shows %2, the handlers give %3")
                    .arg(fieldName(info.field), shortened(shown), shortened(QString::fromStdString(expected)));
        }
        return {};
    }

    QString differingReports(qsizetype boxesBefore, long long realReports) {
        std::vector<StopSeen> expected;
        for (const ErrorStop& stop : mirror_.window.stops) expected.push_back(seen(stop, separator_.toStdString()));
        if (form_.stops != expected)
            return QStringLiteral("the window reported %1 stop(s), the handlers %2%3")
                .arg(form_.stops.size())
                .arg(expected.size())
                .arg(expected.empty() ? QString() : QStringLiteral(": ") + QString::fromStdString(expected[0].message));

        // The boxes that opened: one per stop reported for real, four for the instruction.
        const QList<ui_test::ShownBox> opened = boxes_.shown.mid(boxesBefore);
        const qsizetype instructionBoxes = qsizetype(mirror_.window.messages.size());
        if (opened.size() != realReports + instructionBoxes)
            return QStringLiteral("%1 boxes opened, expected %2").arg(opened.size()).arg(realReports + instructionBoxes);
        for (qsizetype i = 0; i < instructionBoxes; ++i) {
            const auto& message = mirror_.window.messages[std::size_t(i)];
            if (opened[i].text != QString::fromStdString(message.prompt) ||
                opened[i].title != QString::fromStdString(message.title))
                return QStringLiteral("instruction box %1 shows %2").arg(i + 1).arg(opened[i].text);
        }
        if (realReports == 0) return {};
        const ui_test::ShownBox& box = opened.back();
        if (box.title != QString::fromUtf8(geometry::errorTitle) || box.icon != QMessageBox::Warning ||
            box.standardButtons != QMessageBox::StandardButtons(QMessageBox::Ok) ||
            box.text != QString::fromStdString(expected.back().message))
            return QStringLiteral("the error box shows \"%1\" titled \"%2\"").arg(box.text, box.title);
        if (const std::optional<Field> offending = expected.back().field) {
            QLineEdit* edit = edits_[std::size_t(*offending)];
            if (form_.focusWidget() != edit) return QStringLiteral("the focus is not in %1").arg(fieldName(*offending));
            if (edit->selectedText() != edit->text())
                return QStringLiteral("the text of %1 is not selected").arg(fieldName(*offending));
        }
        return {};
    }

    QString separator_;
    BoxAnswerer boxes_;
    RecordedForm1 form_;
    geometry::testing::Bench mirror_;
    std::array<QLineEdit*, geometry::fieldCount> edits_{};
    long long pressesMade_ = 0;
};

// How often a stop takes the window's real report with its box: each costs
// about a millisecond for its nested event loop, the rest are compared without one.
constexpr int realReportEvery = 4;
constexpr long long defaultPresses = 50'000;  // per separator: 100,000 in all

// The offscreen platform warns at every box it shows that it cannot pass on
// size hints; tens of thousands of boxes would bury everything else.
QtMessageHandler testRunnerHandler = nullptr;

void withoutSizeHintWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("does not support propagateSizeHints"))) return;
    testRunnerHandler(type, context, message);
}

}  // namespace

class HostileInputTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testRunnerHandler = qInstallMessageHandler(withoutSizeHintWarnings); }
    void cleanupTestCase() { qInstallMessageHandler(testRunnerHandler); }

    void randomPressesMatchTheHandlers_data() {
        QTest::addColumn<QString>("separator");
        QTest::newRow("comma") << ",";
        QTest::newRow("point") << ".";
    }

    void randomPressesMatchTheHandlers() {
        QFETCH(QString, separator);
        const std::uint64_t seed = seedFromEnvironment();
        const long long count = pressesFromEnvironment(defaultPresses);
        std::printf("hostile input with '%s': seed %llu (HOSTILE_SEED=%llu repeats it), %lld presses\n",
                    qPrintable(separator), static_cast<unsigned long long>(seed),
                    static_cast<unsigned long long>(seed), count);
        std::fflush(stdout);

        HostileRun run(separator, realReportEvery);
        QVERIFY(run.start());
        Dice dice(seed);
        Watchdog watchdog(seed, std::chrono::seconds(30));
        QElapsedTimer clock;
        clock.start();

        // The long numbers are pasted at evenly spaced presses (the next one
        // that reads a field), each as a megabyte (refused) and at the field's
        // capacity (kept).
        const qsizetype longPastes = 2 * longNumbers.size();
        qsizetype nextLong = 0;
        const auto longDue = [&](long long i) {
            return nextLong < longPastes && i >= count * (nextLong + 1) / (longPastes + 1);
        };

        const Press instructionPress{Button::ShowInstruction, "Command11", 0, {}};
        for (long long i = 0; i < count; ++i) {
            const Press& press = randomPress(dice);
            for (Field input : press.inputs) {
                if (!dice.oneIn(2)) continue;
                const QString text = input == Field::PrismKind && !dice.oneIn(8) ? dice.pick(choices) : randomText(dice);
                const QString changed = run.type(input, localized(text, separator));
                QVERIFY2(changed.isEmpty(), qPrintable(changed));
            }
            if (dice.oneIn(20)) {  // anything anywhere, result fields included
                const Field any = geometry::allFields()[std::size_t(dice.below(geometry::fieldCount))].field;
                const QString changed = run.type(any, localized(randomText(dice), separator));
                QVERIFY2(changed.isEmpty(), qPrintable(changed));
            }
            if (longDue(i) && !press.inputs.isEmpty()) {
                const qsizetype length = nextLong % 2 == 0 ? megabyte : TextField::capacity;
                const QString text = localized(longNumbers[nextLong++ / 2].make(length), separator);
                const QString changed = run.paste(dice.pick(press.inputs), text);
                QVERIFY2(changed.isEmpty(), qPrintable(changed));
            }
            const bool instruction = dice.oneIn(2000);
            const bool withMouse = dice.oneIn(500);
            const QString differs = run.press(instruction ? instructionPress : press, withMouse);
            QVERIFY2(differs.isEmpty(), qPrintable(QStringLiteral("seed %1, press %2 (%3): %4")
                                                       .arg(seed)
                                                       .arg(i)
                                                       .arg(QLatin1String(instruction ? "Command11" : press.name))
                                                       .arg(differs)));
            if (i % 64 == 63) run.paint();
            watchdog.progress.store(i + 1);
        }

        // The program is still running: the window shows, answers a plain press,
        // and closes when asked.
        QVERIFY(run.form().isVisible());
        QVERIFY(run.type(Field::SphereRadius, localized("2", separator)).isEmpty());
        const Press sphere{Button::CalculateSphereAndBall, "Command9", 0, {}};
        const QString differs = run.press(sphere, true);
        QVERIFY2(differs.isEmpty(), qPrintable(differs));
        QVERIFY(!run.form().text(Field::SphereSurface).empty());
        run.form().findChild<QPushButton*>(QStringLiteral("Command12"))->click();
        QVERIFY(!run.form().isVisible());

        const double seconds = clock.elapsed() / 1000.0;
        std::printf("  %lld presses in %.1f s (%.0f µs each); %lld errors reported, %lld of them with a real box; "
                    "%lld boxes in all\n",
                    run.pressesMade(), seconds, seconds * 1e6 / double(run.pressesMade()),
                    run.form().stopCount, run.form().realReports, static_cast<long long>(run.boxes().shown.size()));
        QVERIFY(run.form().stopCount > count / 10);     // the texts really do fail
        QVERIFY(run.form().stopCount < count * 9 / 10);  // and really do compute
        QVERIFY(run.form().realReports > 0);
        QCOMPARE(nextLong, longPastes);
    }

    // Every way a text comes into a field: ten megabytes are refused whole, with
    // a box that names the field and its capacity, within a bound far above
    // what a window may take to answer (100 ms); a text that fills the field
    // to its capacity is kept whole.
    void longTextsComeInWholeOrNotAtAll_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<qsizetype>("incoming");
        for (const char* way : {"Ctrl+V", "Shift+Insert", "context menu", "middle button", "drop", "input method",
                                "typed key"}) {
            // A key brings one character: it is refused one past the capacity.
            const bool key = way == std::string_view("typed key");
            QTest::addRow(key ? "%s, one past the capacity" : "%s, 10 MB", way)
                << QString::fromLatin1(way) << (key ? TextField::capacity - 2 : qsizetype(10 * megabyte));
            QTest::addRow("%s, up to the capacity", way) << QString::fromLatin1(way) << TextField::capacity - 3;
        }
    }

    void longTextsComeInWholeOrNotAtAll() {
        QFETCH(QString, way);
        QFETCH(qsizetype, incoming);
        QClipboard* clipboard = QGuiApplication::clipboard();
        const bool selection = way == QLatin1String("middle button");
        if (selection && !clipboard->supportsSelection()) QSKIP("no selection to paste on this platform");

        Form1 form(",");
        QVERIFY(ui_test::showActive(form));
        auto* edit = static_cast<TextField*>(ui_test::field(form, QStringLiteral("Text30")));
        const QString held = QStringLiteral("2,5");
        const QString text(incoming, QLatin1Char('7'));
        // A typed key comes last, after all but one of the characters.
        const bool typed = way == QLatin1String("typed key");
        edit->setText(typed ? held + text.chopped(1) : held);
        const QString before = edit->text();
        clipboard->setText(text, selection ? QClipboard::Selection : QClipboard::Clipboard);
        QMimeData dropped;
        dropped.setText(text);
        BoxAnswerer boxes;

        QElapsedTimer clock;
        clock.start();
        if (way == QLatin1String("Ctrl+V")) {
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        } else if (way == QLatin1String("Shift+Insert")) {
            QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
        } else if (way == QLatin1String("context menu")) {
            QAction* paste = ui_test::contextMenuItem(edit, QStringLiteral("&Paste"));
            QVERIFY(paste && paste->isEnabled());
            paste->trigger();
            ui_test::closeContextMenu();
        } else if (selection) {
            QTest::mouseClick(edit, Qt::MiddleButton);
        } else if (way == QLatin1String("drop")) {
            const QPoint at(edit->width() - 2, 5);
            QDragEnterEvent enter(at, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(edit, &enter);
            QDragMoveEvent move(at, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(edit, &move);
            QDropEvent drop(at, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(edit, &drop);
        } else if (way == QLatin1String("input method")) {
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QApplication::sendEvent(edit, &commit);
        } else {
            QTest::keyClick(edit, Qt::Key_7);
        }
        const qsizetype length = held.size() + incoming;
        if (length <= TextField::capacity) {
            QCOMPARE(edit->text().size(), length);
            QCOMPARE(edit->text().count(QLatin1Char('7')), incoming);
            QCoreApplication::processEvents();
            QVERIFY(boxes.shown.isEmpty());
            return;
        }
        QVERIFY(QTest::qWaitFor([&] { return !boxes.shown.isEmpty() && !QApplication::activeModalWidget(); }));
        const qint64 elapsed = clock.elapsed();
        std::printf("  %s of %lld characters refused in %lld ms\n", qPrintable(way), static_cast<long long>(incoming),
                    static_cast<long long>(elapsed));
        QVERIFY2(elapsed < 2000, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));
        QCOMPARE(edit->text(), before);
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown[0].title, QString::fromUtf8(geometry::errorTitle));
        QCOMPARE(boxes.shown[0].icon, QMessageBox::Warning);
        QCOMPARE(boxes.shown[0].text, QStringLiteral("Полето „радиус“ в „сфера и кълбо“ побира до 5000 знака, а с новия "
                                                     "текст щеше да съдържа %1. Текстът не е приет и полето е "
                                                     "непроменено.")
                                          .arg(length));
        QTRY_COMPARE(QApplication::focusWidget(), edit);
    }

    // A megabyte of digits, set in a field by the program, goes to the handlers
    // whole and means what its short form means.
    void megabyteMeansItsShortForm_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("shortForm");
        QTest::newRow("nines") << 0 << "1e1048576";
        QTest::newRow("one then zeros") << 1 << "1e1048575";
        QTest::newRow("a tiny fraction") << 2 << "1e-1048574";
        QTest::newRow("one with a huge negative exponent") << 3 << "1";
    }

    void megabyteMeansItsShortForm() {
        QFETCH(int, which);
        QFETCH(QString, shortForm);
        for (const std::string separator : {",", "."}) {
            const std::string huge =
                localized(longNumbers[which].make(megabyte), QString::fromStdString(separator)).toStdString();
            QCOMPARE(huge.size(), std::size_t(megabyte));
            for (const Press& press : presses) {
                if (press.inputs.isEmpty()) continue;
                geometry::testing::Bench whole(separator), brief(separator);
                // "2" everywhere: in the prism's choice field it picks the cube,
                // whose edge is the last of the prism's inputs.
                for (Field input : press.inputs) whole.fields.texts[input] = brief.fields.texts[input] = "2";
                const Field last = press.inputs.back();
                whole.fields.texts[last] = huge;
                brief.fields.texts[last] = shortForm.toStdString();
                whole.handlers.press(press.button);
                brief.handlers.press(press.button);
                QCOMPARE(whole.window.stops.size(), brief.window.stops.size());
                if (!whole.window.stops.empty())
                    QCOMPARE(whole.window.stops[0].reason(), brief.window.stops[0].reason());
                for (const geometry::FieldInfo& info : geometry::allFields())
                    if (info.field != last)
                        QCOMPARE(whole.fields.texts[info.field], brief.fields.texts[info.field]);
            }
        }
    }
};

QTEST_MAIN(HostileInputTest)
#include "hostile_input_test.moc"
