// SPDX-License-Identifier: MIT
#pragma once
// The problems page's task: its address read as a solid, its givens and the
// settings, solved, and everything the page shows of the outcome written as
// JSON, so that the page's script only puts it in its place:
//
//   {"solid": "cone", "address": "solid=cone&r=3&h=4&pi=exact&digits=2",
//    "settings": {"pi": "exact", "unit": "", "digits": "2"},
//    "status": "solved", "summary": "Решение", "message": "",
//    "fields": [{"key": "r", "state": "given", "note": "дадено: 3"}, ...],
//    "solutions": [{"title": "", "quantities": [{"key": "l", "name": "образуваща",
//        "given": false, "exact": "5", "value": 5, "shown": "= 5"}, ...],
//        "steps": ["l² = r² + h² ⇒ ...", ...]}],
//    "announcement": "Конус: l = 5, S = 15π ≈ 47,12, ..."}
//
// A field's state is "given", "found", "open" (not determined by the givens),
// "invalid" (its given cannot be used; the note says why), "concerned" (no
// solid has the givens together; the last such field's note says why),
// "suggested" (one more given that would decide the task) or "" (nothing to
// say). The settings' selects are fields too ("pi", "unit", "digits") where
// the address gives one that cannot be used. "message" is what stands beside
// no field: why the givens do not suffice, or a key the solid does not have.

#include <string>
#include <string_view>

namespace geometry::web {

// The address's settings: pi=exact|3.14|3.141592, unit=mm|cm|dm|m (of the
// givens typed without one and of the results), digits=0…12; a pair whose key
// is a quantity's letter (of any solid, in either case) is a given; any other
// pair (fbclid=…, utm_source=…) is passed over and left out of the address. Each solution's net
// only `withNets` (the page asks for them while one is shown).
std::string solvedTask(std::string_view query, bool withNets = true);

}  // namespace geometry::web
