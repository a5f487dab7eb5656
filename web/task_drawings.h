// SPDX-License-Identifier: MIT
#pragma once
// A solution's drawings in the JSON the pages show (web/problems_task.h): the
// figure as SVG text, and (where asked for) the net to print with its sheet's
// size and scale, or the sentence why the solid has none. Both without their own <style>: the
// pages hold the drawings' rules in their one stylesheet.
//
//   "figure": "<svg class=\"stereometry-figure\" ...>",
//   "net": {"svg": "<svg ...>", "message": "", "scale": 1, "widthMm": 190,
//           "heightMm": 160, "landscape": false}

#include "task/json.h"
#include "task/solver.h"

namespace geometry::web {

void writeDrawings(solver::Json& json, const solver::Outcome& outcome, const solver::Solution& solution,
                   const solver::Settings& settings, bool withNet);

}  // namespace geometry::web
