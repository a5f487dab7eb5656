// SPDX-License-Identifier: MIT
#pragma once
// A worksheet and the checking of answers as JSON, the same for the command
// line and the page:
//
//   {"seed": 4711, "variant": "A", "title": "…", "query": "number=4711&…",
//    "settings": {…}, "tasks": [{"number": 1, "solid": "cone", "kind": "direct",
//    "givens": ["r=3", "h=4"], "asked": ["S1", "V"], "text": "…",
//    "answers": {"S1": {"exact": "24*pi", "value": 75.39…, "text": "24π ≈ 75,4 cm²",
//                       "hint": "…", "steps": ["…"]}, …}, "steps": ["…"]}]}

#include <string>
#include <string_view>

#include "answer_check.h"
#include "task/json.h"
#include "worksheet.h"

namespace solver::worksheet {

std::string sheetJson(const Sheet& sheet);

// {"typed": "47,6", "correct": false, "readable": true, "message": "невярно",
//  "note": "", "hint": "…", "steps": [...]}
void writeFeedback(Json& json, std::string_view typed, const AnswerFeedback& feedback);
std::string feedbackJson(std::string_view typed, const AnswerFeedback& feedback);

}  // namespace solver::worksheet
