// SPDX-License-Identifier: MIT
// The drawings of every solved school task, read back from their SVG: the
// figure well formed, each given named by its letter, readable on a phone;
// the net well formed, on A4 at the largest scale that fits, its faces
// covering the full surface, its polyhedra folding up (faces meeting along
// whole sides, the other sides pairing off in equal lengths, one tab a pair).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <sstream>

#include "drawing.h"
#include "parsed_task.h"
#include "printed_tasks.h"
#include "reader/read_and_solve.h"
#include "labels.h"
#include "school_tasks.h"
#include "solid_model.h"
#include "xml_reader.h"

namespace solver::testing {
namespace {

using drawing::figureSvg;
using drawing::netSvg;

struct Point {
    double x, y;
};

struct Drawn {
    std::string task;
    Outcome outcome;
    std::vector<std::string> asked;
};

// A prism or pyramid on every base the tables know, of each kind: obtuse and
// right triangles (a pyramid's apex over a point outside the base, or over
// its side), bases given by other measures than their own (P and B, an angle).
constexpr const char* solidsOnBases[] = {
    "prism-right-triangle a=3 b=4 h=5",
    "prism-isosceles-triangle a=6 b=5 h=4",
    "prism-triangle a=5 b=6 c=7 h=8",
    "prism-triangle a=3 b=4 c=6 h=1",
    "prism-rectangle a=3 b=4 h=12",
    "prism-rhombus d1=6 d2=8 h=10",
    "prism-rhombus P=20 B=24 h=3",
    "prism-parallelogram a=6 b=4 ha=3 h=5",
    "prism-parallelogram a=6 b=4 α=30° h=5",
    "prism-isosceles-trapezoid a=10 b=4 c=5 h=6",
    "prism-isosceles-trapezoid a=4 b=10 h1=4 h=5",
    "prism-right-trapezoid a=8 b=5 h1=4 h=6",
    "pyramid-right-triangle-edges a=6 b=8 h=12",
    "pyramid-right-triangle-faces a=6 b=8 h=4",
    "pyramid-isosceles-triangle-edges a=6 b=5 l=7",
    "pyramid-isosceles-triangle-faces a=6 b=5 h=2",
    "pyramid-triangle-edges a=5 b=6 c=7 h=4",
    "pyramid-triangle-edges a=3 b=4 c=6 h=2",
    "pyramid-triangle-faces a=13 b=14 c=15 k=5",
    "pyramid-rectangle-edges a=6 b=8 l=13",
    "pyramid-rhombus-faces d1=6 d2=8 h=4",
    "pyramid-rhombus-faces a=5 ha=4,8 k=5",
};

// Every solved row of the school table, regular prisms and pyramids of 3 to
// 12 sides and of 24, and prisms and pyramids on bases of other shapes.
std::vector<Drawn> solvedTasks() {
    std::vector<std::string> tasks;
    for (const auto* table : {&schoolTasks(), &frustumTasks(), &bodyTasks()})
        for (const SchoolTask& row : *table)
            if (row.status == Expect::Solved) tasks.emplace_back(row.task);
    for (int n : {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 24}) {
        tasks.push_back("prism n=" + std::to_string(n) + " a=2 h=3");
        tasks.push_back("pyramid n=" + std::to_string(n) + " a=2 h=3 R=?");
    }
    tasks.push_back("cylinder r=3 h=4 Q=? d=?");
    tasks.push_back("cone r=3 h=4 Q=? d=?");
    tasks.push_back("cone r=3cm h=4cm Q=?");
    tasks.push_back("box a=20 b=1 c=1");
    for (const char* task : solidsOnBases) tasks.emplace_back(task);
    std::vector<Drawn> drawn;
    for (const std::string& task : tasks) {
        const ParsedTask parsed = parseTask(task);
        drawn.push_back({task, solve(parsed.solid, parsed.givens, parsed.settings), parsed.asked});
    }
    return drawn;
}

XmlElement wellFormed(const std::string& svg) {
    XmlReader reader(svg);
    XmlElement root = reader.read();
    EXPECT_EQ(reader.error, "") << svg.substr(0, 400);
    EXPECT_EQ(root.tag, "svg");
    EXPECT_EQ(root.attribute("xmlns"), "http://www.w3.org/2000/svg");
    return root;
}

// Whether a <text> says "key = …" or "key ≈ …".
bool named(const XmlElement& root, const std::string& key, const std::string& inClass) {
    bool found = false;
    root.each([&](const XmlElement& e) {
        if (e.tag != "text" && e.tag != "tspan") return;
        if (!inClass.empty() && e.attribute("class") != inClass) return;
        for (const std::string_view sign : {" = ", " ≈ "}) {
            const auto at = e.content.find(key + std::string(sign));
            found = found || (at != std::string::npos &&
                              (at == 0 || std::string(" :,").find(e.content[at - 1]) != std::string::npos));
        }
    });
    return found;
}

// No two labels on one another: their boxes, estimated narrowly (0.45 em a
// letter, 12 pixels high), do not meet.
void expectLabelsApart(const XmlElement& root) {
    struct Label {
        std::string text;
        double x, y, halfWidth;
    };
    std::vector<Label> labels;
    root.each([&](const XmlElement& e) {
        if (e.tag != "text" || e.attribute("text-anchor") != "middle") return;
        const double letters =
            double(std::count_if(e.content.begin(), e.content.end(), [](char c) { return (c & 0xC0) != 0x80; }));
        labels.push_back(
            {e.content, std::stod(e.attribute("x")), std::stod(e.attribute("y")), letters * 0.45 * 15 / 2});
    });
    for (std::size_t i = 0; i < labels.size(); ++i)
        for (std::size_t j = i + 1; j < labels.size(); ++j)
            EXPECT_FALSE(std::fabs(labels[i].x - labels[j].x) < labels[i].halfWidth + labels[j].halfWidth &&
                         std::fabs(labels[i].y - labels[j].y) < 12)
                << labels[i].text << " over " << labels[j].text;
}

TEST(DrawingTest, FiguresNameTheGivensAndStayReadableOnAPhone) {
    for (const Drawn& task : solvedTasks()) {
        SCOPED_TRACE(task.task);
        ASSERT_EQ(task.outcome.status, Status::Solved);
        for (const Solution& solution : task.outcome.solutions) {
            const std::string svg = figureSvg(*task.outcome.solid, solution, {task.outcome.unit, task.asked});
            // A solid its givens do not fix (a triangle's side and height) is not drawn.
            if (svg.empty() && std::any_of(solution.quantities.begin(), solution.quantities.end(),
                                           [](const QuantityResult& q) { return !q.determined; }))
                continue;
            const XmlElement root = wellFormed(svg);
            for (const QuantityResult& q : solution.quantities)
                if (q.given) {
                    EXPECT_TRUE(named(root, q.key, "given")) << q.key;
                }
            // Shown in a 288-pixel column, the 14-pixel legend must stay at 12 pixels or more.
            EXPECT_LE(std::stod(root.attribute("width")), 336.0);
            EXPECT_EQ(root.attribute("font-size"), "15");
            root.each([](const XmlElement& e) {
                if (e.tag == "text" && !e.attribute("font-size").empty()) {
                    EXPECT_GE(std::stod(e.attribute("font-size")), 14.0);
                }
            });
            expectLabelsApart(root);
        }
    }
}

TEST(DrawingTest, FiguresLabelWhatWasFoundAndWhatTheTaskAsks) {
    const Outcome cone = solve("cone", {{"r", "3"}, {"h", "4"}});
    const XmlElement plain = wellFormed(figureSvg(*cone.solid, cone.solutions[0], {cone.unit}));
    EXPECT_TRUE(named(plain, "l", "found"));
    EXPECT_FALSE(named(plain, "Q", ""));  // the axial section only where given or asked
    const XmlElement asked = wellFormed(figureSvg(*cone.solid, cone.solutions[0], {cone.unit, {"Q"}}));
    EXPECT_TRUE(named(asked, "Q", "found"));
    // An angle is marked with an arc where the task gives or asks it, and only there.
    EXPECT_EQ(plain.content.find("α ="), std::string::npos);
    const Outcome sloped = solve("cone", {{"l", "8"}, {"α", "30°"}});
    const XmlElement marked = wellFormed(figureSvg(*sloped.solid, sloped.solutions[0], {sloped.unit, {"β"}}));
    EXPECT_TRUE(named(marked, "α", "given"));
    EXPECT_TRUE(named(marked, "β", "found"));
    int arcs = 0;
    marked.each([&](const XmlElement& e) { arcs += e.tag == "g" && e.attribute("class") == "angle-marks"; });
    EXPECT_EQ(arcs, 2);
    // The angle found is listed with the letters found under the drawing.
    const std::size_t foundList = marked.content.find("Намерено: ");
    ASSERT_NE(foundList, std::string::npos);
    EXPECT_NE(marked.content.find("β", foundList), std::string::npos) << marked.content.substr(foundList);
    // A cone ten times taller than wide says that its radius is drawn longer.
    const Outcome thin = solve("cone", {{"r", "1"}, {"h", "20"}});
    const XmlElement note = wellFormed(figureSvg(*thin.solid, thin.solutions[0], {thin.unit}));
    EXPECT_NE(note.content.find("Не в мащаб: отсечката r"), std::string::npos);
    EXPECT_EQ(plain.content.find("Не в мащаб"), std::string::npos);
    // A worksheet's figure hides what is asked: nothing is said to be found.
    EXPECT_NE(plain.content.find("Намерено: "), std::string::npos);
    Solution hidden = cone.solutions[0];
    for (QuantityResult& quantity : hidden.quantities)
        if (!quantity.given) quantity.text = "?";
    const XmlElement sheet = wellFormed(figureSvg(*cone.solid, hidden, {cone.unit}));
    EXPECT_NE(sheet.content.find("l = ?"), std::string::npos);
    EXPECT_EQ(sheet.content.find("Намерено"), std::string::npos);
    // For a page that keeps every rule in its own stylesheet: no <style>, the same classes.
    const std::string unstyled = figureSvg(*cone.solid, cone.solutions[0], {cone.unit, {}, false});
    EXPECT_EQ(unstyled.find("<style"), std::string::npos);
    EXPECT_NE(drawing::drawingStylesheet().find(".stereometry-figure .given{"), std::string::npos);
    EXPECT_NE(unstyled.find("class=\"given\""), std::string::npos);
}

// The letters a figure labels on its segments, in its order.
std::vector<std::string> labelledLetters(const XmlElement& root) {
    std::vector<std::string> letters;
    root.each([&](const XmlElement& e) {
        if (e.tag == "text" && e.attribute("text-anchor") == "middle") letters.push_back(e.content.substr(0, e.content.find(' ')));
    });
    std::sort(letters.begin(), letters.end());
    return letters;
}

// A worksheet's figure labels the givens and what its task asks, each unknown
// with "?", and draws in no other segment: nothing a student would take for
// more to find.
TEST(DrawingTest, SheetFiguresLabelOnlyTheGivensAndTheAsked) {
    const struct {
        std::string task;  // the givens, then KEY=? for each asked
        std::vector<std::string> labelled;
    } rows[] = {
        {"cube a=5 S=? V=?", {"a"}},
        {"cube a=5 d=?", {"a", "d"}},
        {"cube V=125 a=?", {"a"}},
        {"box a=3 b=4 c=12 S1=?", {"a", "b", "c"}},
        {"box a=3 b=4 V=60 c=? d=?", {"a", "b", "c", "d"}},
        {"cone r=3 h=4 S1=? V=?", {"h", "r"}},
        {"cone r=3 h=4 l=?", {"h", "l", "r"}},
        {"cone r=3 S=15π h=?", {"h", "r"}},
        {"cylinder r=3 h=4 Q=?", {"Q", "h", "r"}},
        {"pyramid n=4 a=6 h=4 S=?", {"a", "h"}},
        {"pyramid n=4 a=6 h=4 k=? V=?", {"a", "h", "k"}},
        {"pyramid n=6 h=4 k1=3 k=?", {"h", "k", "k1"}},
        {"polygon n=6 a=2 B=? R=?", {"R", "a"}},
        {"sphere S=36π r=?", {"r"}},
        {"sphere r=3 V=?", {"r"}},
        {"prism-rhombus d1=6 d2=8 h=10 S=?", {"d1", "d2", "h"}},
        {"prism-rhombus d1=6 d2=8 h=10 a=?", {"a", "d1", "d2", "h"}},
        {"prism-isosceles-trapezoid a=10 b=4 c=5 h=6 h1=? d=?", {"a", "b", "c", "d", "h", "h1"}},
        {"pyramid-rectangle-edges a=6 b=8 l=13 h=? ka=?", {"a", "b", "h", "ka", "l"}},
        {"pyramid-rhombus-faces d1=6 d2=8 h=4 k=? r=?", {"d1", "d2", "h", "k", "r"}},
        {"pyramid-triangle-edges a=3 b=4 c=6 h=2 R=?", {"R", "a", "b", "c", "h"}},
        {"rhombus d1=6 d2=8 a=?", {"a", "d1", "d2"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.task);
        const ParsedTask parsed = parseTask(row.task);
        const Outcome outcome = solve(parsed.solid, parsed.givens, parsed.settings);
        ASSERT_EQ(outcome.status, Status::Solved);
        Solution hidden = outcome.solutions.front();
        for (QuantityResult& quantity : hidden.quantities)
            if (!quantity.given) quantity.text = "?";
        const XmlElement root = wellFormed(figureSvg(
            *outcome.solid, hidden, {.unit = outcome.unit, .asked = parsed.asked, .onlyAsked = true}));
        EXPECT_EQ(labelledLetters(root), row.labelled);
        EXPECT_EQ(root.content.find("Намерено"), std::string::npos);
    }
}

// ---- Labels clear of the lines ----

// The lines of a figure's strokes, arcs as short chords: from each <path> of
// its edges, hidden edges, segments, construction lines and marks.
std::vector<std::pair<drawing::Point, drawing::Point>> strokesOf(const XmlElement& root, bool faces = false) {
    std::vector<std::pair<drawing::Point, drawing::Point>> lines;
    root.each([&](const XmlElement& e) {
        if (faces && e.tag == "polygon") {
            std::istringstream points(e.attribute("points"));
            std::vector<drawing::Point> corners;
            for (std::string pair; points >> pair;)
                corners.push_back({std::stod(pair), std::stod(pair.substr(pair.find(',') + 1))});
            for (std::size_t i = 0; i < corners.size(); ++i) lines.push_back({corners[i], corners[(i + 1) % corners.size()]});
        }
        if (faces && e.tag == "circle") {
            const double cx = std::stod(e.attribute("cx")), cy = std::stod(e.attribute("cy")), r = std::stod(e.attribute("r"));
            for (int i = 0; i < 96; ++i) {
                const double t = 2 * std::numbers::pi * i / 96, u = 2 * std::numbers::pi * (i + 1) / 96;
                lines.push_back({{cx + r * std::cos(t), cy + r * std::sin(t)}, {cx + r * std::cos(u), cy + r * std::sin(u)}});
            }
        }
        if (e.tag != "path" || (!faces && e.attributes.contains("data-face"))) return;
        std::istringstream d(e.attribute("d"));
        drawing::Point at{}, start{};
        for (char command; d >> command;) {
            if (command == 'M') {
                d >> at.x >> at.y;
                start = at;
            } else if (command == 'L') {
                drawing::Point to;
                d >> to.x >> to.y;
                lines.push_back({at, to});
                at = to;
            } else if (command == 'A') {
                // An arc of an ellipse with its axes level: its centre from
                // its ends, as SVG defines it, then sampled.
                double rx, ry, rotation, x, y;
                int large, sweep;
                d >> rx >> ry >> rotation >> large >> sweep >> x >> y;
                const double x1 = (at.x - x) / 2, y1 = (at.y - y) / 2;
                double scale = x1 * x1 / (rx * rx) + y1 * y1 / (ry * ry);
                if (scale > 1) rx *= std::sqrt(scale), ry *= std::sqrt(scale);
                const double numerator = rx * rx * ry * ry - rx * rx * y1 * y1 - ry * ry * x1 * x1;
                double factor = std::sqrt(std::max(0.0, numerator / (rx * rx * y1 * y1 + ry * ry * x1 * x1)));
                if (large == sweep) factor = -factor;
                const double cx = factor * rx * y1 / ry + (at.x + x) / 2, cy = -factor * ry * x1 / rx + (at.y + y) / 2;
                const double from = std::atan2((at.y - cy) / ry, (at.x - cx) / rx);
                double span = std::atan2((y - cy) / ry, (x - cx) / rx) - from;
                if (sweep && span < 0) span += 2 * std::numbers::pi;
                if (!sweep && span > 0) span -= 2 * std::numbers::pi;
                drawing::Point previous = at;
                for (int i = 1; i <= 32; ++i) {
                    const double t = from + span * i / 32;
                    const drawing::Point next{cx + rx * std::cos(t), cy + ry * std::sin(t)};
                    lines.push_back({previous, next});
                    previous = next;
                }
                at = {x, y};
            } else if (command == 'Z') {
                lines.push_back({at, start});
                at = start;
            }
        }
    });
    return lines;
}

struct PlacedLabel {
    std::string text;
    drawing::Box box;
};

// Each label's box as placed: its text's width as the drawing measures it, at
// 15 pixels, round the point its <text> is centred on.
std::vector<PlacedLabel> labelsOf(const XmlElement& root) {
    std::vector<PlacedLabel> labels;
    root.each([&](const XmlElement& e) {
        if (e.tag != "text" || e.attribute("text-anchor") != "middle") return;
        const double x = std::stod(e.attribute("x")), y = std::stod(e.attribute("y")) - 0.35 * 15;
        const double halfWidth = (drawing::textWidth(e.content, 15) + 4) / 2, halfHeight = 15 * 1.15 / 2;
        labels.push_back({e.content, {x - halfWidth, y - halfHeight, x + halfWidth, y + halfHeight}});
    });
    return labels;
}

// No label crosses a line of the figure or another label.
std::vector<std::string> labelsOnLines(const XmlElement& root) {
    std::vector<std::string> faults;
    const auto lines = strokesOf(root);
    const auto labels = labelsOf(root);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const drawing::Box& box = labels[i].box;
        const drawing::Box inner{box.left + 1, box.top + 1, box.right - 1, box.bottom - 1};
        for (const auto& [a, b] : lines)
            if (drawing::segmentCrosses(a, b, inner)) {
                faults.push_back("„" + labels[i].text + "“ on a line");
                break;
            }
        for (std::size_t j = i + 1; j < labels.size(); ++j)
            if (box.overlaps(labels[j].box)) faults.push_back("„" + labels[i].text + "“ over „" + labels[j].text + "“");
    }
    return faults;
}

// Every solid over a range of its measures: thin and wide, flat and tall,
// few sides and many, the figure as the problems page draws it (what was
// found drawn in too) and as a sheet does (its unknowns as "?").
std::vector<std::string> figuresAcrossMeasures() {
    std::vector<std::string> tasks;
    for (const char* a : {"1", "5", "20"}) tasks.push_back(std::string("cube a=") + a + " d=? d1=?");
    for (const char* edges : {"a=1 b=1 c=1", "a=20 b=1 c=1", "a=1 b=20 c=1", "a=1 b=1 c=20", "a=3 b=4 c=12",
                              "a=10 b=2 c=7", "a=2 b=9 c=3"})
        tasks.push_back(std::string("box ") + edges + " d=?");
    for (int n : {3, 4, 5, 6, 8, 12, 24, 100})
        for (const char* size : {"a=1 h=3", "a=5 h=1", "a=2 h=20"})
            tasks.push_back("prism n=" + std::to_string(n) + " " + size);
    for (int n : {3, 4, 5, 6, 8, 12, 24, 100, 1000})
        for (const char* size : {"a=2 h=1", "a=6 h=4", "a=2 h=20"}) {
            tasks.push_back("pyramid n=" + std::to_string(n) + " " + size + " R=? r=?");
            tasks.push_back("pyramid n=" + std::to_string(n) + " " + size + " k1=?");
        }
    for (const char* solid : {"cylinder", "cone"})
        for (const char* size : {"r=1 h=1", "r=3 h=4", "r=10 h=1", "r=1 h=20", "r=9 h=9"})
            tasks.push_back(std::string(solid) + " " + size + " Q=? d=?");
    tasks.push_back("cone S=15π V=12π Q=?");
    // The angles given, marked with an arc at their vertex.
    for (const char* task : {"cone l=8 α=30°", "cone l=10 β=90°", "cone r=3 α=75°", "pyramid n=4 a=6 φ=60°",
                             "pyramid n=4 b=8 α=45°", "pyramid n=3 h=2 φ=30°", "pyramid n=6 a=2 α=60°",
                             "box a=3 b=4 α=30°", "box a=10 b=2 α=60°", "prism n=4 d1=10 α=30°", "prism n=6 a=2 α=70°",
                             "cylinder r=3 h=4 α=?", "cylinder d=6 α=60°", "cylinder r=1 h=10 α=?",
                             "cylinder d1=10 α=30° Q=?", "cone-frustum r1=6 r2=3 h=4 α=?", "cone-frustum r1=5 r2=1 α=60°",
                             "cone-frustum r1=10 r2=8 α=30° Q=?",
                             "pyramid-frustum n=4 a1=8 a2=2 h=4 α=? φ=?", "pyramid-frustum n=4 a1=10 a2=4 φ=60°",
                             "pyramid-frustum n=3 a1=6 a2=3 α=45°", "pyramid-frustum n=6 a1=4 a2=1 h=8 φ=?"})
        tasks.emplace_back(task);
    for (const char* r : {"1", "7", "100"}) tasks.push_back(std::string("sphere r=") + r + " d=?");
    // The sphere about the solid and the ball in it, with the solid's own labels around them.
    for (const char* task : {"cube a=2 Rc=?", "cube a=4 ri=?", "box a=2 b=3 c=6 Rc=?", "cylinder r=4 h=6 Rc=?",
                             "cylinder r=3 h=6 ri=?", "cone r=6 h=8 ri=?", "cone r=4 h=8 Rc=?", "cone r=4 h=2 Rc=?",
                             "prism n=3 a=6 h=4 Rc=?", "prism n=6 a=2 ri=?", "pyramid n=4 a=4 h=4 Rc=?",
                             "pyramid n=4 a=6 h=4 ri=?", "cone-frustum r1=4 r2=1 ri=?", "cone-frustum r1=4 r2=3 h=7 Rc=?",
                             "pyramid-frustum n=4 a1=8 a2=2 ri=?", "pyramid-frustum n=4 a1=8 a2=2 h=4 Rc=?"})
        tasks.emplace_back(task);
    for (int n : {3, 4, 5, 6, 12, 100}) tasks.push_back("polygon n=" + std::to_string(n) + " a=2 r=? R=?");
    for (const char* task : solidsOnBases) tasks.emplace_back(task);
    for (const char* h : {"1", "30"}) {
        tasks.push_back(std::string("prism-rhombus d1=6 d2=8 h=") + h + " V=?");
        tasks.push_back(std::string("prism-isosceles-trapezoid a=10 b=4 c=5 h=") + h);
        tasks.push_back(std::string("pyramid-rectangle-edges a=6 b=8 h=") + h + " R=?");
        tasks.push_back(std::string("pyramid-triangle-faces a=13 b=14 c=15 h=") + h);
    }
    // Bodies of two solids, low and wide, tall and narrow.
    for (const char* body : {"cylinder-cone r=3 h1=5 h2=4 l=?", "cylinder-cone r=10 h1=1 h2=1 l=?",
                             "cylinder-cone r=1 h1=20 h2=6 l=?", "cylinder-hemisphere r=3 h=5 H=?",
                             "cylinder-hemisphere r=10 h=1", "cylinder-hemisphere r=1 h=20", "cone-hemisphere r=3 h=4 l=?",
                             "cone-hemisphere r=10 h=1 l=?", "cone-hemisphere r=1 h=20 l=?", "cone-hemisphere r=6 H=14",
                             "hollow-cylinder R=5 r=3 h=10", "hollow-cylinder R=10 r=9 h=1", "prism-pyramid a=6 h1=4 h2=4 k=?",
                             "prism-pyramid a=2 h1=20 h2=1 k=?", "double-cone r=3 h1=4 h2=4 l1=?",
                             "cylinder-without-cone r=4 h1=9 h2=3 l=?", "cylinder-two-cones r=4 h1=6 h2=3 l=?",
                             "cylinder-without-two-cones r=4 h1=12 h2=3 l=?",
                             // A rhombus about its longer diagonal, square and flat.
                             "double-cone c=12 d=10 l2=l1 V=?", "double-cone c=8 d=6 l2=l1 V=?",
                             "double-cone c=30 d=4 l2=l1 V=?", "double-cone c=12 d=11 l2=l1 V=?",
                             "double-cone l1=6 l2=6 γ=90° V=?", "double-cone l1=5 l2=12 γ=90° r=?"})
        tasks.push_back(body);
    for (const char* base : {"right-triangle a=3 b=4", "rhombus d1=6 d2=8", "parallelogram a=6 b=4 ha=3",
                             "triangle a=3 b=4 c=6", "isosceles-trapezoid a=10 b=4 h1=4", "right-trapezoid a=8 b=5 h1=4"})
        tasks.push_back(base);
    return tasks;
}

// Every figure of a solved task, as the problems page draws it and as a sheet
// does: the labels that cross a line or another label.
void labelFaultsOf(const std::string& task, const Outcome& outcome, const std::vector<std::string>& asked,
                   std::vector<std::string>& faults, int& figures) {
    if (outcome.status != Status::Solved) {
        faults.push_back(task + ": " + outcome.message);
        return;
    }
    for (const Solution& solution : outcome.solutions) {
        std::vector<std::string> found = asked;
        for (const QuantityResult& q : solution.quantities)
            if (q.determined && !q.given) found.push_back(q.key);
        Solution sheet = solution;
        for (QuantityResult& q : sheet.quantities)
            if (!q.given) q.text = "?";
        for (const std::string& svg :
             {figureSvg(*outcome.solid, solution, {.unit = outcome.unit, .asked = found}),
              figureSvg(*outcome.solid, sheet, {.unit = outcome.unit, .asked = asked, .onlyAsked = true})}) {
            if (svg.empty()) continue;  // a solid drawn by no figure
            ++figures;
            for (const std::string& fault : labelsOnLines(wellFormed(svg))) faults.push_back(task + ": " + fault);
        }
    }
}

void labelFaultsOf(const std::string& task, std::vector<std::string>& faults, int& figures) {
    const ParsedTask parsed = parseTask(task);
    labelFaultsOf(task, solve(parsed.solid, parsed.givens, parsed.settings), parsed.asked, faults, figures);
}

TEST(DrawingTest, LabelsNeverCrossALineOrAnotherLabel) {
    std::vector<std::string> faults;
    int figures = 0;
    for (const std::string& task : figuresAcrossMeasures()) labelFaultsOf(task, faults, figures);
    // And every school task the solver solves, with its own measures, and every printed one read.
    for (const SchoolTask& task : schoolTasks())
        if (task.status == Expect::Solved) labelFaultsOf(std::string(task.task), faults, figures);
    for (const PrintedTask& task : printedTasks()) {
        if (task.status != Printed::Solved) continue;
        const reader::TextOutcome read = reader::readAndSolve(task.text);
        labelFaultsOf(std::string(task.text.substr(0, 60)), read.outcome, read.asked, faults, figures);
    }
    EXPECT_GT(figures, 700);
    std::string report;
    for (std::size_t i = 0; i < faults.size() && i < 300; ++i) report += "\n  " + faults[i];
    EXPECT_TRUE(faults.empty()) << faults.size() << " faults" << report;
}

// A figure's edges, seen and hidden (its first two paths), as sorted
// segments moved so that the drawing's lowest left corner is the origin.
std::pair<std::vector<std::string>, std::vector<std::string>> edgesOf(const XmlElement& root) {
    std::vector<const XmlElement*> paths;
    root.each([&](const XmlElement& e) {
        if (e.tag == "path" && paths.size() < 2) paths.push_back(&e);
    });
    std::vector<std::vector<std::pair<drawing::Point, drawing::Point>>> lines;
    double left = 1e300, top = 1e300;
    for (const XmlElement* path : paths) {
        XmlElement alone;
        alone.tag = "svg";
        alone.children.push_back(*path);
        lines.push_back(strokesOf(alone));
        for (const auto& [a, b] : lines.back()) left = std::min({left, a.x, b.x}), top = std::min({top, a.y, b.y});
    }
    std::vector<std::vector<std::string>> texts;
    for (const auto& group : lines) {
        std::vector<std::string> segments;
        for (auto [a, b] : group) {
            auto text = [&](drawing::Point p) {
                return std::to_string(std::lround(p.x - left)) + "," + std::to_string(std::lround(p.y - top));
            };
            segments.push_back(std::min(text(a), text(b)) + " " + std::max(text(a), text(b)));
        }
        std::sort(segments.begin(), segments.end());
        texts.push_back(segments);
    }
    texts.resize(2);
    return {texts[0], texts[1]};
}

// A prism on a rectangle is drawn as the box of its edges, and on a square
// (or a pyramid with equal edges on one) as the regular one: the same edges
// seen and the same hidden, dashed.
TEST(DrawingTest, ABaseOfItsOwnShapeIsDrawnAsTheSolidsThatShareIt) {
    const std::pair<const char*, const char*> rows[] = {
        {"prism-rectangle a=3 b=4 h=12", "box a=3 b=4 c=12"},
        {"prism-rectangle a=3 b=3 h=5", "prism n=4 a=3 h=5"},
        {"pyramid-rectangle-edges a=6 b=6 h=4", "pyramid n=4 a=6 h=4"},
    };
    for (const auto& [onBase, same] : rows) {
        SCOPED_TRACE(onBase);
        std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>> edges;
        for (const char* task : {onBase, same}) {
            const ParsedTask parsed = parseTask(task);
            const Outcome outcome = solve(parsed.solid, parsed.givens, parsed.settings);
            ASSERT_EQ(outcome.status, Status::Solved) << task;
            const Solution& solution = outcome.solutions.front();
            edges.push_back(
                edgesOf(wellFormed(figureSvg(*outcome.solid, solution, {.unit = outcome.unit, .onlyAsked = true}))));
        }
        EXPECT_FALSE(edges[0].second.empty());
        EXPECT_EQ(edges[0].first, edges[1].first);
        EXPECT_EQ(edges[0].second, edges[1].second);
    }
}

// A pyramid or prism of many sides is drawn as its outline, not a mass of
// edges: from the pyramid's apex only the outline's two edges and the task's
// segments (b, k, h) go down, and of the prism's side edges only the outline's
// two and h stand.
TEST(DrawingTest, ManySidedSolidsAreDrawnByTheirOutline) {
    for (int n : {13, 24, 100, 1000}) {
        SCOPED_TRACE(n);
        const Outcome pyramid = solve("pyramid", {{"n", std::to_string(n)}, {"a", "2"}, {"h", "4"}});
        const auto lines = strokesOf(wellFormed(figureSvg(*pyramid.solid, pyramid.solutions.at(0), {pyramid.unit})));
        double top = 1e300;
        for (const auto& [a, b] : lines) top = std::min({top, a.y, b.y});
        const auto fromApex = std::count_if(lines.begin(), lines.end(), [&](const auto& line) {
            return std::fabs(line.first.y - top) < 0.5 || std::fabs(line.second.y - top) < 0.5;
        });
        EXPECT_LE(fromApex, 5);
        const Outcome prism = solve("prism", {{"n", std::to_string(n)}, {"a", "1"}, {"h", "3"}});
        const auto edges = strokesOf(wellFormed(figureSvg(*prism.solid, prism.solutions.at(0), {prism.unit})));
        const auto standing = std::count_if(edges.begin(), edges.end(), [](const auto& line) {
            return std::fabs(line.first.x - line.second.x) < 0.5 && std::fabs(line.first.y - line.second.y) > 10;
        });
        EXPECT_LE(standing, 3);
    }
    // Twelve sides and fewer: every edge.
    const Outcome twelve = solve("pyramid", {{"n", "12"}, {"a", "2"}, {"h", "4"}});
    const auto lines = strokesOf(wellFormed(figureSvg(*twelve.solid, twelve.solutions.at(0), {twelve.unit})));
    double top = 1e300;
    for (const auto& [a, b] : lines) top = std::min({top, a.y, b.y});
    EXPECT_GE(std::count_if(lines.begin(), lines.end(), [&](const auto& line) {
                  return std::fabs(line.first.y - top) < 0.5 || std::fabs(line.second.y - top) < 0.5;
              }),
              12);
}

// The cylinder's and the frustums' angles: marked with an arc and labelled
// where the task gives or asks them, with the lines they sit between, and
// nowhere else.
struct MarkedAngles {
    const char* task;
    std::vector<std::string> asked;
    std::vector<std::pair<std::string, std::string>> labelled;  // the angle's key, "given" or "found"
};

TEST(DrawingTest, AnglesAreMarkedOnTheCylinderAndTheFrustums) {
    const MarkedAngles rows[] = {
        {"cylinder r=3 h=4", {}, {}},
        {"cylinder r=3 h=4", {"α"}, {{"α", "found"}, {"d1", "found"}}},
        {"cylinder d=6 α=60°", {"h"}, {{"α", "given"}}},
        {"cone-frustum r1=6 r2=3 h=4", {"l"}, {}},
        {"cone-frustum r1=6 r2=3 h=4", {"α"}, {{"α", "found"}}},
        {"cone-frustum r1=5 r2=1 α=60°", {"h", "Q"}, {{"α", "given"}}},
        {"pyramid-frustum n=4 a1=8 a2=2 h=4", {"k"}, {}},
        {"pyramid-frustum n=4 a1=8 a2=2 h=4", {"α", "φ"}, {{"α", "found"}, {"φ", "found"}}},
        {"pyramid-frustum n=4 a1=10 a2=4 φ=60°", {"k"}, {{"φ", "given"}}},
        {"pyramid-frustum n=3 a1=6 a2=3 α=45°", {"h"}, {{"α", "given"}}},
    };
    for (const MarkedAngles& row : rows) {
        SCOPED_TRACE(std::string(row.task) + " asked " + std::to_string(row.asked.size()));
        const ParsedTask parsed = parseTask(row.task);
        const Outcome outcome = solve(parsed.solid, parsed.givens, parsed.settings);
        ASSERT_EQ(outcome.status, Status::Solved);
        const XmlElement root =
            wellFormed(figureSvg(*outcome.solid, outcome.solutions.at(0), {outcome.unit, row.asked}));
        int arcs = 0, angles = 0;
        root.each([&](const XmlElement& e) { arcs += e.tag == "g" && e.attribute("class") == "angle-marks"; });
        for (const auto& [key, ink] : row.labelled) {
            EXPECT_TRUE(named(root, key, ink)) << key;
            angles += key == "α" || key == "φ";
        }
        EXPECT_EQ(arcs, angles);
        for (const char* key : {"α", "φ"})
            if (std::none_of(row.labelled.begin(), row.labelled.end(), [&](const auto& l) { return l.first == key; })) {
                EXPECT_FALSE(named(root, key, "")) << key;
            }
    }
}

// The sphere about a solid and the ball in it are drawn where the task names
// them: one more centre marked on the solid's axis for each, its radius labelled.
TEST(DrawingTest, SpheresAboutAndInASolidAreDrawnWithTheirRadius) {
    const std::pair<const char*, std::vector<std::pair<std::string, std::string>>> rows[] = {
        {"cube a=2", {}},
        {"cube a=2 Rc=?", {{"Rc", "found"}}},
        {"cube a=2 Rc=? ri=?", {{"Rc", "found"}, {"ri", "found"}}},
        {"cone ri=3 h=8", {{"ri", "given"}}},
        {"pyramid n=4 a=4 h=4 Rc=?", {{"Rc", "found"}}},
        {"cone-frustum r1=4 r2=1 ri=?", {{"ri", "found"}}},
        {"cylinder Rc=5 h=6", {{"Rc", "given"}}},
    };
    auto dotsOf = [](const XmlElement& root) {
        int dots = 0;
        root.each([&](const XmlElement& e) {
            if (e.attribute("class") == "dots") dots = int(e.children.size());
        });
        return dots;
    };
    std::map<std::string, int> plain;
    for (const auto& [task, labelled] : rows) {
        SCOPED_TRACE(task);
        const ParsedTask parsed = parseTask(task);
        const Outcome outcome = solve(parsed.solid, parsed.givens, parsed.settings);
        ASSERT_EQ(outcome.status, Status::Solved);
        const XmlElement root = wellFormed(figureSvg(*outcome.solid, outcome.solutions.at(0), {outcome.unit, parsed.asked}));
        for (const auto& [key, ink] : labelled) EXPECT_TRUE(named(root, key, ink)) << key;
        if (labelled.empty()) plain[parsed.solid] = dotsOf(root);
        else if (plain.contains(parsed.solid)) EXPECT_EQ(dotsOf(root), plain[parsed.solid] + int(labelled.size()));
        else EXPECT_GE(dotsOf(root), 1 + int(labelled.size()));
    }
}

// The cone's sector angle on its net, for cones wide and narrow: on no cut,
// fold or face's line, clear of the faces' names.
TEST(DrawingTest, TheSectorAngleOfTheConesNetStandsClearOfItsLines) {
    for (const char* r : {"1", "2", "3", "5", "10"})
        for (const char* h : {"1", "4", "7,5", "20", "50"}) {
            SCOPED_TRACE(std::string("cone r=") + r + " h=" + h);
            const Outcome outcome = solve("cone", {{"r", r}, {"h", h}});
            const XmlElement root = wellFormed(netSvg(*outcome.solid, outcome.solutions.at(0), {outcome.unit}).svg);
            const auto lines = strokesOf(root, true);
            std::vector<drawing::Box> names;
            std::optional<drawing::Box> angle;
            root.each([&](const XmlElement& e) {
                if (e.tag != "text" || e.attribute("font-size").empty()) return;
                const double size = std::stod(e.attribute("font-size"));
                const double x = std::stod(e.attribute("x")), y = std::stod(e.attribute("y")) - 0.35 * size;
                const double half = drawing::textWidth(e.content, size) / 2, halfHeight = 0.5 * size;
                const drawing::Box box{x - half, y - halfHeight, x + half, y + halfHeight};
                if (e.content.starts_with("α")) angle = box;
                else if (e.attribute("transform").empty() && e.attribute("text-anchor").empty() && x > 5) names.push_back(box);
            });
            ASSERT_TRUE(angle);
            for (const auto& [a, b] : lines) EXPECT_FALSE(drawing::segmentCrosses(a, b, *angle)) << a.x << "," << a.y;
            for (const drawing::Box& name : names) EXPECT_FALSE(angle->overlaps(name));
        }
}

// A base given by P and B alone is drawn as a polygon that has them, round
// the circle of radius 2B : P (so that a pyramid's apothems are equal); where
// none has them, the figure says so.
TEST(DrawingTest, ABaseOfAnyShapeIsDrawnWithItsPerimeterAndArea) {
    const struct { double perimeter, area; } rows[] = {{24, 36}, {10, 6}, {100, 100}, {12.6, 12.5}, {3.6, 1}};
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.perimeter) + " " + std::to_string(row.area));
        const auto base = drawing::polygonWithPerimeterAndArea(row.perimeter, row.area, 0);
        ASSERT_TRUE(base);
        double perimeter = 0, twiceArea = 0;
        for (std::size_t i = 0; i < base->size(); ++i) {
            const drawing::Point p = (*base)[i], q = (*base)[(i + 1) % base->size()];
            perimeter += std::hypot(q.x - p.x, q.y - p.y);
            twiceArea += p.x * q.y - q.x * p.y;
            // Each side touches the circle: its distance from the centre is the inradius.
            EXPECT_NEAR(std::fabs(p.x * q.y - q.x * p.y) / std::hypot(q.x - p.x, q.y - p.y),
                        2 * row.area / row.perimeter, 1e-9);
        }
        EXPECT_NEAR(perimeter, row.perimeter, 1e-9 * row.perimeter);
        EXPECT_NEAR(std::fabs(twiceArea) / 2, row.area, 1e-9 * row.area);
    }
    EXPECT_FALSE(drawing::polygonWithPerimeterAndArea(10, 100, 0));  // more than P² : (4π)
    // The solver answers such a task with none, so no figure of it is asked for.
    EXPECT_EQ(solve("prism", {{"P", "10"}, {"B", "100"}, {"h", "5"}}).status, Status::None);
}

// ---- Nets ----

std::vector<Point> pointsOf(const std::string& text) {
    std::vector<Point> points;
    std::istringstream in(text);
    for (std::string pair; in >> pair;) points.push_back({std::stod(pair), std::stod(pair.substr(pair.find(',') + 1))});
    return points;
}

double polygonArea(const std::vector<Point>& p) {
    double twice = 0;
    for (std::size_t i = 0; i < p.size(); ++i)
        twice += p[i].x * p[(i + 1) % p.size()].y - p[(i + 1) % p.size()].x * p[i].y;
    return std::fabs(twice) / 2;
}

// A sector "M cx cy L x1 y1 A R R 0 large sweep x2 y2 Z".
double sectorArea(const std::string& d) {
    std::istringstream in(d);
    char m, l, a, z;
    double cx, cy, x1, y1, rx, ry, rotation, x2, y2;
    int large, sweep;
    in >> m >> cx >> cy >> l >> x1 >> y1 >> a >> rx >> ry >> rotation >> large >> sweep >> x2 >> y2 >> z;
    EXPECT_TRUE(in && m == 'M' && l == 'L' && a == 'A' && z == 'Z' && sweep == 1) << d;
    EXPECT_NEAR(std::hypot(x1 - cx, y1 - cy), rx, 1e-3);
    double angle = std::atan2(y2 - cy, x2 - cx) - std::atan2(y1 - cy, x1 - cx);
    while (angle < 0) angle += 2 * std::numbers::pi;
    EXPECT_EQ(large == 1, angle > std::numbers::pi) << d;
    return rx * rx * angle / 2;
}

// A cone frustum's ring sector "M outer A R R 0 large 1 outer L inner A r r 0 large 0 inner Z": its radii and angle.
struct RingSector {
    double outer = 0, inner = 0, angle = 0;
};
RingSector ringSectorOf(const std::string& d) {
    std::istringstream in(d);
    char m, a1, l, a2, z;
    double x0, y0, outer, ry1, rotation1, x1, y1, x2, y2, inner, ry2, rotation2, x3, y3;
    int large1, sweep1, large2, sweep2;
    in >> m >> x0 >> y0 >> a1 >> outer >> ry1 >> rotation1 >> large1 >> sweep1 >> x1 >> y1 >> l >> x2 >> y2 >> a2 >>
        inner >> ry2 >> rotation2 >> large2 >> sweep2 >> x3 >> y3 >> z;
    EXPECT_TRUE(in && m == 'M' && a1 == 'A' && l == 'L' && a2 == 'A' && z == 'Z' && sweep1 == 1 && sweep2 == 0) << d;
    double angle = 2 * std::asin(std::min(1.0, std::hypot(x1 - x0, y1 - y0) / (2 * outer)));
    if (large1 == 1) angle = 2 * std::numbers::pi - angle;
    EXPECT_NEAR(2 * std::asin(std::min(1.0, std::hypot(x3 - x2, y3 - y2) / (2 * inner))),
                large1 == 1 ? 2 * std::numbers::pi - angle : angle, 1e-3)
        << d;
    return {outer, inner, angle};
}

double faceArea(const XmlElement& e) {
    if (e.tag == "polygon") return polygonArea(pointsOf(e.attribute("points")));
    if (e.tag == "rect") return std::stod(e.attribute("width")) * std::stod(e.attribute("height"));
    if (e.tag == "circle") return std::numbers::pi * std::pow(std::stod(e.attribute("r")), 2);
    const std::string d = e.attribute("d");
    if (e.tag == "path" && std::count(d.begin(), d.end(), 'A') == 2) {
        const RingSector ring = ringSectorOf(d);
        return (ring.outer * ring.outer - ring.inner * ring.inner) * ring.angle / 2;
    }
    if (e.tag == "path") return sectorArea(e.attribute("d"));
    ADD_FAILURE() << "a face drawn as <" << e.tag << ">";
    return 0;
}

// The plane figure a task turns is shaded in the body's axial section: half of
// it right of the axis, as much of its bounding box as the figure covers (a
// triangle half, a trapezoid by its bases), or the whole section, twice as wide
// and twice the area; none where no figure is turned (two cones on a common
// base not made by turning).
TEST(DrawingTest, TheFigureATaskTurnsIsShadedInTheBodysAxialSection) {
    const std::pair<const char*, double> rows[] = {
        {"cone r=6 h=8", 0.5},
        {"cylinder r=3 h=5", 1},
        {"cone-frustum r1=6 r2=3 h=4", 0.75},
        {"sphere r=3", 12 * std::sin(std::numbers::pi / 24) / 2},  // the half disc as 24 chords
        {"cylinder-cone r=4 h1=6 h2=3", 30.0 / 36},
        {"cylinder-without-cone r=4 h1=9 h2=3", 30.0 / 36},
        {"double-cone r=3 h1=4 h2=4", 0.5},  // a rhombus about its diagonal: the whole section a rhombus too
    };
    struct Shaded {
        int count = 0;
        double area = 0, width = 0, height = 0;
    };
    const auto shadedOf = [](const std::string& svg) {
        Shaded shaded;
        wellFormed(svg).each([&](const XmlElement& e) {
            if (e.tag != "polygon" || e.attribute("class") != "section-faint") return;
            const std::vector<Point> points = pointsOf(e.attribute("points"));
            const auto [left, right] = std::minmax_element(points.begin(), points.end(), [](Point a, Point b) { return a.x < b.x; });
            const auto [top, bottom] = std::minmax_element(points.begin(), points.end(), [](Point a, Point b) { return a.y < b.y; });
            shaded = {shaded.count + 1, polygonArea(points), right->x - left->x, bottom->y - top->y};
        });
        return shaded;
    };
    for (const auto& [task, share] : rows) {
        SCOPED_TRACE(task);
        const ParsedTask parsed = parseTask(task);
        const Outcome outcome = solve(parsed.solid, parsed.givens, parsed.settings);
        ASSERT_EQ(outcome.status, Status::Solved);
        const Solution& solution = outcome.solutions.at(0);
        EXPECT_EQ(shadedOf(figureSvg(*outcome.solid, solution, {.unit = outcome.unit})).count, 0);
        const Shaded half = shadedOf(figureSvg(*outcome.solid, solution, {.unit = outcome.unit, .turned = TurnedFigure::HalfSection}));
        const Shaded whole = shadedOf(figureSvg(*outcome.solid, solution, {.unit = outcome.unit, .turned = TurnedFigure::AxialSection}));
        ASSERT_EQ(half.count, 1);
        ASSERT_EQ(whole.count, 1);
        EXPECT_NEAR(half.area / (half.width * half.height), share, 0.01);
        EXPECT_NEAR(whole.width, 2 * half.width, 0.02 * half.width);
        EXPECT_NEAR(whole.height, half.height, 0.01 * half.height);
        EXPECT_NEAR(whole.area, 2 * half.area, 0.02 * half.area);
    }
}

struct Side {
    Point a, b;
    double length() const { return std::hypot(b.x - a.x, b.y - a.y); }
};
bool same(Point p, Point q) { return std::hypot(p.x - q.x, p.y - q.y) < 2e-3; }

bool inside(const std::vector<Point>& polygon, Point p) {
    bool in = false;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++)
        if ((polygon[i].y > p.y) != (polygon[j].y > p.y) &&
            p.x < (polygon[j].x - polygon[i].x) * (p.y - polygon[i].y) / (polygon[j].y - polygon[i].y) + polygon[i].x)
            in = !in;
    return in;
}

// The net of a polyhedron with `edges` edges folds up: its faces meet along
// whole sides in a tree, the sides left pair off in equal lengths, and each
// pair has one tab, on one of its sides, outside every face.
void expectFolds(const std::vector<std::vector<Point>>& faces, const std::vector<std::vector<Point>>& tabs, int edges) {
    std::vector<Side> sides;
    for (const auto& face : faces)
        for (std::size_t i = 0; i < face.size(); ++i) sides.push_back({face[i], face[(i + 1) % face.size()]});
    std::vector<Side> open;
    int shared = 0;
    for (const Side& s : sides) {
        const int matches = int(
            std::count_if(sides.begin(), sides.end(), [&](const Side& t) { return same(s.a, t.b) && same(s.b, t.a); }));
        EXPECT_LE(matches, 1);
        if (matches == 1)
            ++shared;
        else
            open.push_back(s);
    }
    EXPECT_EQ(shared / 2, int(faces.size()) - 1) << "the faces meet in a tree";
    ASSERT_EQ(int(open.size()), 2 * (edges - int(faces.size()) + 1));
    std::vector<double> lengths;
    for (const Side& s : open) lengths.push_back(s.length());
    std::sort(lengths.begin(), lengths.end());
    for (std::size_t i = 0; i + 1 < lengths.size(); i += 2) EXPECT_NEAR(lengths[i], lengths[i + 1], 2e-3);
    EXPECT_EQ(tabs.size(), open.size() / 2);
    for (const auto& tab : tabs) {
        EXPECT_TRUE(std::any_of(open.begin(), open.end(),
                                [&](const Side& s) { return same(s.a, tab[0]) && same(s.b, tab[1]); }));
        Point middle{(tab[0].x + tab[1].x + tab[2].x + tab[3].x) / 4, (tab[0].y + tab[1].y + tab[2].y + tab[3].y) / 4};
        for (const auto& face : faces) EXPECT_FALSE(inside(face, middle)) << "a tab over a face";
    }
}

// On a base of another shape, its sides are the base's corners, and every
// face of the net but its bases (or base) stands on one.
int polyhedronEdges(const Outcome& outcome, const Solution& solution, int faces) {
    const std::string_view key = outcome.solid->key, family = outcome.solid->family;
    if (key == "cube" || key == "box") return 12;
    if (key == "prism") return 3 * solution.sides;
    if (key == "pyramid") return 2 * solution.sides;
    if (key == "pyramid-frustum") return 3 * solution.sides;
    if (family == "prism") return 3 * (faces - 2);
    if (family == "pyramid") return 2 * (faces - 1);
    return 0;
}

double trueValue(const QuantityResult& q) { return q.exact ? double(q.exact->value(truePi)) : q.value; }

TEST(DrawingTest, NetsCoverTheFullSurfaceAtTheirScaleAndFold) {
    for (const Drawn& task : solvedTasks()) {
        SCOPED_TRACE(task.task);
        const Outcome& outcome = task.outcome;
        for (const Solution& solution : outcome.solutions) {
            const drawing::NetSvg net = netSvg(*outcome.solid, solution, {outcome.unit});
            const std::string_view key = outcome.solid->key;
            // No net without its measures: a sphere's, a base of any shape, or
            // what a grade's tools did not reach (on a base of a shape of its
            // own, its height: the base's sides are its givens or found before).
            const bool surface = solution.find("S1") && solution.find("S1")->determined;
            const bool onBase = !outcome.solid->family.empty();
            const bool fixed = std::all_of(outcome.solid->base.begin(), outcome.solid->base.end(),
                                           [&](std::string_view k) { return solution.find(k)->determined; });
            const bool withoutNet = !outcome.solid->registration->drawing.withoutNet.empty();
            if (key == "sphere" || key == "polygon" || withoutNet || (solution.sides == 0 && (key == "prism" || key == "pyramid")) ||
                !(onBase ? fixed : surface)) {
                EXPECT_EQ(net.svg, "");
                EXPECT_FALSE(net.message.empty());
                continue;
            }
            const XmlElement root = wellFormed(net.svg);
            EXPECT_EQ(root.attribute("width"),
                      root.attribute("width").substr(0, root.attribute("width").find("mm")) + "mm");
            const double width = std::stod(root.attribute("width")), height = std::stod(root.attribute("height"));
            EXPECT_TRUE((width <= 190 && height <= 277) || (width <= 277 && height <= 190)) << width << " × " << height;
            const double scale = std::stod(root.attribute("data-scale"));
            EXPECT_EQ(scale, net.scale);
            const double denominator = 1 / scale, decade = std::pow(10, std::floor(std::log10(denominator) + 1e-9));
            EXPECT_TRUE(std::fabs(denominator / decade - std::round(denominator / decade)) < 1e-9 &&
                        std::string("125").find(char('0' + std::lround(denominator / decade))) != std::string::npos)
                << denominator;
            const double millimetres =
                std::map<std::string, double>{{"mm", 1}, {"cm", 10}, {"dm", 100}, {"m", 1000}}.at(
                    root.attribute("data-unit"));

            double area = 0;
            std::vector<std::vector<Point>> faces, tabs;
            root.each([&](const XmlElement& e) {
                if (e.attributes.contains("data-face")) {
                    area += faceArea(e);
                    if (e.tag == "polygon") faces.push_back(pointsOf(e.attribute("points")));
                }
                if (e.attribute("class") == "tab") tabs.push_back(pointsOf(e.attribute("points")));
            });
            const double full = surface ? trueValue(*solution.find("S1")) : 0;
            // A given the task rounded (an apothem 8,65), or a surface a key
            // worked out with π ≈ 3,14 (471), is drawn as the solid's own measures make it.
            const bool keysNumbers = !solution.notes.empty() || task.task.find("--pi=") != std::string::npos;
            const double within = keysNumbers ? 1e-2 : 1e-4;
            if (surface) {
                EXPECT_NEAR(area / std::pow(scale * millimetres, 2), full, within * full);
            }
            if (const int edges = polyhedronEdges(outcome, solution, int(faces.size()))) expectFolds(faces, tabs, edges);
        }
    }
}

double sideLength(const std::vector<Point>& polygon, std::size_t i) {
    const Point p = polygon[i], q = polygon[(i + 1) % polygon.size()];
    return std::hypot(q.x - p.x, q.y - p.y);
}

// The net of a prism or a pyramid on a base of another shape, measured on the
// sheet: a prism's side faces a strip P long and h high whose widths are its
// bases' sides; a pyramid's side faces each over a side of its base, their
// other sides the lateral edge l where those are equal, their heights k where
// the faces lean alike; S, B and P as the solution has them.
TEST(DrawingTest, NetsOnBasesOfOtherShapesHaveTheSolutionsMeasures) {
    const struct {
        std::string task;
        std::size_t sides;
    } rows[] = {
        {"prism-rhombus d1=6 d2=8 h=10", 4},
        {"prism-right-triangle a=3 b=4 h=5", 3},
        {"prism-isosceles-trapezoid a=10 b=4 c=5 h=6", 4},
        {"prism-triangle a=3 b=4 c=6 h=1", 3},
        {"prism-right-trapezoid a=8 b=5 h1=4 h=6", 4},
        {"prism-parallelogram a=6 b=4 α=30° h=5", 4},
        {"pyramid-rectangle-edges a=6 b=8 l=13", 4},
        {"pyramid-rhombus-faces d1=6 d2=8 h=4", 4},
        {"pyramid-triangle-edges a=3 b=4 c=6 h=2", 3},  // the apex over a point outside the base
        {"pyramid-right-triangle-edges a=6 b=8 h=12", 3},  // over the hypotenuse's middle
        {"pyramid-triangle-faces a=13 b=14 c=15 k=5", 3},
        {"pyramid-isosceles-triangle-faces a=6 b=5 h=2", 3},
        {"pyramid-triangle-edges a=3 b=3 c=5,9 h=1", 3},  // its apex far outside the base
        {"pyramid-triangle-edges a=3 b=3 c=5,9 h=10", 3},
        {"pyramid-isosceles-triangle-edges a=10 b=5,2 h=0,5", 3},
        {"prism-parallelogram a=10 b=8 ha=1 h=2", 4},  // a thin slanting base
        {"prism-triangle a=3 b=3 c=5,9 h=1", 3},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.task);
        const ParsedTask parsed = parseTask(row.task);
        const Outcome outcome = solve(parsed.solid, parsed.givens, parsed.settings);
        ASSERT_EQ(outcome.status, Status::Solved);
        const Solution& solution = outcome.solutions.front();
        auto value = [&](const char* key) { return trueValue(*solution.find(key)); };
        const drawing::NetSvg net = netSvg(*outcome.solid, solution, {outcome.unit});
        const XmlElement root = wellFormed(net.svg);
        const double k = net.scale * 10;  // millimetres on the sheet for each centimetre
        std::vector<std::vector<Point>> bases, sides;
        root.each([&](const XmlElement& e) {
            if (e.attribute("data-face") == "base") bases.push_back(pointsOf(e.attribute("points")));
            if (e.attribute("data-face") == "lateral") sides.push_back(pointsOf(e.attribute("points")));
        });
        const bool prism = outcome.solid->family == "prism";
        // No face over another: the net cuts out whole.
        std::vector<std::vector<Point>> all = bases;
        all.insert(all.end(), sides.begin(), sides.end());
        for (std::size_t i = 0; i < all.size(); ++i)
            for (std::size_t j = i + 1; j < all.size(); ++j) {
                drawing::Polygon first, second;
                for (Point p : all[i]) first.push_back({p.x, p.y});
                for (Point p : all[j]) second.push_back({p.x, p.y});
                EXPECT_FALSE(drawing::convexOverlap(first, second, 0.05)) << "faces " << i << " and " << j << " overlap";
            }
        ASSERT_EQ(bases.size(), prism ? 2u : 1u);
        ASSERT_EQ(sides.size(), row.sides);
        const double tolerance = 1e-3;
        double lateral = 0;
        for (const auto& side : sides) lateral += polygonArea(side);
        EXPECT_NEAR(lateral, value("S") * k * k, tolerance * lateral);
        std::vector<double> baseSides;
        for (const auto& base : bases) {
            ASSERT_EQ(base.size(), row.sides);
            EXPECT_NEAR(polygonArea(base), value("B") * k * k, tolerance * polygonArea(base));
            double perimeter = 0;
            for (std::size_t i = 0; i < base.size(); ++i) perimeter += sideLength(base, i);
            EXPECT_NEAR(perimeter, value("P") * k, tolerance * perimeter);
            if (baseSides.empty())
                for (std::size_t i = 0; i < base.size(); ++i) baseSides.push_back(sideLength(base, i));
        }
        std::sort(baseSides.begin(), baseSides.end());
        if (prism) {
            std::vector<double> widths;
            for (const auto& side : sides) {
                ASSERT_EQ(side.size(), 4u);
                double left = 1e300, right = -1e300, top = 1e300, bottom = -1e300;
                for (Point p : side) left = std::min(left, p.x), right = std::max(right, p.x), top = std::min(top, p.y),
                                     bottom = std::max(bottom, p.y);
                EXPECT_NEAR(bottom - top, value("h") * k, tolerance);
                EXPECT_NEAR(polygonArea(side), (right - left) * (bottom - top), tolerance) << "not a rectangle";
                widths.push_back(right - left);
            }
            std::sort(widths.begin(), widths.end());
            for (std::size_t i = 0; i < widths.size(); ++i) EXPECT_NEAR(widths[i], baseSides[i], tolerance);
            continue;
        }
        // Each triangle stands on a side of the base; its other two sides and its height.
        const bool equalEdges = solution.find("l") != nullptr;
        for (const auto& side : sides) {
            ASSERT_EQ(side.size(), 3u);
            std::size_t onBase = 3;
            for (std::size_t i = 0; i < 3; ++i)
                for (std::size_t j = 0; j < bases[0].size(); ++j)
                    if ((same(side[i], bases[0][j]) && same(side[(i + 1) % 3], bases[0][(j + 1) % bases[0].size()])) ||
                        (same(side[(i + 1) % 3], bases[0][j]) && same(side[i], bases[0][(j + 1) % bases[0].size()])))
                        onBase = i;
            ASSERT_LT(onBase, 3u) << "a side face off the base";
            const double height = 2 * polygonArea(side) / sideLength(side, onBase);
            if (equalEdges) {
                EXPECT_NEAR(sideLength(side, (onBase + 1) % 3), value("l") * k, tolerance);
                EXPECT_NEAR(sideLength(side, (onBase + 2) % 3), value("l") * k, tolerance);
            } else {
                EXPECT_NEAR(height, value("k") * k, tolerance);
            }
        }
    }
}

TEST(DrawingTest, NetsAtOneToOneWhereTheyFitOnA4ElseTheLargestScaleThatDoes) {
    const struct {
        std::string task;
        double scale;
        bool landscape;
    } rows[] = {
        {"cube a=4", 1, false},    // a strip of 16 cm fits upright
        {"cube a=5", 1, true},     // of 20 cm only sideways
        {"cube a=10", 0.5, true},  // 40 cm: at 1:2 a strip of 20 cm, sideways
        {"box a=3 b=4 c=12", 1, false},
        {"cone r=3 h=4", 1, false},
        {"cube a=1m", 0.05, true},            // 4 m at 1:10 would be 40 cm
        {"cylinder r=1m h=2m", 0.02, false},  // 2π m at 1:20 would be 31,4 cm
        {"cube a=3mm", 1, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.task);
        const ParsedTask parsed = parseTask(row.task);
        const Outcome outcome = solve(parsed.solid, parsed.givens, parsed.settings);
        const drawing::NetSvg net = netSvg(*outcome.solid, outcome.solutions.at(0), {outcome.unit});
        EXPECT_EQ(net.scale, row.scale);
        EXPECT_EQ(net.landscape, row.landscape);
        const std::string ratio = "Мащаб 1:" + std::to_string(std::lround(1 / row.scale));
        EXPECT_NE(net.svg.find(ratio), std::string::npos) << ratio;
    }
}

TEST(DrawingTest, SolidsWithoutANetSaySoInASentence) {
    const struct {
        std::string task;
        std::string says;
    } rows[] = {
        {"sphere r=3", "Сферата няма развивка"},
        {"polygon n=6 a=2", "равнинна фигура"},
        {"prism P=24 B=36 h=5", "Дайте и n"},
        {"pyramid P=24 B=36 k=5 h=4", "Дайте и n"},
    };
    for (const auto& row : rows) {
        const ParsedTask parsed = parseTask(row.task);
        const Outcome outcome = solve(parsed.solid, parsed.givens, parsed.settings);
        const drawing::NetSvg net = netSvg(*outcome.solid, outcome.solutions.at(0), {outcome.unit});
        EXPECT_EQ(net.svg, "") << row.task;
        EXPECT_NE(net.message.find(row.says), std::string::npos) << net.message;
    }
}

TEST(DrawingTest, TheConesSectorAngleIsWrittenOnItsNet) {
    const struct {
        std::string task;
        std::string angle;
    } rows[] = {
        {"cone r=3 h=4", "α = 216°"}, {"cone r=2 h=2", "α ≈ 254,56°"},  // 360°·2 : 2√2 = 180√2°
    };
    for (const auto& row : rows) {
        const ParsedTask parsed = parseTask(row.task);
        const Outcome outcome = solve(parsed.solid, parsed.givens, parsed.settings);
        const XmlElement root = wellFormed(netSvg(*outcome.solid, outcome.solutions[0], {outcome.unit}).svg);
        EXPECT_NE(root.content.find(row.angle), std::string::npos) << root.content;
        EXPECT_NE(root.content.find("360°·r : l"), std::string::npos);
    }
}

// A cone frustum's lateral surface is the ring sector between the whole
// cone's generator L and the cut-off cone's L − l, its angle 360°·(r1 − r2) : l;
// a pyramid frustum's net is its trapezoids and its two bases.
TEST(DrawingTest, FrustumsNetsHaveTheirMeasures) {
    const auto sheetOf = [](const std::string& task, double& unit) {
        const ParsedTask parsed = parseTask(task);
        const Outcome outcome = solve(parsed.solid, parsed.givens, parsed.settings);
        const XmlElement root = wellFormed(netSvg(*outcome.solid, outcome.solutions.at(0), {outcome.unit}).svg);
        const double millimetres =
            std::map<std::string, double>{{"mm", 1}, {"cm", 10}, {"dm", 100}, {"m", 1000}}.at(root.attribute("data-unit"));
        unit = std::stod(root.attribute("data-scale")) * millimetres;
        return root;
    };
    double unit = 0;
    const XmlElement cone = sheetOf("cone-frustum r1=6 r2=3 h=4", unit);
    std::vector<double> radii;
    int rings = 0;
    cone.each([&](const XmlElement& e) {
        if (e.tag == "circle" && e.attributes.contains("data-face")) radii.push_back(std::stod(e.attribute("r")) / unit);
        if (e.tag != "path" || !e.attributes.contains("data-face")) return;
        const RingSector ring = ringSectorOf(e.attribute("d"));
        EXPECT_NEAR(ring.outer / unit, 10, 1e-3);
        EXPECT_NEAR(ring.inner / unit, 5, 1e-3);
        EXPECT_NEAR(ring.angle * 180 / std::numbers::pi, 216, 1e-2);  // the sheet writes 3 decimals
        ++rings;
    });
    EXPECT_EQ(rings, 1);
    std::sort(radii.begin(), radii.end());
    ASSERT_EQ(radii.size(), 2u);
    EXPECT_NEAR(radii[0], 3, 1e-3);
    EXPECT_NEAR(radii[1], 6, 1e-3);
    EXPECT_NE(cone.content.find("θ = 216°"), std::string::npos) << cone.content;

    const XmlElement pyramid = sheetOf("pyramid-frustum n=4 a1=8 a2=2 h=4", unit);
    std::vector<std::vector<Point>> faces;
    pyramid.each([&](const XmlElement& e) {
        if (e.tag == "polygon" && e.attributes.contains("data-face")) faces.push_back(pointsOf(e.attribute("points")));
    });
    ASSERT_EQ(faces.size(), 6u);
    int squares = 0, trapezoids = 0;
    for (const auto& face : faces) {
        ASSERT_EQ(face.size(), 4u);
        std::vector<double> sides;
        for (std::size_t i = 0; i < 4; ++i) sides.push_back(sideLength(face, i) / unit);
        std::sort(sides.begin(), sides.end());
        if (std::fabs(sides[0] - sides[3]) < 1e-3) {
            EXPECT_TRUE(std::fabs(sides[0] - 2) < 1e-3 || std::fabs(sides[0] - 8) < 1e-3) << sides[0];
            ++squares;
        } else {  // 2, √34, √34, 8 with the apothem 5 between its bases
            EXPECT_NEAR(sides[0], 2, 1e-3);
            EXPECT_NEAR(sides[1], std::sqrt(34), 1e-3);
            EXPECT_NEAR(sides[3], 8, 1e-3);
            EXPECT_NEAR(polygonArea(face) / (unit * unit), (8 + 2) * 5 / 2.0, 1e-3);
            ++trapezoids;
        }
    }
    EXPECT_EQ(squares, 2);
    EXPECT_EQ(trapezoids, 4);
}

}  // namespace
}  // namespace solver::testing
