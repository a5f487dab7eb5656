// SPDX-License-Identifier: MIT
// Draws the calculator's window offscreen and saves it as a PNG.
//
//   stereometry_screenshot OUT.png [--filled | --long] [--error | --tooltip]
//   stereometry_screenshot OUT.png --problems SOLID KEY=VALUE...
//   stereometry_screenshot OUT.png --text "УСЛОВИЕ НА ЗАДАЧА"
//
// --filled types an example into every panel and presses its "пресметни", so
// that the picture shows numbers in the fields too; --long does the same with
// numbers whose results are wider than their fields, which show rounded to the
// digits that fit. --error presses the sphere
// panel's "пресметни" with the radius empty and saves the message box that
// opens instead of the window. --tooltip shows the cylinder's "V=" with the
// tooltip that says how the press found it, drawn over the window where it
// opens. --problems draws the problems window instead, with that task solved
// ("cone r=3cm h=4cm"). The scale follows QT_SCALE_FACTOR; numbers use the
// decimal comma of a Bulgarian desktop.
#include <QApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTextStream>
#include <QTimer>

#include "form1.h"
#include "problems_window.h"

namespace {

using geometry::ui::Form1;

struct Typed {
    const char* field;
    const char* text;
};

// One example per panel, and the button that computes it.
const Typed examples[] = {
    {"Text8", "3"},   {"Text4", "12"},  {"Text5", "9"},    {"Text6", "5"},
    {"Text12", "24"}, {"Text13", "36"}, {"Text14", "5"},   {"Text15", "4"},
    {"Text33", "6"},  {"Text34", "1"},  {"Text19", "1"},   {"Text20", "1"},
    {"Text24", "3"},  {"Text25", "4"},  {"Text26", "5"},   {"Text30", "2,5"},
};
// The same with results too wide for their fields.
const Typed longExamples[] = {
    {"Text8", "2"},     {"Text7", "143,9"},  {"Text12", "1234,5"}, {"Text13", "98765,4"}, {"Text14", "321,5"},
    {"Text15", "0,07"}, {"Text33", "7"},     {"Text34", "12,34"},  {"Text19", "143,9"},   {"Text20", "143,9"},
    {"Text24", "3,3"},  {"Text25", "0,004"}, {"Text26", "5,5"},    {"Text30", "143,9"},
};
const char* const calculateButtons[] = {"Command1", "Command3", "Command13",
                                        "Command5", "Command7", "Command9"};

template <std::size_t N>
void fillExamples(Form1& form, const Typed (&examples)[N]) {
    for (const Typed& typed : examples)
        form.findChild<QLineEdit*>(QString::fromLatin1(typed.field))->setText(QString::fromUtf8(typed.text));
    for (const char* name : calculateButtons)
        form.findChild<QPushButton*>(QString::fromLatin1(name))->click();
}

// Presses the sphere's "пресметни" with its radius empty and grabs the error
// box the press opens; the box is closed again once drawn.
QPixmap errorBox(Form1& form) {
    QPixmap shot;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&shot] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        shot = box->grab();
        box->accept();
    });
    watch.start(20);
    form.findChild<QLineEdit*>(QStringLiteral("Text30"))->clear();
    form.findChild<QPushButton*>(QStringLiteral("Command9"))->click();  // returns when the box closes
    return shot;
}

// The window with the tooltip of a result field, as hovering shows it.
QPixmap withTooltip(Form1& form, const QString& fieldName) {
    auto* field = form.findChild<QLineEdit*>(fieldName);
    const QPoint inside = field->rect().center();
    QHelpEvent hover(QEvent::ToolTip, inside, field->mapToGlobal(inside));
    QApplication::sendEvent(field, &hover);
    QApplication::processEvents();
    QPixmap shot = form.grab();
    for (QWidget* tip : QApplication::topLevelWidgets()) {
        if (!tip->inherits("QTipLabel") || !tip->isVisible()) continue;
        // Under the field, as near its left edge as the window's width allows.
        const QPoint below = field->mapTo(&form, field->rect().bottomLeft()) + QPoint(0, 3);
        const QRect place(QPoint(qMax(0, qMin(below.x(), form.width() - tip->width())), below.y()), tip->size());
        QPixmap canvas(shot.deviceIndependentSize().toSize().expandedTo(QSize(place.right() + 1, place.bottom() + 1)) *
                       shot.devicePixelRatio());
        canvas.setDevicePixelRatio(shot.devicePixelRatio());
        canvas.fill(form.palette().color(QPalette::Window));
        QPainter painter(&canvas);
        painter.drawPixmap(0, 0, shot);
        painter.drawPixmap(place.topLeft(), tip->grab());
        painter.end();
        return canvas;
    }
    return shot;
}

bool save(const QPixmap& shot, const QString& path) {
    if (shot.save(path, "PNG")) return true;
    QTextStream(stderr) << "cannot write " << path << "\n";
    return false;
}

// The problems window with the task after --problems solved, or with the task's
// text after --text read.
int drawProblems(const QStringList& args) {
    geometry::ui::ProblemsWindow window(",");
    if (const qsizetype text = args.indexOf(QStringLiteral("--text")); text >= 0) {
        window.showText(args.value(text + 1));
        window.show();
        QApplication::processEvents();
        return save(window.grab(), args.at(1)) ? 0 : 1;
    }
    const qsizetype at = args.indexOf(QStringLiteral("--problems"));
    geometry::ui::ProblemsWindow::Givens givens;
    for (const QString& given : args.mid(at + 2)) {
        const qsizetype equals = given.indexOf(QLatin1Char('='));
        givens.emplace_back(given.left(equals).toStdString(), given.mid(equals + 1).toStdString());
    }
    if (!window.showTask(args.value(at + 1).toStdString(), givens)) return 2;
    window.show();
    QApplication::processEvents();
    return save(window.grab(), args.at(1)) ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        QTextStream(stderr) << "usage: stereometry_screenshot OUT.png [--filled | --long] [--error | --tooltip]\n"
                               "       stereometry_screenshot OUT.png --problems SOLID KEY=VALUE...\n"
                               "       stereometry_screenshot OUT.png --text TEXT\n";
        return 2;
    }
    if (args.contains(QStringLiteral("--problems")) || args.contains(QStringLiteral("--text"))) return drawProblems(args);
    Form1 form(",");
    form.show();
    if (args.contains(QStringLiteral("--filled"))) fillExamples(form, examples);
    if (args.contains(QStringLiteral("--long"))) fillExamples(form, longExamples);
    QApplication::processEvents();
    const QPixmap shot = args.contains(QStringLiteral("--error"))     ? errorBox(form)
                         : args.contains(QStringLiteral("--tooltip")) ? withTooltip(form, QStringLiteral("Text23"))
                                                                      : form.grab();
    return save(shot, args.at(1)) ? 0 : 1;
}
