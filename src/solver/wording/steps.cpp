// SPDX-License-Identifier: MIT
#include "wording/steps.h"

#include <cmath>

#include "engine/roots.h"

namespace solver {
namespace {

std::string_view countWord(std::size_t count) {
    static constexpr std::string_view words[] = {"", "едно", "две", "три", "четири", "пет", "шест", "седем", "осем"};
    return count < std::size(words) ? words[count] : "много";
}

std::string listedWithAnd(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i)
        text += (i == 0 ? "" : i + 1 == items.size() ? " и " : ", ") + items[i];
    return text;
}

const Node* firstRoot(const Node& node) {
    if (node.kind == Node::Kind::Root) return &node;
    for (const Node& child : node.children)
        if (const Node* found = firstRoot(child)) return found;
    return nullptr;
}

// The first arcsine or arccosine whose number lies outside −1 to 1.
const Node* firstArcOutOfRange(const Node& node, const Substitution& with) {
    if (node.kind == Node::Kind::ArcSine || node.kind == Node::Kind::ArcCosine) {
        const Value inner = evaluate(node.children.front(), with);
        if (std::isfinite(inner.number) && std::abs(inner.number) > 1) return &node;
    }
    for (const Node& child : node.children)
        if (const Node* found = firstArcOutOfRange(child, with)) return found;
    return nullptr;
}

std::string_view powerSign(int power) { return power == 1 ? "" : power == 2 ? "²" : "³"; }

}  // namespace

Substitution StepWriter::numbers(const Knowns& knowns) const {
    Substitution with = wording_.substitution([&knowns](int q) -> const Value* {
        for (const auto& [known, value] : knowns)
            if (known == q) return &value;
        return nullptr;
    });
    with.inDegrees = [this](int q) { return solid_.row->quantities[std::size_t(q)].dimension == Dimension::Angle; };
    return with;
}

std::string StepWriter::letter(int quantity) const {
    return std::string(solid_.row->quantities[std::size_t(quantity)].key);
}

std::string StepWriter::reason(int relation) const {
    const std::string_view why = solid_.relations[std::size_t(relation)].row->reason;
    return why.empty() ? "" : std::string(why) + "; ";
}

std::string StepWriter::equation(const std::vector<Value>& coefficients, int target) const {
    return equationText(coefficients, letter(target), wording_.style(), wording_.digits());
}

std::string StepWriter::relations(RelationSet set) const {
    std::vector<std::string> used;
    for (std::size_t r = 0; r < solid_.relations.size(); ++r)
        if (set & (RelationSet{1} << r)) used.emplace_back(solid_.relations[r].equation);
    return listedWithAnd(used);
}

std::optional<std::string> StepWriter::inverseForm(const Step& step) const {
    if (step.kind != Step::Kind::Form || !step.form || step.form->power != 1) return std::nullopt;
    const Node& form = step.form->expression;
    if (!isInverseTrigonometric(form) || step.value.exact) return std::nullopt;
    const Value argument = evaluate(form.children.front(), numbers(step.inputs));
    if (!argument.exact) return std::nullopt;
    const std::string name = form.kind == Node::Kind::ArcSine   ? "arcsin"
                             : form.kind == Node::Kind::ArcCosine ? "arccos"
                                                                  : "arctg";
    const std::string value = argument.exact->text(wording_.style());
    // "arctg 4/3", "arccos(−1/3)", "arctg(2 + √3)".
    const bool bracketed = value.find(' ') != std::string::npos || value.starts_with("−");
    return name + (bracketed ? "(" + value + ")" : " " + value);
}

std::string StepWriter::step(const Step& step) const {
    return step.kind == Step::Kind::Form ? formStep(step) : rootsStep(step);
}

std::string StepWriter::formStep(const Step& step) const {
    const Relation& r = solid_.relations[std::size_t(step.relation)];
    const Form& form = *step.form;
    const Substitution with = numbers(step.inputs);
    const std::string numbers = writeWithNumbers(form.expression, with);
    std::string text = form.text == r.equation ? form.text : r.equation + " ⇒ " + form.text;
    if (!r.row->figure.empty()) text = std::string(r.row->figure) + ": " + text;
    const Dimension dimension = solid_.row->quantities[std::size_t(step.target)].dimension;
    const Wording found = wording_.forDimension(dimension);
    const std::string result = found.equals(form.power == 1 ? step.value : step.inner);
    // "= 36 + 9√3" is not written again before "= 36 + 9√3 ≈ 51,59".
    if (result != "= " + numbers && !result.starts_with("= " + numbers + " ≈")) text += " = " + numbers;
    text += " " + result;
    if (form.power != 1) text += " ⇒ " + letter(step.target) + " " + found.equals(step.value);
    return text + wording_.unitText(dimension);
}

std::string StepWriter::rootsStep(const Step& step) const {
    const std::string lead =
        step.kind == Step::Kind::Equation
            ? solid_.relations[std::size_t(step.relation)].equation + " ⇒ " +
                  equation(step.coefficients, step.target)
            : "От " + relations(step.relations) + " ⇒ " + equation(step.coefficients, step.target);
    const std::string name = letter(step.target);
    const std::string unit = wording_.unitText(solid_.row->quantities[std::size_t(step.target)].dimension);
    const std::string chosen = name + " " + wording_.equals(step.roots[step.chosen]);
    if (step.roots.size() == 1) return lead + " ⇒ " + chosen + unit;
    std::string all, rejected;
    std::size_t solids = 0;
    for (std::size_t i = 0; i < step.roots.size(); ++i) {
        const std::string root = name + " " + wording_.equals(step.roots[i]);
        all += (i == 0 ? "" : " или ") + root;
        const Step::Rejection& rejection = step.rejections[i];
        if (!rejection.rejected) ++solids;
        else rejected += "; при " + root + " няма " + std::string(solid_.row->single) +
                         (rejection.why ? ": " + contradiction(*rejection.why) : "");
    }
    std::string text = lead + " ⇒ " + all + rejected;
    if (solids > 1 && solidsShown_ && *solidsShown_ < solids) {
        // Roots that give the same solid are counted once: "две решения (a и b могат да се разменят)".
        const std::size_t shown = *solidsShown_;
        text += "; " + std::string(countWord(shown)) + (shown == 1 ? " решение" : " решения") + " (" + swapped_ +
                " могат да се разменят)" + (shown == 1 ? ":" : ", в това");
    } else if (solids > 1) {
        text += "; " + std::string(countWord(solids)) + " решения, в това";
    } else {
        text += "; остава";
    }
    return text + " " + chosen + unit;
}

std::string StepWriter::notPositive(const Contradiction& c) const {
    const Form& form = *c.form;
    const Substitution with = numbers(c.inputs);
    const Node* radical = firstRoot(form.expression);
    const Value underRoot = radical ? evaluate(radical->children.front(), with) : Value();
    std::string detail;
    if (const Node* arc = firstArcOutOfRange(form.expression, with)) {
        // "тук cos γ = (3² + 4² − 8²) : (2·3·4) = −1,625, а косинусът е между −1 и 1"
        const bool sine = arc->kind == Node::Kind::ArcSine;
        const Value inner = evaluate(arc->children.front(), with);
        detail = std::string(sine ? "sin " : "cos ") + letter(c.target) + " = " +
                 writeWithNumbers(arc->children.front(), with) + " " + wording_.equals(inner) + ", а " +
                 (sine ? "синусът" : "косинусът") + " на ъгъл е между −1 и 1";
    } else if (radical && !finitePositive(underRoot) && std::isfinite(underRoot.number)) {
        Substitution letters = with;
        letters.letter = [this](int q) { return letter(q); };
        const Node& radicand = radical->children.front();
        if (radical == &form.expression) detail = letter(c.target) + std::string(powerSign(radical->index)) + " = ";
        detail += writeWithNumbers(radicand, letters) + " = " + writeWithNumbers(radicand, with) + " " +
                  wording_.equals(underRoot) + (underRoot.isZero() ? "" : " < 0");
    } else {
        detail = letter(c.target) + std::string(powerSign(form.power)) + " = " + writeWithNumbers(form.expression, with) +
                 " " + wording_.equals(c.inner) + " ≤ 0";
    }
    return reason(c.relation) + "тук " + detail;
}

// "не е вярно, че d = a√3: d = 5,3, а от a = 3 следва d = 3√3 ≈ 5,196": the
// given and what the others make it, with digits enough to tell the two apart.
std::string StepWriter::roundedTooFar(const Contradiction& c) const {
    const std::string name = letter(c.blamed);
    const Value* given = nullptr;
    for (const auto& [q, value] : c.inputs)
        if (q == c.blamed) given = &value;
    const std::string unit = wording_.unitText(solid_.row->quantities[std::size_t(c.blamed)].dimension);
    std::string text = reason(c.relation) + "не е вярно, че " +
                       solid_.relations[std::size_t(c.relation)].equation + ": " + name + " " +
                       (given ? wording_.equals(*given) : "") + unit;
    return text + ", а от " + givens_(c.others) + " следва " + name + " " +
           wording_.moreDigits(1).equals(c.derived) + unit;
}

std::string StepWriter::contradiction(const Contradiction& c) const {
    switch (c.kind) {
    case Contradiction::Kind::NotPositive: return notPositive(c);
    case Contradiction::Kind::NoPositiveRoot:
        return reason(c.relation) + "уравнението " + equation(c.coefficients, c.target) + " няма положителен корен";
    case Contradiction::Kind::Eliminated:
        return "от " + relations(c.relations) + " следва " + equation(c.coefficients, c.target) +
               ", а това уравнение няма положителен корен";
    case Contradiction::Kind::Unequal: {
        if (c.blamed >= 0 && givens_) return roundedTooFar(c);
        const Relation& r = solid_.relations[std::size_t(c.relation)];
        const Substitution with = numbers(c.inputs);
        // Each side as its letters, its numbers and its value: "k = √34 ≈ 5,83, а r1 + r2 = 4 + 1 = 5".
        const std::size_t equals = r.equation.find(" = ");
        auto side = [&](const Node& node, std::string letters, const Value& value) {
            const std::string numbers = writeWithNumbers(node, with), result = wording_.equals(value);
            if (numbers != letters && result != "= " + numbers && !result.starts_with("= " + numbers + " ≈"))
                letters += " = " + numbers;
            return letters + " " + result;
        };
        return reason(c.relation) + "не е вярно, че " + r.equation + ": " +
               side(r.left, r.equation.substr(0, equals), c.inner) + ", а " +
               side(r.right, r.equation.substr(equals + 3), c.right);
    }
    case Contradiction::Kind::OutOfDomain:
        return std::string(solid_.row->quantities[std::size_t(c.target)].domain.rule) + ", а от данните " +
               letter(c.target) + " " + wording_.equals(c.right);
    }
    return {};
}

}  // namespace solver
