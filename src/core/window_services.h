#pragma once
// What a handler may ask of the window besides the field store.

#include <string>

#include "error_stop.h"

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
};

}  // namespace geometry
