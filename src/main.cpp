// SPDX-License-Identifier: MIT
// The calculator: one window, run until it closes.
#include <QApplication>

#include "desktop.h"
#include "form1.h"
#include "session_end.h"

int main(int argc, char* argv[]) {
    desktop::reportMissingDisplay();
    QApplication app(argc, argv);
    desktop::displayFound();
    desktop::identify();
    geometry::ui::endCleanlyOnSessionSignals();
    geometry::ui::Form1 form1;
    form1.show();
    return app.exec();
}
