// SPDX-License-Identifier: MIT
#pragma once
// The givens of a task read and checked: each value with its unit, brought to
// the unit of the results exactly; every given that cannot be read, or names
// no quantity of the solid, or is no positive number, gets a sentence saying
// what to type instead.

#include <optional>
#include <string>
#include <vector>

#include "engine/exact.h"
#include "engine/solids.h"
#include "task/relation_givens.h"
#include "task/solver.h"

namespace solver {

struct ReadGiven {
    int quantity = 0;
    std::string key;
    Exact value;               // in the results' unit
    Exact typedValue;          // as typed, in its own unit
    std::optional<Unit> unit;  // as typed; none where the given had no unit
    bool litres = false;       // typed in litres (or millilitres)
    bool millilitres = false;
    bool plain = false;        // a number alone, as a task may round it ("8,65", "785")
    bool decimal = false;      // written with a decimal separator ("8,65")
    int decimals = 0;          // digits after it
    // A mass, a sum, a density or a unit price with its unit typed: the unit
    // as a textbook writes it ("kg", "лв./m²"), and whether the value was
    // brought to the results' one.
    std::string useUnit;
    bool useConverted = false;
};

struct GivenReading {
    std::vector<ReadGiven> givens;
    std::vector<RelationGiven> relations;  // givens that are relations: h=2a/3
    std::vector<std::string> problems;   // one sentence per given that is wrong
    std::vector<std::string> concerned;  // their keys
    std::optional<Unit> unit;            // of the results
    bool decimals = false;               // some given was written as a decimal
};

// „Q“ не е величина: …, the solid's quantities listed.
std::string noQuantities(const SolidRow& solid, const std::vector<std::string>& keys);

GivenReading readGivens(const SolidRow& solid, const std::vector<Given>& givens, std::optional<Unit> asked);

}  // namespace solver
