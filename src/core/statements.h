// SPDX-License-Identifier: MIT
#pragma once
// The building blocks of a calculate handler's statements.
//
// Each calculate handler is a list of statements: it reads all its inputs, then
// evaluates its formulas, then writes its results. A statement computes in
// double precision from the 32-bit working variables and the constants, and its
// result is rounded once to 32-bit when stored. Faults (overflow, division by
// zero, invalid operation) are recorded as they arise and reported by check(),
// which sees everything since the last field access.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "field_store.h"
#include "panel_table.h"

namespace geometry {

// π as 3.141592, and 2π and 4π as written, not computed from it.
inline constexpr double pi = 3.141592;
inline constexpr double twoPi = 6.283184;
inline constexpr double fourPi = 12.566368;

// A 32-bit working variable. In arithmetic it takes part as a double, so every
// operation of a statement runs in double precision.
struct Single {
    float value = 0.0f;
    operator double() const { return value; }
};

// The working variables of the window, shared by all panels; no handler reads
// one before setting it in the same press.
struct WorkingVariables {
    Single a, b, c;   // edges of the box, the polygon's side
    Single cubeEdge;  // the cube's a, a variable of its own
    Single P, B, k, h, l, n, r;
    Single S, S1, V;
};

// One press of a button, from the fault reset before its handler to the error
// stop after it. Only Form1Handlers::press() makes one, so no handler runs
// without them.
class Press {
public:
    // The inputs the press read as numbers, in order, with the values read.
    const std::vector<std::pair<Field, float>>& valuesRead() const { return valuesRead_; }
    // The texts the press wrote, in order, empty ones included.
    const std::vector<std::pair<Field, std::string>>& written() const { return written_; }

private:
    friend class Form1Handlers;
    friend class Statements;
    Press(FieldStore& fields, const std::string& decimalSeparator, WorkingVariables& variables,
          std::string_view panelCaption)
        : fields_(fields), decimalSeparator_(decimalSeparator), variables_(variables),
          panelCaption_(panelCaption) {}

    FieldStore& fields_;
    const std::string& decimalSeparator_;
    WorkingVariables& variables_;
    std::string_view panelCaption_;
    unsigned pendingFaults_ = 0;
    std::vector<std::pair<Field, float>> valuesRead_;
    std::vector<std::pair<Field, std::string>> written_;
};

// The results a completed press wrote, in the panel's order, with their texts;
// a field it emptied (the box's "S1=") is left out.
std::vector<std::pair<const ResultRow*, std::string_view>> resultsWritten(const PanelRow& panel, const Press& press);

// A handler's statement list derives from this and runs on one press.
class Statements {
protected:
    explicit Statements(Press& press);

    Single read(Field field);               // text to number; a failure is an error stop
    std::string readText(Field field);      // the text as it stands, for the prism's kind
    void write(Field field, Single value);  // number to text
    void writeEmpty(Field field);
    Single store(double value);             // round to 32-bit, recording an overflow
    // The calculation-fault check, and the same on a double before it goes on.
    // Given the input a value was divided by, a division by zero points at that
    // input, for the student to correct.
    void check(std::optional<Field> divisor = std::nullopt);
    double checked(double value, std::optional<Field> divisor = std::nullopt);
    double divide(double dividend, double divisor);

    Single &a, &b, &c, &cubeEdge, &P, &B, &k, &h, &l, &n, &r, &S, &S1, &V;

private:
    void clearPendingFaults() { press_.pendingFaults_ = 0; }
    Press& press_;
};

// The statement list behind a panel's calculate button, written once per panel
// in panels/ as Calculation<Panel::...>::run().
template <Panel>
class Calculation : Statements {
public:
    explicit Calculation(Press& press) : Statements(press) {}
    void run();
};

template <Panel panel>
void calculate(Press& press) {
    Calculation<panel>(press).run();
}

}  // namespace geometry
