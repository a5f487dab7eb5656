// SPDX-License-Identifier: MIT
#pragma once
// The parts the calculator opens only when asked (on_demand.h), as made by the
// code linked with them: the module's entry hands these to the program.

#include "on_demand.h"

namespace geometry::ui {

OnDemandParts& linkedParts();

}  // namespace geometry::ui
