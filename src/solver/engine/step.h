// SPDX-License-Identifier: MIT
#pragma once
// What the search did, as data: each step that found a quantity, and each
// contradiction that ended a branch, with the relation, the form, the numbers
// put in and what came out. The engine writes no sentences: the wording
// (wording/steps.*) turns these into Bulgarian, and the worksheets read them
// to say which formulas lead to an answer.

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "engine/value.h"

namespace solver {

struct Form;

// A set of givens, or of relations, one bit each (engine/limits.h bounds both).
using GivenSet = std::uint32_t;
using RelationSet = std::uint64_t;

// Quantities with their values at the time of a step: those of the relation it used.
using Knowns = std::vector<std::pair<int, Value>>;

struct Contradiction {
    enum class Kind {
        NotPositive,     // a form gives zero or less: h² = 3² − 5² = −16 < 0
        NoPositiveRoot,  // a relation, as an equation in one unknown, has no positive root
        Eliminated,      // the equation left by elimination has no positive root
        Unequal,         // a relation whose letters are all known does not hold
        OutOfDomain,     // a value outside its quantity's domain (n = 2,5)
    };
    Kind kind = Kind::Unequal;
    GivenSet from = 0;    // the givens that cannot go together
    // Unequal, where a given rounded too far is to blame: the quantity, and
    // its value by the relation from the other givens (`others`).
    int blamed = -1;
    Value derived = {};
    GivenSet others = 0;
    int relation = -1;    // NotPositive, NoPositiveRoot, Unequal
    const Form* form = nullptr;  // NotPositive
    int target = -1;      // the quantity sought, or out of its domain
    Knowns inputs = {};   // the relation's known letters
    Value inner = {};     // NotPositive: the form's value (targetᵖ); Unequal: the left side
    Value right = {};     // Unequal: the right side; OutOfDomain: the value
    std::vector<Value> coefficients = {};  // NoPositiveRoot, Eliminated: the equation in `target`
    RelationSet relations = 0;        // Eliminated: the relations it comes from
};

// A given the task wrote rounded (an apothem 8,65 for 5√3): close enough to
// what a relation gives it from the other givens to be the task's datum.
struct Rounding {
    int quantity = -1;
    Value derived;  // its value by the relation
};

struct Step {
    enum class Kind {
        Form,         // a relation's form gave the quantity: S = π·r·l = π·3·5 = 15π
        Equation,     // a relation as an equation in the quantity, and its roots
        Elimination,  // several relations reduced to one equation, and its roots
        Conversion,   // a given brought to the results' unit: b = 104 mm = 10,4 cm
        Trial,        // a whole number found by trying each: n = 6
    };
    Kind kind = Kind::Form;
    int target = -1;
    int relation = -1;           // Form, Equation
    const Form* form = nullptr;  // Form
    Knowns inputs = {};          // Form: the relation's other letters
    Value inner = {};            // Form: the form's value (targetᵖ)
    Value value = {};            // the quantity found
    std::vector<Value> coefficients = {};  // Equation, Elimination: the equation in `target`
    RelationSet relations = 0;        // Elimination: the relations it comes from
    std::vector<Value> roots = {};    // Equation, Elimination: every positive root, in the order told
    // Per root, where there are several: whether it gives no solid, and why.
    struct Rejection {
        bool rejected = false;
        std::optional<Contradiction> why;  // none where the trial ended with no reason
    };
    std::vector<Rejection> rejections = {};
    std::size_t chosen = 0;  // the root this solution took
};

}  // namespace solver
