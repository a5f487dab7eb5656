// SPDX-License-Identifier: MIT
#include "wording.h"

#include "givens.h"
#include "superscript.h"

namespace solver {
namespace {

constexpr std::size_t maxExactText = 32;  // bytes: longer exact forms help no one on a phone

}  // namespace

Wording::Wording(const Settings& settings, std::optional<Unit> unit, bool decimalGivens)
    : settings_(settings), unit_(unit), style_{settings_.separator, decimalGivens} {}

std::string Wording::unitText(Dimension dimension) const {
    if (!unit_ || dimension == Dimension::Count) return "";
    const std::string symbol(unitSymbol(*unit_));
    switch (dimension) {
    case Dimension::Area: return " " + symbol + "²";
    case Dimension::Volume: return " " + symbol + "³";
    default: return " " + symbol;
    }
}

std::string Wording::number(const Value& value) const {
    if (value.exact) {
        const std::string exact = value.exact->text(style_);
        if (exact.size() <= maxExactText) return exact;
    }
    return roundedText(value.number, settings_.digits, settings_.separator);
}

namespace {

bool writtenInFull(const Exact& x) { return x.isRational() && Exact::endsInDecimals(x.rational(), 60); }

}  // namespace

Wording::Parts Wording::parts(const Value& value) const {
    const std::string rounded = roundedText(value.number, settings_.digits, settings_.separator);
    if (value.exact) {
        const std::string exact = value.exact->text(style_);
        if (writtenInFull(*value.exact) && exact.size() <= maxExactText) return {false, exact};
        // An exact form longer than a line of a phone helps no one: the decimal alone.
        if (exact.size() <= maxExactText) return {false, exact + " ≈ " + rounded};
    }
    return {roundingChanges(value.number, settings_.digits), rounded};
}

std::string Wording::equals(const Value& value) const {
    const Parts p = parts(value);
    return (p.approximate ? "≈ " : "= ") + p.text;
}

std::string Wording::quantity(const Value& value, Dimension dimension) const {
    const Parts p = parts(value);
    std::string text = (p.approximate ? "≈ " : "") + p.text + unitText(dimension);
    if (dimension == Dimension::Volume && unit_) {
        const Rational toLitres = unitFactor(*unit_, Unit::Decimetre, 3);
        const long double litres = value.number * static_cast<long double>(toLitres.convert_to<double>());
        if (value.exact && writtenInFull(*value.exact * Exact(toLitres)))
            text += " (" + (*value.exact * Exact(toLitres)).text(style_) + " l)";
        else
            text += " (" + std::string(roundingChanges(litres, settings_.digits) ? "≈ " : "") +
                    roundedText(litres, settings_.digits, settings_.separator) + " l)";
    }
    return text;
}

Substitution Wording::substitution(std::function<const Value*(int)> known, int sides) const {
    Substitution with;
    with.quantity = std::move(known);
    with.piValue = pi();
    with.sides = sides;
    with.separator = settings_.separator;
    with.valueText = [this](const Value& value) { return number(value); };
    return with;
}

}  // namespace solver
