// SPDX-License-Identifier: MIT
#pragma once
// A task pasted or typed as its text on the problems page
// (zadachi.html?text=…): read, solved, and what was read written for the page
// beside the fields it fills:
//
//   "read": {"status": "read", "solid": "pyramid",
//            "summary": "Прочетено: правилна пирамида; n = 4, a = 16 cm, S = 320 cm²; търси се V.",
//            "message": "", "givens": [{"key": "a", "value": "16 cm", "words": "основен ръб 16 cm",
//            "from": [40, 57], "field": true}, …], "asked": ["V"],
//            "ignored": [{"words": "Зад. 3.", "from": [0, 7]}], "unread": [{"words": …, "from": […]}]}
//
// "from" counts UTF-16 code units of the text, as the page's strings do.

#include <string>
#include <string_view>

#include "reader/read_and_solve.h"
#include "task/json.h"

namespace geometry::web {

// The settings the address gives, each overriding what the text asks for.
solver::reader::TextOutcome readTextTask(std::string_view text, const solver::reader::ChosenSettings& chosen);

void writeRead(solver::Json& json, std::string_view text, const solver::reader::TextOutcome& outcome);

// A field's note with the words its given came from: "дадено = 16 cm, от „основен ръб 16 cm“";
// after another note, "(от „…“)".
std::string withWords(std::string note, const solver::reader::TextOutcome& outcome, std::string_view key, bool given);

}  // namespace geometry::web
