// SPDX-License-Identifier: MIT
#pragma once
// Which numbers a task may give and ask on a sheet, and how they are written.
// Whole-number sheets give whole lengths and surfaces or volumes like 36π,
// 48, 40√3 or 32π/3, and ask answers like 24π, 5√2 or (4 + 4√2)π; decimal sheets
// give lengths with a decimal or two and surfaces or volumes like 22,5π, and
// ask answers whose decimals are what counts.

#include <optional>
#include <string>

#include "engine/exact.h"
#include "sheet_settings.h"
#include "engine/solids.h"

namespace solver::worksheet {

// A given as a sheet writes it, for the solver ("36π", "2.5", "113.04") and
// for people ("36π", "2,5", "113,04"); none where the number is not one the
// sheet gives. With π ≈ 3,14 a given that holds π is written as that decimal.
struct GivenNumber {
    std::string input;
    std::string text;
};
std::optional<GivenNumber> givenNumber(const Exact& value, const SolidRow& solid, const QuantityRow& quantity,
                                       const SheetSettings& settings);

// Whether an answer is one a student finds by hand on the sheet.
bool niceAnswer(const std::optional<Exact>& exact, double value, Numbers numbers);

// The answer as the key writes it: as the last step to it ends, in the
// solver's own words ("24π ≈ 75,4 cm²", "5 cm", "14130 cm³" where π ≈ 3,14
// makes it whole), but "≈ 4,38 cm" on a decimal sheet where the exact form is
// none a student would write (√1921/10).
std::string answerText(const QuantityResult& found, const std::optional<Exact>& exact, Numbers numbers);

}  // namespace solver::worksheet
