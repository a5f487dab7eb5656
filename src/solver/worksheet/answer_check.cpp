// SPDX-License-Identifier: MIT
#include "answer_check.h"

#include <cmath>

#include "task_text.h"

namespace solver::worksheet {
namespace {

constexpr std::string_view example = "например 15π, 47,12 или 12√3";

Rational power(const Rational& base, int exponent) {
    Rational result = 1;
    for (int i = 0; i < std::abs(exponent); ++i) result *= base;
    return exponent < 0 ? Rational(1) / result : result;
}

bool holdsPi(const Exact& x) {
    for (const Term& term : x.terms())
        if (term.k != 0) return true;
    return false;
}

Rational tenPower(int places) { return power(Rational(10), places); }

// q rounded to `places` decimals, halves away from zero (values here are positive).
Rational rounded(const Rational& q, int places) {
    const Rational scaled = q * tenPower(places) + Rational(1, 2);
    const Integer whole = boost::multiprecision::numerator(scaled) / boost::multiprecision::denominator(scaled);
    return Rational(whole) / tenPower(places);
}

// Whether `typed`, written with `places` decimals, is the value rounded so.
bool roundsTo(const Rational& typed, int places, const std::optional<Exact>& exact, double value) {
    if (exact && exact->isRational()) return rounded(exact->rational(), places) == typed;
    const double half = 0.5 * std::pow(10.0, -places);
    const double typedValue = static_cast<double>(typed.convert_to<double>());
    return std::fabs(typedValue - value) <= half * (1 + 1e-12) + 1e-15 * std::fabs(value);
}

std::string trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return std::string(text);
}

struct TypedUnit {
    std::string number;  // the text without the unit
    std::string symbol;  // "cm", "см"; empty where none was typed
    int power = 0;       // 2 for "cm²" or "cm2", 0 where none was written
};

// A unit follows a number: "47,12 cm²", "3cm", "15π cm²"; never a letter ("15pi").
bool canPrecedeUnit(std::string_view number) {
    if (number.empty()) return false;
    const char last = number.back();
    return (last >= '0' && last <= '9') || last == ' ' || last == ')' || number.ends_with("π");
}

TypedUnit splitUnit(const std::string& text) {
    // A mass and a sum of money before the lengths, which they may end like ("kg", "mg").
    static constexpr std::string_view symbols[] = {"лв.", "лв", "mg", "мг", "kg", "кг", "g", "г", "t", "т",
                                                   "mm", "cm", "dm", "мм", "см", "дм", "ml", "мл", "m", "м", "l", "л"};
    static constexpr std::pair<std::string_view, int> powers[] = {{"²", 2}, {"³", 3}, {"^2", 2}, {"^3", 3},
                                                                  {"2", 2}, {"3", 3}, {"", 0}};
    for (const auto& [mark, power] : powers) {
        if (!text.ends_with(mark)) continue;
        const std::string_view rest = std::string_view(text).substr(0, text.size() - mark.size());
        for (std::string_view symbol : symbols) {
            if (!rest.ends_with(symbol)) continue;
            const std::string_view number = rest.substr(0, rest.size() - symbol.size());
            if (!canPrecedeUnit(number)) continue;
            return {trimmed(number), std::string(symbol), power};
        }
    }
    return {text, "", 0};
}

// How many of the sheet's units one typed unit makes (1000 for litres of
// cm³); none where the typed unit measures something else.
std::optional<Rational> unitRatio(const TypedUnit& typed, const AnswerUnit& sheet) {
    const int power = sheet.dimension == Dimension::Area ? 2 : sheet.dimension == Dimension::Volume ? 3 : 1;
    if (typed.symbol == "l" || typed.symbol == "л" || typed.symbol == "ml" || typed.symbol == "мл") {
        if (sheet.dimension != Dimension::Volume || typed.power != 0) return std::nullopt;
        const Unit litre = typed.symbol == "l" || typed.symbol == "л" ? Unit::Decimetre : Unit::Centimetre;
        return unitFactor(litre, sheet.unit, 3);
    }
    // A mass in grams, kilograms or tonnes; a sum in лв.
    static constexpr std::pair<std::string_view, int> grams[] = {{"g", 1}, {"г", 1}, {"kg", 1000}, {"кг", 1000},
                                                                 {"t", 1000000}, {"т", 1000000}};
    if (typed.symbol == "лв." || typed.symbol == "лв")
        return sheet.dimension == Dimension::Money && typed.power == 0 ? std::optional<Rational>(1) : std::nullopt;
    if (typed.symbol == "mg" || typed.symbol == "мг")
        return sheet.dimension == Dimension::Mass && typed.power == 0
                   ? std::optional<Rational>(Rational(1, 1000) / gramsPerMassUnit(sheet.unit))
                   : std::nullopt;
    for (const auto& [symbol, inGrams] : grams)
        if (typed.symbol == symbol)
            return sheet.dimension == Dimension::Mass && typed.power == 0
                       ? std::optional<Rational>(Rational(inGrams, gramsPerMassUnit(sheet.unit)))
                       : std::nullopt;
    const std::optional<Unit> unit = unitByName(typed.symbol);
    if (!unit || isUseDimension(sheet.dimension) || (typed.power == 0 ? power != 1 : typed.power != power))
        return std::nullopt;
    return unitFactor(*unit, sheet.unit, power);
}

// Digits from the first that is not zero to the last written: 3 in "0,0377" and in "47,1".
int significantDigits(std::string_view number) {
    int count = 0;
    bool started = false;
    for (char c : number) {
        if (c < '0' || c > '9') continue;
        if (c != '0') started = true;
        if (started) ++count;
    }
    return count;
}

// "Напишете отговора с два знака след десетичната запетая (или точно, с π или √)."
std::string placesRequest(int places) {
    static constexpr std::string_view words[] = {"", "един знак", "два знака", "три знака", "четири знака"};
    if (places <= 0) return "Напишете отговора като цяло число (или точно, с π или √).";
    const std::string count = places < int(std::size(words)) ? std::string(words[std::size_t(places)])
                                                             : std::to_string(places) + " знака";
    return "Напишете отговора с " + count + " след десетичната запетая (или точно, с π или √).";
}

std::string unitName(const AnswerUnit& unit) { return unitText(unit.unit, unit.dimension).substr(1); }

AnswerCheck unreadable(std::string message) { return {Verdict::Unreadable, std::move(message), ""}; }

// Whether the typed number, a decimal or a whole number, is right with π taken otherwise.
bool rightWithOtherPi(const Truth& truth, const Rational& typed, int places) {
    if (!truth.exact || !holdsPi(*truth.exact)) return false;
    const PiSetting other = truth.pi == PiSetting::Exact ? PiSetting::School : PiSetting::Exact;
    const std::optional<Exact> exact = withSheetPi(*truth.exact, other);
    return roundsTo(typed, places, exact, truth.exact->value(piValue(other)));
}

}  // namespace

std::optional<Exact> withSheetPi(const Exact& x, PiSetting pi) {
    const std::optional<Rational> fraction = piFraction(pi);
    if (!fraction) return x;
    Exact result;
    for (const Term& term : x.terms()) {
        const std::optional<Exact> radical = Exact::squareRoot(Integer(term.m));
        if (!radical) return std::nullopt;
        result = result + Exact(term.q * power(*fraction, term.k)) * *radical;
    }
    return result;
}

std::string roundedAnswer(const Truth& truth, int places, std::string_view separator) {
    const std::optional<Exact> exact = truth.exact ? withSheetPi(*truth.exact, truth.pi) : std::nullopt;
    Rational value;
    if (exact && exact->isRational()) {
        value = rounded(exact->rational(), places);
    } else {
        const double scaled = std::floor(truth.value * std::pow(10.0, places) + 0.5);
        value = Rational(Integer(static_cast<long long>(scaled))) / tenPower(places);
    }
    std::string text = decimalText(value, separator);
    const auto mark = text.find(separator);
    const int written = mark == std::string::npos ? 0 : int(text.size() - mark - separator.size());
    if (places > 0 && written == 0) text += separator;
    return text + std::string(std::size_t(places - written), '0');
}

Truth truthOf(const Exact& exact, PiSetting pi) { return {exact, exact.value(piValue(pi)), pi}; }

AnswerCheck checkAnswer(const Truth& truth, std::string_view typedText, std::optional<AnswerUnit> unit) {
    std::string text = trimmed(typedText);
    for (std::string_view lead : {"≈", "=", "~"})
        if (text.starts_with(lead)) text = trimmed(std::string_view(text).substr(lead.size()));
    if (text.empty()) return unreadable("Напишете отговора: число, " + std::string(example) + ".");
    const TypedUnit typedUnit = splitUnit(text);
    Rational ratio = 1;  // sheet's units in one typed unit
    if (!typedUnit.symbol.empty()) {
        const std::optional<Rational> found = unit ? unitRatio(typedUnit, *unit) : std::nullopt;
        if (!found)
            return unreadable(unit ? "Пишете отговора в " + unitName(*unit) + " или без мерна единица."
                                   : "Пишете отговора без мерна единица.");
        ratio = *found;
        text = typedUnit.number;
    }
    const ReadNumber typed = readNumber(text);
    if (!typed.read)
        return unreadable("„" + std::string(typedText) + "“ не се чете: " + typed.error + ". Пишете число, " +
                          std::string(example) + ".");

    const std::optional<Exact> truthExact = truth.exact ? withSheetPi(*truth.exact, truth.pi) : std::nullopt;
    const std::optional<Exact> typedExact = withSheetPi(typed.value * Exact(ratio), truth.pi);
    if (truthExact && typedExact && *truthExact == *typedExact) return {Verdict::Right, "вярно", ""};

    const int places = typed.decimal ? typed.decimals : 0;
    const bool plainNumber = typed.value.isRational() && Exact::endsInDecimals(typed.value.rational(), places);
    if (plainNumber) {
        // The truth in the typed unit, rounded as the student rounded it.
        const Rational number = typed.value.rational();
        const std::optional<Exact> inTyped = truthExact ? truthExact->dividedBy(Exact(ratio)) : std::nullopt;
        const double value = truth.value / ratio.convert_to<double>();
        // A value that is itself a short decimal (0,5, 27) must be typed as it is.
        const bool shortDecimal = truthExact && truthExact->isRational() &&
                                  Exact::endsInDecimals(truthExact->rational(), truth.places);
        if (!shortDecimal && roundsTo(number, places, inTyped, value)) {
            // The digits asked for, in the sheet's unit, or at least three that count.
            int placesInSheetUnit = places;
            for (Rational r = ratio; r >= 10; r /= 10) --placesInSheetUnit;
            for (Rational r = ratio; r < 1; r *= 10) ++placesInSheetUnit;
            if (placesInSheetUnit >= truth.places || significantDigits(text) >= 3)
                return {Verdict::Right, "вярно", ""};
            return unreadable(placesRequest(truth.places));
        }
        AnswerCheck wrong{Verdict::Wrong, "невярно", ""};
        if (rightWithOtherPi(truth, number, places))
            wrong.note = truth.pi == PiSetting::Exact
                             ? "Тук π е точното число: закръглете едва отговора или го запишете с π."
                             : "В тази задача π ≈ 3,14.";
        return wrong;
    }
    // "8,33π" for 25π/3: the coefficient rounded, with π left standing.
    if (truthExact && holdsPi(*truthExact) && typed.decimal && typed.value.isMonomial() &&
        typed.value.terms().front().m == 1 && truthExact->isMonomial() &&
        truthExact->terms().front().m == 1 && truthExact->terms().front().k == typed.value.terms().front().k) {
        const Rational coefficient = typed.value.terms().front().q;
        if (rounded(truthExact->terms().front().q, places) == coefficient)
            return {Verdict::Wrong, "невярно",
                    "Числото пред π е закръглено, а π е точното число: запишете го като обикновена дроб "
                    "или закръглете едва целия отговор."};
    }
    // Only a decimal to compare with: an exact form typed is compared by its value.
    if (!truthExact) {
        const double value = (typed.value * Exact(ratio)).value(piValue(truth.pi));
        if (std::fabs(value - truth.value) <= 1e-9 * std::fabs(truth.value)) return {Verdict::Right, "вярно", ""};
    }
    return {Verdict::Wrong, "невярно", ""};
}

AnswerFeedback answerFeedback(const AnswerCheck& check, std::string_view hint, const std::vector<std::string>& steps,
                              int wrongBefore) {
    AnswerFeedback feedback{check.verdict, check.message, check.note, "", {}};
    if (check.verdict != Verdict::Wrong) return feedback;
    feedback.hint = std::string(hint);
    if (wrongBefore >= 1) feedback.steps = steps;
    return feedback;
}

}  // namespace solver::worksheet
