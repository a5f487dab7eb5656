// SPDX-License-Identifier: MIT
// Writes, as JSON, the cases the web edition's browser test replays, taken from
// the core tests' own tables (tests/core/panel_cases.h) and from the core, so
// that no expected text is written a second time in JavaScript:
//
//   - per decimal separator, one press per panel: the first row of its table
//     that shows results and has a number with a decimal separator typed (or
//     else the first that shows results), in that separator's form, with the
//     results as the core announces them and the row's own lines of how each
//     result was found;
//   - per separator, failed presses with the title and message the core
//     reports: the first row that stops at an input written with the wrong
//     separator, the first whose prism kind is a digit that names no kind, and
//     the first that stops at an empty input its panel names by its place
//     ("вторият ръб (b)");
//   - the instruction's messages, in order, as the core shows them;
//   - a paste of a megabyte into the sphere's radius, with the core's refusal;
//   - where the window description puts each control, in pixels from the
//     window's corner, and the window's tab stops in order.
//
//   stereometry_web_cases OUT.json
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "error_stop.h"
#include "fakes.h"
#include "layout.h"
#include "panel_cases.h"

namespace geometry::testing {
namespace {

std::string json(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            static const char hex[] = "0123456789abcdef";
            out += "\\u00";
            out += hex[byte >> 4];
            out += hex[byte & 15];
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string fieldTexts(const Texts& texts, const std::string& separator) {
    std::string out = "[";
    for (const auto& [field, text] : texts) {
        if (out.size() > 1) out += ", ";
        out += "[" + json(fieldInfo(field).name) + ", " + json(localized(text, separator)) + "]";
    }
    return out + "]";
}

std::string press(const PanelTable& table, const Row& row, const std::string& separator) {
    const PanelRow& panel = panelRow(table.panel.which);
    const std::string frame(panel.frame);
    return "{\"panel\": " + json(table.panel.caption) + ", \"what\": " + json(row.what) +
           ", \"frame\": " + json(frame) + ", \"solutionId\": " + json("Solution" + frame.substr(5)) +
           ", \"button\": " + json(buttonName(table.panel.calculate)) +
           ", \"clearButton\": " + json(buttonName(panel.clear.button)) +
           ", \"typed\": " + fieldTexts(row.typed, separator) + ", \"shown\": " + fieldTexts(row.shown, separator);
}

bool typesASeparator(const Row& row) {
    for (const auto& [field, text] : row.typed)
        if (text.find('.') != std::string::npos) return true;
    return false;
}

const Row& rowToPress(const PanelTable& table) {
    const Row* shows = nullptr;
    for (const Row& row : table.rows) {
        if (row.shown.empty() || row.stop) continue;
        if (typesASeparator(row)) {
            shows = &row;
            break;
        }
        if (!shows) shows = &row;
    }
    if (!shows) throw std::runtime_error(std::string("no row shows results: ") + table.panel.name);
    if (shows->solution.empty())
        throw std::runtime_error(std::string("the row pressed has no solution lines: ") + table.panel.name);
    return *shows;
}

std::string solution(const Row& row, const std::string& separator) {
    std::string out = "[";
    for (const std::string& line : row.solution) out += (out.size() > 1 ? ", " : "") + json(localized(line, separator));
    return out + "]";
}

// The row pressed on the core, for what it announces.
std::string announcement(const PanelTable& table, const Row& row, const std::string& separator) {
    Bench bench(separator);
    for (const auto& [field, text] : row.typed) bench.fields.texts[field] = localized(text, separator);
    bench.handlers.press(table.panel.calculate);
    return bench.window.announcements.at(0).second;
}

std::string presses(const std::string& separator) {
    std::string out;
    for (const PanelTable* table : panelTables) {
        const Row& row = rowToPress(*table);
        out += std::string(out.empty() ? "" : ",\n        ") + press(*table, row, separator) +
               ", \"announcement\": " + json(announcement(*table, row, separator)) +
               ", \"solution\": " + solution(row, separator) + "}";
    }
    return "[\n        " + out + "\n      ]";
}

// The first row that `fails` picks, pressed on the core, for the error stop it reports.
std::string failedPress(const std::string& separator, const char* what, bool (*fails)(const Row&)) {
    for (const PanelTable* table : panelTables)
        for (const Row& row : table->rows) {
            if (!row.stop || !row.stopField || !fails(row)) continue;
            Bench bench(separator);
            for (const auto& [field, text] : row.typed) bench.fields.texts[field] = localized(text, separator);
            bench.handlers.press(table->panel.calculate);
            const ErrorStop& stop = bench.window.stops.at(0);
            return press(*table, row, separator) + ", \"field\": " + json(fieldInfo(*stop.field()).name) +
                   ", \"title\": " + json(errorTitle) + ", \"message\": " + json(errorMessage(stop, separator)) +
                   "}";
        }
    throw std::runtime_error(std::string("no row stops ") + what);
}

std::string typedInto(const Row& row, Field field) {
    for (const auto& [typed, text] : row.typed)
        if (typed == field) return text;
    return {};
}

std::string failedPresses(const std::string& separator) {
    const auto wrongSeparator = [](const Row& row) { return row.stop == StopReason::WrongSeparator; };
    const auto kindNoneNames = [](const Row& row) {
        const std::string kind = typedInto(row, Field::PrismKind);
        return row.stop == StopReason::NotAKind && kind.size() == 1 && kind > "3";
    };
    const auto emptyNamedByPlace = [](const Row& row) {
        return row.stop == StopReason::EmptyField && !fieldInfo(*row.stopField).input->distinction.empty();
    };
    return "[\n        " + failedPress(separator, "at a wrong separator", wrongSeparator) + ",\n        " +
           failedPress(separator, "at a kind that names none", kindNoneNames) + ",\n        " +
           failedPress(separator, "at an empty input named by its place", emptyNamedByPlace) + "\n      ]";
}

std::string instruction() {
    Bench bench(".");
    bench.handlers.press(Button::ShowInstruction);
    std::string out;
    for (const RecordingWindow::Message& message : bench.window.messages)
        out += std::string(out.empty() ? "" : ",\n    ") + "{\"title\": " + json(message.title) +
               ", \"prompt\": " + json(message.prompt) + "}";
    return "[\n    " + out + "\n  ]";
}

std::string longPaste() {
    const std::size_t length = 1 << 20;
    return "{\"field\": " + json(fieldInfo(Field::SphereRadius).name) + ", \"length\": " + std::to_string(length) +
           ", \"title\": " + json(errorTitle) + ", \"message\": " + json(tooLongMessage(Field::SphereRadius, length)) +
           "}";
}

// Where each control of the window stands, in pixels from the window's
// top-left corner, and the window's tab stops in order.
std::string window() {
    std::string places, order;
    for (const layout::ControlRow& row : layout::form1Controls()) {
        const layout::ControlRow* panel = layout::findControl(row.container);
        const int left = row.left + (panel ? panel->left : 0), top = row.top + (panel ? panel->top : 0);
        places += std::string(places.empty() ? "" : ",\n      ") + "[" + json(row.name) + ", " +
                  std::to_string(layout::twipsToPixels(left)) + ", " + std::to_string(layout::twipsToPixels(top)) +
                  ", " + std::to_string(layout::twipsToPixels(row.width)) + ", " +
                  std::to_string(layout::twipsToPixels(row.height)) + "]";
    }
    for (const layout::ControlRow* stop : layout::form1TabStops())
        order += std::string(order.empty() ? "" : ", ") + json(stop->name);
    return "{\n    \"places\": [\n      " + places + "\n    ],\n    \"tabOrder\": [" + order + "]\n  }";
}

std::string cases() {
    std::string out = "{\n  \"window\": " + window() +
                      ",\n  \"instructionButton\": " + json(buttonName(Button::ShowInstruction)) +
                      ",\n  \"closeButton\": " + json(buttonName(Button::CloseWindow)) +
                      ",\n  \"instruction\": " + instruction() + ",\n  \"longPaste\": " + longPaste() +
                      ",\n  \"separators\": {";
    for (const std::string separator : {".", ","}) {
        out += std::string(separator == "." ? "" : ",") + "\n    " + json(separator) + ": {\n      \"presses\": " +
               presses(separator) + ",\n      \"failedPresses\": " + failedPresses(separator) + "\n    }";
    }
    return out + "\n  }\n}\n";
}

}  // namespace
}  // namespace geometry::testing

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: stereometry_web_cases OUT.json\n";
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << geometry::testing::cases();
    if (!out.flush()) {
        std::cerr << "stereometry_web_cases: cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
