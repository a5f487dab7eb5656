// SPDX-License-Identifier: MIT
#pragma once
// What the calculator opens only when asked, kept out of its start: the
// problems window with the solver, drawings and printing behind it, the reader
// of pasted tasks, and the figure pictures drawn from their artwork at scales
// other than 100 %. The program loads them from a module of their own the
// first time one is asked for (on_demand_loaded.cpp); the tests and tools have
// them linked in (on_demand_linked.cpp). The calculator reaches them here alone.

#include <string>
#include <utility>
#include <vector>

#include <QImage>
#include <QSize>
#include <QString>

class QWidget;

namespace geometry::ui {

class OnDemandParts {
public:
    using Givens = std::vector<std::pair<std::string, std::string>>;  // {"r", "3"}

    virtual ~OnDemandParts() = default;

    // „Задачи по стереометрия“, new and not yet shown; the caller owns it.
    // `decimalSeparator`: what numbers are shown with, as UTF-8.
    virtual QWidget* makeProblemsWindow(const std::string& decimalSeparator) = 0;
    // In a window makeProblemsWindow made: the solid ("cone") with these
    // givens, solved; false for a solid there is none of.
    virtual bool showTask(QWidget* problemsWindow, const std::string& solid, const Givens& givens) = 0;
    // In such a window: a task's text, read and solved.
    virtual void showText(QWidget* problemsWindow, const QString& text) = 0;
    // Whether a text reads as a task.
    virtual bool readsAsTask(const std::string& text) = 0;

    // The command line's names: whether there is a solid of this key
    // ("cone"), and what is wrong with a quantity's key for a solid there is,
    // in Bulgarian (empty when it has that quantity).
    virtual bool knowsSolid(const std::string& solid) = 0;
    virtual std::string quantityError(const std::string& solid, const std::string& key) = 0;

    // A figure picture drawn from its artwork (picture_rendering.h).
    virtual QImage renderPicture(const QString& resource, QSize naturalSize, qreal devicePixelRatio) = 0;
};

// The parts; null where they cannot be had, and then onDemandError() says why,
// in Bulgarian.
OnDemandParts* onDemandParts();
QString onDemandError();

}  // namespace geometry::ui
