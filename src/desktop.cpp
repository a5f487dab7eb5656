// SPDX-License-Identifier: MIT
#include "desktop.h"

#include <QApplication>
#include <QByteArray>
#include <QIcon>
#include <QTimer>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace desktop {
namespace {

// One message Qt logged while the application was being made.
struct HeldMessage {
    QtMsgType type;
    int line;
    std::string file, function, category;
    QString text;
};

QtMessageHandler shownBy = nullptr;  // the handler that shows messages once we are done
std::vector<HeldMessage>* held = nullptr;

void show(const HeldMessage& m) {
    const QMessageLogContext context(m.file.empty() ? nullptr : m.file.c_str(), m.line,
                                     m.function.empty() ? nullptr : m.function.c_str(),
                                     m.category.c_str());
    shownBy(m.type, context, m.text);
}

// What Qt's platform plugins log when they cannot reach a display server:
// "could not connect to display :1" (X11), "Failed to create wl_display" (Wayland).
bool saysNoDisplay(const QString& text) {
    return text.contains(QLatin1String("connect to display"), Qt::CaseInsensitive) ||
           text.contains(QLatin1String("wl_display"));
}

[[noreturn]] void exitForMissingDisplay() {
    const QByteArray display = qgetenv("DISPLAY");
    std::string line = "stereometry: no display found (";
    line += display.isEmpty() ? std::string("DISPLAY is not set")
                              : "cannot open display \"" + display.toStdString() + "\"";
    line += "); to run without one, start it as QT_QPA_PLATFORM=offscreen stereometry\n";
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
    std::_Exit(1);  // the application is half made: run no destructors
}

void holdOrReport(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        bool noDisplay = saysNoDisplay(text);
        for (const HeldMessage& m : *held) noDisplay = noDisplay || saysNoDisplay(m.text);
        if (noDisplay) exitForMissingDisplay();
        for (const HeldMessage& m : *held) show(m);  // some other failure: Qt's own words
        shownBy(type, context, text);
        return;
    }
    held->push_back({type, context.line, context.file ? context.file : "",
                     context.function ? context.function : "",
                     context.category ? context.category : "", text});
}

}  // namespace

void reportMissingDisplay() {
    held = new std::vector<HeldMessage>;
    shownBy = qInstallMessageHandler(holdOrReport);
}

void displayFound() {
    qInstallMessageHandler(shownBy);
    for (const HeldMessage& m : *held) show(m);
    delete held;
    held = nullptr;
}

void identify(Window window) {
    // X11 docks match a window to its menu entry by WM_CLASS, whose class part
    // Qt takes from the application name; Wayland ones by the desktop file name.
    const QString entry = window == Window::Problems ? QStringLiteral(STEREOMETRY_APP_ID ".problems")
                                                     : QStringLiteral(STEREOMETRY_APP_ID);
    QCoreApplication::setApplicationName(entry);
    QGuiApplication::setDesktopFileName(entry);
}

void giveIconOnceShown() {
    // Decoding the six sizes and handing them to the window system takes as
    // long as building a panel: done once the window is on the screen, as
    // the first thing the event loop does. Docks take an icon given later.
    QTimer::singleShot(0, [] {
        QIcon icon;
        for (const int size : {16, 24, 32, 48, 64, 128})
            icon.addFile(QStringLiteral(":/icon/%1.png").arg(size), QSize(size, size));
        QApplication::setWindowIcon(icon);
    });
}

}  // namespace desktop
