// SPDX-License-Identifier: MIT
#pragma once
// A solid's table read once into trees: each relation's two sides, its
// letters, and its forms by the letter each one gives.

#include <vector>

#include "engine/expression.h"
#include "engine/polynomial.h"
#include "engine/solids.h"

namespace solver {

struct Form {
    int target = 0;     // the quantity it gives
    int power = 1;      // it gives targetᵖ: "r² = V : (π·h)"
    Node expression;    // the right side
    std::string_view text;
};

struct Relation {
    const RelationRow* row = nullptr;
    Node left, right;
    std::vector<int> members;
    std::vector<Form> forms;
    bool needsSides = false;   // tg(180° : n) or sin(180° : n) in it
    bool regularOnly = false;  // it names a quantity only a regular base has
    const Form* formFor(int quantity) const;
    // left − right = 0 as a polynomial in the quantities; `constants` gives π and n.
    Polynomial polynomial(const Substitution& constants) const;
};

struct CompiledSolid {
    const SolidRow* row = nullptr;
    std::vector<Relation> relations;
    int sidesIndex = -1;  // n
};

// Read once per process; throws ReadError for a table that cannot be read.
const CompiledSolid& compiled(const SolidRow& solid);

}  // namespace solver
