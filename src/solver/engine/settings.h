// SPDX-License-Identifier: MIT
#pragma once
// What a task asks of the solver besides its givens: π as the task takes it,
// the unit of the results, and how they are written.

#include <optional>
#include <string>

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
    std::string separator = ",";
    bool steps = true;
};

// How many of `to` make one `from`, raised to the dimension: 100 for m → cm, length.
Rational unitFactor(Unit from, Unit to, int power);

}  // namespace solver
