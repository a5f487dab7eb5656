// SPDX-License-Identifier: MIT
#pragma once
// Variants A and B of a sheet are alike task by task: the same solid and kind
// of task, and numbers a student finds equally hard. A task's shape says how
// its numbers look: each given as written, each run of digits by its length
// ("36π" and "64π" alike, "6859" and "125" not), a root's radicand by its
// mere presence; each answer by what finding it takes (whole, a fraction, a
// root, π, and the digits before the decimal separator).
//
//   shapeOf({{"a", "19"}}, {{"V", 6859}}, Numbers::Whole)  "a:2|V:4"
//   shapeOf({{"a", "5"}}, {{"V", 125}}, Numbers::Whole)    "a:1|V:3"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/exact.h"
#include "sheet_settings.h"
#include "task/solver.h"

namespace solver::worksheet {

struct AskedValue {
    std::string key;
    std::optional<Exact> exact;
    double value = 0;  // with the sheet's π
};

std::string shapeOf(const std::vector<Given>& givens, const std::vector<AskedValue>& asked, Numbers numbers);

// How far apart two shapes are: -1 where they differ in more than digits
// (one answer whole, the other a root), else the most digits by which two
// numbers in the same place differ (0 for "a:2|V:4d" and "a:2|V:4d", 1 for
// "a:2|V:4d" and "a:2|V:3d").
int shapeDistance(std::string_view a, std::string_view b);

struct Task;
// A finished task's shape: its givens and its answers.
std::string taskShape(const Task& task, Numbers numbers);

}  // namespace solver::worksheet
