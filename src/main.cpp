// SPDX-License-Identifier: MIT
// The calculator: one window, run until it closes; with --problems, the
// problems window instead.
#include <QApplication>
#include <QLocale>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "command_line.h"
#include "desktop.h"
#include "form1.h"
#include "on_demand.h"
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
    // The problems window and the solver's names come from the parts loaded
    // when first asked for; a task's names are checked by them.
    const bool problemsAsked = !arguments.empty() && arguments.front() == "--problems";
    geometry::ui::OnDemandParts* parts = problemsAsked ? geometry::ui::onDemandParts() : nullptr;
    desktop::TaskNames names;
    if (parts) {
        names.knowsSolid = [parts](const std::string& solid) { return parts->knowsSolid(solid); };
        names.quantityError = [parts](const std::string& solid, const std::string& key) {
            return parts->quantityError(solid, key);
        };
    }
    const desktop::Request request = desktop::requestFrom(arguments, names);
    if (!request.error.empty()) {
        std::fprintf(stderr, "stereometry: %s\n%s", request.error.c_str(), desktop::usage);
        return 2;
    }
    if (problemsAsked && !parts) {
        std::fprintf(stderr, "stereometry: %s\n", geometry::ui::onDemandError().toLocal8Bit().constData());
        return 1;
    }
    desktop::identify(problemsAsked ? desktop::Window::Problems : desktop::Window::Calculator);
    geometry::ui::endCleanlyOnSessionSignals();
    if (problemsAsked) {
        const std::unique_ptr<QWidget> window(parts->makeProblemsWindow(QLocale::system().decimalPoint().toStdString()));
        if (!request.solid.empty()) parts->showTask(window.get(), request.solid, request.givens);
        window->show();
        desktop::giveIconOnceShown();
        return app.exec();
    }
    geometry::ui::Form1 form1;
    form1.show();
    desktop::giveIconOnceShown();
    return app.exec();
}
