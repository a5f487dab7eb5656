// SPDX-License-Identifier: MIT
#include "solution.h"

#include <utility>

#include "numeric.h"
#include "statements.h"

namespace geometry {
namespace {

// π, 2π and 4π as a formula writes them and as the calculation uses them.
struct Constant {
    std::string_view symbol;
    std::string_view digits;  // with a point for the separator
    double value;
};
constexpr Constant constants[] = {{"2π", "6.283184", twoPi}, {"4π", "12.566368", fourPi}, {"π", "3.141592", pi}};

// The double nearest a text of digits with one point: its digits as a whole
// number, divided by a power of ten (both exact, so the one division rounds).
constexpr double decimalValue(std::string_view digits) {
    double whole = 0, scale = 1;
    bool afterPoint = false;
    for (char c : digits) {
        if (c == '.') {
            afterPoint = true;
            continue;
        }
        whole = whole * 10 + (c - '0');
        if (afterPoint) scale *= 10;
    }
    return whole / scale;
}

constexpr bool constantsWrittenAsUsed() {
    for (const Constant& constant : constants)
        if (decimalValue(constant.digits) != constant.value) return false;
    return true;
}
static_assert(constantsWrittenAsUsed(), "the solution must show the constants the calculation uses");

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigitOrLetter(char c) { return isLetter(c) || (c >= '0' && c <= '9'); }

// "S=" names the result "S".
std::string_view symbolOfLabel(std::string_view label) {
    return label.substr(0, label.find('='));
}

std::string withSeparator(std::string_view digits, std::string_view separator) {
    std::string text;
    for (char c : digits) {
        if (c == '.') text += separator;
        else text += c;
    }
    return text;
}

// What the letters of the formulas stand for in one press: each input it read,
// written as the calculator writes numbers into fields, and each result it
// wrote, as its field shows it.
class PressValues {
public:
    PressValues(const Press& press, std::string_view separator) : separator_(separator) {
        for (const auto& [field, value] : press.valuesRead()) {
            const InputRow& input = *fieldInfo(field).input;
            if (kind_.empty()) kind_ = input.kind;
            texts_.emplace_back(input.letter, numberToText(value, separator));
        }
        for (const auto& [field, text] : press.written())
            if (const ResultRow* result = fieldInfo(field).result; result && !text.empty())
                texts_.emplace_back(symbolOfLabel(result->label), text);
    }

    // None for any other word ("cotg").
    const std::string* text(std::string_view symbol) const {
        for (const auto& [name, text] : texts_)
            if (name == symbol) return &text;
        return nullptr;
    }

    // The right prism's kind, as the inputs read belong to it; empty elsewhere.
    std::string_view kind() const { return kind_; }
    std::string_view separator() const { return separator_; }

private:
    std::string_view separator_;
    std::string_view kind_;
    std::vector<std::pair<std::string_view, std::string>> texts_;
};

// A number put in for a symbol, in parentheses where it would misread:
// negative, or in exponent form before a power.
std::string putIn(const std::string& number, std::string_view after) {
    const bool raised = after.starts_with("²") || after.starts_with("³");
    if (number.starts_with('-') || (raised && number.find('E') != std::string::npos)) return "(" + number + ")";
    return number;
}

const Constant* constantAt(std::string_view text) {
    for (const Constant& constant : constants)
        if (text.starts_with(constant.symbol)) return &constant;
    return nullptr;
}

// The formula with the press's numbers in place of its letters and constants;
// everything else (digits, signs, "cotg") stays.
std::string withNumbers(std::string_view formula, const PressValues& values) {
    std::string text;
    while (!formula.empty()) {
        if (const Constant* constant = constantAt(formula)) {
            text += withSeparator(constant->digits, values.separator());
            formula.remove_prefix(constant->symbol.size());
        } else if (isLetter(formula.front())) {
            std::size_t length = 1;
            while (length < formula.size() && isDigitOrLetter(formula[length])) ++length;
            const std::string_view symbol = formula.substr(0, length);
            formula.remove_prefix(length);
            const std::string* number = values.text(symbol);
            text += number ? putIn(*number, formula) : std::string(symbol);
        } else {
            text += formula.front();
            formula.remove_prefix(1);
        }
    }
    return text;
}

struct HowFound {
    std::string_view symbol, formula;
};

HowFound howFound(const PanelRow& panel, const ResultRow& result, std::string_view kind) {
    for (const KindFormula& byKind : panel.kindFormulas)
        if (byKind.kind == kind && byKind.field == result.field) return {byKind.symbol, byKind.formula};
    return {symbolOfLabel(result.label), result.formula};
}

}  // namespace

std::vector<std::string> solutionLines(const PanelRow& panel, const Press& press,
                                       std::string_view decimalSeparator) {
    const PressValues values(press, decimalSeparator);
    std::vector<std::string> lines;
    for (const auto& [result, text] : resultsWritten(panel, press)) {
        const auto [symbol, formula] = howFound(panel, *result, values.kind());
        lines.push_back(std::string(symbol) + " = " + std::string(formula) + " = " + withNumbers(formula, values) +
                        " = " + std::string(text));
    }
    return lines;
}

std::vector<std::string_view> wrapPieces(std::string_view line) {
    constexpr std::string_view times = "·";
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    for (std::size_t at = 0; at < line.size();) {
        const std::size_t end = line[at] == ' ' ? at + 1 : line.substr(at).starts_with(times) ? at + times.size() : 0;
        at = end ? end : at + 1;
        if (end && end < line.size()) {
            pieces.push_back(line.substr(start, end - start));
            start = end;
        }
    }
    pieces.push_back(line.substr(start));
    return pieces;
}

}  // namespace geometry
