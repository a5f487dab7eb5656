// SPDX-License-Identifier: MIT
#include "error_stop.h"

#include "numeric.h"

namespace geometry {
namespace {

std::string quoted(std::string_view text) { return "„" + std::string(text) + "“"; }

// A field as the student sees it, named by its label without the "=", or by
// its place where its panel repeats the label: "Полето „радиус“ в „сфера и
// кълбо“", "Полето „вторият ръб (b)“ в „права призма“".
std::string fieldPhrase(Field field) {
    std::string_view name = fieldWords(field);
    if (name.ends_with('=')) name.remove_suffix(1);
    return "Полето " + quoted(name) + " в " + quoted(fieldInfo(field).panelCaption);
}

// The kinds of right prism, as the kind field's messages list them.
constexpr const char* prismKinds = "1 за правоъгълен паралелепипед, 2 за куб или 3 за друга права призма.";

std::string example(const std::string& separator) { return "например 2" + separator + "5"; }

// "десетична запетая", "десетична точка".
std::string separatorName(const std::string& separator) {
    if (separator == ",") return "десетична запетая";
    if (separator == ".") return "десетична точка";
    return "десетичен знак " + quoted(separator);
}

}  // namespace

std::string tooLongMessage(Field field, std::size_t length) {
    return fieldPhrase(field) + " побира до " + std::to_string(fieldCapacity) +
           " знака, а с новия текст щеше да съдържа " + std::to_string(length) +
           ". Текстът не е приет и полето е непроменено.";
}

ErrorStop::ErrorStop(StopReason reason, Field field, std::string typedText)
    : std::runtime_error(std::string(fieldInfo(field).name)),
      reason_(reason),
      field_(field),
      typedText_(std::move(typedText)),
      panelCaption_(fieldInfo(field).panelCaption) {}

ErrorStop::ErrorStop(StopReason reason, Field field) : ErrorStop(reason, field, std::string()) {}

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
        return fieldPhrase(*stop.field()) + " е с " + separatorName(std::string(otherDecimalSeparator(separator))) +
               ". Пишете " + separatorName(separator) + ", " + example(separator) + ".";
    case StopReason::NumberTooLarge:
        return fieldPhrase(*stop.field()) + " съдържа твърде голямо число. Въведете число между -3" +
               separator + "4E+38 и 3" + separator + "4E+38.";
    case StopReason::ResultOverflow:
        return "В " + panel + " резултатът е твърде голям, за да бъде показан. Въведете по-малки числа.";
    case StopReason::DivisionByZero:
        if (stop.field())
            return fieldPhrase(*stop.field()) + " съдържа нула, а на нула не се дели. Въведете число, различно от нула.";
        return "В " + panel + " се получава деление на нула. Заменете нулата с друго число.";
    case StopReason::InvalidOperation:
        return "В " + panel + " пресмятането с тези числа е невъзможно. Проверете ги и въведете други.";
    case StopReason::NotAKind: {
        const std::string& typed = stop.typedText();
        const std::string phrase = fieldPhrase(*stop.field());
        if (blankOnly(typed)) return phrase + " е празно. Въведете " + prismKinds;
        // A kind with blanks around it (" 1"): the blanks are what is wrong.
        const size_t kind = typed.find_first_of("123");
        if (kind != std::string::npos && blankOnly(typed.substr(0, kind)) && blankOnly(typed.substr(kind + 1)))
            return phrase + " съдържа интервал. Напишете само цифрата, без интервали: " + prismKinds;
        return phrase + " приема само 1, 2 или 3: " + prismKinds;
    }
    }
    return {};
}

}  // namespace geometry
