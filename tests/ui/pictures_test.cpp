// SPDX-License-Identifier: MIT
// The eight figure pictures: their sizes, the colours they show at 1x and 2x,
// their transparent or opaque background, that the drawings made when the
// program was built are the artwork's own, and that a click on one does nothing.

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QSvgRenderer>
#include <QTest>
#include <QWidget>

#include <cmath>
#include <cstdlib>

#include "figure_picture.h"
#include "picture_rendering.h"

using geometry::ui::FigurePicture;

namespace {

struct PictureInfo {
    const char* name;     // "Image6"
    QSize naturalSize;    // pixels at 96 dpi
    QSizeF extent;        // the drawing's own coordinate range (viewBox)
    bool opaque;          // fills its rectangle with its own background
};

// The vector drawings map their own units anisotropically onto the natural size;
// the artwork of the other five is drawn in pixels.
const PictureInfo kPictures[] = {
    {"Image8", {61, 32}, {195, 104}, false},  // rectangular box
    {"Image7", {37, 32}, {120, 104}, false},  // cube
    {"Image1", {49, 78}, {49, 78}, true},     // hexagonal right prism
    {"Image4", {53, 60}, {53, 60}, true},     // regular pyramid
    {"Image6", {50, 44}, {160, 142}, false},  // regular hexagon
    {"Image2", {45, 68}, {45, 68}, true},     // cylinder
    {"Image3", {66, 66}, {66, 66}, true},     // cone
    {"Image5", {66, 65}, {66, 65}, true},     // sphere
};

const PictureInfo& pictureNamed(const QString& name) {
    for (const PictureInfo& info : kPictures)
        if (name == QLatin1String(info.name)) return info;
    qFatal("no picture named %s", qPrintable(name));
}

QString resourceOf(const QString& name) {
    return QStringLiteral(":/pictures/%1.svg").arg(name);
}

// The device pixel under a point given in the drawing's own units.
QPoint devicePixel(const PictureInfo& info, QPointF own, qreal ratio) {
    const qreal x = own.x() * info.naturalSize.width() / info.extent.width() * ratio;
    const qreal y = own.y() * info.naturalSize.height() / info.extent.height() * ratio;
    return {int(std::floor(x)), int(std::floor(y))};
}

QString describe(const QColor& c) {
    return QStringLiteral("(%1, %2, %3, alpha %4)").arg(c.red()).arg(c.green()).arg(c.blue()).arg(c.alpha());
}

// An expected alpha of 0 asks for a transparent pixel whatever its colour.
bool matches(const QColor& actual, const QColor& expected, int tolerance) {
    if (expected.alpha() == 0) return actual.alpha() == 0;
    return actual.alpha() == 255 && std::abs(actual.red() - expected.red()) <= tolerance &&
           std::abs(actual.green() - expected.green()) <= tolerance &&
           std::abs(actual.blue() - expected.blue()) <= tolerance;
}

QList<QPoint> cornersOf(QSize size) {
    return {{0, 0}, {size.width() - 1, 0}, {0, size.height() - 1}, {size.width() - 1, size.height() - 1}};
}

// A parent that records where it was pressed.
class PressRecorder : public QWidget {
public:
    QList<QPoint> presses;

protected:
    void mousePressEvent(QMouseEvent* event) override { presses.append(event->position().toPoint()); }
};

// Counts the mouse events that reach the watched widget.
class MouseEventCounter : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            ++count;
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void naturalSize_data() { pictureRows(); }
    void naturalSize();
    void drawnWhenBuilt_data() { pictureRows(); }
    void drawnWhenBuilt();
    void renderedAtRatio_data();
    void renderedAtRatio();
    void colours_data();
    void colours();
    void background_data() { pictureRows(); }
    void background();
    void panelColourShowsAround_data() { pictureRows(); }
    void panelColourShowsAround();
    void clickDoesNothing_data() { pictureRows(); }
    void clickDoesNothing();

private:
    static void pictureRows();
};

void PicturesTest::initTestCase() {
    // The pictures may be linked in from a static library.
    Q_INIT_RESOURCE(pictures);
}

void PicturesTest::pictureRows() {
    QTest::addColumn<QString>("name");
    for (const PictureInfo& info : kPictures) QTest::newRow(info.name) << QString::fromLatin1(info.name);
}

void PicturesTest::naturalSize() {
    QFETCH(QString, name);
    const PictureInfo& info = pictureNamed(name);

    QSvgRenderer renderer(resourceOf(name));
    QVERIFY2(renderer.isValid(), qPrintable(resourceOf(name)));
    QCOMPARE(renderer.defaultSize(), info.naturalSize);
    QCOMPARE(renderer.viewBoxF(), QRectF(QPointF(0, 0), info.extent));

    FigurePicture picture(resourceOf(name), info.naturalSize);
    QCOMPARE(picture.size(), info.naturalSize);
    QCOMPARE(picture.sizeHint(), info.naturalSize);
    QCOMPARE(picture.minimumSize(), info.naturalSize);
    QCOMPARE(picture.maximumSize(), info.naturalSize);
}

// At 100 % the window copies the pixels drawn while building: they must be
// exactly what the artwork draws now, pixel for pixel.
void PicturesTest::drawnWhenBuilt() {
    QFETCH(QString, name);
    const PictureInfo& info = pictureNamed(name);

    const QImage built = geometry::ui::prerenderedPicture(resourceOf(name), info.naturalSize);
    QVERIFY2(!built.isNull(), "no drawing made when building");
    QCOMPARE(built, geometry::ui::renderPicture(resourceOf(name), info.naturalSize, 1.0));
    QCOMPARE(FigurePicture(resourceOf(name), info.naturalSize).rendered(1.0).toImage().convertToFormat(built.format()),
             built);
    QVERIFY(geometry::ui::prerenderedPicture(resourceOf(name), info.naturalSize + QSize(1, 0)).isNull());
}

void PicturesTest::renderedAtRatio_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<qreal>("ratio");
    for (const PictureInfo& info : kPictures)
        for (qreal ratio : {1.0, 1.5, 2.0})
            QTest::addRow("%s at %gx", info.name, ratio) << QString::fromLatin1(info.name) << ratio;
}

void PicturesTest::renderedAtRatio() {
    QFETCH(QString, name);
    QFETCH(qreal, ratio);
    const PictureInfo& info = pictureNamed(name);

    const FigurePicture picture(resourceOf(name), info.naturalSize);
    const QPixmap pixmap = picture.rendered(ratio);
    QCOMPARE(pixmap.size(), (QSizeF(info.naturalSize) * ratio).toSize());
    QCOMPARE(pixmap.devicePixelRatio(), ratio);
}

void PicturesTest::colours_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPointF>("point");  // in the drawing's own units
    QTest::addColumn<QColor>("expected");
    QTest::addColumn<int>("tolerance");  // per channel

    const QColor clear(0, 0, 0, 0);
    auto row = [](const char* tag, const char* name, QPointF point, QColor expected, int tolerance = 0) {
        QTest::newRow(tag) << QString::fromLatin1(name) << point << expected << tolerance;
    };

    row("hexagon centre", "Image6", {78, 69}, QColor(255, 0, 0));
    row("hexagon: top-left corner", "Image6", {1, 1}, clear);
    row("hexagon: top-right corner", "Image6", {158, 1}, clear);
    row("hexagon: bottom-left corner", "Image6", {1, 140}, clear);
    row("hexagon: bottom-right corner", "Image6", {158, 140}, clear);

    row("cube front", "Image7", {46, 62}, QColor(0, 255, 0));
    row("cube top", "Image7", {58, 14}, QColor(50, 255, 50));
    row("cube right", "Image7", {102, 50}, QColor(0, 205, 0));
    row("cube: outside top-left", "Image7", {4, 4}, clear);
    row("cube: outside bottom-right", "Image7", {117, 101}, clear);

    row("box front", "Image8", {83, 62}, QColor(153, 204, 0));
    row("box top", "Image8", {96, 14}, QColor(173, 214, 50));
    row("box right", "Image8", {178, 50}, QColor(123, 164, 0));
    row("box: outside top-left", "Image8", {4, 4}, clear);
    row("box: outside bottom-right", "Image8", {192, 101}, clear);

    row("prism: olive yellow front face", "Image1", {21, 40}, QColor(216, 216, 1), 24);

    row("pyramid: sand stone, right face", "Image4", {28.1, 25.3}, QColor(255, 204, 153));
    row("pyramid: sand stone, left face", "Image4", {15.9, 30.1}, QColor(255, 204, 153));
    row("pyramid: pale yellow stones", "Image4", {42, 40}, QColor(255, 255, 153));
    row("pyramid: light orange stones", "Image4", {13.3, 36.4}, QColor(255, 204, 102));
    row("pyramid: brown apex", "Image4", {27, 5}, QColor(204, 153, 102));

    row("cylinder body", "Image2", {22, 35}, QColor(153, 204, 0));
    row("cylinder top face", "Image2", {22, 9.5}, QColor(153, 204, 51));
    row("cylinder left side", "Image2", {2.5, 35}, QColor(4, 4, 4));
    row("cylinder right side", "Image2", {42.5, 35}, QColor(4, 4, 4));

    row("cone: pale pink left of the middle", "Image3", {25.5, 50}, QColor(250, 215, 210), 16);
    row("cone: reddish brown at the left", "Image3", {8.5, 50}, QColor(170, 80, 65), 24);
    row("cone: dark brown on the right", "Image3", {56, 50}, QColor(110, 55, 35), 24);
    row("cone: grey shadow along the base", "Image3", {45, 64}, QColor(204, 204, 204), 16);

    row("sphere: light grey middle", "Image5", {35, 29}, QColor(220, 220, 220), 16);
    row("sphere: darker at the rim", "Image5", {5, 32}, QColor(130, 130, 130), 16);
    row("sphere: blue patch at the top", "Image5", {30, 4.5}, QColor(40, 80, 208), 24);
    row("sphere: blue patch at the bottom", "Image5", {36, 60.5}, QColor(40, 80, 208), 24);
}

void PicturesTest::colours() {
    QFETCH(QString, name);
    QFETCH(QPointF, point);
    QFETCH(QColor, expected);
    QFETCH(int, tolerance);
    const PictureInfo& info = pictureNamed(name);

    const FigurePicture picture(resourceOf(name), info.naturalSize);
    for (qreal ratio : {1.0, 2.0}) {
        const QImage image = picture.rendered(ratio).toImage();
        const QPoint pixel = devicePixel(info, point, ratio);
        QVERIFY(image.rect().contains(pixel));
        const QColor actual = image.pixelColor(pixel);
        QVERIFY2(matches(actual, expected, tolerance),
                 qPrintable(QStringLiteral("at %1x, pixel (%2, %3): %4, expected %5 within %6")
                                .arg(ratio).arg(pixel.x()).arg(pixel.y())
                                .arg(describe(actual), describe(expected)).arg(tolerance)));
    }
}

// The vector drawings leave their corners transparent; the others fill their
// rectangle with an opaque white or near-white background.
void PicturesTest::background() {
    QFETCH(QString, name);
    const PictureInfo& info = pictureNamed(name);

    const FigurePicture picture(resourceOf(name), info.naturalSize);
    for (qreal ratio : {1.0, 2.0}) {
        const QImage image = picture.rendered(ratio).toImage();
        for (const QPoint& corner : cornersOf(image.size())) {
            const QColor c = image.pixelColor(corner);
            const QString where = QStringLiteral("at %1x, corner (%2, %3): %4")
                                      .arg(ratio).arg(corner.x()).arg(corner.y()).arg(describe(c));
            if (info.opaque)
                QVERIFY2(c.alpha() == 255 && c.red() >= 240 && c.green() >= 240 && c.blue() >= 240,
                         qPrintable(where));
            else
                QVERIFY2(c.alpha() == 0, qPrintable(where));
        }
    }
}

// On a coloured panel the vector drawings show the panel's colour at their
// corners, the opaque pictures their own background.
void PicturesTest::panelColourShowsAround() {
    QFETCH(QString, name);
    const PictureInfo& info = pictureNamed(name);
    const QColor panelColour(160, 200, 230);
    const QPoint offset(5, 7);

    QWidget panel;
    panel.resize(info.naturalSize + QSize(10, 14));
    panel.setAutoFillBackground(true);
    QPalette palette = panel.palette();
    palette.setColor(QPalette::Window, panelColour);
    panel.setPalette(palette);
    auto* picture = new FigurePicture(resourceOf(name), info.naturalSize, &panel);
    picture->move(offset);

    const QImage shown = panel.grab().toImage();
    const QImage own = picture->rendered(1.0).toImage();
    QCOMPARE(shown.pixelColor(0, 0), panelColour);  // beside the picture
    for (const QPoint& corner : cornersOf(info.naturalSize)) {
        const QColor expected = info.opaque ? own.pixelColor(corner) : panelColour;
        QCOMPARE(shown.pixelColor(corner + offset), expected);
    }
}

void PicturesTest::clickDoesNothing() {
    QFETCH(QString, name);
    const PictureInfo& info = pictureNamed(name);

    PressRecorder window;
    window.resize(info.naturalSize + QSize(40, 60));
    auto* field = new QLineEdit(&window);
    field->setGeometry(0, 0, 30, 20);
    auto* picture = new FigurePicture(resourceOf(name), info.naturalSize, &window);
    picture->move(20, 30);
    MouseEventCounter counter;
    picture->installEventFilter(&counter);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    const QImage before = picture->grab().toImage();

    const QPoint centre = picture->geometry().center();
    QCOMPARE(window.childAt(centre), nullptr);  // the picture is not a mouse target
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, centre);

    QCOMPARE(counter.count, 0);
    QVERIFY(!window.presses.isEmpty());  // the press went through to what lies beneath
    QCOMPARE(window.presses.first(), centre);
    QVERIFY(field->hasFocus());
    QVERIFY(!picture->hasFocus());
    QCOMPARE(picture->focusPolicy(), Qt::NoFocus);
    QCOMPARE(picture->grab().toImage(), before);
}

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
