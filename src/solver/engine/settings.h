// SPDX-License-Identifier: MIT
#pragma once
// What a task asks of the solver besides its givens: π as the task takes it,
// the unit of the results, and how they are written.

#include <optional>
#include <string>
#include <vector>

#include "engine/exact.h"
#include "engine/solids.h"

namespace solver {

enum class PiSetting {
    Exact,       // "15π ≈ 47,12": exact forms, decimals with π itself
    School,      // π ≈ 3,14, as grade-6 tasks ask
    Calculator,  // π as 3,141592, the calculator's
};
double piValue(PiSetting setting);
// π as the fraction a task takes it for (157/50, 392699/125000); none for π itself.
std::optional<Rational> piFraction(PiSetting setting);

struct Settings {
    PiSetting pi = PiSetting::Exact;
    std::optional<Unit> unit;  // of the results; else the first given's
    int digits = 2;            // after the decimal separator
    std::optional<int> angleDigits;  // of the angles where a task says („с точност до градус“: 0)
    std::string separator = ",";
    bool steps = true;
    // The student's grade, from 6 to 12: the tools the steps may use (no
    // Pythagoras before 7, no trigonometry before 8) and the formulas as that
    // grade's textbook writes them; 0 for none, every tool.
    int grade = 0;
    // The keys of what the task asks for, where it says ("S", "V"): with a
    // grade set, a task whose tools do not reach them needs another given.
    std::vector<std::string> asked = {};
    // Quantities of use the task names without giving or asking them ("ri"
    // for „в пресечения конус е вписано кълбо“): their tables' relations hold
    // (there l = r1 + r2).
    std::vector<std::string> named = {};
};

// The tools (engine/solids.h) a grade may use; every one without a grade.
unsigned toolsOfGrade(int grade);

// How many of `to` make one `from`, raised to the dimension: 100 for m → cm, length.
Rational unitFactor(Unit from, Unit to, int power);

}  // namespace solver
