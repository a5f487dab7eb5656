// SPDX-License-Identifier: MIT
#pragma once
// The worksheet page's sheet (listove.html): its address read as the sheet's
// settings, the sheet made, and everything the page shows of it written as
// JSON, the tasks and the answer key as ready markup, so that the page's
// script only puts it in its place and binds the answer fields:
//
//   {"query": "number=4711&variant=A&…&figures=off&key=on",
//    "classQuery": "number=4711&…&figures=off&class=on",     the link for the class
//    "forClass": false,                                       opened by that link
//    "settings": {"number": "4711", "variant": "A", "count": "10", "solids": ["cone", …],
//                 "kind": "mixed", "numbers": "whole", "pi": "exact", "unit": "cm",
//                 "figures": false, "key": true},
//    "problems": ["Броят на задачите е цяло число от 1 до 30, а не „40“."],
//    "sheet": "number=4711&variant=A&…" (the sheet alone, whatever is shown of it),
//    "title": "Лист № 4711, вариант А", "pageTitle": "Лист № 4711, вариант А · Листове със задачи …", "tasks": "<ol …>…</ol>", "key": "<section …>…</section>",
//    "announcement": "Лист № 4711, вариант А: 10 задачи."}
//
// The page's own settings beside the sheet's (solver/worksheet/sheet_settings.h):
// figures=on|off (a figure beside each task) and key=on|off (the answer key
// under the sheet, on a page of its own on paper); and the class's marker,
// class (with any value), which makes the link a student's: no key, whatever
// key= says, and the page shows no teacher's settings. Any other pair
// (fbclid=…, utm_source=…, which messengers add) is passed over.
//
// Element ids in the markup: a task "task-3"; its answer field for S1
// "answer-3-S1", the field's feedback "feedback-3-S1"; its check button has
// data-task="3" and data-key="S1".

#include <string>
#include <string_view>

namespace geometry::web {

std::string sheetView(std::string_view query);

// A student's answer checked: the query's task (its number on the sheet), key,
// typed (the answer as typed) and wrong (how many answers to that quantity
// were wrong before); the sheet the rest of the query describes:
//
//   {"task": 3, "key": "S1", "verdict": "wrong", "message": "невярно", "note": "",
//    "hint": "…", "steps": ["…"], "feedback": "<p class=\"verdict\" …>…", "announcement": "Задача 3, S1: невярно. …"}
//
// verdict is "right", "wrong" or "unreadable" (the message says what to type).
std::string checkedAnswer(std::string_view query);

}  // namespace geometry::web
