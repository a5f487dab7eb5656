// SPDX-License-Identifier: MIT
#pragma once
// What a result field shows while it does not have the focus. The fields are
// narrow (41 and 49 pixels); a number wider than its field is shown rounded to
// as many significant digits as fit, never cut: a cut "9361213" reads "936121",
// ten times too small. The field's own text stays the full text the calculator
// wrote, for copying, the field store and screen readers.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace geometry {

// Shown when not even one significant digit fits, as spreadsheets do.
inline constexpr std::string_view tooWideSign = "###";

// Whether a text fits the field, measured by the front end at the field's font.
using TextFits = std::function<bool(std::string_view text)>;

// The text to show for the field's `fullText`:
// - the full text when it fits;
// - else the number rounded to the most significant digits that fit, in the
//   usual form or, if only that fits, in exponent form: digits before the
//   separator are dropped only by going over to the exponent form, and an
//   exponent is never dropped. It is rounded from `exactValue`, the float the
//   calculator wrote, when the text is still its text; otherwise from the value
//   the text itself reads as;
// - else the sign that the number is wider than the field.
// A text that does not read as a number (typed into a result field) is shown
// as it is.
std::string shownText(std::string_view fullText, std::optional<float> exactValue,
                      std::string_view decimalSeparator, const TextFits& fits);

}  // namespace geometry
