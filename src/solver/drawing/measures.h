// SPDX-License-Identifier: MIT
#pragma once
// A solution's measures as the drawings read them: each length's value where
// the task determines it, and the words a label writes for it.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "task/solver.h"

namespace solver::drawing {

class Measures {
public:
    Measures(const SolidRow& solid, const Solution& solution, std::optional<Unit> unit = {})
        : solid_(solid), solution_(solution), unit_(unit) {}
    // Only these keys (and the givens) labelled on the figure: a task's own.
    void labelOnly(std::vector<std::string> keys) { labelledOnly_ = std::move(keys); }

    const SolidRow& solid() const { return solid_; }
    const Solution& solution() const { return solution_; }
    // The quantity where the solution determines it as a positive number.
    const QuantityResult* known(std::string_view key) const;
    bool has(std::string_view key) const { return known(key) != nullptr; }
    // Whether the figure draws and labels the quantity's segment: it is known,
    // and given or one the task asks for where only those are labelled.
    bool labelled(std::string_view key) const;
    double operator[](std::string_view key) const;  // its value, 0 where unknown
    // n where the base is regular and known; 0 for a base of any shape.
    int sides() const;
    // The label of a segment on the figure: "h = 4", "b ≈ 5,83" (shortLabel
    // without the unit, which the givens under the figure say).
    std::string label(const QuantityResult& quantity) const;

private:
    const SolidRow& solid_;
    const Solution& solution_;
    std::optional<Unit> unit_;
    std::optional<std::vector<std::string>> labelledOnly_;
};

// "h = 4 cm", "b ≈ 5,83 cm" (the decimal alone where the solver writes both
// forms, so that labels stay short), from the solver's own text.
std::string shortLabel(const QuantityResult& quantity);
// "a = 12 cm", "V = 1872 cm³ (1,872 l)": the solver's text in full.
std::string fullLabel(const QuantityResult& quantity);

}  // namespace solver::drawing
