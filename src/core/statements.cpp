// SPDX-License-Identifier: MIT
#include "statements.h"

#include <cmath>

#include "error_stop.h"
#include "numeric.h"

namespace geometry {
namespace {

enum Fault : unsigned { Overflow = 1, DivideByZero = 2, Invalid = 4 };

std::string replaceAll(std::string text, std::string_view from, std::string_view to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// Why a text that does not read is no number: empty, or written with the other
// decimal separator, or anything else.
StopReason whyNotANumber(const std::string& text, const std::string& separator) {
    if (blankOnly(text)) return StopReason::EmptyField;
    const std::string_view other = otherDecimalSeparator(separator);
    if (!other.empty() && text.find(other) != std::string::npos &&
        textToNumber(replaceAll(text, other, separator), separator).status != ConversionStatus::NotANumber)
        return StopReason::WrongSeparator;
    return StopReason::NotANumber;
}

}  // namespace

std::vector<std::pair<const ResultRow*, std::string_view>> resultsWritten(const PanelRow& panel, const Press& press) {
    std::vector<std::pair<const ResultRow*, std::string_view>> results;
    for (const ResultRow& result : panel.results)
        for (const auto& [field, text] : press.written())
            if (field == result.field && !text.empty()) results.emplace_back(&result, text);
    return results;
}

Statements::Statements(Press& press)
    : a(press.variables_.a), b(press.variables_.b), c(press.variables_.c),
      cubeEdge(press.variables_.cubeEdge), P(press.variables_.P), B(press.variables_.B),
      k(press.variables_.k), h(press.variables_.h), l(press.variables_.l), n(press.variables_.n),
      r(press.variables_.r), S(press.variables_.S), S1(press.variables_.S1), V(press.variables_.V),
      press_(press) {}

std::string Statements::readText(Field field) {
    clearPendingFaults();
    return press_.fields_.text(field);
}

Single Statements::read(Field field) {
    clearPendingFaults();
    const std::string text = press_.fields_.text(field);
    const Conversion conversion = textToNumber(text, press_.decimalSeparator_);
    switch (conversion.status) {
    case ConversionStatus::Ok:
        press_.valuesRead_.emplace_back(field, conversion.value);
        return Single{conversion.value};
    case ConversionStatus::TooLarge:
        throw ErrorStop(StopReason::NumberTooLarge, field, text);
    case ConversionStatus::NotANumber:
        break;
    }
    throw ErrorStop(whyNotANumber(text, press_.decimalSeparator_), field, text);
}

void Statements::write(Field field, Single value) {
    clearPendingFaults();
    std::string text = numberToText(value.value, press_.decimalSeparator_);
    press_.fields_.setResult(field, text, value.value);
    press_.written_.emplace_back(field, std::move(text));
}

void Statements::writeEmpty(Field field) {
    clearPendingFaults();
    press_.fields_.setText(field, std::string());
    press_.written_.emplace_back(field, std::string());
}

Single Statements::store(double value) {
    const auto rounded = static_cast<float>(value);
    if (std::isnan(value)) press_.pendingFaults_ |= Invalid;
    else if (std::isinf(rounded)) press_.pendingFaults_ |= Overflow;
    return Single{rounded};
}

double Statements::checked(double value, std::optional<Field> divisor) {
    if (std::isnan(value)) press_.pendingFaults_ |= Invalid;
    else if (std::isinf(value)) press_.pendingFaults_ |= Overflow;
    check(divisor);
    return value;
}

double Statements::divide(double dividend, double divisor) {
    if (divisor == 0.0)
        press_.pendingFaults_ |= (dividend == 0.0 || std::isnan(dividend)) ? Invalid : DivideByZero;
    return dividend / divisor;
}

void Statements::check(std::optional<Field> divisor) {
    const std::string caption(press_.panelCaption_);
    if (press_.pendingFaults_ & Invalid) throw ErrorStop(StopReason::InvalidOperation, caption);
    if (press_.pendingFaults_ & DivideByZero) {
        if (divisor) throw ErrorStop(StopReason::DivisionByZero, *divisor);
        throw ErrorStop(StopReason::DivisionByZero, caption);
    }
    if (press_.pendingFaults_ & Overflow) throw ErrorStop(StopReason::ResultOverflow, caption);
}

}  // namespace geometry
