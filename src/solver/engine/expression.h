// SPDX-License-Identifier: MIT
#pragma once
// Formulas and typed values as trees. One reader takes both: the formulas of
// the solid tables ("V = π·r²·h : 3", "r = a : (2·tg(180° : n))"), whose
// letters are a solid's quantities, and the values a student types ("2,5",
// "70π", "4√3", "8√3+96", "3/4", "15*pi"), which have none. The trees are
// evaluated on values, written back with numbers in place of letters for the
// steps, and turned into polynomials for the equations.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/exact.h"
#include "engine/value.h"

namespace solver {

struct Node {
    enum class Kind {
        Number, Pi, Quantity, Add, Subtract, Multiply, Divide, Power, Root, Negate,
        Sine, Cosine, Tangent, Cotangent,  // of the angle in degrees that is their child
        ArcSine, ArcCosine, ArcTangent,    // the angle in degrees of the number that is their child
    };
    Kind kind = Kind::Number;
    Exact number;          // Number
    bool degrees = false;  // Number: written with a degree sign, "180°"
    int index = 0;         // Quantity: the solid's quantity; Power: the exponent; Root: the degree
    std::vector<Node> children;
};

// A formula's text could not be read: where and why, in Bulgarian.
struct ReadError {
    std::string what;
};

// The letters a formula may use: the index of a quantity by its key, or -1.
using LetterIndex = std::function<int(std::string_view)>;

// A formula of the tables; throws ReadError (the tables are checked by the tests).
Node readFormula(std::string_view text, const LetterIndex& letters);

// A value typed by a student, without its unit: the tree, or a ReadError.
struct TypedValue {
    bool read = false;
    Exact value;
    bool decimal = false;  // written with a decimal separator ("2,5")
    int decimals = 0;      // the most digits after a separator
    bool plain = false;    // a number alone, as a task may round it: no √, π, fraction or sum
    bool degrees = false;  // written with a degree sign
    std::string error;     // when not read: what is wrong, for a message
};
// `angle`: a value an angle takes, which may end with a degree sign ("60°").
TypedValue readValue(std::string_view text, bool angle = false);

// What a formula's letters stand for when it is evaluated or written out.
struct Substitution {
    std::function<const Value*(int)> quantity;  // null where not known
    double piValue = truePi;
    std::string_view separator = ",";
    // How a number is written in place of a letter: a whole number, an exact
    // form, or a rounded decimal.
    std::function<std::string(const Value&)> valueText;
    // Where set, letters are written as themselves: "l² − r²".
    std::function<std::string(int)> letter;
    // Where set, which letters are angles: their numbers are written in degrees ("180° − 2·30°").
    std::function<bool(int)> inDegrees;
};

// The value of a formula; a decimal NaN where something is not known.
Value evaluate(const Node& node, const Substitution& with);

// The formula with numbers in place of letters: "π·3·5", "36π : (4π)", "√(3² + 4²)".
std::string writeWithNumbers(const Node& node, const Substitution& with);

// Whether the node is sin, cos, tg or cotg of an angle.
bool isTrigonometric(const Node& node);
// Whether it is arcsin, arccos or arctg of a number.
bool isInverseTrigonometric(const Node& node);

// Whether evaluating the formula subtracts decimals so nearly equal that most
// of their digits cancel.
bool losesDigits(const Node& node, const Substitution& with);

// Which quantities a formula names.
void collectQuantities(const Node& node, std::vector<int>& indices);

}  // namespace solver
