// SPDX-License-Identifier: MIT
#include "nice_numbers.h"

#include <cmath>

#include "answer_check.h"
#include "task_text.h"

namespace solver::worksheet {
namespace {

constexpr double largestValue = 1e6;

bool wholeNumber(const Rational& q) { return boost::multiprecision::denominator(q) == 1; }

bool within(const Rational& q, long long largest) {
    return boost::multiprecision::abs(boost::multiprecision::numerator(q)) <= largest &&
           boost::multiprecision::denominator(q) <= largest;
}

// Whether the single term is one a sheet gives: q·√m·πᵏ as the numbers allow.
bool niceGivenTerm(const Term& term, Dimension dimension, bool rootedLength, Numbers numbers) {
    if (term.q <= 0 || !within(term.q, 1000000)) return false;
    if (numbers == Numbers::Decimal)
        return term.m == 1 && Exact::endsInDecimals(term.q, dimension == Dimension::Length ? 2 : 3) &&
               (term.k == 0 || (term.k == 1 && dimension != Dimension::Length));
    // Thirds only in round solids' volumes, as a ball's 32π/3.
    const bool piThirds = dimension == Dimension::Volume && term.k == 1 && boost::multiprecision::denominator(term.q) == 3;
    if (!wholeNumber(term.q) && !piThirds) return false;
    if (dimension == Dimension::Count) return term.m == 1 && term.k == 0;
    if (dimension == Dimension::Length)  // a plane figure's radii, a sphere's about a cube, may be given as 3√3
        return term.k == 0 && (term.m == 1 || (rootedLength && (term.m == 2 || term.m == 3)));
    return (term.k == 0 && (term.m == 1 || term.m == 2 || term.m == 3)) || (term.k == 1 && term.m == 1);
}

}  // namespace

std::optional<GivenNumber> givenNumber(const Exact& value, const SolidRow& solid, const QuantityRow& quantity,
                                       const SheetSettings& settings) {
    if (!value.isMonomial() || value.value() > largestValue) return std::nullopt;
    const Term& term = value.terms().front();
    const bool rootedLength = quantity.ofUse || (solid.registration && solid.registration->plane);
    if (!niceGivenTerm(term, quantity.dimension, rootedLength, settings.numbers)) return std::nullopt;
    const bool decimals = settings.numbers == Numbers::Decimal;
    if (term.k == 1 && settings.pi == PiSetting::School) {
        // 36π is given as 113,04 where the sheet takes π as 3,14.
        const Rational withPi = term.q * Rational(157, 50);
        if (term.m != 1 || !Exact::endsInDecimals(withPi, 3)) return std::nullopt;
        return GivenNumber{decimalText(withPi, "."), decimalText(withPi, ",")};
    }
    return GivenNumber{value.text({".", decimals}), value.text({",", decimals})};
}

bool niceAnswer(const std::optional<Exact>& exact, double value, Numbers numbers) {
    if (!std::isfinite(value) || value <= 0 || value > largestValue) return false;
    if (numbers == Numbers::Decimal) return true;
    if (!exact || exact->terms().size() > 2) return false;
    for (const Term& term : exact->terms()) {
        if (term.k < 0 || term.k > 1 || term.m > 2000 || !within(term.q, 10000000) ||
            boost::multiprecision::denominator(term.q) > 12)
            return false;
    }
    return true;
}

std::string answerText(const QuantityResult& found, const std::optional<Exact>& exact, Numbers numbers) {
    // On decimal sheets only an exact form a student would write: 7,5π, not √1921/10 nor 4913π/750.
    const bool writable = !exact || numbers == Numbers::Whole ||
                          (exact->isMonomial() && exact->terms().front().m == 1 &&
                           Exact::endsInDecimals(exact->terms().front().q, 6));
    // The steps end in the sheet's unit: a volume's litres, which the solver
    // adds in brackets, are not asked.
    std::string text = found.text;
    if (text.ends_with(" l)") && text.rfind(" (") != std::string::npos) text.resize(text.rfind(" ("));
    const std::size_t approximately = text.find("≈ ");
    if (writable || approximately == std::string::npos) return text;
    return text.substr(approximately);
}

}  // namespace solver::worksheet
