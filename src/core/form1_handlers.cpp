// SPDX-License-Identifier: MIT
#include "form1_handlers.h"

#include "error_stop.h"
#include "solution.h"

namespace geometry {
namespace {

// A panel's clear button: empty text to its fields, in the panel's order.
class Clearing : Statements {
public:
    explicit Clearing(Press& press) : Statements(press) {}
    void run(std::span<const Field> fields) {
        for (Field field : fields) writeEmpty(field);
    }
};

// "S= 78,5398, V= 65,44984": each result the press wrote, by its label, left to
// right; a field it emptied (the box's "S1=") is left out.
std::string resultsAnnouncement(const PanelRow& panel, const Press& press) {
    std::string announcement;
    for (const auto& [result, text] : resultsWritten(panel, press)) {
        if (!announcement.empty()) announcement += ", ";
        announcement += std::string(result->label) + " " + std::string(text);
    }
    return announcement;
}

}  // namespace

Form1Handlers::Form1Handlers(FieldStore& fields, WindowServices& window, std::string decimalSeparator)
    : fields_(fields), window_(window), decimalSeparator_(std::move(decimalSeparator)) {}

void Form1Handlers::press(Button button) {
    const PanelRow* panel = panelOf(button);
    Press press(fields_, decimalSeparator_, variables_, panel ? panel->caption : std::string_view());
    try {
        if (!panel) {
            if (button == Button::ShowInstruction) showInstruction();
            else closeWindow();
        } else if (button == panel->calculate.button) {
            panel->calculation(press);
            window_.announceResults(panel->panel, resultsAnnouncement(*panel, press));
            window_.showSolution(panel->panel, solutionLines(*panel, press, decimalSeparator_));
        } else {
            Clearing(press).run(panel->clearing);
            window_.showSolution(panel->panel, {});
        }
    } catch (const ErrorStop& stop) {
        window_.reportErrorStop(stop);
    }
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
