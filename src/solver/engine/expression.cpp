// SPDX-License-Identifier: MIT
#include "engine/expression.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "engine/angles.h"
#include "engine/superscript.h"

namespace solver {
namespace {

using Kind = Node::Kind;

constexpr int maxDepth = 40;
constexpr int maxExponent = 12;
constexpr int maxTypedExponent = 60;
constexpr std::size_t maxDigits = 60;

struct Symbol {
    std::string_view text;
    char meaning;  // '+', '-', '*', '/', '^', '2', '3', 'r' (√), 'c' (∛), 'p' (π), '(', ')', 'd' (°)
};

// Every spelling of every sign, longest first where one begins another.
constexpr std::array<Symbol, 26> symbols{{
    {"+", '+'}, {"-", '-'}, {"−", '-'}, {"–", '-'},
    {"*", '*'}, {"·", '*'}, {"×", '*'}, {"⋅", '*'}, {"∙", '*'},
    {"/", '/'}, {":", '/'}, {"÷", '/'},
    {"^", '^'}, {"²", '2'}, {"³", '3'},
    {"√", 'r'}, {"∛", 'c'}, {"π", 'p'}, {"пи", 'p'}, {"Пи", 'p'}, {"ПИ", 'p'},
    {"(", '('}, {")", ')'}, {"°", 'd'}, {"[", '('}, {"]", ')'},
}};

constexpr std::string_view blanks[] = {" ", "\t", "\xC2\xA0", "\xE2\x80\xAF", "\xE2\x80\x89"};

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLatin(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// A Greek letter of an angle (α, β, φ …), two bytes in UTF-8; π is a number, not a letter.
bool isGreekAt(std::string_view text, std::size_t at) {
    if (at + 1 >= text.size()) return false;
    const auto lead = static_cast<unsigned char>(text[at]), next = static_cast<unsigned char>(text[at + 1]);
    if (lead == 0xCF && next == 0x80) return false;  // π
    return (lead == 0xCE && next >= 0xB1) || (lead == 0xCF && next <= 0x89);
}

Node leaf(Kind kind) {
    Node node;
    node.kind = kind;
    return node;
}

Node branch(Kind kind, std::vector<Node> children, int index = 0) {
    Node node;
    node.kind = kind;
    node.children = std::move(children);
    node.index = index;
    return node;
}

Node numberNode(const Exact& x) {
    Node node = leaf(Kind::Number);
    node.number = x;
    return node;
}

class Reader {
public:
    Reader(std::string_view text, const LetterIndex* letters, bool angles = false)
        : text_(text), letters_(letters), anglesAllowed_(angles) {}

    Node whole() {
        Node node = sum();
        skipBlanks();
        if (pos_ < text_.size()) fail("неочакван знак „" + std::string(characterAt(pos_)) + "“");
        return node;
    }

    bool decimal() const { return decimal_; }
    bool degrees() const { return degrees_; }
    int decimals() const { return decimals_; }

private:
    [[noreturn]] void fail(const std::string& what) const { throw ReadError{what}; }

    std::string_view characterAt(std::size_t at) const {
        std::size_t length = 1;
        const auto lead = static_cast<unsigned char>(text_[at]);
        if (lead >= 0xF0) length = 4;
        else if (lead >= 0xE0) length = 3;
        else if (lead >= 0xC0) length = 2;
        return text_.substr(at, length);
    }

    void skipBlanks() {
        for (bool more = true; more;) {
            more = false;
            for (std::string_view blank : blanks) {
                if (text_.substr(pos_).starts_with(blank)) {
                    pos_ += blank.size();
                    more = true;
                }
            }
        }
    }

    // The next sign's meaning, without taking it; 0 for none.
    char peek() {
        skipBlanks();
        for (const Symbol& s : symbols)
            if (text_.substr(pos_).starts_with(s.text)) return s.meaning;
        if (text_.substr(pos_).starts_with("pi") || text_.substr(pos_).starts_with("Pi") ||
            text_.substr(pos_).starts_with("PI"))
            return 'p';
        if (text_.substr(pos_).starts_with("sqrt")) return 'r';
        return 0;
    }

    void take() {
        skipBlanks();
        for (const Symbol& s : symbols) {
            if (text_.substr(pos_).starts_with(s.text)) {
                pos_ += s.text.size();
                return;
            }
        }
        if (peek() == 'p') pos_ += 2;
        else if (peek() == 'r') pos_ += 4;
    }

    bool startsFactor() {
        const char next = peek();
        if (next == 'p' || next == 'r' || next == 'c' || next == '(') return true;
        return pos_ < text_.size() && (isDigit(text_[pos_]) || text_[pos_] == ',' || text_[pos_] == '.' ||
                                       (letters_ && (isLatin(text_[pos_]) || isGreekAt(text_, pos_))));
    }

    struct Depth {
        explicit Depth(Reader& reader) : reader_(reader) {
            if (++reader_.depth_ > maxDepth) reader_.fail("твърде много скоби");
        }
        ~Depth() { --reader_.depth_; }
        Reader& reader_;
    };

    Node sum() {
        Depth depth(*this);
        bool negative = false;
        if (peek() == '+' || peek() == '-') {
            negative = peek() == '-';
            take();
        }
        Node node = product();
        if (negative) node = branch(Kind::Negate, {std::move(node)});
        while (peek() == '+' || peek() == '-') {
            const Kind kind = peek() == '+' ? Kind::Add : Kind::Subtract;
            take();
            node = branch(kind, {std::move(node), product()});
        }
        return node;
    }

    Node product() {
        Node node = powered();
        for (;;) {
            const char next = peek();
            if (next == '*' || next == '/') {
                take();
                node = branch(next == '*' ? Kind::Multiply : Kind::Divide, {std::move(node), powered()});
            } else if (startsFactor() && !startsNumber()) {
                node = branch(Kind::Multiply, {std::move(node), powered()});
            } else {
                return node;
            }
        }
    }

    bool startsNumber() {
        skipBlanks();
        return pos_ < text_.size() && (isDigit(text_[pos_]) || text_[pos_] == ',' || text_[pos_] == '.');
    }

    // Superscript digits, with a minus before them: "⁴", "⁻²⁰"; none where there are none.
    std::optional<int> superscriptExponent(const Node& base) {
        static constexpr std::string_view digits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
        std::size_t at = pos_;
        const bool negative = text_.substr(at).starts_with("⁻");
        if (negative) at += std::string_view("⁻").size();
        int value = 0, count = 0;
        for (bool more = true; more;) {
            more = false;
            for (int d = 0; d < 10; ++d) {
                if (!text_.substr(at).starts_with(digits[d])) continue;
                value = value * 10 + d;
                at += digits[d].size();
                more = true;
                ++count;
                break;
            }
        }
        if (count == 0 || count > 2) return std::nullopt;
        // ² and ³ alone are the squares and cubes of the formulas.
        if (!negative && count == 1 && (value == 2 || value == 3)) return std::nullopt;
        if (value > largestExponent(&base))
            fail("степента трябва да е цяло число до " + std::to_string(largestExponent(&base)));
        pos_ = at;
        return negative ? -value : value;
    }

    // Up to the 12th power; a power of ten as a typed number writes it (10³⁰, 10⁻²⁰) further.
    int largestExponent(const Node* base = nullptr) const {
        const bool ten = !letters_ && base && base->kind == Kind::Number && base->number == Exact(10);
        return ten ? maxTypedExponent : maxExponent;
    }

    Node powered() {
        Node node = atom();
        for (;;) {
            skipBlanks();
            if (const auto power = superscriptExponent(node)) {
                node = branch(Kind::Power, {std::move(node)}, *power);
                continue;
            }
            const char next = peek();
            if (next == '2' || next == '3') {
                take();
                node = branch(Kind::Power, {std::move(node)}, next - '0');
            } else if (next == '^') {
                take();
                const int power = exponent(node);
                node = branch(Kind::Power, {std::move(node)}, power);
            } else {
                return node;
            }
        }
    }

    int exponent(const Node& base) {
        const bool bracketed = peek() == '(';
        if (bracketed) take();
        bool negative = false;
        if (peek() == '-') {
            negative = true;
            take();
        }
        skipBlanks();
        std::size_t start = pos_;
        while (pos_ < text_.size() && isDigit(text_[pos_])) ++pos_;
        if (start == pos_ || pos_ - start > 2)
            fail("степента трябва да е цяло число до " + std::to_string(largestExponent(&base)));
        const int value = std::stoi(std::string(text_.substr(start, pos_ - start)));
        if (value > largestExponent(&base))
            fail("степента трябва да е цяло число до " + std::to_string(largestExponent(&base)));
        if (bracketed) expect(')');
        return negative ? -value : value;
    }

    void expect(char meaning) {
        if (peek() != meaning) fail(meaning == ')' ? "липсва затваряща скоба" : "непълен израз");
        take();
    }

    Node atom() {
        Depth depth(*this);
        const char next = peek();
        if (next == '(') {
            take();
            Node inside = sum();
            expect(')');
            return inside;
        }
        if (next == 'p') {
            take();
            return leaf(Kind::Pi);
        }
        if (next == 'r' || next == 'c') {
            take();
            return branch(Kind::Root, {peek() == '(' ? atom() : radicand()}, next == 'r' ? 2 : 3);
        }
        if (startsNumber()) {
            Node node = number();
            if ((letters_ || anglesAllowed_) && peek() == 'd') {
                take();
                node.degrees = true;
                degrees_ = true;
            }
            return node;
        }
        if (letters_ && pos_ < text_.size() && (isLatin(text_[pos_]) || isGreekAt(text_, pos_))) return letter();
        if (pos_ >= text_.size()) fail("изразът свършва преждевременно");
        fail("неочакван знак „" + std::string(characterAt(pos_)) + "“");
    }

    // What a root sign takes without brackets: "√3", "√13π" is √13·π.
    Node radicand() {
        if (startsNumber()) return number();
        return atom();
    }

    Node number() {
        skipBlanks();
        std::string digits;
        int decimals = 0;
        auto takeDigits = [&](bool afterSeparator) {
            while (pos_ < text_.size() && isDigit(text_[pos_])) {
                digits += text_[pos_++];
                if (afterSeparator) ++decimals;
            }
        };
        takeDigits(false);
        // Digits grouped by threes, as documents write them: "12 345,5".
        for (bool grouping = !digits.empty() && digits.size() <= 3; grouping;) {
            const std::size_t mark = pos_;
            bool blank = false;
            for (std::string_view b : blanks)
                if (text_.substr(pos_).starts_with(b)) {
                    pos_ += b.size();
                    blank = true;
                    break;
                }
            if (!blank || pos_ + 3 > text_.size() || !isDigit(text_[pos_]) || !isDigit(text_[pos_ + 1]) ||
                !isDigit(text_[pos_ + 2]) || (pos_ + 3 < text_.size() && isDigit(text_[pos_ + 3]))) {
                pos_ = mark;
                grouping = false;
                continue;
            }
            digits.append(text_.substr(pos_, 3));
            pos_ += 3;
        }
        if (pos_ + 1 < text_.size() && (text_[pos_] == ',' || text_[pos_] == '.') && isDigit(text_[pos_ + 1])) {
            ++pos_;
            decimal_ = true;
            takeDigits(true);
        }
        if (digits.empty()) fail("след десетичния знак трябват цифри");
        decimals_ = std::max(decimals_, decimals);
        if (digits.size() > maxDigits) fail("твърде много цифри");
        // Without leading zeros: Boost reads "075" as an octal number.
        Rational value{Integer(digits.substr(std::min(digits.find_first_not_of('0'), digits.size() - 1)))};
        value /= boost::multiprecision::pow(Integer(10), unsigned(decimals));
        if (!letters_ && pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
            std::size_t at = pos_ + 1;
            bool negative = false;
            if (at < text_.size() && (text_[at] == '+' || text_[at] == '-')) negative = text_[at++] == '-';
            std::size_t start = at;
            while (at < text_.size() && isDigit(text_[at])) ++at;
            if (at > start && at - start <= 3) {
                const unsigned power = unsigned(std::stoi(std::string(text_.substr(start, at - start))));
                const Rational scale(boost::multiprecision::pow(Integer(10), power));
                if (negative) value /= scale;
                else value *= scale;
                pos_ = at;
                decimal_ = true;
            }
        }
        return numberNode(Exact(value));
    }

    Node letter() {
        skipBlanks();
        const std::size_t start = pos_;
        if (isGreekAt(text_, pos_)) pos_ += 2;
        else
            while (pos_ < text_.size() && isLatin(text_[pos_])) ++pos_;
        while (pos_ < text_.size() && isDigit(text_[pos_])) ++pos_;
        const std::string_view word = text_.substr(start, pos_ - start);
        for (const auto& [name, kind] : functions)
            if (word == name) return angleFunction(kind);
        const int index = (*letters_)(word);
        if (index < 0) fail("непозната буква „" + std::string(word) + "“");
        Node node = leaf(Kind::Quantity);
        node.index = index;
        return node;
    }

    static constexpr std::pair<std::string_view, Kind> functions[] = {
        {"sin", Kind::Sine},        {"cos", Kind::Cosine},        {"tg", Kind::Tangent},
        {"cotg", Kind::Cotangent},  {"arcsin", Kind::ArcSine},    {"arccos", Kind::ArcCosine},
        {"arctg", Kind::ArcTangent}};

    // sin, cos, tg and cotg of an angle in brackets: "tg(180° : n)"; arcsin, arccos and arctg of a number.
    // Without brackets, one letter or number: "tg α", "sin 30°".
    Node angleFunction(Kind kind) {
        if (peek() != '(') return branch(kind, {atom()});
        take();
        Node angle = sum();
        expect(')');
        return branch(kind, {std::move(angle)});
    }

    std::string_view text_;
    const LetterIndex* letters_;
    bool anglesAllowed_ = false;
    std::size_t pos_ = 0;
    int depth_ = 0;
    bool decimal_ = false;
    bool degrees_ = false;
    int decimals_ = 0;
};

// How tightly a written part holds together: a sum; a product or quotient;
// a number joined to a root or π ("2√3", "15π"), which a product takes as a
// factor but a power or a divisor brackets; a power; a single number or letter.
enum class Binding { Sum = 1, Product = 2, Joined = 3, Power = 4, Atom = 5 };

struct Written {
    std::string text;
    Binding binding;
    bool plainNumber = false;  // digits alone: "4", "2,5"
    bool pi = false;           // the letter π
};

std::string bracketed(const Written& w, Binding needed) {
    return w.binding < needed ? "(" + w.text + ")" : w.text;
}

// A value in place of a letter: how tightly its text holds together.
Written writtenValue(const std::string& text) {
    const bool digitsOnly = !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return isDigit(c) || c == ',' || c == '.';
    });
    if (digitsOnly) return {text, Binding::Atom, true};
    const bool sum = text.find(" + ") != std::string::npos || text.find(" − ") != std::string::npos;
    if (sum && text.front() != '(') return {text, Binding::Sum};
    if (sum && text.back() == ')') return {text, Binding::Sum};
    if (text.find('/') != std::string::npos || text.find("·") != std::string::npos) return {text, Binding::Product};
    return {text, Binding::Joined};
}

Written write(const Node& node, const Substitution& with);

// The angle after sin, cos, tg: " 60°" where it ends within three decimals, else "(180° : 7)".
std::string angleText(const Node& angle, const Substitution& with) {
    if (angle.kind == Kind::Quantity && with.letter) return " " + with.letter(angle.index);
    const Value value = evaluate(angle, with);
    if (value.exact && value.exact->isRational() && Exact::endsInDecimals(value.exact->rational(), 3))
        return " " + decimalText(value.exact->rational(), with.separator) + "°";
    if (std::isfinite(value.number) && angle.kind == Kind::Quantity) {
        const std::string text = write(angle, with).text;
        return " " + text + (text.ends_with("°") ? "" : "°");  // tg 53,13°
    }
    return "(" + write(angle, with).text + ")";
}

std::string_view functionName(Kind kind) {
    switch (kind) {
    case Kind::Sine: return "sin";
    case Kind::Cosine: return "cos";
    case Kind::Tangent: return "tg";
    case Kind::ArcSine: return "arcsin";
    case Kind::ArcCosine: return "arccos";
    case Kind::ArcTangent: return "arctg";
    default: return "cotg";
    }
}

Trigonometric function(Kind kind) {
    switch (kind) {
    case Kind::Sine:
    case Kind::ArcSine: return Trigonometric::Sine;
    case Kind::Cosine:
    case Kind::ArcCosine: return Trigonometric::Cosine;
    case Kind::Tangent:
    case Kind::ArcTangent: return Trigonometric::Tangent;
    default: return Trigonometric::Cotangent;
    }
}

Written write(const Node& node, const Substitution& with);

void productFactors(const Node& node, std::vector<const Node*>& factors) {
    if (node.kind == Kind::Multiply) {
        productFactors(node.children[0], factors);
        productFactors(node.children[1], factors);
    } else {
        factors.push_back(&node);
    }
}

Written writeProduct(const Node& node, const Substitution& with) {
    std::vector<const Node*> factors;
    productFactors(node, factors);
    std::vector<Written> parts;
    for (const Node* factor : factors) parts.push_back(write(*factor, with));
    // π and one number: "4π", as a textbook writes it.
    if (parts.size() == 2 && (parts[0].pi || parts[1].pi)) {
        const Written& other = parts[0].pi ? parts[1] : parts[0];
        if (other.plainNumber) return {other.text + "π", Binding::Product};
    }
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        // A number written before π or a root joins it: "2π·r", "2√3".
        // So is a letter, where letters are written: "2a".
        const bool joined = i > 0 && factors[i - 1]->kind == Kind::Number && parts[i - 1].plainNumber &&
                            (factors[i]->kind == Kind::Pi || factors[i]->kind == Kind::Root ||
                             (factors[i]->kind == Kind::Quantity && with.letter));
        if (i > 0 && !joined) text += "·";
        text += bracketed(parts[i], i == 0 ? Binding::Product : Binding::Joined);
    }
    return {text, Binding::Product};
}

Written write(const Node& node, const Substitution& with) {
    switch (node.kind) {
    case Kind::Number: {
        const std::string text = node.number.text({with.separator, false});
        return node.degrees ? Written{text + "°", Binding::Atom} : writtenValue(text);
    }
    case Kind::Pi: return {"π", Binding::Atom, false, true};
    case Kind::Quantity: {
        if (with.letter) return {with.letter(node.index), Binding::Atom};
        const Value* value = with.quantity ? with.quantity(node.index) : nullptr;
        if (!value) return {"?", Binding::Atom};
        if (with.inDegrees && with.inDegrees(node.index)) return {with.valueText(*value) + "°", Binding::Atom};
        return writtenValue(with.valueText(*value));
    }
    case Kind::Add:
    case Kind::Subtract: {
        const Written left = write(node.children[0], with), right = write(node.children[1], with);
        const std::string sign = node.kind == Kind::Add ? " + " : " − ";
        return {left.text + sign + bracketed(right, node.kind == Kind::Add ? Binding::Sum : Binding::Product),
                Binding::Sum};
    }
    case Kind::Multiply: return writeProduct(node, with);
    case Kind::Divide: {
        const Written left = write(node.children[0], with), right = write(node.children[1], with);
        return {bracketed(left, Binding::Product) + " : " + bracketed(right, Binding::Power), Binding::Product};
    }
    case Kind::Power: {
        const Written base = write(node.children[0], with);
        return {bracketed(base, Binding::Atom) + superscript(node.index),
                Binding::Power};
    }
    case Kind::Root: {
        const Written inside = write(node.children[0], with);
        const std::string sign = node.index == 2 ? "√" : "∛";
        return {sign + (inside.binding == Binding::Atom ? inside.text : "(" + inside.text + ")"), Binding::Atom};
    }
    case Kind::Negate: {
        const Written inside = write(node.children[0], with);
        return {"−" + bracketed(inside, Binding::Product), Binding::Sum};
    }
    case Kind::Sine:
    case Kind::Cosine:
    case Kind::Tangent:
    case Kind::Cotangent:
        return {std::string(functionName(node.kind)) + angleText(node.children.front(), with), Binding::Atom};
    case Kind::ArcSine:
    case Kind::ArcCosine:
    case Kind::ArcTangent:
        return {std::string(functionName(node.kind)) + "(" + write(node.children.front(), with).text + ")",
                Binding::Atom};
    }
    return {"?", Binding::Atom};
}

Value notKnown() { return Value::decimal(NAN); }

bool dividesByZero(const Node& node) {
    if (node.kind == Kind::Divide && evaluate(node.children[1], Substitution{}).isZero()) return true;
    return std::any_of(node.children.begin(), node.children.end(), dividesByZero);
}

}  // namespace

Node readFormula(std::string_view text, const LetterIndex& letters) {
    Reader reader(text, &letters);
    return reader.whole();
}

TypedValue readValue(std::string_view text, bool angle) {
    TypedValue typed;
    try {
        Reader reader(text, nullptr, angle);
        const Node tree = reader.whole();
        const Value value = evaluate(tree, Substitution{});
        if (!value.exact) {
            typed.error = dividesByZero(tree) ? "деление на нула" : "няма точен вид (например корен от корен)";
            return typed;
        }
        typed.value = *value.exact;
        typed.plain = tree.kind == Kind::Number;
        typed.degrees = reader.degrees();
        typed.decimal = reader.decimal();
        typed.decimals = reader.decimals();
        typed.read = true;
    } catch (const ReadError& error) {
        typed.error = error.what;
    }
    return typed;
}

bool isInverseTrigonometric(const Node& node) {
    return node.kind == Kind::ArcSine || node.kind == Kind::ArcCosine || node.kind == Kind::ArcTangent;
}

bool isTrigonometric(const Node& node) {
    return node.kind == Kind::Sine || node.kind == Kind::Cosine || node.kind == Kind::Tangent ||
           node.kind == Kind::Cotangent;
}

Value evaluate(const Node& node, const Substitution& with) {
    switch (node.kind) {
    case Kind::Number: return Value(node.number, with.piValue);
    case Kind::Pi: return Value(Exact::pi(), with.piValue);
    case Kind::Quantity: {
        const Value* value = with.quantity ? with.quantity(node.index) : nullptr;
        return value ? *value : notKnown();
    }
    case Kind::Add: return evaluate(node.children[0], with) + evaluate(node.children[1], with);
    case Kind::Subtract: return evaluate(node.children[0], with) - evaluate(node.children[1], with);
    case Kind::Multiply: return evaluate(node.children[0], with) * evaluate(node.children[1], with);
    case Kind::Divide: return evaluate(node.children[0], with) / evaluate(node.children[1], with);
    case Kind::Power: return power(evaluate(node.children[0], with), node.index);
    case Kind::Root: return root(evaluate(node.children[0], with), node.index);
    case Kind::Negate: return -evaluate(node.children[0], with);
    case Kind::Sine:
    case Kind::Cosine:
    case Kind::Tangent:
    case Kind::Cotangent: return trigonometric(function(node.kind), evaluate(node.children.front(), with));
    case Kind::ArcSine:
    case Kind::ArcCosine:
    case Kind::ArcTangent:
        return inverseTrigonometric(function(node.kind), evaluate(node.children.front(), with));
    }
    return notKnown();
}

std::string writeWithNumbers(const Node& node, const Substitution& with) { return write(node, with).text; }

bool losesDigits(const Node& node, const Substitution& with) {
    if (node.kind == Kind::Subtract || node.kind == Kind::Add) {
        const Value a = evaluate(node.children[0], with), b = evaluate(node.children[1], with);
        const Value result = node.kind == Kind::Add ? a + b : a - b;
        if (!result.exact && std::fabs(result.number) < 1e-6 * std::max(std::fabs(a.number), std::fabs(b.number)))
            return true;
    }
    return std::any_of(node.children.begin(), node.children.end(),
                       [&](const Node& child) { return losesDigits(child, with); });
}

void collectQuantities(const Node& node, std::vector<int>& indices) {
    if (node.kind == Kind::Quantity && std::find(indices.begin(), indices.end(), node.index) == indices.end())
        indices.push_back(node.index);
    for (const Node& child : node.children) collectQuantities(child, indices);
}

}  // namespace solver
