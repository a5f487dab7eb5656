// SPDX-License-Identifier: MIT
#pragma once
// A small writer of SVG text, shared by the figure and the net: elements with
// their attributes escaped, numbers written the same in every locale, path
// data.

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "plane.h"

namespace solver::drawing {

using Attributes = std::initializer_list<std::pair<std::string_view, std::string_view>>;

class SvgWriter {
public:
    // Coordinates to `decimals` places, trailing zeros dropped: "12.5", "-3".
    explicit SvgWriter(int decimals) : decimals_(decimals) {}

    std::string number(double value) const;
    std::string points(const Polygon& polygon) const;  // "1,2 3.5,4"

    void open(std::string_view tag, Attributes attributes);     // <tag …>
    void element(std::string_view tag, Attributes attributes);  // <tag …/>
    void textElement(std::string_view tag, Attributes attributes, std::string_view text);
    void text(std::string_view text);
    void close(std::string_view tag);
    // Markup written as it is: a stylesheet, which holds no '<' or '&'.
    void raw(std::string_view markup) { out_ += markup; }

    std::string take() { return std::move(out_); }

private:
    void start(std::string_view tag, Attributes attributes);
    int decimals_;
    std::string out_;
};

// The "d" of a path.
class PathData {
public:
    explicit PathData(const SvgWriter& writer) : writer_(writer) {}
    PathData& moveTo(Point p) { return command('M', p); }
    PathData& lineTo(Point p) { return command('L', p); }
    // An elliptic arc with axes along x and y.
    PathData& arcTo(double rx, double ry, bool large, bool sweep, Point p);
    PathData& close();
    const std::string& text() const { return d_; }

private:
    PathData& command(char letter, Point p);
    const SvgWriter& writer_;
    std::string d_;
};

std::string escaped(std::string_view text);

}  // namespace solver::drawing
