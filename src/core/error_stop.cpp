#include "error_stop.h"

namespace geometry {
namespace {

std::string quoted(std::string_view text) { return "„" + std::string(text) + "“"; }

std::string fieldPhrase(Field field) {
    const FieldInfo& info = fieldInfo(field);
    return "Полето " + quoted(info.label) + " в " + quoted(info.panelCaption);
}

std::string example(const std::string& separator) { return "например 2" + separator + "5"; }

std::string separatorName(const std::string& separator) {
    if (separator == ",") return "запетая";
    if (separator == ".") return "точка";
    return quoted(separator);
}

}  // namespace

ErrorStop::ErrorStop(StopReason reason, Field field, std::string typedText)
    : std::runtime_error(std::string(fieldInfo(field).name)),
      reason_(reason),
      field_(field),
      typedText_(std::move(typedText)),
      panelCaption_(fieldInfo(field).panelCaption) {}

ErrorStop::ErrorStop(StopReason reason, std::string panelCaption)
    : std::runtime_error(panelCaption), reason_(reason), panelCaption_(std::move(panelCaption)) {}

std::string errorMessage(const ErrorStop& stop, const std::string& separator) {
    const std::string panel = quoted(stop.panelCaption());
    switch (stop.reason()) {
    case StopReason::EmptyField:
        return fieldPhrase(*stop.field()) + " е празно. Въведете число, " + example(separator) + ".";
    case StopReason::NotANumber:
        return fieldPhrase(*stop.field()) + " не съдържа число. Въведете число, " +
               example(separator) + ".";
    case StopReason::WrongSeparator:
        return fieldPhrase(*stop.field()) + ": за десетичен знак пишете " +
               separatorName(separator) + ", " + example(separator) + ".";
    case StopReason::NumberTooLarge:
        return fieldPhrase(*stop.field()) +
               " съдържа твърде голямо число. Въведете число, по-малко от 3" + separator +
               "4E+38 по абсолютна стойност.";
    case StopReason::ResultOverflow:
        return "В " + panel +
               " резултатът е твърде голям и не може да бъде показан. Въведете по-малки числа.";
    case StopReason::DivisionByZero:
        return "В " + panel + " се получава деление на нула. Въведете число, различно от 0.";
    case StopReason::InvalidOperation:
        return "В " + panel + " пресмятането е невъзможно. Проверете въведените числа.";
    }
    return {};
}

}  // namespace geometry
