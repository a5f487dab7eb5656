// SPDX-License-Identifier: MIT
#include "wording/wording.h"

#include <algorithm>
#include <cstdlib>

#include "engine/superscript.h"

namespace solver {
namespace {

constexpr std::size_t maxExactText = 32;  // bytes: longer exact forms help no one on a phone

bool writtenInFull(const Exact& x) { return x.isRational() && Exact::endsInDecimals(x.rational(), 60); }

bool piBelow(const Exact& x) {
    return std::any_of(x.terms().begin(), x.terms().end(), [](const Term& t) { return t.k < 0; });
}

// Terms with different powers of π: "314 + 50π".
bool piMixed(const Exact& x) {
    return std::any_of(x.terms().begin(), x.terms().end(), [&](const Term& t) { return t.k != x.terms().front().k; });
}

// Rounded half away from zero to `digits` places, trailing zeros dropped; none
// for numbers that a fixed number of places does not suit.
std::optional<std::string> roundedFraction(const Rational& q, int digits, std::string_view separator) {
    const Rational magnitude = boost::multiprecision::abs(q);
    const Integer scale = boost::multiprecision::pow(Integer(10), unsigned(digits));
    if (magnitude >= 1000000000 || (magnitude != 0 && magnitude * scale < Rational(1, 2))) return std::nullopt;
    const Rational scaled = magnitude * scale + Rational(1, 2);
    const Integer whole = boost::multiprecision::numerator(scaled) / boost::multiprecision::denominator(scaled);
    return (q < 0 && whole != 0 ? "−" : "") + decimalText(Rational(whole, scale), separator);
}

}  // namespace

Wording::Wording(const Settings& settings, std::optional<Unit> unit, bool decimalGivens)
    : settings_(settings), unit_(unit), style_{settings_.separator, decimalGivens} {}

Wording Wording::moreDigits(int extra) const {
    Wording more = *this;
    more.settings_.digits += extra;
    return more;
}

std::string Wording::unitText(Dimension dimension) const {
    if (dimension == Dimension::Angle) return "°";
    if (isUseDimension(dimension)) {
        const std::string symbol = useUnitSymbol(unit_, dimension);
        return symbol.empty() ? "" : " " + symbol;
    }
    if (!unit_ || dimension == Dimension::Count || dimension == Dimension::Ratio) return "";
    const std::string symbol(unitSymbol(*unit_));
    switch (dimension) {
    case Dimension::Area: return " " + symbol + "²";
    case Dimension::Volume: return " " + symbol + "³";
    default: return " " + symbol;
    }
}

std::optional<Rational> Wording::asFraction(const Exact& x) const {
    if (x.isRational()) return x.rational();
    const auto pi = piFraction(settings_.pi);
    if (!pi) return std::nullopt;
    Rational sum = 0;
    for (const Term& t : x.terms()) {
        if (t.m != 1) return std::nullopt;
        Rational term = t.q;
        for (int i = 0; i < std::abs(t.k); ++i) {
            if (t.k > 0) term *= *pi;
            else term /= *pi;
        }
        sum += term;
    }
    return sum;
}

std::string Wording::rounded(const Value& value) const {
    if (value.exact)
        if (const auto q = asFraction(*value.exact))
            if (const auto text = roundedFraction(*q, settings_.digits, settings_.separator)) return *text;
    return roundedText(value.number, settings_.digits, settings_.separator);
}

bool Wording::shownExactly(const Exact& x) const {
    // With π a decimal, π under a fraction bar helps no one: 12,56/π is 4;
    // nor does a sum of a decimal datum and π: 314 + 50π is 471.
    if (settings_.pi != PiSetting::Exact && (piBelow(x) || piMixed(x))) return false;
    // Nor does an exact form longer than a line of a phone.
    return x.text(style_).size() <= maxExactText;
}

std::string Wording::number(const Value& value) const {
    if (value.exact && shownExactly(*value.exact)) return value.exact->text(style_);
    return parts(value).text;
}

std::optional<Exact> Wording::keyForm(const Exact& x) const {
    if (shownExactly(x) || settings_.pi == PiSetting::Exact) return x;
    // As the steps write it: a fraction where it ends within the digits asked (471), else as it is.
    if (const auto q = asFraction(x); q && Exact::endsInDecimals(*q, settings_.digits)) return Exact(*q);
    return x;
}

Wording::Parts Wording::parts(const Value& value) const {
    const std::string decimal = rounded(value);
    if (value.exact && shownExactly(*value.exact)) {
        const std::string exact = value.exact->text(style_);
        if (writtenInFull(*value.exact)) return {false, exact};
        return {false, exact + " ≈ " + decimal};
    }
    if (value.exact)
        if (const auto q = asFraction(*value.exact)) return {!Exact::endsInDecimals(*q, settings_.digits), decimal};
    return {roundingChanges(value.number, settings_.digits), decimal};
}

std::string Wording::equals(const Value& value) const {
    const Parts p = parts(value);
    return (p.approximate ? "≈ " : "= ") + p.text;
}

Wording Wording::forDimension(Dimension dimension) const {
    Wording chosen = *this;
    if (dimension == Dimension::Angle && settings_.angleDigits) {
        chosen.settings_.digits = *settings_.angleDigits;
        chosen.settings_.angleDigits.reset();
    }
    return chosen;
}

std::string Wording::quantity(const Value& value, Dimension dimension) const {
    if (dimension == Dimension::Angle && settings_.angleDigits) return forDimension(dimension).quantity(value, dimension);
    const Parts p = parts(value);
    std::string text = (p.approximate ? "≈ " : "") + p.text + unitText(dimension);
    if (dimension == Dimension::Volume && unit_) text += alsoIn(value, unitFactor(*unit_, Unit::Decimetre, 3), "l");
    // A unit price also as shops write it: per litre, per square metre.
    if (dimension == Dimension::MoneyPerVolume && unit_ && *unit_ != Unit::Decimetre)
        text += alsoIn(value, 1 / unitFactor(*unit_, Unit::Decimetre, 3), "лв./l");
    if (dimension == Dimension::MoneyPerArea && unit_ && *unit_ != Unit::Metre)
        text += alsoIn(value, 1 / unitFactor(*unit_, Unit::Metre, 2), "лв./m²");
    return text;
}

std::string Wording::alsoIn(const Value& value, const Rational& factor, std::string_view unit) const {
    Value other = value;
    other.number *= static_cast<double>(factor.convert_to<double>());
    if (other.exact) other.exact = *other.exact * Exact(factor);
    const Parts l = other.exact && writtenInFull(*other.exact) ? Parts{false, other.exact->text(style_)}
                                                                : Parts{false, rounded(other)};
    const bool approximate = !(other.exact && writtenInFull(*other.exact)) &&
                             (other.exact && asFraction(*other.exact)
                                  ? !Exact::endsInDecimals(*asFraction(*other.exact), settings_.digits)
                                  : roundingChanges(other.number, settings_.digits));
    return " (" + std::string(approximate ? "≈ " : "") + l.text + " " + std::string(unit) + ")";
}

Substitution Wording::substitution(std::function<const Value*(int)> known) const {
    Substitution with;
    with.quantity = std::move(known);
    with.piValue = pi();
    with.separator = settings_.separator;
    with.valueText = [this](const Value& value) { return number(value); };
    return with;
}

}  // namespace solver
