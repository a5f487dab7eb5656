// SPDX-License-Identifier: MIT
// The window as built: every control's place, caption, font and colours, the
// panels and pictures in pixels, captions that fit, and a layout that stays put.

#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <numeric>
#include <QSvgRenderer>

#include "figure_picture.h"
#include "fonts.h"
#include "form1_handlers.h"
#include "layout.h"
#include "placement.h"
#include "ui_support.h"

using namespace ui_test;

namespace {

const QColor lightOrange(255, 192, 128);
const QColor buttonFace(240, 240, 240);
const QColor white(255, 255, 255);
const QColor black(0, 0, 0);

// Each picture's natural size in pixels.
struct PictureSize {
    const char* name;
    QSize size;
};
const PictureSize naturalSizes[] = {
    {"Image8", {61, 32}}, {"Image7", {37, 32}}, {"Image1", {49, 78}}, {"Image4", {53, 60}},
    {"Image6", {50, 44}}, {"Image2", {45, 68}}, {"Image3", {66, 66}}, {"Image5", {66, 65}},
};

struct ExpectedFont {
    double pointSize;
    bool bold;
    bool italic;
};

ExpectedFont expectedFont(FontKind kind) {
    switch (kind) {
    case FontKind::Standard: return {8.25, false, false};
    case FontKind::LargeBold: return {12.0, true, false};
    case FontKind::CreditItalic: return {9.75, true, true};
    }
    return {};
}

QRect pixels(const ControlRow& row) {
    return {row.left / 15, row.top / 15, row.width / 15, row.height / 15};
}

const ControlRow& rowNamed(const QString& name) {
    const ControlRow* row = findControl(name.toStdString());
    Q_ASSERT(row);
    return *row;
}

void addControlRows(std::initializer_list<ControlKind> kinds) {
    QTest::addColumn<QString>("name");
    for (const ControlRow& row : form1Controls())
        if (std::find(kinds.begin(), kinds.end(), row.kind) != kinds.end())
            QTest::newRow(std::string(row.name).c_str()) << qs(row.name);
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void theWindow() {
        Form1 form(",");
        QCOMPARE(form.objectName(), QStringLiteral("Form1"));
        QCOMPARE(form.windowTitle(), QStringLiteral("лица на повърхнини и обеми"));
        QCOMPARE(form.geometry(), QRect(347, 141, 508, 650));
        QCOMPARE(form.palette().color(QPalette::Window), lightOrange);
        QVERIFY(form.autoFillBackground());
        QCOMPARE(form.style()->name(), QStringLiteral("windows"));
        QVERIFY(showActive(form));
        QCOMPARE(form.size(), QSize(508, 650));
        QCOMPARE(form.grab().toImage().pixelColor(2, 2), lightOrange);
    }

    // On screens too small for the window at (347, 141), frame included, it moves
    // up and left just enough; its title bar never leaves the screen.
    void placementOnTheScreen_data() {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<QRect>("placed");
        const QMargins frame(4, 30, 4, 4);
        QTest::newRow("1920 x 1080, task bar below") << QRect(0, 0, 1920, 1040) << frame << QRect(347, 141, 508, 650);
        QTest::newRow("1366 x 768, task bar below") << QRect(0, 0, 1366, 728) << frame << QRect(347, 74, 508, 650);
        QTest::newRow("1366 x 768, bar above") << QRect(0, 27, 1366, 741) << QMargins(0, 37, 0, 0)
                                               << QRect(347, 118, 508, 650);
        QTest::newRow("1024 x 768, task bar below") << QRect(0, 0, 1024, 738) << frame << QRect(347, 84, 508, 650);
        QTest::newRow("1024 x 768, no frame yet") << QRect(0, 0, 1024, 768) << QMargins() << QRect(347, 118, 508, 650);
        QTest::newRow("800 x 600") << QRect(0, 0, 800, 600) << frame << QRect(288, 30, 508, 650);
    }
    void placementOnTheScreen() {
        QFETCH(QRect, available);
        QFETCH(QMargins, frame);
        QFETCH(QRect, placed);
        QCOMPARE(placeOnScreen(QRect(347, 141, 508, 650), frame, available), placed);
    }

    void everyControl_data() {
        addControlRows({ControlKind::Panel, ControlKind::Label, ControlKind::TextField,
                        ControlKind::Button, ControlKind::Picture});
    }
    void everyControl() {
        QFETCH(QString, name);
        const ControlRow& row = rowNamed(name);
        Form1 form(",");
        QWidget* widget = control(form, name);
        QVERIFY(widget);
        QCOMPARE(widget->parentWidget()->objectName(), qs(row.container));
        for (int twips : {row.left, row.top, row.width, row.height}) QCOMPARE(twips % 15, 0);
        QCOMPARE(widget->geometry(), pixels(row));
        QVERIFY(widget->isVisibleTo(&form));
        QVERIFY(widget->isEnabled());
        QCOMPARE(widget->style()->name(), QStringLiteral("windows"));

        const ExpectedFont font = expectedFont(row.font);
        QCOMPARE(widget->font().family(), fontFamily(row.font));
        QCOMPARE(widget->font().pointSizeF(), font.pointSize);
        QCOMPARE(widget->font().bold(), font.bold);
        QCOMPARE(widget->font().italic(), font.italic);

        switch (row.kind) {
        case ControlKind::Panel: {
            auto* panel = qobject_cast<QGroupBox*>(widget);
            QVERIFY(panel);
            QCOMPARE(panel->title(), qs(row.caption));
            QVERIFY(panel->autoFillBackground());
            QCOMPARE(panel->palette().color(QPalette::Window), roleColour(*row.background));
            QCOMPARE(panel->palette().color(QPalette::WindowText), black);
            QCOMPARE(panel->focusPolicy(), Qt::NoFocus);
            break;
        }
        case ControlKind::Label: {
            auto* label = qobject_cast<QLabel*>(widget);
            QVERIFY(label);
            if (name == QLatin1String("Label19")) QVERIFY(!label->text().isEmpty());
            else QCOMPARE(label->text(), qs(row.caption));
            QVERIFY(label->wordWrap());
            QVERIFY(label->autoFillBackground());
            QCOMPARE(label->palette().color(QPalette::Window), buttonFace);
            QCOMPARE(label->palette().color(QPalette::WindowText), black);
            const Qt::Alignment across =
                name == QLatin1String("Label6") ? Qt::AlignHCenter : Qt::AlignLeft;
            QCOMPARE(label->alignment(), Qt::AlignTop | across);
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
            break;
        }
        case ControlKind::TextField: {
            auto* edit = qobject_cast<QLineEdit*>(widget);
            QVERIFY(edit);
            QVERIFY(edit->text().isEmpty());
            QVERIFY(!edit->isReadOnly());
            QVERIFY(edit->hasFrame());
            QCOMPARE(edit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
            QCOMPARE(edit->palette().color(QPalette::Base), white);
            QCOMPARE(edit->palette().color(QPalette::Text), black);
            QCOMPARE(edit->focusPolicy(), Qt::StrongFocus);
            break;
        }
        case ControlKind::Button: {
            auto* push = qobject_cast<QPushButton*>(widget);
            QVERIFY(push);
            QCOMPARE(push->text(), qs(row.caption));
            QVERIFY(!push->autoDefault());
            QVERIFY(!push->isDefault());
            QCOMPARE(push->palette().color(QPalette::Button), buttonFace);
            QCOMPARE(push->palette().color(QPalette::ButtonText), black);
            QCOMPARE(push->focusPolicy(), Qt::StrongFocus);
            break;
        }
        case ControlKind::Picture: {
            QVERIFY(qobject_cast<FigurePicture*>(widget));
            QCOMPARE(row.tabIndex, noTabIndex);
            QCOMPARE(widget->focusPolicy(), Qt::NoFocus);
            QVERIFY2(QSvgRenderer(pictureResource(row)).isValid(), qPrintable(pictureResource(row)));
            break;
        }
        }
    }

    void panelsInPixels_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QColor>("background");
        for (const PanelInPixels& panel : panelPlaces)
            QTest::newRow(panel.name) << QString::fromLatin1(panel.name) << panel.place << panel.background;
    }
    void panelsInPixels() {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        QFETCH(QColor, background);
        Form1 form(",");
        QWidget* panel = control(form, name);
        QCOMPARE(panel->parentWidget(), &form);
        QCOMPARE(panel->geometry(), place);
        QCOMPARE(panel->palette().color(QPalette::Window), background);
        // Left of the panels 8 pixels of window, right of them 3.
        QCOMPARE(form.width() - panel->geometry().right() - 1, 3);
    }

    void picturesAtNaturalSize_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        for (const PictureSize& picture : naturalSizes)
            QTest::newRow(picture.name) << QString::fromLatin1(picture.name) << picture.size;
    }
    void picturesAtNaturalSize() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        Form1 form(",");
        auto* picture = form.findChild<FigurePicture*>(name);
        QVERIFY(picture);
        QCOMPARE(picture->size(), size);
        QCOMPARE(picture->sizeHint(), size);
        QVERIFY(picture->parentWidget()->rect().contains(picture->geometry()));
    }

    // Colours in the window as shown, at points of the pictures (their own
    // pixels): the vector drawings let their panel's colour show around them,
    // the others show their own white background.
    void pictureColoursInTheWindow_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QColor>("colour");
        const QColor red(255, 0, 0), frame1(200, 200, 200), frame6(240, 240, 240);
        QTest::newRow("hexagon centre") << "Image6" << QPoint(25, 22) << red;
        QTest::newRow("around the hexagon") << "Image6" << QPoint(1, 1) << frame6;
        QTest::newRow("around the hexagon, below") << "Image6" << QPoint(48, 42) << frame6;
        QTest::newRow("cube front") << "Image7" << QPoint(14, 20) << QColor(0, 255, 0);
        QTest::newRow("around the cube") << "Image7" << QPoint(35, 30) << frame1;
        QTest::newRow("box front") << "Image8" << QPoint(25, 20) << QColor(153, 204, 0);
        QTest::newRow("around the box") << "Image8" << QPoint(59, 30) << frame1;
        QTest::newRow("pyramid corner") << "Image4" << QPoint(0, 0) << white;
        QTest::newRow("cylinder corner") << "Image2" << QPoint(0, 67) << white;
        QTest::newRow("cone corner") << "Image3" << QPoint(65, 0) << white;
        QTest::newRow("sphere corner") << "Image5" << QPoint(0, 0) << white;
    }
    void pictureColoursInTheWindow() {
        QFETCH(QString, name);
        QFETCH(QPoint, point);
        QFETCH(QColor, colour);
        Form1 form(",");
        auto* picture = form.findChild<FigurePicture*>(name);
        QVERIFY(picture);
        const QImage shown = form.grab().toImage();
        QCOMPARE(shown.pixelColor(picture->mapTo(&form, point)), colour);
    }

    void bottomRowAboveTheWindowEdge_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"Command11", "Command12", "Label19"}) QTest::newRow(name) << QString::fromLatin1(name);
    }
    void bottomRowAboveTheWindowEdge() {
        QFETCH(QString, name);
        Form1 form(",");
        QCOMPARE(form.height() - control(form, name)->geometry().bottom() - 1, 9);
    }

    void everyFieldButtonAndTabNumberOnce() {
        std::vector<int> tabIndices;
        QMap<ControlKind, int> kinds;
        for (const ControlRow& row : form1Controls()) {
            ++kinds[row.kind];
            if (row.tabIndex != noTabIndex) tabIndices.push_back(row.tabIndex);
        }
        std::sort(tabIndices.begin(), tabIndices.end());
        std::vector<int> zeroTo97(98);
        std::iota(zeroTo97.begin(), zeroTo97.end(), 0);
        QVERIFY(tabIndices == zeroTo97);
        QCOMPARE(kinds[ControlKind::Panel], 6);
        QCOMPARE(kinds[ControlKind::Label], 42);
        QCOMPARE(kinds[ControlKind::TextField], 36);
        QCOMPARE(kinds[ControlKind::Button], 14);
        QCOMPARE(kinds[ControlKind::Picture], 8);
        // The panel table and the window agree: every field stands beside the
        // label the table gives it, every panel and button is on the window.
        for (const geometry::FieldInfo& info : geometry::allFields()) {
            QVERIFY2(findControl(info.name), info.name.data());
            const ControlRow* label = labelNaming(info.name);
            QVERIFY2(label && label->caption == info.label, info.name.data());
        }
        for (const geometry::PanelRow& panel : geometry::allPanels())
            QCOMPARE(qs(findControl(panel.frame)->caption), qs(panel.caption));
        for (std::size_t i = 0; i < geometry::buttonCount; ++i)
            QVERIFY(findControl(geometry::buttonName(static_cast<geometry::Button>(i))));
    }

    void fieldsDrawnOverTheLabelsTheyOverlap() {
        Form1 form(",");
        int overlaps = 0;
        for (QLineEdit* edit : form.findChildren<QLineEdit*>()) {
            for (QLabel* label : edit->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
                const QRect shared = edit->geometry() & label->geometry();
                if (shared.isEmpty()) continue;
                ++overlaps;
                QCOMPARE(edit->parentWidget()->childAt(shared.center()), edit);
            }
        }
        QVERIFY(overlaps >= 30);  // nearly every label reaches into its field
    }

    void captionsFit_data() { addControlRows({ControlKind::Panel, ControlKind::Label, ControlKind::Button}); }
    void captionsFit() {
        QFETCH(QString, name);
        Form1 form(",");
        QWidget* widget = control(form, name);
        const QFontMetrics metrics(widget->font());
        QString caption;
        if (auto* label = qobject_cast<QLabel*>(widget)) caption = label->text();
        else if (auto* push = qobject_cast<QPushButton*>(widget)) caption = push->text();
        else caption = qobject_cast<QGroupBox*>(widget)->title();

        if (name == QLatin1String("Label6")) {
            // Wraps onto exactly two lines within its width, both inside its height.
            const QRect wrapped = metrics.boundingRect(QRect(0, 0, widget->width(), 1000),
                                                       Qt::TextWordWrap | Qt::AlignHCenter, caption);
            QCOMPARE(wrapped.height(), 2 * metrics.lineSpacing());
            QVERIFY(wrapped.width() <= widget->width());
            QVERIFY(wrapped.height() <= widget->height());
            return;
        }
        const int inkRight = metrics.boundingRect(caption).right() + 1;
        QVERIFY2(metrics.horizontalAdvance(caption) <= widget->width(),
                 qPrintable(QStringLiteral("%1 px wide").arg(metrics.horizontalAdvance(caption))));
        QVERIFY2(inkRight <= widget->width(), qPrintable(QStringLiteral("ink to %1").arg(inkRight)));
        QVERIFY(metrics.height() <= widget->height());
    }

    void fontsAsDrawn() {
        // The test machine has Wine's fonts and an unscaled 96-dpi screen: the
        // standard font is the designed face, the others its stand-in.
        QVERIFY(designFaceAvailable());
        QCOMPARE(fontFamily(FontKind::Standard), QStringLiteral("MS Sans Serif"));
        Form1 form(",");
        const QFontInfo standard(control(form, "Label1")->font());
        QCOMPARE(standard.family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(standard.pixelSize(), 13);  // the face's 8-point strike
        const QFontInfo large(control(form, "Command11")->font());
        QCOMPARE(large.family(), fontFamily(FontKind::LargeBold));
        QCOMPARE(large.pixelSize(), 16);
        QVERIFY(large.bold());
        const QFontInfo credit(control(form, "Label19")->font());
        QCOMPARE(credit.family(), fontFamily(FontKind::CreditItalic));
        QCOMPARE(credit.pixelSize(), 13);
        QVERIFY(credit.bold());
        QVERIFY(credit.italic());
    }

    void startsEmptyWithFocusInText1() {
        Form1 form(",");
        const QStringList texts = allFieldTexts(form);
        QCOMPARE(texts.size(), 36);
        for (const QString& text : texts) QVERIFY(text.isEmpty());
        QVERIFY(showActive(form));
        QCOMPARE(QApplication::focusWidget(), field(form, "Text1"));
    }

    void resizingMovesNothing_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("larger") << QSize(760, 820);
        QTest::newRow("smaller") << QSize(300, 200);
    }
    void resizingMovesNothing() {
        QFETCH(QSize, size);
        Form1 form(",");
        QVERIFY(showActive(form));
        QHash<QWidget*, QRect> before;
        for (QWidget* widget : form.findChildren<QWidget*>()) before.insert(widget, widget->geometry());
        form.resize(size);
        QTRY_COMPARE(form.size(), size);
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            QCOMPARE(it.key()->geometry(), it.value());
        if (size.width() > 508 && size.height() > 650) {  // the gained area shows the window
            const QImage image = form.grab().toImage();
            QCOMPARE(image.pixelColor(size.width() - 2, size.height() - 2), lightOrange);
            QCOMPARE(image.pixelColor(600, 300), lightOrange);
            QCOMPARE(image.pixelColor(300, 700), lightOrange);
        }
    }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
