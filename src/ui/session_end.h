// SPDX-License-Identifier: MIT
#pragma once
// The end of a desktop session: the session manager (or a user at a terminal)
// asks the program to stop with SIGTERM, SIGHUP or SIGINT. The program then ends
// as if its window had been closed, with exit code 0, even while a message box
// is open; nothing is asked first, since the program keeps no data of its own.

namespace geometry::ui {

// Call once, after the QApplication is made and before its event loop runs.
void endCleanlyOnSessionSignals();

// True once such a signal has come: no message box opens any more.
bool sessionEnding();

}  // namespace geometry::ui
