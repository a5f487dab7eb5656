#include "form1_handlers.h"

#include <cmath>

#include "numeric.h"

namespace geometry {
namespace {

enum Fault : unsigned { Overflow = 1, DivideByZero = 2, Invalid = 4 };

struct ButtonEntry {
    Button button;
    std::string_view name;
    std::string_view panelCaption;
    void (Form1Handlers::*handler)();
};

constexpr std::array<ButtonEntry, buttonCount> buttonTable{{
    {Button::Command1, "Command1", "права призма", &Form1Handlers::calculateRightPrism},
    {Button::Command2, "Command2", "права призма", &Form1Handlers::clearRightPrism},
    {Button::Command3, "Command3", "правилна пирамида", &Form1Handlers::calculateRegularPyramid},
    {Button::Command4, "Command4", "правилна пирамида", &Form1Handlers::clearRegularPyramid},
    {Button::Command5, "Command5", "цилиндър", &Form1Handlers::calculateCylinder},
    {Button::Command6, "Command6", "цилиндър", &Form1Handlers::clearCylinder},
    {Button::Command7, "Command7", "конус", &Form1Handlers::calculateCone},
    {Button::Command8, "Command8", "конус", &Form1Handlers::clearCone},
    {Button::Command9, "Command9", "сфера и кълбо", &Form1Handlers::calculateSphereAndBall},
    {Button::Command10, "Command10", "сфера и кълбо", &Form1Handlers::clearSphereAndBall},
    {Button::Command11, "Command11", "", &Form1Handlers::showInstruction},
    {Button::Command12, "Command12", "", &Form1Handlers::closeWindow},
    {Button::Command13, "Command13", "периметър и лице на правилен многоъгълник",
     &Form1Handlers::calculateRegularPolygon},
    {Button::Command14, "Command14", "периметър и лице на правилен многоъгълник",
     &Form1Handlers::clearRegularPolygon},
}};

// The other of the two common separators, for telling a student which one to use.
std::string otherSeparator(const std::string& separator) {
    if (separator == ",") return ".";
    if (separator == ".") return ",";
    return {};
}

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

bool blankOnly(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

}  // namespace

Form1Handlers::Form1Handlers(FieldStore& fields, WindowServices& window, std::string decimalSeparator)
    : fields_(fields), window_(window), decimalSeparator_(std::move(decimalSeparator)) {}

std::string_view Form1Handlers::buttonName(Button button) {
    return buttonTable[static_cast<size_t>(button)].name;
}

void Form1Handlers::press(Button button) {
    const ButtonEntry& entry = buttonTable[static_cast<size_t>(button)];
    activePanel_ = entry.panelCaption;
    clearPendingFaults();
    try {
        (this->*entry.handler)();
    } catch (const ErrorStop& stop) {
        window_.reportErrorStop(stop);
    }
}

std::string Form1Handlers::readText(Field field) {
    clearPendingFaults();
    return fields_.text(field);
}

Single Form1Handlers::read(Field field) {
    clearPendingFaults();
    const std::string text = fields_.text(field);
    const Conversion conversion = textToNumber(text, decimalSeparator_);
    switch (conversion.status) {
    case ConversionStatus::Ok:
        return Single{conversion.value};
    case ConversionStatus::TooLarge:
        throw ErrorStop(StopReason::NumberTooLarge, field, text);
    case ConversionStatus::NotANumber:
        break;
    }
    if (blankOnly(text)) throw ErrorStop(StopReason::EmptyField, field, text);
    const std::string other = otherSeparator(decimalSeparator_);
    if (!other.empty() && text.find(other) != std::string::npos &&
        textToNumber(replaceAll(text, other, decimalSeparator_), decimalSeparator_).status !=
            ConversionStatus::NotANumber)
        throw ErrorStop(StopReason::WrongSeparator, field, text);
    throw ErrorStop(StopReason::NotANumber, field, text);
}

void Form1Handlers::write(Field field, Single value) {
    clearPendingFaults();
    fields_.setText(field, numberToText(value.value, decimalSeparator_));
}

void Form1Handlers::writeEmpty(Field field) {
    clearPendingFaults();
    fields_.setText(field, std::string());
}

Single Form1Handlers::store(double value) {
    const auto rounded = static_cast<float>(value);
    if (std::isnan(value)) pending_ |= Invalid;
    else if (std::isinf(rounded)) pending_ |= Overflow;
    return Single{rounded};
}

double Form1Handlers::checked(double value) {
    if (std::isnan(value)) pending_ |= Invalid;
    else if (std::isinf(value)) pending_ |= Overflow;
    check();
    return value;
}

double Form1Handlers::divide(double dividend, double divisor) {
    if (divisor == 0.0) pending_ |= (dividend == 0.0 || std::isnan(dividend)) ? Invalid : DivideByZero;
    return dividend / divisor;
}

void Form1Handlers::check() {
    if (pending_ & Invalid) throw ErrorStop(StopReason::InvalidOperation, activePanel_);
    if (pending_ & DivideByZero) throw ErrorStop(StopReason::DivisionByZero, activePanel_);
    if (pending_ & Overflow) throw ErrorStop(StopReason::ResultOverflow, activePanel_);
}

void Form1Handlers::showInstruction() {
    constexpr const char* title = "ИНСТРУКЦИЯ:";
    window_.showMessage("Елементите на фигурата въведете на съответното място!", title);
    window_.showMessage("Ако има няколко варианта въведете 1 или 2 или 3 на съответното място!", title);
    window_.showMessage("След всяко пресмятане натискайте <изчисти>!", title);
    window_.showMessage("ПРИЯТНА РАБОТА!!!", title);
}

void Form1Handlers::closeWindow() { window_.unloadWindow(); }

}  // namespace geometry
