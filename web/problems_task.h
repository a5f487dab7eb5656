// SPDX-License-Identifier: MIT
#pragma once
// The problems page's task: its address read as a solid, its givens and the
// settings, solved, and everything the page shows of the outcome written as
// JSON, so that the page's script only puts it in its place:
//
//   {"solid": "cone", "address": "solid=cone&r=3&h=4&pi=exact&digits=2",
//    "settings": {"pi": "exact", "unit": "", "digits": "2", "grade": ""},
//    "status": "solved", "summary": "Решение", "message": "",
//    "fields": [{"key": "r", "state": "given", "note": "дадено: 3"}, ...],
//    "solutions": [{"title": "", "quantities": [{"key": "l", "name": "образуваща",
//        "given": false, "exact": "5", "value": 5, "shown": "= 5"}, ...],
//        "steps": ["l² = r² + h² ⇒ ...", ...]}],
//    "announcement": "Конус: l = 5, S = 15π ≈ 47,12, ..."}
//
// Each quantity of a solution also has its "unit" ("cm²"; "l" where the task
// asks for litres) and whether the task asks for it ("asked"). A task given
// as its text ("text=…", web/problems_text.h) has its status "unread" where it
// names no solid that can be solved, and a "read" object: what was read, and
// the words each given came from, also in its field's note.
//
// A field's state is "given", "found", "open" (not determined by the givens),
// "invalid" (its given cannot be used; the note says why), "concerned" (no
// solid has the givens together; the last such field's note says why),
// "suggested" (one more given that would decide the task) or "" (nothing to
// say). The settings' selects are fields too ("pi", "unit", "digits", "grade") where
// the address gives one that cannot be used. "message" is what stands beside
// no field: why the givens do not suffice, or a key the solid does not have.

#include <string>
#include <string_view>

namespace geometry::web {

// The address's settings: pi=exact|3.14|3.141592, unit=mm|cm|dm|m (of the
// givens typed without one and of the results), digits=0…12, grade=6…12 (the
// student's grade: the tools the steps use; none or empty for all); asked=V,S1 the
// quantities the task asks for; text=… a task as printed, whose solid, givens,
// asked quantities and settings are read from it (the address's settings
// override the text's); a pair whose key is a quantity's letter (of any solid,
// in either case) is a given; any other pair (fbclid=…, utm_source=…) is passed
// over and left out of the address. Each solution's net only `withNets` (the
// page asks for them while one is shown).
std::string solvedTask(std::string_view query, bool withNets = true);

}  // namespace geometry::web
