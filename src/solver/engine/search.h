// SPDX-License-Identifier: MIT
#pragma once
// The search behind solve(): from the givens, what each relation determines
// once all its other letters are known; where none has one unknown left, one
// equation in one unknown by eliminating the others, and a branch for each of
// its positive roots. Each branch ends as a solid, a contradiction (the givens
// cannot go together) or stuck (they do not suffice).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/compiled.h"
#include "engine/step.h"
#include "engine/value.h"

namespace solver {

struct Known {
    Value value;
    GivenSet from = 0;  // the givens it follows from
    bool given = false;
};

struct State {
    std::vector<std::optional<Known>> known;
    std::vector<char> checked;  // relations found to hold
    std::vector<Step> steps;
    std::vector<Rounding> roundings;  // givens taken as rounded
    GivenSet used = 0;                // givens a step has taken
    // Givens written with decimals that a relation without them found rounded
    // (ha = 5,2 of a side of 6, through B): their notes are written by the caller.
    GivenSet roundedApart = 0;
};

struct SearchOptions {
    bool exact = true;     // carry exact forms (off for quick trials)
    bool steps = true;
    bool regular = true;   // a regular base: n and what depends on it count
    double piValue = truePi;  // π in the decimals
    // π as the fraction the task takes it for (3,14): exact values that agree
    // with it agree, and a coefficient that vanishes with it is zero.
    std::optional<Rational> piFraction = std::nullopt;
    // How far each given may be from what a relation makes it, relative to its
    // value: 0 for an exact one, 1 % (or half its last digit) for one a task
    // may have rounded. One entry per given, in their order.
    std::vector<double> givenTolerance = {};
    std::vector<char> givenDecimal = {};  // written with decimals ("8,65")
    int grade = 0;  // the student's, for the tools and formulas of the steps (engine/settings.h)
};

class Search {
public:
    Search(const CompiledSolid& solid, SearchOptions options);

    void run(State start);

    const std::vector<State>& solutions() const { return solutions_; }
    const std::vector<Contradiction>& contradictions() const { return contradictions_; }
    const std::vector<State>& stuck() const { return stuck_; }
    // Whether a branch was given up at the engine's bounds (an equation too
    // large to eliminate, too many branches) rather than for want of givens.
    bool tooComplex() const { return tooComplex_; }

    bool applicable(int quantity) const;
    bool complete(const State& state) const;
    // Whether a quantity of use is still unknown.
    bool openUses(const State& state) const;

private:
    enum class Progress { Advanced, Branched, Contradicted, Stuck };

    Progress advance(State& state);
    Progress solveFor(State& state, std::size_t relation, int target);
    Progress eliminate(State& state);
    bool assign(State& state, int quantity, Value value, GivenSet from, std::optional<Step> step);
    bool checkRelations(State& state);
    void branch(const State& state, Step step, GivenSet from);
    std::vector<Step::Rejection> tryRoots(const State& state, int quantity, const std::vector<Value>& roots) const;

    // Whether a relation may be used: by the task's tools and base, with its
    // angles known, or to find the one angle `target` by a form of it.
    bool usable(const State& state, std::size_t relation, int target = -1) const;
    GivenSet sources(const State& state, const std::vector<int>& quantities) const;
    Knowns knownsOf(const State& state, const std::vector<int>& quantities) const;
    Substitution substitution(const State& state) const;
    Polynomial knownPolynomial(const State& state, std::size_t relation) const;
    Value adopted(Value value) const;
    void contradict(Contradiction contradiction);
    Progress beyondLimits();
    double tolerance(GivenSet from) const;
    bool written(GivenSet from) const;  // a given in it written with decimals
    bool agreeExactly(const Value& a, const Value& b) const;
    Value withPi(const Value& value) const;
    std::vector<Value> withoutVanishing(std::vector<Value> coefficients) const;
    std::optional<Rounding> rounding(const State& state, std::size_t relation) const;
    bool closeEnough(const State& state, const Rounding& rounding) const;

    const CompiledSolid& solid_;
    SearchOptions options_;
    std::vector<State> pending_;
    std::vector<State> solutions_, stuck_;
    std::vector<Contradiction> contradictions_;
    int budget_ = 64;  // branches explored at most
    bool tooComplex_ = false;
};

}  // namespace solver
