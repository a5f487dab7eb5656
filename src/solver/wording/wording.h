// SPDX-License-Identifier: MIT
#pragma once
// How values are written in a task's results and steps: exact forms as an
// answer key writes them, decimals rounded with the user's separator, units
// squared and cubed, volumes also in litres.

#include <functional>
#include <optional>
#include <string>

#include "engine/expression.h"
#include "engine/solids.h"
#include "engine/settings.h"
#include "engine/value.h"

namespace solver {

class Wording {
public:
    Wording(const Settings& settings, std::optional<Unit> unit, bool decimalGivens);

    TextStyle style() const { return style_; }
    int digits() const { return settings_.digits; }
    // The same wording with `extra` more digits after the separator.
    Wording moreDigits(int extra) const;
    // The wording of a quantity of this dimension: an angle to the digits the
    // task asks of angles („с точност до градус“), everything else as it is.
    Wording forDimension(Dimension dimension) const;
    double pi() const { return piValue(settings_.pi); }
    // " cm²" for an area, "" without a unit or for a count.
    std::string unitText(Dimension dimension) const;
    // A number inside a formula: "15π", "25/3", "2,88".
    std::string number(const Value& value) const;
    // What follows a letter: "= 15π ≈ 47,12", "= 5", "≈ 2,88".
    std::string equals(const Value& value) const;
    // A quantity's value for people: "15π ≈ 47,12 cm²", "1872 cm³ (1,872 l)".
    std::string quantity(const Value& value, Dimension dimension) const;
    // The exact form as a key writes it: with π a decimal, a form with π
    // below a fraction bar or beside other terms is the fraction π makes of
    // it where that ends within the digits asked (314 + 50π is 471 with π ≈ 3,14).
    std::optional<Exact> keyForm(const Exact& x) const;
    // The letters of a formula replaced by the values `known` gives.
    Substitution substitution(std::function<const Value*(int)> known) const;

private:
    struct Parts {
        bool approximate;  // a decimal that is not the number itself
        std::string text;  // "15π ≈ 47,12", "5", "2,88"
    };
    Parts parts(const Value& value) const;
    // The decimal rounded to the digits asked for, from the exact value itself
    // where that is a fraction (16,25π with π as 3,14 is 51,025: 51,03).
    std::string rounded(const Value& value) const;
    // An exact form's value as a fraction, π taken as the task takes it; none
    // with roots in it, or π exact and in it.
    std::optional<Rational> asFraction(const Exact& x) const;
    bool shownExactly(const Exact& x) const;
    // The value also in another unit, `factor` of them to one: " (≈ 9,42 l)".
    std::string alsoIn(const Value& value, const Rational& factor, std::string_view unit) const;

    Settings settings_;
    std::optional<Unit> unit_;
    TextStyle style_;
};

}  // namespace solver
