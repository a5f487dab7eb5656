// SPDX-License-Identifier: MIT
#pragma once
// What must hold for any text typed into an input field, checked against a
// reading made apart from textToNumber:
//  - the grammar (blanks, optional sign, digits with at most one separator and
//    at least one digit, optional exponent E/e with optional sign and digits,
//    blanks; a blank is a space, a tab or a no-break space, U+00A0 or U+202F;
//    the digits before the separator may be grouped by three, one blank other
//    than the tab between groups: "12 345 678,5") is recognised by a state
//    machine of its own, which looks ahead for a group;
//  - the text it accepts is rewritten in the C form ("-12.5e+3") and read by
//    std::from_chars; the C library's strtof must agree to the bit, and tells
//    an overflow from an underflow to zero;
//  - an accepted value is shown as printf shows it, and that text reads back
//    (correctly, checked the same way) to a float shown with the same text or
//    with its neighbour in the seventh digit.
// Used by the fuzz target and by the corpus replay in the unit tests.

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "number_text_reference.h"
#include "numeric.h"

namespace geometry::fuzzing {

enum class ReadingKind { Rejected, Number, Overflow };

struct Reading {
    ReadingKind kind = ReadingKind::Rejected;
    float value = 0.0f;
};

// The text with every byte that is not plain printable ASCII written as \xHH.
inline std::string printable(std::string_view text) {
    std::string shown;
    for (unsigned char ch : text) {
        if (ch >= 0x20 && ch < 0x7f && ch != '\\') {
            shown += static_cast<char>(ch);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", ch);
            shown += escaped;
        }
    }
    return shown;
}

inline std::string describe(float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.9g (bits %08X)", static_cast<double>(value),
                  std::bit_cast<std::uint32_t>(value));
    return text;
}

// The length in bytes of the blank that starts at `at`, 0 when none does: a
// space, a tab, or a no-break space in UTF-8 (C2 A0, or E2 80 AF for the narrow one).
inline size_t blankAt(std::string_view text, size_t at) {
    const auto byte = [&](size_t offset) {
        return at + offset < text.size() ? static_cast<unsigned char>(text[at + offset]) : 0u;
    };
    if (byte(0) == 0x20 || byte(0) == 0x09) return 1;
    if (byte(0) == 0xC2 && byte(1) == 0xA0) return 2;
    if (byte(0) == 0xE2 && byte(1) == 0x80 && byte(2) == 0xAF) return 3;
    return 0;
}

// Whether the blank at `at` (`length` bytes) parts two digit groups of a whole
// part: no tab, after a first group of one to three digits or a later group of
// three (`digits` since the last group blank), before exactly three digits.
inline bool groupBlankAt(std::string_view text, size_t at, size_t length, int digits, bool grouped) {
    if (text[at] == '\t' || digits < (grouped ? 3 : 1) || digits > 3) return false;
    const size_t group = at + length;
    const auto isDigit = [&](size_t i) { return i < text.size() && text[i] >= '0' && text[i] <= '9'; };
    return isDigit(group) && isDigit(group + 1) && isDigit(group + 2) && !isDigit(group + 3);
}

// The accepted text in the C form, or nothing when the text is outside the grammar.
inline std::optional<std::string> cForm(std::string_view text, std::string_view separator) {
    enum class State {
        LeadingBlanks, Signed, Whole, Fraction, ExponentMark, ExponentSign, Exponent, TrailingBlanks
    };
    State state = State::LeadingBlanks;
    bool mantissaDigit = false;
    int groupDigits = 0;   // digits of the whole part since its start or its last group blank
    bool grouped = false;  // a group blank was seen
    std::string form;

    size_t i = 0;
    while (i < text.size()) {
        const char ch = text[i];
        const size_t blankLength = blankAt(text, i);
        const bool blank = blankLength > 0;
        const bool digit = ch >= '0' && ch <= '9';
        const bool sign = ch == '+' || ch == '-';
        const bool separatorHere = !separator.empty() && text.substr(i, separator.size()) == separator;
        const bool exponentMark = ch == 'e' || ch == 'E';
        size_t step = blank ? blankLength : 1;

        switch (state) {
        case State::LeadingBlanks:
        case State::Signed:
            if (blank && state == State::LeadingBlanks) break;
            if (sign && state == State::LeadingBlanks) {
                if (ch == '-') form += '-';
                state = State::Signed;
            } else if (digit) {
                form += ch;
                mantissaDigit = true;
                groupDigits = 1;
                state = State::Whole;
            } else if (separatorHere) {
                form += '.';
                step = separator.size();
                state = State::Fraction;
            } else {
                return std::nullopt;
            }
            break;
        case State::Whole:
        case State::Fraction:
            if (digit) {
                form += ch;
                mantissaDigit = true;
                ++groupDigits;
            } else if (separatorHere && state == State::Whole) {
                form += '.';
                step = separator.size();
                state = State::Fraction;
            } else if (exponentMark && mantissaDigit) {
                form += 'e';
                state = State::ExponentMark;
            } else if (blank && state == State::Whole && groupBlankAt(text, i, blankLength, groupDigits, grouped)) {
                grouped = true;
                groupDigits = 0;
            } else if (blank && mantissaDigit) {
                state = State::TrailingBlanks;
            } else {
                return std::nullopt;
            }
            break;
        case State::ExponentMark:
        case State::ExponentSign:
            if (sign && state == State::ExponentMark) {
                form += ch;
                state = State::ExponentSign;
            } else if (digit) {
                form += ch;
                state = State::Exponent;
            } else {
                return std::nullopt;
            }
            break;
        case State::Exponent:
            if (digit) form += ch;
            else if (blank) state = State::TrailingBlanks;
            else return std::nullopt;
            break;
        case State::TrailingBlanks:
            if (!blank) return std::nullopt;
            break;
        }
        i += step;
    }

    const bool accepting = ((state == State::Whole || state == State::Fraction) && mantissaDigit) ||
                           state == State::Exponent || state == State::TrailingBlanks;
    if (!accepting) return std::nullopt;
    return form;
}

// The reference reading of `text`; `error` says why none could be made.
inline Reading referenceReading(std::string_view text, std::string_view separator, std::string& error) {
    const std::optional<std::string> form = cForm(text, separator);
    if (!form) return {ReadingKind::Rejected, 0.0f};

    const char* first = form->data();
    const char* last = first + form->size();
    float fromChars = 0.0f;
    const auto [end, status] = std::from_chars(first, last, fromChars);

    char* strtofEnd = nullptr;
    const float fromC = strtof_l(form->c_str(), &strtofEnd, reference::cLocale());
    if (end != last || strtofEnd != last) {
        error = "the C form \"" + *form + "\" was not read whole";
        return {};
    }

    if (status == std::errc()) {
        if (std::bit_cast<std::uint32_t>(fromChars) != std::bit_cast<std::uint32_t>(fromC))
            error = "from_chars and strtof disagree on \"" + *form + "\": " + describe(fromChars) +
                    " and " + describe(fromC);
        return {ReadingKind::Number, fromChars};
    }
    if (status != std::errc::result_out_of_range) {
        error = "from_chars failed on the C form \"" + *form + "\"";
        return {};
    }
    if (std::isinf(fromC)) return {ReadingKind::Overflow, 0.0f};
    if (fromC != 0.0f)
        error = "from_chars says out of range, strtof reads " + describe(fromC) + " from \"" + *form + "\"";
    return {ReadingKind::Number, fromC};  // an underflow: a zero with the text's sign
}

inline const char* statusName(ConversionStatus status) {
    switch (status) {
    case ConversionStatus::Ok: return "Ok";
    case ConversionStatus::NotANumber: return "NotANumber";
    case ConversionStatus::TooLarge: return "TooLarge";
    }
    return "?";
}

inline std::string checkWithSeparator(std::string_view text, std::string_view separator, bool followShownText);

// The decimal exponent of the leading digit.
inline int leadingExponent(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6e", value);
    return std::atoi(std::strchr(text, 'e') + 1);
}

// The value of a shown text, as a double.
inline double shownValue(std::string_view shown, std::string_view separator) {
    std::string plain(shown);
    if (const size_t at = plain.find(separator); at != std::string::npos) plain.replace(at, separator.size(), ".");
    return strtod_l(plain.c_str(), nullptr, reference::cLocale());
}

// True when two shown texts are the same number or differ by one unit in the
// seventh significant digit of the smaller.
inline bool sameOrNeighbours(std::string_view one, std::string_view other, std::string_view separator) {
    if (one == other) return true;
    const double x = shownValue(one, separator), y = shownValue(other, separator);
    const double smaller = std::min(std::fabs(x), std::fabs(y));
    if (smaller == 0.0 || (x < 0) != (y < 0)) return false;
    const double unit = std::pow(10.0, leadingExponent(smaller) - 6);
    return std::fabs(x - y) <= 1.001 * unit;
}

// The text a value is shown with must be printf's. Read back, it must give the
// float nearest to it (checked like any typed text), and that float must show
// the same text or its neighbour in the seventh digit: seven digits do not
// always tell floats apart (1.00000002E+28 shows as 1E+28, which reads back as
// 9.99999944E+27, shown 9.999999E+27), so the text need not come back exactly.
inline std::string checkShownText(float value, std::string_view separator) {
    const std::string shown = numberToText(value, separator);
    const std::string expected = reference::numberText(value, separator);
    if (shown != expected)
        return "numberToText(" + describe(value) + ") gave \"" + shown + "\", printf \"" + expected + "\"";
    if (!std::isfinite(value)) return {};
    const std::string reread = checkWithSeparator(shown, separator, false);
    if (!reread.empty()) return "reading back the shown text: " + reread;
    const Conversion again = textToNumber(shown, separator);
    const std::string shownAgain = numberToText(again.value, separator);
    if (!sameOrNeighbours(shown, shownAgain, separator))
        return "\"" + shown + "\" reads back as " + describe(again.value) + ", shown as \"" + shownAgain + "\"";
    return {};
}

inline std::string checkWithSeparator(std::string_view text, std::string_view separator, bool followShownText) {
    const std::string where = "text \"" + printable(text) + "\" with separator '" +
                              std::string(separator) + "': ";
    std::string error;
    const Reading expected = referenceReading(text, separator, error);
    if (!error.empty()) return where + error;

    const Conversion actual = textToNumber(text, separator);
    switch (expected.kind) {
    case ReadingKind::Rejected:
        if (actual.status != ConversionStatus::NotANumber)
            return where + "outside the grammar but read as " + statusName(actual.status) + " " +
                   describe(actual.value);
        return {};
    case ReadingKind::Overflow:
        if (actual.status != ConversionStatus::TooLarge)
            return where + "too large for a float but read as " + statusName(actual.status) + " " +
                   describe(actual.value);
        return {};
    case ReadingKind::Number:
        break;
    }
    if (actual.status != ConversionStatus::Ok)
        return where + "a number (" + describe(expected.value) + ") but read as " + statusName(actual.status);
    if (std::bit_cast<std::uint32_t>(actual.value) != std::bit_cast<std::uint32_t>(expected.value))
        return where + "read as " + describe(actual.value) + ", expected " + describe(expected.value);
    if (!followShownText) return {};
    const std::string shown = checkShownText(actual.value, separator);
    return shown.empty() ? shown : where + shown;
}

// Empty when everything holds, else what went wrong. The point, the comma and
// a separator of more than one byte (the Arabic decimal separator) are tried.
inline std::string checkTextToNumber(std::string_view text) {
    for (std::string_view separator : {std::string_view("."), std::string_view(","), std::string_view("٫")}) {
        std::string error = checkWithSeparator(text, separator, true);
        if (!error.empty()) return error;
    }
    return {};
}

}  // namespace geometry::fuzzing
