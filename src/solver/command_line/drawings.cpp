// SPDX-License-Identifier: MIT
#include "drawings.h"

#include <iostream>

#include "drawing.h"

namespace solver::command_line {

std::string drawingKindError(std::string_view kind) {
    if (kind == "figure" || kind == "net") return "";
    return "--svg приема figure (чертеж) или net (развивка), а не „" + std::string(kind) + "“";
}

int writeDrawing(std::string_view kind, const Outcome& outcome, const std::vector<std::string>& asked,
                 const Settings& settings) {
    const Solution& first = outcome.solutions.front();
    if (outcome.solutions.size() > 1)
        std::cerr << "stereometry-solve: задачата има " << outcome.solutions.size() << " решения; чертае се първото.\n";
    if (kind == "figure") {
        const std::string svg = drawing::figureSvg(*outcome.solid, first,
                                                   {.unit = outcome.unit, .asked = asked, .turned = outcome.turned});
        if (svg.empty()) {
            std::cerr << "stereometry-solve: " << drawing::withoutFigure(*outcome.solid) << "\n";
            return 1;
        }
        std::cout << svg << "\n";
        return 0;
    }
    const drawing::NetSvg net = drawing::netSvg(*outcome.solid, first, {outcome.unit, settings});
    if (net.svg.empty()) {
        std::cerr << "stereometry-solve: " << net.message << "\n";
        return 1;
    }
    std::cout << net.svg << "\n";
    return 0;
}

}  // namespace solver::command_line
