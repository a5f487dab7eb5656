// SPDX-License-Identifier: MIT
#pragma once
// Where a line may break in what the solver writes, for the windows and pages
// that wrap it: never inside a number, nor between a number and its unit or
// the "≈" before it. The blanks there become no-break spaces (U+00A0); every
// other blank stays a place to break.
//
//   keptWhole("56π ≈ 175,93 cm² (≈ 0,18 l)")  "56π ≈\u00A0175,93\u00A0cm² (≈\u00A00,18\u00A0l)"
//
// A line then breaks before "≈" or between two quantities, never in
// "≈ 175,93 cm²".

#include <string>
#include <string_view>

namespace solver {

inline constexpr std::string_view noBreakSpace = "\xC2\xA0";

std::string keptWhole(std::string_view text);

inline constexpr std::string_view softHyphen = "\xC2\xAD";

// Bulgarian words of `longest` letters or more with soft hyphens (U+00AD)
// between their syllables, where a narrow column may break them with a
// hyphen rather than anywhere: "пара\u00ADле\u00ADле\u00ADпи\u00ADпед". A
// single consonant between vowels goes with the syllable after it (ра-дио),
// of two or more the first stays (пар-ти-я; дж, дз and a consonant with ь
// are not parted); two letters at least on either side of a break.
std::string hyphenated(std::string_view text, std::size_t longest = 7);

}  // namespace solver
