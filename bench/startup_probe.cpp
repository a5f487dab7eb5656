// SPDX-License-Identifier: MIT
// Starts a window, waits for its first painted frame, then prints the moments
// the application was made, the window was built and the frame was done
// (CLOCK_MONOTONIC, nanoseconds), and the peak and current memory, and ends.
//
// Built four times: as the calculator, creating Form1 just as the program's
// main() does; with BARE_WINDOW as an empty Qt window of the same size, the
// floor for any Qt Widgets program; with BARE_WINDOW and ONE_LABEL as that
// window showing one line of text, the floor for any Qt window with text in
// it; and with BARE_WINDOW and PLAIN_CONTROLS as that window holding the
// calculator's panels, labels, fields and buttons from the window description,
// at their places, with Qt's defaults (no pictures, fonts, colours or logic of
// their own), the floor for the calculator's widget tree.
// stereometry_startup_bench runs them side by side.

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <cstdio>
#include <ctime>

#ifndef BARE_WINDOW
#include "form1.h"
#endif
#ifdef PLAIN_CONTROLS
#include "qt_layout.h"
#endif

namespace {

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

// "VmHWM:    41234 kB" -> 41234
long long statusKibibytes(const QByteArray& status, const char* key) {
    const qsizetype at = status.indexOf(key);
    if (at < 0) return -1;
    return status.mid(at + qsizetype(qstrlen(key))).trimmed().split(' ').front().toLongLong();
}

// Catches the window's first paint event; once the whole frame has been painted
// and flushed (the paint event's handling has returned to the event loop), reports.
class FirstFrame : public QObject {
public:
    FirstFrame(QWidget* window, long long appMade, long long windowBuilt)
        : window_(window), appMade_(appMade), windowBuilt_(windowBuilt) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QMetaObject::invokeMethod(this, [this] { report(); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void report() {
        const long long frame = monotonicNanoseconds();
        QFile file(QStringLiteral("/proc/self/status"));
        const QByteArray status = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        std::printf("app_ns %lld\nbuilt_ns %lld\nframe_ns %lld\nhwm_kib %lld\nrss_kib %lld\nwidth %d\nheight %d\n",
                    appMade_, windowBuilt_, frame,
                    statusKibibytes(status, "VmHWM:"), statusKibibytes(status, "VmRSS:"), window_->width(),
                    window_->height());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }
    QWidget* window_;
    long long appMade_, windowBuilt_;
    bool seen_ = false;
};

#ifdef PLAIN_CONTROLS
// Every control of the window description but the pictures, as Qt makes it by default.
void buildPlainControls(QWidget* window) {
    using namespace geometry::layout;
    using geometry::ui::fromUtf8;
    QHash<QString, QWidget*> containers = {{fromUtf8(form1Window().name), window}};
    for (const ControlRow& row : form1Controls()) {
        QWidget* container = containers.value(fromUtf8(row.container));
        QWidget* control = nullptr;
        switch (row.kind) {
        case ControlKind::Panel: control = new QGroupBox(fromUtf8(row.caption), container); break;
        case ControlKind::Label: control = new QLabel(fromUtf8(row.caption), container); break;
        case ControlKind::TextField: control = new QLineEdit(container); break;
        case ControlKind::Button: control = new QPushButton(fromUtf8(row.caption), container); break;
        case ControlKind::Picture: continue;
        }
        control->setObjectName(fromUtf8(row.name));
        control->setGeometry(geometry::ui::pixelRect(row));
        containers.insert(control->objectName(), control);
    }
}
#endif

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const long long appMade = monotonicNanoseconds();
#ifdef BARE_WINDOW
    QWidget form1;
    form1.resize(508, 650);  // the calculator's client area
#ifdef ONE_LABEL
    QLabel label(QStringLiteral("лица на повърхнини и обеми"), &form1);
    label.move(8, 8);
#endif
#ifdef PLAIN_CONTROLS
    buildPlainControls(&form1);
#endif
#else
    geometry::ui::Form1 form1;
#endif
    FirstFrame firstFrame(&form1, appMade, monotonicNanoseconds());
    form1.show();
    return app.exec();
}
