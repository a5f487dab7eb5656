// SPDX-License-Identifier: MIT
#pragma once
// A solid's table read once into trees: each relation's two sides, its
// letters, and its forms by the letter each one gives; its conditions.

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/expression.h"
#include "engine/polynomial.h"
#include "engine/solids.h"
#include "engine/step.h"

namespace solver {

struct Form {
    int target = 0;     // the quantity it gives
    int power = 1;      // it gives targetᵖ: "r² = V : (π·h)"
    Node expression;    // the right side
    std::string text;   // in the solid's letters
};

struct Relation {
    const RelationRow* row = nullptr;
    std::string equation;  // the row's, in the solid's letters: "V2 = π·r²·h2 : 3" of a body's cone
    Node left, right;
    std::vector<int> members;
    std::vector<Form> forms;
    // The quantities inside its angles (n in tg(180° : n)): known before it is used.
    std::vector<int> angleMembers;
    // The quantities under its roots (B1 and B2 in √(B1·B2)): known before it is used.
    std::vector<int> rootMembers;
    bool regularOnly = false;  // it names a quantity only a regular base has
    unsigned tools = 0;        // Pythagoras, Trigonometry
    GivenSet from = 0;         // a relation a task gave (h = 2a : 3): that given
    // A formula of one base alone ("B = a²" where n = 4): the count and its value.
    int onlyQuantity = -1;
    int onlyValue = 0;
    bool onlyOfThatBase = false;  // true of that base alone, with or without a grade
    const Form* formFor(int quantity) const;
    // left − right = 0 as a polynomial in the quantities; `constants` gives π and the angles.
    Polynomial polynomial(const Substitution& constants) const;
};

// "B < P² : (4π)": the smaller side and the larger.
struct Condition {
    const ConditionRow* row = nullptr;
    Node smaller, larger;
    std::vector<int> members = {};
    bool orEqual = false;  // "h2 ≤ h1"
};

struct CompiledSolid {
    const SolidRow* row = nullptr;
    std::vector<Relation> relations;
    std::vector<Condition> conditions;
    int wholeIndex = -1;  // the count, a whole number (n), or -1
    // Per quantity, the counts whose base alone has it (a square or a hexagonal
    // prism's diagonal d: 4 and 6); empty where every base has it.
    std::vector<std::vector<int>> ofBasesOnly;
    bool hasFor(int quantity, const std::optional<double>& count) const;
};

// Read once per process; throws ReadError for a table that cannot be read or
// lies beyond the engine's limits (engine/limits.h).
const CompiledSolid& compiled(const SolidRow& solid);

// A solid's table with relations a task gave besides its givens (h = 2a : 3),
// in a copy of its own; each relation's given is the bit `from` says. Throws
// ReadError past the engine's limits.
struct TaskRelation {
    std::string equation;  // in the solid's letters
    GivenSet from = 0;
};
struct TaskModel {
    std::deque<std::string> texts;  // the relations' equations, which their rows point to
    std::deque<RelationRow> rows;   // the relations' rows, which the copy points to
    CompiledSolid compiled;
};
std::shared_ptr<const TaskModel> withRelations(const SolidRow& solid, const std::vector<TaskRelation>& relations);

}  // namespace solver
