// SPDX-License-Identifier: MIT
#include "svg_writer.h"

#include <cmath>

#include "engine/decimal_text.h"

namespace solver::drawing {

std::string SvgWriter::number(double value) const {
    if (!std::isfinite(value)) return "0";
    std::string text = fixedText(value, decimals_);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    return text == "-0" ? "0" : text;
}

std::string SvgWriter::points(const Polygon& polygon) const {
    std::string text;
    for (Point p : polygon) {
        if (!text.empty()) text += ' ';
        text += number(p.x) + ',' + number(p.y);
    }
    return text;
}

std::string escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

void SvgWriter::start(std::string_view tag, Attributes attributes) {
    out_ += '<';
    out_ += tag;
    for (const auto& [name, value] : attributes) {
        out_ += ' ';
        out_ += name;
        out_ += "=\"";
        out_ += escaped(value);
        out_ += '"';
    }
}

void SvgWriter::open(std::string_view tag, Attributes attributes) {
    start(tag, attributes);
    out_ += ">";
}

void SvgWriter::element(std::string_view tag, Attributes attributes) {
    start(tag, attributes);
    out_ += "/>";
}

void SvgWriter::textElement(std::string_view tag, Attributes attributes, std::string_view content) {
    open(tag, attributes);
    text(content);
    close(tag);
}

void SvgWriter::text(std::string_view content) { out_ += escaped(content); }

void SvgWriter::close(std::string_view tag) {
    out_ += "</";
    out_ += tag;
    out_ += ">";
}

PathData& PathData::command(char letter, Point p) {
    if (!d_.empty()) d_ += ' ';
    d_ += letter;
    d_ += writer_.number(p.x) + ' ' + writer_.number(p.y);
    return *this;
}

PathData& PathData::arcTo(double rx, double ry, bool large, bool sweep, Point p) {
    d_ += " A" + writer_.number(rx) + ' ' + writer_.number(ry) + " 0 " + (large ? '1' : '0') + ' ' +
          (sweep ? '1' : '0') + ' ' + writer_.number(p.x) + ' ' + writer_.number(p.y);
    return *this;
}

PathData& PathData::close() {
    d_ += " Z";
    return *this;
}

}  // namespace solver::drawing
