// SPDX-License-Identifier: MIT
#pragma once
// An outcome's solutions as JSON: per solution each quantity (exact, value,
// unit, text, given), its steps and its notes, under "solutions", "steps" and
// "notes"; the command line writes a task's and a printed task's alike.

#include "task/json.h"
#include "task/solver.h"

namespace solver {

void writeSolutions(Json& json, const Outcome& outcome);

}  // namespace solver
