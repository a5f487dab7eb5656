// SPDX-License-Identifier: MIT
// Where the solver's texts may break across lines: never inside a number, nor
// between a number and its unit or the "≈" before it.
#include <gtest/gtest.h>

#include "wording/line_breaks.h"

namespace solver::testing {
namespace {

std::string shown(std::string text) {
    for (std::size_t at; (at = text.find(noBreakSpace)) != std::string::npos;) text.replace(at, noBreakSpace.size(), "_");
    return text;
}

struct Wrapped {
    std::string_view text;
    std::string_view kept;  // "_" a no-break space
};

// clang-format off
const Wrapped wrappedTexts[] = {
    {"56π ≈ 175,93 cm²", "56π ≈_175,93_cm²"},
    {"1000/3 ≈ 333,33 cm³ (≈ 0,33 l)", "1000/3 ≈_333,33_cm³ (≈_0,33_l)"},
    {"1872 cm³ (1,872 l)", "1872_cm³ (1,872_l)"},
    {"(4 + 4√2)π cm²", "(4 + 4√2)π_cm²"},
    {"= 15π ≈ 47,12", "= 15π ≈_47,12"},
    {"r = 3 cm, h = 4 mm и V = 2 m³.", "r = 3_cm, h = 4_mm и V = 2_m³."},
    // Letters of formulas and words are no units.
    {"S = π·r·l = π·3·5 = 15π", "S = π·r·l = π·3·5 = 15π"},
    {"l² = r² + h² ⇒ l = √(r² + h²)", "l² = r² + h² ⇒ l = √(r² + h²)"},
    {"h = 5 ⇒ l = 13", "h = 5 ⇒ l = 13"},
    {"3 mmx", "3 mmx"},
    {"дадено 3 cm", "дадено 3_cm"},
    {"", ""},
};
// clang-format on

TEST(LineBreaks, NumbersKeepTheirUnitsAndTheirApproximation) {
    for (const Wrapped& w : wrappedTexts) EXPECT_EQ(shown(keptWhole(w.text)), w.kept) << w.text;
}

std::string hyphens(std::string text) {
    for (std::size_t at; (at = text.find(softHyphen)) != std::string::npos;) text.replace(at, softHyphen.size(), "-");
    return text;
}

// clang-format off
const Wrapped hyphenatedTexts[] = {
    {"правоъгълен паралелепипед", "пра-воъ-гъ-лен па-ра-ле-ле-пи-пед"},
    {"правилен многоъгълник", "пра-ви-лен мно-гоъ-гъл-ник"},
    {"цилиндър", "ци-лин-дър"},
    {"конус", "конус"},                 // shorter than seven letters
    {"окръжност", "ок-ръж-ност"},
    {"шофьорски", "шо-фьор-ски"},       // a consonant with its ь goes whole
    {"джуджета", "джу-дже-та"},          // дж is one sound
    {"основата", "ос-но-ва-та"},
    {"Лист № 4711", "Лист № 4711"},
    {"a = 12 cm", "a = 12 cm"},
};
// clang-format on

TEST(LineBreaks, LongWordsBreakBetweenSyllables) {
    for (const Wrapped& w : hyphenatedTexts) EXPECT_EQ(hyphens(hyphenated(w.text)), w.kept) << w.text;
}

}  // namespace
}  // namespace solver::testing
