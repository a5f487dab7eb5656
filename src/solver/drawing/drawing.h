// SPDX-License-Identifier: MIT
#pragma once
// Drawings of a solved solid, as SVG text both editions show alike: the figure
// a textbook draws (oblique projection, hidden edges dashed, the task's
// segments labelled with their letters and values) and the net to scale, to
// print on A4, cut out and glue.
//
//   const Outcome outcome = solve("cone", {{"r", "3"}, {"h", "4"}});
//   figureSvg(*outcome.solid, outcome.solutions[0], {.unit = outcome.unit});
//   netSvg(*outcome.solid, outcome.solutions[0], {.unit = outcome.unit});

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "task/solver.h"

namespace solver::drawing {

// The rules of both drawings' <style> elements, for a page that keeps its
// styles in one stylesheet (say, under a Content-Security-Policy that names it
// by its hash) and asks for the drawings with `stylesheet = false`.
std::string drawingStylesheet();

struct FigureOptions {
    std::optional<Unit> unit;  // of the solution's values (Outcome::unit)
    // The keys the task asks for ("Q", "d"): drawn in even where the figure
    // leaves them out otherwise, as the axial section is.
    std::vector<std::string> asked = {};
    // A <style> with the rules for the dark scheme, forced colours and halos
    // behind labels. Without it the colours are those of the elements'
    // attributes, for renderers that read no CSS custom properties (Qt SVG
    // drops a stylesheet that has any), unless the page has the rules itself.
    bool stylesheet = true;
    // Only the givens and `asked` labelled, and no other segment drawn in: a
    // worksheet's figure, which shows no more unknowns than its task asks for.
    bool onlyAsked = false;
    // The plane figure a task turns to make the body, shaded in its axial
    // section (Outcome::turned).
    TurnedFigure turned = TurnedFigure::None;
};

// The figure as a standalone <svg> element (a viewBox in CSS pixels, labels of
// 15 pixels at 1:1, about 320 pixels wide). Its root has the class
// "stereometry-figure"; a page restyles it through the custom properties
// --drawing-ink, --drawing-paper, --drawing-given, --drawing-found and
// --drawing-faint.
// The drawer is the one the solid's registration row names (figure.cpp); a
// solid whose row names none that is known has no figure, and this is "".
std::string figureSvg(const SolidRow& solid, const Solution& solution, const FigureOptions& options = {});
// Whether a figure's drawer of this name is known: "right cone".
bool figureDrawerKnown(std::string_view name);
// Why a solid has no figure: "Чертеж на конуса още не може да се начертае."
std::string withoutFigure(const SolidRow& solid);

struct NetOptions {
    std::optional<Unit> unit;  // of the solution's values; centimetres where the task had none
    Settings settings = {};    // the separator and digits of the numbers written on the sheet
    bool stylesheet = true;    // the rules for forced colours in a <style> of its own
};

struct NetSvg {
    std::string svg;      // empty where the solid has no net
    std::string message;  // why there is none, as a sentence for the page; empty otherwise
    double scale = 0;     // drawn length ÷ true length: 1, 0.5, 0.2, 0.1, …
    double widthMm = 0;   // the sheet's size, within A4 less 10 mm margins
    double heightMm = 0;
    bool landscape = false;  // printed on A4 turned sideways
};

// The net on a sheet in millimetres, at 1:1 in the task's unit where it fits
// on A4, else at the largest of 1:2, 1:5, 1:10, … that does. Each face is one
// element with a data-face attribute ("base", "lateral"); the root has
// data-scale and data-unit.
NetSvg netSvg(const SolidRow& solid, const Solution& solution, const NetOptions& options = {});

}  // namespace solver::drawing
