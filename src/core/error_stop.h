// SPDX-License-Identifier: MIT
#pragma once
// A failed press: the handler stops at the failing statement and the program
// tells the student what went wrong, then carries on.

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>

#include "panel_table.h"

namespace geometry {

enum class StopReason {
    EmptyField,        // an input field holds nothing (or blanks only)
    NotANumber,        // an input field holds something that is not a number
    WrongSeparator,    // a number written with '.' where the locale uses ',' (or the reverse)
    NumberTooLarge,    // an input beyond the largest 32-bit float
    ResultOverflow,    // a result beyond the largest 32-bit float
    DivisionByZero,    // named by the panel, or by the input divided by
    InvalidOperation,
    NotAKind,          // the right prism's kind field holds none of "1", "2", "3" exactly
};

class ErrorStop : public std::runtime_error {
public:
    // A failed read of an input field (or of the prism's kind field).
    ErrorStop(StopReason reason, Field field, std::string typedText);
    // A calculation fault caused by the value of an input field: a division by it.
    ErrorStop(StopReason reason, Field field);
    // A calculation fault in the panel whose caption is given.
    ErrorStop(StopReason reason, std::string panelCaption);

    StopReason reason() const { return reason_; }
    std::optional<Field> field() const { return field_; }  // the input to fix, if any
    const std::string& typedText() const { return typedText_; }
    const std::string& panelCaption() const { return panelCaption_; }

private:
    StopReason reason_;
    std::optional<Field> field_;
    std::string typedText_;
    std::string panelCaption_;
};

// The title and the Bulgarian message of the box that reports a stop. The
// examples in the message use the locale's decimal separator.
inline constexpr const char* errorTitle = "Грешка";
std::string errorMessage(const ErrorStop& stop, const std::string& decimalSeparator);

// The most characters a text field takes, counted in UTF-16 units as the window
// and the page count them: thousands more than any number needs, few enough
// that every edit stays quick. A longer edit is refused whole, never cut.
inline constexpr std::size_t fieldCapacity = 5000;
// The message for an edit refused because it would have made `field` `length`
// characters long.
std::string tooLongMessage(Field field, std::size_t length);

}  // namespace geometry
