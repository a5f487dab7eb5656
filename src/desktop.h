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

// The window the program opens: each has its own desktop entry.
enum class Window { Calculator, Problems };

// The desktop entry's id (the application id for the calculator, with
// ".problems" for the problems window) as the windows' class and desktop file
// name, so that docks match them to their menu entries. Call after the
// QApplication is made, before any window.
void identify(Window window);

// The program's icon as every window's icon, given as soon as the event loop
// runs: call after the first window's show(), so that it is mapped first.
void giveIconOnceShown();

}  // namespace desktop
