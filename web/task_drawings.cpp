// SPDX-License-Identifier: MIT
#include "task_drawings.h"

#include "drawing.h"
#include "task/task_sheet.h"

namespace geometry::web {

using namespace solver;

void writeDrawings(Json& json, const Outcome& outcome, const Solution& solution, const Settings& settings,
                   bool withNet) {
    json.key("figure").string(
        drawing::figureSvg(*outcome.solid, solution, {.unit = outcome.unit,
                                                  .asked = foundKeys(solution),
                                                  .stylesheet = false,
                                                  .turned = outcome.turned}));
    if (!withNet) return;
    const drawing::NetSvg net =
        drawing::netSvg(*outcome.solid, solution, {.unit = outcome.unit, .settings = settings, .stylesheet = false});
    json.key("net").beginObject().key("svg").string(net.svg).key("message").string(net.message);
    json.key("scale").number(net.scale).key("widthMm").number(net.widthMm).key("heightMm").number(net.heightMm);
    json.key("landscape").boolean(net.landscape).endObject();
}

}  // namespace geometry::web
