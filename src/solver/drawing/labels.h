// SPDX-License-Identifier: MIT
#pragma once
// Where the figure's labels go: beside the segment each names, on the side
// away from the solid where it can, clear of the other labels and crossing as
// few lines as it can; and the legend's lines wrapped to a width.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "plane.h"
#include "scene.h"

namespace solver::drawing {

struct LabelRequest {
    std::string text;
    Point a, b;  // the segment on the figure; a == b for a point
    std::optional<Point> awayFrom;
};

// A line on the figure, and how much a label across it hides.
struct Obstacle {
    Point a, b;
    double weight;
};

// The width a sans-serif face gives the text, estimated from its letters.
double textWidth(std::string_view text, double fontSize);
double textWidth(const std::vector<LegendItem>& line, double fontSize);

// One box per request, in the requests' order; each placed after those before it.
std::vector<Box> placeLabels(const std::vector<LabelRequest>& requests, const std::vector<Obstacle>& lines,
                             const Box& drawing, double fontSize);

// The items in lines no wider than `width`, broken between words, but not
// inside an item of a colour of its own (a word longer than that alone on its line).
std::vector<std::vector<LegendItem>> wrapped(const std::vector<LegendItem>& items, double width, double fontSize);

}  // namespace solver::drawing
