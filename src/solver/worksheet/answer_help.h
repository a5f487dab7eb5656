// SPDX-License-Identifier: MIT
#pragma once
// Help for a student whose answer was wrong, from the solver's solution of the
// task: first a hint, the formulas that lead to the quantity from the solid's
// relations ("Намерете последователно l = √(r² + h²), S = π·r·l и
// S1 = S + π·r²."), then the steps themselves, only those the quantity needs.

#include <string>
#include <string_view>
#include <vector>

#include "engine/solids.h"
#include "task/solver.h"

namespace solver::worksheet {

struct AnswerHelp {
    std::string hint;                // empty where the solution has no step to the quantity
    std::vector<std::string> steps;  // the solution's steps that lead to it, in order
};
AnswerHelp answerHelp(const SolidRow& solid, const Solution& solution, std::string_view key);

// The steps that lead to any of `keys`, in the solution's order: an answer key's.
std::vector<std::string> stepsFor(const SolidRow& solid, const Solution& solution,
                                  const std::vector<std::string>& keys);

}  // namespace solver::worksheet
