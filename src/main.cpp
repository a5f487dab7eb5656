// SPDX-License-Identifier: MIT
// The calculator: one window, run until it closes; with --problems, the
// problems window instead.
#include <QApplication>

#include <cstdio>
#include <string>
#include <vector>

#include "command_line.h"
#include "desktop.h"
#include "form1.h"
#include "problems_window.h"
#include "session_end.h"

int main(int argc, char* argv[]) {
    const desktop::Request asked = desktop::requestFrom(std::vector<std::string>(argv + (argc > 0), argv + argc));
    if (asked.open == desktop::Request::Open::Help) return std::fputs(desktop::usage, stdout) < 0;
    if (asked.open == desktop::Request::Open::Version) return std::puts("stereometry " STEREOMETRY_VERSION) < 0;
    desktop::reportMissingDisplay();
    QApplication app(argc, argv);
    desktop::displayFound();
    // Asked again without Qt's own options (-platform, -display, …).
    std::vector<std::string> arguments;
    for (const QString& argument : app.arguments().mid(1)) arguments.push_back(argument.toStdString());
    const desktop::Request request = desktop::requestFrom(arguments);
    if (!request.error.empty()) {
        std::fprintf(stderr, "stereometry: %s\n%s", request.error.c_str(), desktop::usage);
        return 2;
    }
    const bool problems = request.open == desktop::Request::Open::Problems;
    desktop::identify(problems ? desktop::Window::Problems : desktop::Window::Calculator);
    geometry::ui::endCleanlyOnSessionSignals();
    if (problems) {
        geometry::ui::ProblemsWindow window;
        if (!request.solid.empty()) window.showTask(request.solid, request.givens);
        window.show();
        desktop::giveIconOnceShown();
        return app.exec();
    }
    geometry::ui::Form1 form1;
    form1.show();
    desktop::giveIconOnceShown();
    return app.exec();
}
