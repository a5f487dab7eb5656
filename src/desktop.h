// SPDX-License-Identifier: MIT
#pragma once
// How the program meets the desktop: what it says when there is no display to
// open its window on, and the name and icon by which docks and menus know it.

namespace desktop {

// Call before the QApplication is made. If that finds no display, the program
// prints one line saying so and how to run without one, and exits with status 1
// instead of Qt's abort. Messages Qt logs meanwhile are held back until
// displayFound() is called, then shown as usual.
void reportMissingDisplay();
void displayFound();

// The application id (that of the desktop entry and the metainfo) as the
// window's class and desktop file name, and the program's icon as every
// window's icon. Call after the QApplication is made, before any window.
void identify();

}  // namespace desktop
