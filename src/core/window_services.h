// SPDX-License-Identifier: MIT
#pragma once
// What a handler may ask of the window besides the field store.

#include <string>
#include <vector>

#include "error_stop.h"
#include "panel_table.h"

namespace geometry {

class WindowServices {
public:
    virtual ~WindowServices() = default;

    // A modal box with the prompt, the title, the information icon and one OK
    // button; returns when the user dismisses it.
    virtual void showMessage(const std::string& prompt, const std::string& title) = 0;

    // Closes the window, which ends the program.
    virtual void unloadWindow() = 0;

    // A modal box naming the error; afterwards the offending input field, if
    // there is one, takes the focus with its text selected.
    virtual void reportErrorStop(const ErrorStop& stop) = 0;

    // After a calculation that completed: its results as one line to be read
    // out once by a screen reader, "S= 78,5398, V= 65,44984". A window without
    // a way to speak may leave it unsaid. A failed press announces nothing: its
    // message box speaks for it.
    virtual void announceResults(Panel panel, const std::string& announcement) {
        (void)panel;
        (void)announcement;
    }

    // After a completed calculation: how each result was found, one line per result the
    // press wrote, in the results' order; after the panel's clear: no lines.
    virtual void showSolution(Panel panel, const std::vector<std::string>& lines) { (void)panel; (void)lines; }
};

}  // namespace geometry
