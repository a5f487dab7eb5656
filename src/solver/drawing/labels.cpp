// SPDX-License-Identifier: MIT
#include "labels.h"

#include <algorithm>
#include <cmath>

namespace solver::drawing {

double textWidth(std::string_view text, double fontSize) {
    // Generous for the wider sans-serif faces (DejaVu Sans, which Qt and many
    // Linux browsers use): most Latin letters and digits 0.6 em, Cyrillic
    // letters and signs (≈, √, π, ², °) 0.68, "=", "m" and "w" nearly 1, blanks
    // and commas 0.32.
    double em = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) == 0x80) continue;  // a continuation byte of the letter before
        if (c == ' ' || c == ',' || c == '.' || c == ':')
            em += 0.32;
        else if (c == '=' || c == '+' || c == 'm' || c == 'w' || c == 'M' || c == 'W')
            em += 0.95;
        else
            em += byte >= 0x80 ? 0.68 : 0.6;
    }
    return em * fontSize;
}

double textWidth(const std::vector<LegendItem>& line, double fontSize) {
    double width = 0;
    for (const LegendItem& item : line) width += textWidth(item.text, fontSize);
    return width;
}

namespace {

Box boxAround(Point centre, double width, double height) {
    return {centre.x - width / 2, centre.y - height / 2, centre.x + width / 2, centre.y + height / 2};
}

struct Candidate {
    Box box;
    double distance = 0;  // from the segment
};

// Positions to try, best first: beside the segment's middle on the preferred
// side, then further along it and on the other side, then further out.
std::vector<Candidate> candidates(const LabelRequest& request, double width, double height) {
    std::vector<Candidate> boxes;
    const Point direction = unit(request.b - request.a);
    if (length(request.b - request.a) == 0) {
        // Round a point: on it, then in rings further out.
        const double dx = width / 2 + 6, dy = height / 2 + 4;
        boxes.push_back({boxAround(request.a, width, height), 0});
        for (double ring : {1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0})
            for (Point step : {Point{0, -1}, Point{0, 1}, Point{1, 0}, Point{-1, 0}, Point{1, -1}, Point{-1, -1},
                               Point{1, 1}, Point{-1, 1}}) {
                const Point offset{ring * step.x * dx, ring * step.y * dy};
                boxes.push_back({boxAround(request.a + offset, width, height), length(offset) / 2});
            }
        return boxes;
    }
    Point normal{-direction.y, direction.x};
    const Point middle = 0.5 * (request.a + request.b);
    if (request.awayFrom && dot(normal, middle - *request.awayFrom) < 0) normal = -1.0 * normal;
    const double extent = std::fabs(normal.x) * width / 2 + std::fabs(normal.y) * height / 2;
    for (double gap : {3.0, 8.0, 14.0, 22.0, 32.0, 44.0, 60.0})
        for (double t : {0.5, 0.35, 0.65, 0.2, 0.8, 0.1, 0.9})
            for (double side : {1.0, -1.0}) {
                const Point along = request.a + t * (request.b - request.a);
                boxes.push_back({boxAround(along + (side * (gap + extent)) * normal, width, height), gap});
            }
    // Along the segment's line beyond its ends, for a segment hemmed in on both sides.
    for (double beyond : {6.0, 16.0})
        for (int end = 0; end < 2; ++end) {
            const Point from = end == 0 ? request.b : request.a;
            const Point outward = (end == 0 ? 1.0 : -1.0) * direction;
            const double reach = std::fabs(outward.x) * width / 2 + std::fabs(outward.y) * height / 2;
            boxes.push_back({boxAround(from + (beyond + reach) * outward, width, height), 20 + beyond});
        }
    return boxes;
}

// A crossed line or a covered label is no place for a label while any other
// place is free.
constexpr double crossing = 1e6;

double cost(const Candidate& candidate, std::size_t rank, const std::vector<Box>& placed,
            const std::vector<Obstacle>& lines, const Box& drawing) {
    const Box& box = candidate.box;
    // Near its segment a label names it best.
    double total = 0.3 * double(rank) + candidate.distance * candidate.distance / 20;
    for (const Box& other : placed)
        if (box.overlaps(other, 3)) total += 10 * crossing;
    // A line may pass a pixel from the text's box, not nearer: half a pixel
    // more for the numbers the SVG rounds to a tenth.
    const Box inner{box.left + 0.5, box.top + 0.5, box.right - 0.5, box.bottom - 0.5};
    for (const Obstacle& line : lines)
        if (segmentCrosses(line.a, line.b, inner)) total += crossing * line.weight;
    // Labels far outside the drawing widen the figure, which a phone then shrinks.
    total += 0.5 * std::max(0.0, drawing.left - 40 - box.left) + 0.5 * std::max(0.0, box.right - drawing.right - 40);
    return total;
}

// Beside the drawing, level with the segment's middle or as near it as a free
// place is: a place no line crosses, for a label no place near its segment
// leaves room for.
Candidate besideTheDrawing(const LabelRequest& request, double width, double height, const std::vector<Box>& placed,
                           const Box& drawing) {
    const Point middle = 0.5 * (request.a + request.b);
    const bool right = middle.x >= drawing.centre().x;
    const double x = right ? drawing.right + 4 + width / 2 : drawing.left - 4 - width / 2;
    for (int step = 0;; ++step) {
        const double dy = (step % 2 == 0 ? 1 : -1) * ((step + 1) / 2) * (height + 4);
        const Box box = boxAround({x, middle.y + dy}, width, height);
        if (std::none_of(placed.begin(), placed.end(), [&](const Box& other) { return box.overlaps(other, 3); }))
            return {box, length(box.centre() - middle)};
    }
}

}  // namespace

std::vector<Box> placeLabels(const std::vector<LabelRequest>& requests, const std::vector<Obstacle>& lines,
                             const Box& drawing, double fontSize) {
    std::vector<Box> placed;
    for (const LabelRequest& request : requests) {
        const double width = textWidth(request.text, fontSize) + 4, height = fontSize * 1.15;
        const std::vector<Candidate> boxes = candidates(request, width, height);
        std::size_t best = 0;
        double bestCost = 1e300;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            const double c = cost(boxes[i], i, placed, lines, drawing);
            if (c < bestCost) bestCost = c, best = i;
        }
        placed.push_back(bestCost < crossing ? boxes[best].box
                                             : besideTheDrawing(request, width, height, placed, drawing).box);
    }
    return placed;
}

std::vector<std::vector<LegendItem>> wrapped(const std::vector<LegendItem>& items, double width, double fontSize) {
    std::vector<std::vector<LegendItem>> lines(1);
    double used = 0;
    for (const LegendItem& item : items) {
        // Word by word, each word keeping the blank after it; a given or a
        // quantity found ("a = 12 cm, ") whole.
        const bool whole = item.ink != Ink::Edge;
        for (std::size_t start = 0; start < item.text.size();) {
            const std::size_t blank = whole ? std::string::npos : item.text.find(' ', start);
            const std::size_t end = blank == std::string::npos ? item.text.size() : blank + 1;
            const std::string word = item.text.substr(start, end - start);
            start = end;
            const double w = textWidth(word, fontSize);
            if (used + w > width + textWidth(" ", fontSize) && used > 0) {
                lines.emplace_back();
                used = 0;
            }
            std::vector<LegendItem>& line = lines.back();
            if (!line.empty() && line.back().ink == item.ink)
                line.back().text += word;
            else
                line.push_back({word, item.ink});
            used += w;
        }
    }
    for (std::vector<LegendItem>& line : lines)
        while (!line.empty() && line.back().text.ends_with(' ')) {
            line.back().text.pop_back();
            if (line.back().text.empty()) line.pop_back();
        }
    return lines;
}

}  // namespace solver::drawing
