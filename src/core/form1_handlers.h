#pragma once
// The fourteen click handlers of the window, run against the field store and the
// window services alone, so that they work with or without a real window.
//
// Each calculate handler is a list of statements: it reads all its inputs, then
// evaluates its formulas, then writes its results. A statement computes in
// double precision from the 32-bit working variables and the constants, and its
// result is rounded once to 32-bit when stored. Faults (overflow, division by
// zero, invalid operation) are recorded as they arise and reported by check(),
// which sees everything since the last field access.

#include <array>
#include <string>
#include <string_view>

#include "error_stop.h"
#include "field_store.h"
#include "window_services.h"

namespace geometry {

enum class Button {
    Command1, Command2, Command3, Command4, Command5, Command6, Command7,
    Command8, Command9, Command10, Command11, Command12, Command13, Command14,
};

inline constexpr std::size_t buttonCount = 14;

// A 32-bit working variable. In arithmetic it takes part as a double, so every
// operation of a statement runs in double precision.
struct Single {
    float value = 0.0f;
    operator double() const { return value; }
};

class Form1Handlers {
public:
    // `decimalSeparator`: the locale's, as UTF-8 ("." or ",").
    Form1Handlers(FieldStore& fields, WindowServices& window, std::string decimalSeparator);

    // Runs the button's handler to its end. A failed press stops at the failing
    // statement and is reported through the window services; nothing is lost.
    void press(Button button);

    const std::string& decimalSeparator() const { return decimalSeparator_; }

    static std::string_view buttonName(Button button);  // "Command9"

    // The handlers, named after what they do; press() dispatches by the button table.
    void calculateRightPrism();      // Command1
    void clearRightPrism();          // Command2
    void calculateRegularPyramid();  // Command3
    void clearRegularPyramid();      // Command4
    void calculateCylinder();        // Command5
    void clearCylinder();            // Command6
    void calculateCone();            // Command7
    void clearCone();                // Command8
    void calculateSphereAndBall();   // Command9
    void clearSphereAndBall();       // Command10
    void showInstruction();          // Command11
    void closeWindow();              // Command12
    void calculateRegularPolygon();  // Command13
    void clearRegularPolygon();      // Command14

private:
    // Statements' building blocks.
    Single read(Field field);               // text to number; a failure is an error stop
    std::string readText(Field field);      // the text as it stands, for the choice field
    void write(Field field, Single value);  // number to text
    void writeEmpty(Field field);
    Single store(double value);             // round to 32-bit, recording an overflow
    double checked(double value);           // check a double before it goes on
    double divide(double dividend, double divisor);
    void check();                           // the calculation-fault check

    void clearPendingFaults() { pending_ = 0; }

    FieldStore& fields_;
    WindowServices& window_;
    std::string decimalSeparator_;
    std::string activePanel_;
    unsigned pending_ = 0;

    // The working variables shared by all panels; no handler reads one before
    // setting it in the same press.
    Single a, b, c;  // edges of the box, the polygon's side
    Single cubeEdge; // the cube's a, a variable of its own
    Single P, B, k, h, l, n, r;
    Single S, S1, V;
};

}  // namespace geometry
