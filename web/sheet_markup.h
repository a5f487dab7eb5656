// SPDX-License-Identifier: MIT
#pragma once
// The worksheet page, listove.html: the teacher's settings of a sheet (the
// solids, the kind of task, how many, the numbers, π, the variant and the
// sheet's number, figures and the answer key), the link for the class, and
// the places of the sheet and its key, which web/sheet.js fills with what the
// solver's module returns (web/sheet_view.h).
//
// Element ids: the settings' form "settings"; the solids' check boxes
// "solid-cone"; the settings "number", "variant", "count", "kind", "numbers",
// "pi", "unit", "figures", "key"; „направи листа“ "make"; the link for the
// class "class-link"; the sheet "sheet" (its title "sheet-title", its tasks
// "tasks"); the key "answer-key"; the announcements "announcement".

#include <string>

namespace geometry::web {

// The whole page, `script` (the solver's loader and web/sheet.js) inlined at
// its end.
std::string sheetPage(const std::string& script);

}  // namespace geometry::web
