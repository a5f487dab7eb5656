// SPDX-License-Identifier: MIT
// The window on a scaled screen (125 % to 200 %): the same layout in
// device-independent pixels, drawn with device pixels to spare, the stand-in
// face for every font, and every caption whole. Each row starts this program
// again with QT_SCALE_FACTOR set, since the scale is fixed when the application
// starts.

#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QScreen>
#include <QTextLayout>

#include "child_process.h"
#include "figure_picture.h"
#include "fonts.h"
#include "layout.h"
#include "result_field_checks.h"
#include "ui_support.h"

using namespace ui_test;

namespace {

// ---------------------------------------------------------------------------
// The matrix: one scale per row
// ---------------------------------------------------------------------------

const QStringList scaleVariables = {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
                                    "QT_ENABLE_HIGHDPI_SCALING", "QT_SCALE_FACTOR_ROUNDING_POLICY",
                                    "QT_FONT_DPI", "QT_USE_PHYSICAL_DPI"};

struct Scale {
    const char* name;
    const char* factor;
};

// The desktops' usual steps; 125 % and 175 % put controls on fractional device pixels.
const Scale scales[] = {
    {"125 %", "1.25"},
    {"150 %", "1.5"},
    {"175 %", "1.75"},
    {"200 %", "2"},
};

class ScalingMatrix : public QObject {
    Q_OBJECT

private slots:
    void atEachScale_data() {
        QTest::addColumn<QString>("factor");
        for (const Scale& scale : scales) QTest::newRow(scale.name) << QString::fromLatin1(scale.factor);
    }
    void atEachScale() {
        QFETCH(QString, factor);
        const ChildResult child = runChild(factor, scaleVariables, {{"QT_SCALE_FACTOR", factor}});
        QVERIFY2(child.finished, qPrintable(child.output));
        QVERIFY2(child.exitCode == 0, qPrintable(child.output));
    }
};

// ---------------------------------------------------------------------------
// The checks, in the child, at the scale the row set
// ---------------------------------------------------------------------------

const QColor lightOrange(255, 192, 128);

// The panels in device-independent pixels, as at 96 dpi.
QRect pixels(const ControlRow& row) {
    return {row.left / 15, row.top / 15, row.width / 15, row.height / 15};
}

void addRowsOfKinds(std::initializer_list<ControlKind> kinds) {
    QTest::addColumn<QString>("name");
    for (const ControlRow& row : form1Controls())
        if (std::find(kinds.begin(), kinds.end(), row.kind) != kinds.end())
            QTest::newRow(std::string(row.name).c_str()) << qs(row.name);
}

// How much of a label shows from its left edge: fields are drawn over the
// labels that reach into them, and a later label over an earlier one.
int visibleWidth(const QWidget* label) {
    const QWidget* parent = label->parentWidget();
    const QPoint middleLeft = label->geometry().topLeft() + QPoint(0, label->height() / 2);
    int width = label->width();
    while (width > 0 && parent->childAt(middleLeft + QPoint(width - 1, 0)) != label) --width;
    return width;
}

// In the cylinder panel the height field covers the "=" of its label: the
// layout puts the field 9 pixels into the label. The words before it show.
QString meantToShow(const QString& name, const QString& caption) {
    if (name == QLatin1String("Label9_2")) return caption.chopped(1);
    return caption;
}

// One past the rightmost device-pixel column in which the label's text shows.
int inkRight(const QImage& image, const QColor& background) {
    const auto differs = [&background](QColor c) {
        return std::abs(c.red() - background.red()) > 32 || std::abs(c.green() - background.green()) > 32 ||
               std::abs(c.blue() - background.blue()) > 32;
    };
    for (int x = image.width() - 1; x >= 0; --x)
        for (int y = 0; y < image.height(); ++y)
            if (differs(image.pixelColor(x, y))) return x + 1;
    return 0;
}

// How many lines a caption takes when wrapped at word boundaries in `width`.
int linesAtWidth(const QString& text, const QFont& font, int width) {
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    int lines = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        ++lines;
    }
    layout.endLayout();
    return lines;
}

class ScaledWindow : public QObject {
    Q_OBJECT
public:
    explicit ScaledWindow(qreal factor) : factor_(factor) {}

private slots:
    void theScreenIsScaled() {
        const QScreen* screen = QGuiApplication::primaryScreen();
        QCOMPARE(screen->devicePixelRatio(), factor_);
        QCOMPARE(qRound(screen->logicalDotsPerInch()), 96);
    }

    void theWindowInDeviceIndependentPixels() {
        Form1 form(",");
        QVERIFY(showActive(form));
        QCOMPARE(form.geometry(), QRect(347, 141, 508, 650));
        const QPixmap shot = form.grab();
        QCOMPARE(shot.devicePixelRatio(), factor_);
        QCOMPARE(shot.size(), QSize(qRound(508 * factor_), qRound(650 * factor_)));
        QCOMPARE(shot.toImage().pixelColor(qRound(3 * factor_), qRound(3 * factor_)), lightOrange);
    }

    void everyControlInPlace_data() {
        addRowsOfKinds({ControlKind::Panel, ControlKind::Label, ControlKind::TextField, ControlKind::Button,
                        ControlKind::Picture});
    }
    void everyControlInPlace() {
        QFETCH(QString, name);
        const ControlRow& row = *findControl(name.toStdString());
        Form1 form(",");
        QWidget* widget = control(form, name);
        QVERIFY(widget);
        QCOMPARE(widget->parentWidget()->objectName(), qs(row.container));
        QCOMPARE(widget->geometry(), pixels(row));
    }

    void panelsInPixels_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        for (const PanelInPixels& panel : panelPlaces)
            QTest::newRow(panel.name) << QString::fromLatin1(panel.name) << panel.place;
    }
    void panelsInPixels() {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        Form1 form(",");
        QCOMPARE(control(form, name)->geometry(), place);
        QCOMPARE(form.width() - control(form, name)->geometry().right() - 1, 3);
    }

    void bottomRowNinePixelsUp_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"Command11", "Command12", "Label19"}) QTest::newRow(name) << QString::fromLatin1(name);
    }
    void bottomRowNinePixelsUp() {
        QFETCH(QString, name);
        Form1 form(",");
        QCOMPARE(form.height() - control(form, name)->geometry().bottom() - 1, 9);
    }

    void picturesDrawnWithEveryDevicePixel_data() { addRowsOfKinds({ControlKind::Picture}); }
    void picturesDrawnWithEveryDevicePixel() {
        QFETCH(QString, name);
        Form1 form(",");
        auto* picture = form.findChild<FigurePicture*>(name);
        QVERIFY(picture);
        const QSize natural = pixels(*findControl(name.toStdString())).size();
        QCOMPARE(picture->size(), natural);
        const QPixmap drawn = picture->rendered(picture->devicePixelRatioF());
        QCOMPARE(drawn.devicePixelRatio(), factor_);
        QCOMPARE(drawn.size(), natural * factor_);
    }

    // The bitmap "MS Sans Serif" draws only at its 13-pixel strike, so a scaled
    // screen shows every font in the outline stand-in, really installed.
    void fontsInTheStandIn_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<bool>("bold");
        QTest::newRow("standard") << "Text30" << 11 << false;
        QTest::newRow("window buttons") << "Command11" << 16 << true;
        QTest::newRow("credit line") << "Label19" << 13 << true;
    }
    void fontsInTheStandIn() {
        QFETCH(QString, name);
        QFETCH(int, pixelSize);
        QFETCH(bool, bold);
        Form1 form(",");
        const QFontInfo info(control(form, name)->font());
        QCOMPARE(info.family(), substituteFace);
        QCOMPARE(info.pixelSize(), pixelSize);
        QCOMPARE(info.bold(), bold);
    }

    // Every label's caption shows whole in the part of the label that nothing
    // covers, on one line (Label6 on its two), measured in the drawn pixels.
    void labelCaptionsShowWhole_data() { addRowsOfKinds({ControlKind::Label}); }
    void labelCaptionsShowWhole() {
        QFETCH(QString, name);
        Form1 form(",");
        QVERIFY(showActive(form));
        auto* label = qobject_cast<QLabel*>(control(form, name));
        QVERIFY(label);
        const QFontMetrics metrics(label->font());
        const int lines = name == QLatin1String("Label6") ? 2 : 1;
        QCOMPARE(linesAtWidth(label->text(), label->font(), label->width()), lines);
        QVERIFY(metrics.height() + (lines - 1) * metrics.lineSpacing() <= label->height());

        const int shows = visibleWidth(label);
        const QString words = meantToShow(name, label->text());
        if (words != label->text()) {
            QVERIFY(QFontMetricsF(label->font()).boundingRect(words).right() <= shows);
            return;
        }
        const QPixmap drawn = label->grab();
        QCOMPARE(drawn.devicePixelRatio(), factor_);
        const int ink = inkRight(drawn.toImage(), label->palette().color(QPalette::Window));
        QVERIFY2(ink > 0, "no caption drawn");
        QVERIFY2(ink <= qFloor(shows * factor_),
                 qPrintable(QStringLiteral("\"%1\": ink to device pixel %2, %3 px of %4 show (%5 device pixels)")
                                .arg(label->text())
                                .arg(ink)
                                .arg(shows)
                                .arg(label->width())
                                .arg(qFloor(shows * factor_))));
    }

    void resultFieldsShowRoundedNumbers_data() { addShownResultRows(); }
    void resultFieldsShowRoundedNumbers() { checkShownResult(); }

    void buttonAndPanelCaptionsFit_data() { addRowsOfKinds({ControlKind::Button, ControlKind::Panel}); }
    void buttonAndPanelCaptionsFit() {
        QFETCH(QString, name);
        Form1 form(",");
        QWidget* widget = control(form, name);
        const QFontMetrics metrics(widget->font());
        if (auto* push = qobject_cast<QPushButton*>(widget)) {
            QVERIFY(metrics.horizontalAdvance(push->text()) + 8 <= push->width());
            QVERIFY(metrics.height() <= push->height());
        } else {
            auto* panel = qobject_cast<QGroupBox*>(widget);
            QVERIFY(metrics.horizontalAdvance(panel->title()) + 16 <= panel->width());
        }
    }

private:
    qreal factor_;
};

}  // namespace

int main(int argc, char* argv[]) {
    return ui_test::matrixOrChildMain<ScalingMatrix, ScaledWindow>(
        argc, argv, [](const QByteArray& value) { return value.toDouble(); });
}

#include "scaling_test.moc"
