// SPDX-License-Identifier: MIT
#pragma once
// The fourteen click handlers of the window, run against the field store and the
// window services alone, so that they work with or without a real window.

#include <string>

#include "field_store.h"
#include "panel_table.h"
#include "statements.h"
#include "window_services.h"

namespace geometry {

class Form1Handlers {
public:
    // `decimalSeparator`: the locale's, as UTF-8 ("." or ",").
    Form1Handlers(FieldStore& fields, WindowServices& window, std::string decimalSeparator);

    // Runs the button's handler to its end: a panel's calculation or clearing,
    // the instruction or the close. A failed press stops at the failing
    // statement and is reported through the window services; nothing is lost.
    void press(Button button);

    const std::string& decimalSeparator() const { return decimalSeparator_; }

private:
    void showInstruction();
    void closeWindow();

    FieldStore& fields_;
    WindowServices& window_;
    std::string decimalSeparator_;
    WorkingVariables variables_;
};

}  // namespace geometry
