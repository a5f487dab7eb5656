// SPDX-License-Identifier: MIT
#pragma once
// A panel's inputs as a task for the task solver, for „Реши като задача“: the
// solid the panel computes and each non-empty input by its letter, its text as
// typed (the box's a, b, c; the cube's a; any other prism's P, B, h; the
// pyramid's P, B, k, h; the polygon's n, a; the cylinder's r, h; the cone's
// r, h, l; the sphere's r).

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "field_store.h"
#include "panel_table.h"

namespace geometry {

struct PanelTask {
    std::string solid;  // "cone"
    std::vector<std::pair<std::string, std::string>> givens;  // {"r", "3"}, in the panel's reading order
};

// None for the right prism when its kind field holds no 1, 2 or 3.
std::optional<PanelTask> panelTask(Panel panel, const FieldStore& fields);

}  // namespace geometry
