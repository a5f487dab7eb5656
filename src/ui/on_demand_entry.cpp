// SPDX-License-Identifier: MIT
// The module's one entry: the program finds it by this name once it has
// loaded the module (on_demand_loaded.cpp).
#include <QtGlobal>

#include "on_demand_parts.h"

extern "C" Q_DECL_EXPORT geometry::ui::OnDemandParts* stereometry_on_demand_parts() {
    return &geometry::ui::linkedParts();
}
