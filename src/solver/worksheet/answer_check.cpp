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
    static constexpr std::string_view symbols[] = {"mm", "cm", "dm", "мм", "см", "дм", "m", "м"};
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

int powerOf(Dimension dimension) { return dimension == Dimension::Area ? 2 : dimension == Dimension::Volume ? 3 : 1; }

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
    if (!typedUnit.symbol.empty()) {
        const bool sheetUnit =
            unit && unitByName(typedUnit.symbol) == unit->unit &&
            (typedUnit.power == 0 ? unit->dimension == Dimension::Length : typedUnit.power == powerOf(unit->dimension));
        if (!sheetUnit)
            return unreadable(unit ? "Пишете отговора в " + unitName(*unit) + " или без мерна единица."
                                   : "Пишете отговора без мерна единица.");
        text = typedUnit.number;
    }
    const ReadNumber typed = readNumber(text);
    if (!typed.read)
        return unreadable("„" + std::string(typedText) + "“ не се чете: " + typed.error + ". Пишете число, " +
                          std::string(example) + ".");

    const std::optional<Exact> truthExact = truth.exact ? withSheetPi(*truth.exact, truth.pi) : std::nullopt;
    const std::optional<Exact> typedExact = withSheetPi(typed.value, truth.pi);
    if (truthExact && typedExact && *truthExact == *typedExact) return {Verdict::Right, "вярно", ""};

    // A decimal or a whole number: the value rounded to the digits written.
    const bool plainNumber =
        typed.value.isRational() && Exact::endsInDecimals(typed.value.rational(), typed.decimal ? typed.decimals : 0);
    if (plainNumber) {
        const Rational number = typed.value.rational();
        const int places = typed.decimal ? typed.decimals : 0;
        if (roundsTo(number, places, truthExact, truth.value)) return {Verdict::Right, "вярно", ""};
        AnswerCheck wrong{Verdict::Wrong, "невярно", ""};
        if (rightWithOtherPi(truth, number, places))
            wrong.note = truth.pi == PiSetting::Exact
                             ? "Тук π е точното число: закръглете едва отговора или го запишете с π."
                             : "В тази задача π ≈ 3,14.";
        return wrong;
    }
    // Only a decimal to compare with: an exact form typed is compared by its value.
    if (!truthExact) {
        const double value = typed.value.value(piValue(truth.pi));
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
