// SPDX-License-Identifier: MIT
// The figure of a solved solid: its proportions from the solution, a short
// measure drawn longer where it would vanish (and the figure says so), the
// givens and what was found listed under it. The drawer is the one the
// solid's registration row names; a solid without one has no figure.
#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <numbers>
#include <optional>
#include <utility>

#include "drawing.h"
#include "figure_parts.h"
#include "solid_model.h"

namespace solver::drawing {
namespace {

// A measure drawn shorter than this share of the solid's largest is drawn at it.
constexpr double shortestShare = 0.2;

struct Proportions {
    std::vector<std::string> stretched;  // letters drawn longer than to scale
    bool baseEnlarged = false;
    bool anyShape = false;    // a base known only by P and B: one of many drawn
    bool noSuchBase = false;  // no polygon has that P and B
    // The measure, or the share of `largest` it is drawn at where it is shorter.
    double atLeast(double value, double largest, std::string_view letter) {
        if (value >= shortestShare * largest) return value;
        if (letter.empty())
            baseEnlarged = true;
        else
            stretched.emplace_back(letter);
        return shortestShare * largest;
    }
};

bool shows(const FigureOptions& options, const Measures& m, std::string_view key) {
    const QuantityResult* q = m.known(key);
    return q && (q->given || std::find(options.asked.begin(), options.asked.end(), key) != options.asked.end());
}

// The base a prism or pyramid is drawn on: its regular n-gon, or, for a base
// of any shape known by its perimeter and area, one polygon that has them: a
// prism's a rectangle where one has them, a pyramid's one round a circle, as
// its equal apothems ask (or, where none has them, the regular one of that
// area, said under the figure).
Polygon drawnBase(const Measures& m, bool prism, Proportions& drawn) {
    const double facing = prism ? -std::numbers::pi / 2 : 0;
    const int n = m.sides();
    if (n >= 3) return regularPolygon(n, m["a"] / (2 * std::sin(std::numbers::pi / n)), facing);
    const double P = m["P"], B = m["B"];
    if (prism && P * P >= 16 * B) {
        // Sides x and y with x + y = P : 2 and x·y = B, the longer across.
        const double x = P / 4 + std::sqrt(P * P / 16 - B), y = B / x;
        drawn.anyShape = true;
        return {{x / 2, -y / 2}, {x / 2, y / 2}, {-x / 2, y / 2}, {-x / 2, -y / 2}};
    }
    if (auto base = polygonWithPerimeterAndArea(P, B, facing)) {
        drawn.anyShape = true;
        return *base;
    }
    drawn.noSuchBase = true;
    return regularPolygon(12, std::sqrt(m["B"] / (6 * std::sin(std::numbers::pi / 6))), facing);
}

double width(const Polygon& base) {
    double widest = 0;
    for (Point p : base) widest = std::max(widest, 2 * length(p));
    return widest;
}

Polygon scaled(const Polygon& polygon, double factor) {
    Polygon out;
    for (Point p : polygon) out.push_back(factor * p);
    return out;
}

// The solid's drawers, by the names the registration rows give them.
Scene hexahedronScene(const DrawingRow&, const Shown& shown, Proportions&) { return boxScene(shown, {1, 1, 1}, true); }

Scene cuboidScene(const DrawingRow& row, const Shown& shown, Proportions& drawn) {
    const Measures& m = shown.measures;
    const auto& [a, b, c] = row.proportions;
    const double largest = std::max({m[a], m[b], m[c]});
    return boxScene(shown, {drawn.atLeast(m[a], largest, a), drawn.atLeast(m[b], largest, b), drawn.atLeast(m[c], largest, c)},
                    false);
}

// A prism shows a side face to the viewer; a pyramid turns one to the right,
// so that its height, apothem and inradius lie in a plane facing the viewer
// and are drawn in their true shape.
Scene polyhedronScene(const Shown& shown, bool prism, Proportions& drawn) {
    const Measures& m = shown.measures;
    Polygon base = drawnBase(m, prism, drawn);
    const double across = width(base), height = m["h"];
    const double largest = std::max(across, height);
    base = scaled(base, drawn.atLeast(across, largest, "") / across);
    const double h = drawn.atLeast(height, largest, "h");
    return prism ? prismScene(shown, base, h) : pyramidScene(shown, base, h);
}

Scene rightPrismScene(const DrawingRow&, const Shown& shown, Proportions& drawn) {
    return polyhedronScene(shown, true, drawn);
}

Scene regularPyramidScene(const DrawingRow&, const Shown& shown, Proportions& drawn) {
    return polyhedronScene(shown, false, drawn);
}

// Where a solid on a base of any shape stands: the prism about its base's
// middle, the pyramid with its apex over a centre of the base.
enum class Standing { Prism, OverCircumcentre, OverIncentre, Plane };

// The figure on the base the row's outline drawer makes of the measures,
// its height the row's first proportion; none where they make no base.
Scene onBaseScene(const DrawingRow& row, const Shown& shown, Proportions& drawn, Standing standing) {
    const Measures& m = shown.measures;
    const std::optional<Outline> outline = outlineOf(row.outline, m);
    if (!outline) return {};
    const Polygon& corners = outline->corners;
    const Point centre = standing == Standing::OverCircumcentre ? circumcentre(corners)
                         : standing == Standing::OverIncentre   ? incentre(corners)
                                                                : centroid(corners);
    Outline base = movedAndScaled(*outline, -1.0 * centre, 1);
    if (standing == Standing::Plane) return planeOutlineScene(shown, base);
    const double across = width(base.corners), height = m[row.proportions[0]];
    if (height <= 0) return {};
    const double largest = std::max(across, height);
    base = movedAndScaled(base, {}, drawn.atLeast(across, largest, "") / across);
    const double h = drawn.atLeast(height, largest, row.proportions[0]);
    if (standing == Standing::Prism) return prismOnBaseScene(shown, base, h);
    return pyramidOnBaseScene(shown, base, h, standing == Standing::OverIncentre);
}

Scene prismOnBase(const DrawingRow& row, const Shown& shown, Proportions& drawn) {
    return onBaseScene(row, shown, drawn, Standing::Prism);
}
Scene pyramidOverCircumcentre(const DrawingRow& row, const Shown& shown, Proportions& drawn) {
    return onBaseScene(row, shown, drawn, Standing::OverCircumcentre);
}
Scene pyramidOverIncentre(const DrawingRow& row, const Shown& shown, Proportions& drawn) {
    return onBaseScene(row, shown, drawn, Standing::OverIncentre);
}
Scene planeOutline(const DrawingRow& row, const Shown& shown, Proportions& drawn) {
    return onBaseScene(row, shown, drawn, Standing::Plane);
}

// A round solid's radius and height, from the row's proportions: {"r", "h"}.
std::pair<double, double> roundSize(const DrawingRow& row, const Shown& shown, Proportions& drawn) {
    const Measures& m = shown.measures;
    const auto& [radius, height, unused] = row.proportions;
    const double largest = std::max(2 * m[radius], m[height]);
    return {drawn.atLeast(2 * m[radius], largest, radius) / 2, drawn.atLeast(m[height], largest, height)};
}

Scene rightCylinderScene(const DrawingRow& row, const Shown& shown, Proportions& drawn) {
    const auto [r, h] = roundSize(row, shown, drawn);
    return cylinderScene(shown, r, h);
}

Scene rightConeScene(const DrawingRow& row, const Shown& shown, Proportions& drawn) {
    const auto [r, h] = roundSize(row, shown, drawn);
    return coneScene(shown, r, h);
}

// A frustum's larger and smaller radius (or base edge) and its height, from
// the row's proportions ({"r1", "r2", "h"}): the smaller base in scale to the larger.
struct FrustumSize {
    double larger, smaller, height;
};
FrustumSize frustumSize(const DrawingRow& row, const Shown& shown, Proportions& drawn) {
    const Measures& m = shown.measures;
    const auto& [larger, smaller, height] = row.proportions;
    if (m[larger] <= 0 || m[smaller] <= 0 || m[smaller] >= m[larger] || m[height] <= 0) return {};
    const double largest = std::max(2 * m[larger], m[height]);
    const double drawnLarger = drawn.atLeast(2 * m[larger], largest, larger) / 2;
    return {drawnLarger, drawnLarger * m[smaller] / m[larger], drawn.atLeast(m[height], largest, height)};
}

Scene coneFrustum(const DrawingRow& row, const Shown& shown, Proportions& drawn) {
    const FrustumSize size = frustumSize(row, shown, drawn);
    if (size.height <= 0) return {};
    return coneFrustumScene(shown, size.larger, size.smaller, size.height);
}

// The larger base a regular n-gon of edge a1 turned as a pyramid's, the smaller a1 : a2 times smaller.
Scene pyramidFrustum(const DrawingRow& row, const Shown& shown, Proportions& drawn) {
    const Measures& m = shown.measures;
    const auto& [larger, smaller, height] = row.proportions;
    const int n = m.sides();
    if (n < 3 || m[larger] <= 0 || m[smaller] <= 0 || m[smaller] >= m[larger] || m[height] <= 0) return {};
    Polygon base = regularPolygon(n, m[larger] / (2 * std::sin(std::numbers::pi / n)), 0);
    const double across = width(base), largest = std::max(across, m[height]);
    base = scaled(base, drawn.atLeast(across, largest, "") / across);
    return pyramidFrustumScene(shown, base, drawn.atLeast(m[height], largest, height), m[smaller] / m[larger]);
}

// The common base's radius and the two heights, from the row's proportions ({"r", "h1", "h2"}).
Scene doubleCone(const DrawingRow& row, const Shown& shown, Proportions& drawn) {
    const Measures& m = shown.measures;
    const auto& [radius, lower, upper] = row.proportions;
    if (m[radius] <= 0 || m[lower] <= 0 || m[upper] <= 0) return {};
    const double largest = std::max(2 * m[radius], m[lower] + m[upper]);
    return doubleConeScene(shown, drawn.atLeast(2 * m[radius], largest, radius) / 2,
                           drawn.atLeast(m[lower], largest, lower), drawn.atLeast(m[upper], largest, upper));
}

// Three measures from the row's proportions, the first a radius (or an edge
// across) and the rest lengths along the axis, each kept visible; none where one is unknown.
std::optional<std::array<double, 3>> bodySize(const DrawingRow& row, const Shown& shown, Proportions& drawn,
                                              bool across) {
    const Measures& m = shown.measures;
    const auto& [first, second, third] = row.proportions;
    const double width = (across ? 1 : 2) * m[first], along = m[second] + (third.empty() ? 0 : m[third]);
    if (m[first] <= 0 || m[second] <= 0 || (!third.empty() && m[third] <= 0)) return std::nullopt;
    const double largest = std::max(width, along);
    return std::array<double, 3>{drawn.atLeast(width, largest, first) / (across ? 1 : 2),
                                 drawn.atLeast(m[second], largest, second),
                                 third.empty() ? 0 : drawn.atLeast(m[third], largest, third)};
}

Scene cylinderWithCone(const DrawingRow& row, const Shown& shown, Proportions& drawn) {
    const auto size = bodySize(row, shown, drawn, false);
    return size ? cylinderWithConeScene(shown, (*size)[0], (*size)[1], (*size)[2]) : Scene{};
}

// The radius and the cylinder's height kept visible, the cone's height in scale to it ({"r", "h1", "h2"}).
Scene cylinderWithoutCone(const DrawingRow& row, const Shown& shown, Proportions& drawn) {
    const Measures& m = shown.measures;
    const auto& [radius, height, cone] = row.proportions;
    if (m[radius] <= 0 || m[height] <= 0 || m[cone] <= 0 || m[cone] > m[height]) return {};
    const double largest = std::max(2 * m[radius], m[height]);
    const double h1 = drawn.atLeast(m[height], largest, height);
    return cylinderWithoutConeScene(shown, drawn.atLeast(2 * m[radius], largest, radius) / 2, h1,
                                    h1 * m[cone] / m[height]);
}

// The radius, the cylinder's height and each cone's height ({"r", "h1", "h2"}),
// the cones standing out of the cylinder or cut into it (no deeper than half of it).
std::optional<std::array<double, 3>> twoConesSize(const DrawingRow& row, const Shown& shown, Proportions& drawn,
                                                  bool cutIn) {
    const Measures& m = shown.measures;
    const auto& [radius, height, cone] = row.proportions;
    if (m[radius] <= 0 || m[height] <= 0 || m[cone] <= 0 || (cutIn && 2 * m[cone] >= m[height])) return std::nullopt;
    const double along = cutIn ? m[height] : m[height] + 2 * m[cone];
    const double largest = std::max(2 * m[radius], along);
    const double r = drawn.atLeast(2 * m[radius], largest, radius) / 2;
    if (cutIn) {
        const double h1 = drawn.atLeast(m[height], largest, height);
        return std::array<double, 3>{r, h1, h1 * m[cone] / m[height]};
    }
    return std::array<double, 3>{r, drawn.atLeast(m[height], largest, height), drawn.atLeast(m[cone], largest, cone)};
}

Scene cylinderWithTwoCones(const DrawingRow& row, const Shown& shown, Proportions& drawn) {
    const auto size = twoConesSize(row, shown, drawn, false);
    return size ? cylinderWithTwoConesScene(shown, (*size)[0], (*size)[1], (*size)[2]) : Scene{};
}

Scene cylinderWithoutTwoCones(const DrawingRow& row, const Shown& shown, Proportions& drawn) {
    const auto size = twoConesSize(row, shown, drawn, true);
    return size ? cylinderWithoutTwoConesScene(shown, (*size)[0], (*size)[1], (*size)[2]) : Scene{};
}

Scene cylinderWithHemisphere(const DrawingRow& row, const Shown& shown, Proportions& drawn) {
    const auto size = bodySize(row, shown, drawn, false);
    return size ? cylinderWithHemisphereScene(shown, (*size)[0], (*size)[1]) : Scene{};
}

Scene coneWithHemisphere(const DrawingRow& row, const Shown& shown, Proportions& drawn) {
    const auto size = bodySize(row, shown, drawn, false);
    return size ? coneWithHemisphereScene(shown, (*size)[0], (*size)[1]) : Scene{};
}

Scene prismWithPyramid(const DrawingRow& row, const Shown& shown, Proportions& drawn) {
    const auto size = bodySize(row, shown, drawn, true);
    return size ? prismWithPyramidScene(shown, (*size)[0], (*size)[1], (*size)[2]) : Scene{};
}

// The outer radius, the inner one in scale to it, and the height ({"R", "r", "h"}).
Scene hollowCylinder(const DrawingRow& row, const Shown& shown, Proportions& drawn) {
    const Measures& m = shown.measures;
    const auto& [outer, inner, height] = row.proportions;
    if (m[outer] <= 0 || m[inner] <= 0 || m[inner] >= m[outer] || m[height] <= 0) return {};
    const double largest = std::max(2 * m[outer], m[height]);
    const double R = drawn.atLeast(2 * m[outer], largest, outer) / 2;
    return hollowCylinderScene(shown, R, R * m[inner] / m[outer], drawn.atLeast(m[height], largest, height));
}

// The lower radius, the upper in scale to it, and the two heights ({"r1", "h1", "h2"}, r2 beside them).
Scene twoCylinders(const DrawingRow& row, const Shown& shown, Proportions& drawn) {
    const Measures& m = shown.measures;
    const auto& [lower, height, upper] = row.proportions;
    const double r2 = m["r2"];
    if (m[lower] <= 0 || r2 <= 0 || r2 > m[lower] || m[height] <= 0 || m[upper] <= 0) return {};
    const double largest = std::max(2 * m[lower], m[height] + m[upper]);
    const double r1 = drawn.atLeast(2 * m[lower], largest, lower) / 2;
    return twoCylindersScene(shown, r1, r1 * r2 / m[lower], drawn.atLeast(m[height], largest, height),
                             drawn.atLeast(m[upper], largest, upper));
}

Scene ballScene(const DrawingRow&, const Shown& shown, Proportions&) { return sphereScene(shown); }

Scene regularPolygonScene(const DrawingRow&, const Shown& shown, Proportions&) {
    return polygonScene(shown, std::max(3, shown.measures.sides()));
}

struct FigureDrawer {
    std::string_view name;
    Scene (*scene)(const DrawingRow& row, const Shown& shown, Proportions& drawn);
};
constexpr FigureDrawer figureDrawers[] = {
    {"hexahedron", hexahedronScene},           {"cuboid", cuboidScene},
    {"right prism", rightPrismScene},          {"regular pyramid", regularPyramidScene},
    {"right cylinder", rightCylinderScene},    {"right cone", rightConeScene},
    {"ball", ballScene},                       {"regular polygon", regularPolygonScene},
    {"prism on base", prismOnBase},            {"pyramid over circumcentre", pyramidOverCircumcentre},
    {"pyramid over incentre", pyramidOverIncentre}, {"plane outline", planeOutline},
    {"cone frustum", coneFrustum},             {"pyramid frustum", pyramidFrustum},
    {"double cone", doubleCone},               {"cylinder with cone", cylinderWithCone},
    {"cylinder with hemisphere", cylinderWithHemisphere}, {"hollow cylinder", hollowCylinder},
    {"prism with pyramid", prismWithPyramid},  {"cylinder without cone", cylinderWithoutCone},
    {"cylinder with two cones", cylinderWithTwoCones}, {"cylinder without two cones", cylinderWithoutTwoCones},
    {"cone with hemisphere", coneWithHemisphere}, {"two cylinders", twoCylinders},
};

const FigureDrawer* figureDrawer(const SolidRow& solid) {
    if (!solid.registration) return nullptr;
    for (const FigureDrawer& drawer : figureDrawers)
        if (drawer.name == solid.registration->drawing.figure) return &drawer;
    return nullptr;
}

// The sphere described about the solid (Rc) and the ball inscribed in it (ri),
// where the task names them: the outline on the solid's axis, the equator
// behind it dashed, and the radius from the centre. The centre of the one
// about it is as far from the lower base's circle as from the upper's (or the
// apex); the ball in it touches the lower base.
void addSpheres(Scene& scene, const DrawingRow& row, const Measures& m) {
    const std::string_view heightKey = row.sphereAxis[0], lowerKey = row.sphereAxis[1], upperKey = row.sphereAxis[2];
    if (!scene.axis || heightKey.empty() || m[heightKey] <= 0) return;
    const Point bottom = (*scene.axis)[0], top = (*scene.axis)[1];
    const double height = m[heightKey], scale = length(top - bottom) / height;
    const Point up = unit(top - bottom);
    auto draw = [&](std::string_view radiusKey, double centreHeight) {
        const QuantityResult* radius = m.known(radiusKey);
        if (!radius || m[radiusKey] <= 0) return;
        const double drawn = scale * m[radiusKey];
        const Point centre = bottom + (scale * centreHeight) * up;
        scene.arc(centre, drawn, drawn, 0, 2 * std::numbers::pi, Stroke{Ink::Edge, false});
        scene.arc(centre, drawn, drawn * ellipseShare, std::numbers::pi, 2 * std::numbers::pi, Stroke{Ink::Edge, false});
        scene.arc(centre, drawn, drawn * ellipseShare, 0, std::numbers::pi, Stroke{Ink::Edge, true});
        scene.dots.push_back(centre);
        const Point across = centre + Point{drawn * std::cos(radians(-30)), drawn * std::sin(radians(-30))};
        segment(scene, m, radiusKey, centre, across, false, bottom);
    };
    const double lower = lowerKey.empty() ? 0 : m[lowerKey], upper = upperKey.empty() ? 0 : m[upperKey];
    draw("Rc", lowerKey.empty() ? height / 2 : (height * height + upper * upper - lower * lower) / (2 * height));
    draw("ri", m["ri"]);
}

// The plane figure a task turns, shaded under the rest: the half of the axial
// section right of the axis, or that half and its mirror image; and the axis
// it turns about, under the segments drawn on it. Whether there was one.
bool addTurned(Scene& scene, TurnedFigure turned) {
    if (turned == TurnedFigure::None || scene.turnedHalf.size() < 3) return false;
    const Polygon& half = scene.turnedHalf;
    Polygon figure = half;
    if (turned == TurnedFigure::AxialSection)
        for (std::size_t i = half.size() - 1; i-- > 1;) figure.push_back({-half[i].x, half[i].y});
    scene.fills.insert(scene.fills.begin(), {figure, Ink::Faint});
    scene.lines.insert(scene.lines.begin(), {half.back(), half.front(), Stroke{Ink::Edge, true}});
    return true;
}

std::string listed(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i)
        text += (i == 0 ? "" : i + 1 == items.size() ? " и " : ", ") + items[i];
    return text;
}

// Under the drawing: the givens in their colour, the letters found (not those
// whose value a worksheet hides as "?"), and why the drawing is not to scale
// where it is not.
void addLegend(Scene& scene, const Measures& m, const Proportions& drawn) {
    std::vector<LegendItem> given{{"Дадено: ", Ink::Edge}};
    for (const QuantityResult& q : m.solution().quantities)
        if (q.given) given.push_back({fullLabel(q) + ", ", Ink::Given});
    if (given.size() > 1) {
        given.back().text.resize(given.back().text.size() - 2);
        scene.legend.push_back(given);
    }
    std::vector<LegendItem> found{{"Намерено: ", Ink::Edge}};
    std::vector<std::string> letters;
    for (const SceneLabel& label : scene.labels)
        if (label.ink == Ink::Found && !label.text.ends_with("?")) letters.push_back(label.text.substr(0, label.text.find(' ')));
    // An angle found, marked with its arc.
    for (const Scene::AngleMark& angle : scene.angles)
        if (angle.ink == Ink::Found && !angle.label.empty() && !angle.label.ends_with("?")) letters.push_back(angle.label.substr(0, angle.label.find(' ')));
    if (!letters.empty()) {
        std::string text;
        for (const std::string& letter : letters) text += (text.empty() ? "" : ", ") + letter;
        found.push_back({text, Ink::Found});
        scene.legend.push_back(found);
    }
    if (!drawn.stretched.empty()) {
        const bool one = drawn.stretched.size() == 1;
        scene.legend.push_back(
            {{std::string("Не в мащаб: ") + (one ? "отсечката " : "отсечките ") + listed(drawn.stretched) +
                  (one ? " е удължена, за да се вижда." : " са удължени, за да се виждат."),
              Ink::Edge}});
    }
    if (drawn.baseEnlarged) scene.legend.push_back({{"Не в мащаб: основата е уголемена, за да се вижда.", Ink::Edge}});
    if (drawn.anyShape)
        scene.legend.push_back(
            {{"Основата може да е всеки многоъгълник с тези P и B; начертан е един от тях.", Ink::Edge}});
    if (drawn.noSuchBase)
        scene.legend.push_back(
            {{"Няма многоъгълник с тези P и B: при периметър P лицето е най-много P² : (4π). "
              "Основата е начертана само за изглед.",
              Ink::Edge}});
}

std::string titleOf(const SolidRow& solid, const Measures& m) {
    std::string title = "Чертеж: " + std::string(solid.name);
    for (const QuantityResult& q : m.solution().quantities)
        if (q.given) title += ", " + fullLabel(q);
    return title;
}

}  // namespace

bool figureDrawerKnown(std::string_view name) {
    return std::any_of(std::begin(figureDrawers), std::end(figureDrawers),
                       [&](const FigureDrawer& drawer) { return drawer.name == name; });
}

std::string withoutFigure(const SolidRow& solid) {
    return "Чертеж " + std::string(solid.genitive) + " още не може да се начертае.";
}

std::string figureSvg(const SolidRow& solid, const Solution& solution, const FigureOptions& options) {
    Measures m(solid, solution, options.unit);
    if (options.onlyAsked) m.labelOnly(options.asked);
    // The base's apothem is the inradius: labelled k1 where the task gives it
    // or asks for it rather than r.
    const QuantityResult* baseApothem = m.known("k1");
    const bool byApothem = baseApothem && (baseApothem->given || (shows(options, m, "k1") && !shows(options, m, "r")));
    Shown shown{m, shows(options, m, "Q"), shows(options, m, "d"), shows(options, m, "R"), byApothem};
    for (const QuantityRow& quantity : solid.quantities)
        if (quantity.dimension == Dimension::Angle && shows(options, m, quantity.key))
            shown.angles.emplace_back(quantity.key);
    const FigureDrawer* drawer = figureDrawer(solid);
    if (!drawer) return {};
    Proportions drawn;
    Scene scene = drawer->scene(solid.registration->drawing, shown, drawn);
    if (scene.lines.empty()) return {};  // measures that make no such solid
    const bool turned = addTurned(scene, options.turned);
    addSpheres(scene, solid.registration->drawing, m);
    // Givens labelled first, so that they get the best places.
    std::stable_partition(scene.labels.begin(), scene.labels.end(),
                          [](const SceneLabel& l) { return l.ink == Ink::Given; });
    addLegend(scene, m, drawn);
    if (turned) scene.legend.push_back({{"В сиво: фигурата, която се завърта около оста.", Ink::Edge}});
    return writeScene(scene, {"stereometry-figure", titleOf(solid, m), std::string(solid.key), options.stylesheet});
}

}  // namespace solver::drawing
