// SPDX-License-Identifier: MIT
#pragma once
// The search's steps and contradictions written as a textbook writes them:
// "l² = r² + h² ⇒ l = √(r² + h²) = √(3² + 4²) = 5 cm", "образуващата l е
// хипотенуза …; тук h² = l² − r² = 3² − 5² = −16 < 0".

#include <functional>
#include <optional>
#include <string>

#include "engine/compiled.h"
#include "engine/step.h"
#include "wording/wording.h"

namespace solver {

class StepWriter {
public:
    // Writes a set of givens as the task gave them: "a = 3 и h = 7".
    using GivensText = std::function<std::string(GivenSet)>;

    StepWriter(const CompiledSolid& solid, const Wording& wording, GivensText givens = {})
        : solid_(solid), wording_(wording), givens_(std::move(givens)) {}

    std::string step(const Step& step) const;
    // Where several roots give one solid (a box whose a and b are only
    // swapped), the number of solids the solution shows, and the two
    // quantities swapped.
    void countSolids(std::size_t shown, std::string swapped) {
        solidsShown_ = shown;
        swapped_ = std::move(swapped);
    }
    // An angle a step found by arcsin, arccos or arctg of an exact number, as
    // a key writes it where it has no exact value: "arctg 4/3"; none otherwise.
    std::optional<std::string> inverseForm(const Step& step) const;
    // A sentence or two: why the givens cannot go together.
    std::string contradiction(const Contradiction& contradiction) const;

private:
    Substitution numbers(const Knowns& knowns) const;
    std::string letter(int quantity) const;
    std::string reason(int relation) const;
    std::string equation(const std::vector<Value>& coefficients, int target) const;
    std::string relations(RelationSet set) const;
    std::string formStep(const Step& step) const;
    std::string rootsStep(const Step& step) const;
    std::string notPositive(const Contradiction& c) const;
    std::string roundedTooFar(const Contradiction& c) const;

    const CompiledSolid& solid_;
    const Wording& wording_;
    GivensText givens_;
    std::optional<std::size_t> solidsShown_;
    std::string swapped_;
};

}  // namespace solver
