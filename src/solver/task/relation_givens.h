// SPDX-License-Identifier: MIT
#pragma once
// Givens that are relations between a solid's quantities, as tasks give
// them: "височината е 2/3 от основния ръб" (h=2a/3), "с 15 cm по-голяма от
// диаметъра" (h=d+15cm), "в отношение 3 : 5" (h:k=3:5), "ръбовете се отнасят
// както 1 : 2 : 3" (a:b:c=1:2:3), "сборът от радиуса и височината е 7 cm"
// (r+h=7cm), "околните стени са квадрати" (h=a).

#include <optional>
#include <string>
#include <vector>

#include "engine/settings.h"
#include "engine/solids.h"
#include "task/solver.h"

namespace solver {

// Whether a given names a relation rather than one quantity's value: its key
// is more than a letter, or its value names a letter of the solid.
bool isRelationGiven(const SolidRow& solid, const Given& given);

struct RelationGiven {
    std::string key;                     // as typed: "h:k"
    std::string text;                    // "h : k = 3 : 5", as the steps write it
    std::vector<std::string> equations;  // in the solid's letters, one per relation ("a:b:c" makes two)
    std::optional<Unit> unit;            // of its constants, as typed
    std::string problem;                 // where it cannot be read: a sentence saying why and what to type
};

// The relation, its constants brought from the unit typed to the results' unit.
RelationGiven readRelationGiven(const SolidRow& solid, const Given& given, std::optional<Unit> resultsUnit);

}  // namespace solver
