// SPDX-License-Identifier: MIT
// Time per press of every calculate and clear handler: on the field store in
// memory alone, and through the window offscreen (the button's click() with the
// panel's fields filled), with and without letting the window repaint the
// fields the press wrote. Also a failed press with its error box, and building
// the window.
//
//   QT_QPA_PLATFORM=offscreen stereometry_press_bench [--benchmark_filter=...]

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <string>
#include <utility>
#include <vector>

#include "fakes.h"
#include "form1.h"

namespace {

using geometry::Button;
using geometry::Field;
using geometry::ui::Form1;

struct PressCase {
    const char* name;
    Button button;
    std::vector<std::pair<Field, const char*>> inputs;  // '.' is the decimal separator
};

// Each calculate handler on inputs that compute, then each clear handler.
const std::vector<PressCase> pressCases = {
    {"box", Button::CalculateRightPrism, {{Field::PrismKind, "1"}, {Field::BoxEdgeA, "1.5"}, {Field::BoxEdgeB, "2.5"}, {Field::BoxEdgeC, "3.5"}}},
    {"cube", Button::CalculateRightPrism, {{Field::PrismKind, "2"}, {Field::CubeEdge, "3.9"}}},
    {"other right prism", Button::CalculateRightPrism,
     {{Field::PrismKind, "3"}, {Field::PrismBasePerimeter, "1.1"}, {Field::PrismHeight, "3.3"}, {Field::PrismBaseArea, "2.2"}}},
    {"regular pyramid", Button::CalculateRegularPyramid,
     {{Field::PyramidBasePerimeter, "1.1"}, {Field::PyramidBaseArea, "7.25"}, {Field::PyramidApothem, "3.3"}, {Field::PyramidHeight, "1"}}},
    {"cylinder", Button::CalculateCylinder, {{Field::CylinderRadius, "1"}, {Field::CylinderHeight, "11"}}},
    {"cone", Button::CalculateCone, {{Field::ConeRadius, "1"}, {Field::ConeHeight, "4"}, {Field::ConeSlantHeight, "13"}}},
    {"sphere and ball", Button::CalculateSphereAndBall, {{Field::SphereRadius, "2"}}},
    {"regular polygon", Button::CalculateRegularPolygon, {{Field::PolygonSides, "6"}, {Field::PolygonSide, "2.5"}}},
    {"clear right prism", Button::ClearRightPrism, {}},
    {"clear regular pyramid", Button::ClearRegularPyramid, {}},
    {"clear cylinder", Button::ClearCylinder, {}},
    {"clear cone", Button::ClearCone, {}},
    {"clear sphere and ball", Button::ClearSphereAndBall, {}},
    {"clear regular polygon", Button::ClearRegularPolygon, {}},
};

const std::string separator = ",";

std::string localized(const char* text) { return geometry::testing::localized(text, separator); }

QString buttonObjectName(Button button) {
    const std::string_view name = geometry::buttonName(button);
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

QString fieldObjectName(Field field) {
    const std::string_view name = geometry::fieldInfo(field).name;
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

void pressOnFieldStore(benchmark::State& state, const PressCase& press) {
    geometry::testing::Bench bench(separator);
    for (const auto& [field, text] : press.inputs) bench.fields.texts[field] = localized(text);
    long long n = 0;
    for (auto _ : state) {
        bench.handlers.press(press.button);
        if (++n % 1024 == 0) {  // the store records every access; keep that record short
            bench.fields.reads.clear();
            bench.fields.writes.clear();
        }
    }
    if (!bench.window.stops.empty()) state.SkipWithError("the press failed");
}

// The window as the program shows it, with the panel's fields filled.
struct ShownWindow {
    explicit ShownWindow(const PressCase& press) : form(separator) {
        form.show();
        (void)QTest::qWaitForWindowExposed(&form);
        for (const auto& [field, text] : press.inputs)
            form.findChild<QLineEdit*>(fieldObjectName(field))->setText(QString::fromStdString(localized(text)));
        button = form.findChild<QPushButton*>(buttonObjectName(press.button));
        QCoreApplication::processEvents();
    }
    Form1 form;
    QPushButton* button = nullptr;
};

// Answers every modal message box as soon as its own event loop runs.
class BoxAnswerer : public QObject {
public:
    BoxAnswerer() { qApp->installEventFilter(this); }
    ~BoxAnswerer() override { qApp->removeEventFilter(this); }
    long long answered = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            if (auto* box = qobject_cast<QMessageBox*>(watched)) {
                ++answered;
                QMetaObject::invokeMethod(box, [box] { box->button(QMessageBox::Ok)->click(); }, Qt::QueuedConnection);
            }
        return false;
    }
};

void pressThroughWindow(benchmark::State& state, const PressCase& press, bool repaint) {
    ShownWindow window(press);
    BoxAnswerer boxes;
    for (auto _ : state) {
        window.button->click();
        if (repaint) QCoreApplication::processEvents();
    }
    if (boxes.answered != 0) state.SkipWithError("the press failed");
}

// A press that fails: the sphere's radius is a word. The window shows its
// error box (answered at once) and puts the focus in the field.
void failedPressThroughWindow(benchmark::State& state) {
    const PressCase press{"sphere with a word", Button::CalculateSphereAndBall, {{Field::SphereRadius, "abc"}}};
    ShownWindow window(press);
    BoxAnswerer boxes;
    for (auto _ : state) window.button->click();
    if (boxes.answered != static_cast<long long>(state.iterations())) state.SkipWithError("a box went missing");
}

// The floor for the repaint: a bare window whose two line edits get new texts
// and repaint, as the sphere's two result fields do.
void bareLineEditsRepainted(benchmark::State& state) {
    QWidget window;
    window.resize(508, 650);
    QLineEdit first(&window), second(&window);
    first.setGeometry(10, 10, 90, 20);
    second.setGeometry(10, 40, 90, 20);
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    const QString texts[] = {QStringLiteral("50,26547"), QStringLiteral("33,51031")};
    long long n = 0;
    for (auto _ : state) {
        first.setText(texts[n % 2]);
        second.setText(texts[++n % 2]);
        QCoreApplication::processEvents();
    }
}

void buildWindow(benchmark::State& state) {
    for (auto _ : state) {
        Form1 form(separator);
        benchmark::DoNotOptimize(&form);
    }
}

void buildAndPaintWindow(benchmark::State& state) {
    for (auto _ : state) {
        Form1 form(separator);
        form.show();
        (void)QTest::qWaitForWindowExposed(&form);
        QCoreApplication::processEvents();
    }
}

void registerAll() {
    for (const PressCase& press : pressCases) {
        benchmark::RegisterBenchmark((std::string("field store/") + press.name).c_str(),
                                     [&press](benchmark::State& state) { pressOnFieldStore(state, press); });
    }
    for (const PressCase& press : pressCases) {
        benchmark::RegisterBenchmark((std::string("window/") + press.name).c_str(),
                                     [&press](benchmark::State& state) { pressThroughWindow(state, press, false); })
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((std::string("window+repaint/") + press.name).c_str(),
                                     [&press](benchmark::State& state) { pressThroughWindow(state, press, true); })
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark("bare window/two line edits set and repainted", bareLineEditsRepainted)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("window/failed press with its box", failedPressThroughWindow)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("window/build", buildWindow)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("window/build, show and paint", buildAndPaintWindow)->Unit(benchmark::kMillisecond);
}

// The offscreen platform warns at every box it shows that it cannot pass on size hints.
QtMessageHandler defaultHandler = nullptr;
void withoutSizeHintWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.contains(QLatin1String("does not support propagateSizeHints"))) defaultHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultHandler = qInstallMessageHandler(withoutSizeHintWarnings);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    registerAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
