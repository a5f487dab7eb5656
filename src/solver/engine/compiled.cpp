// SPDX-License-Identifier: MIT
#include "engine/compiled.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <string>

#include "engine/limits.h"

namespace solver {
namespace {

bool namesInverse(const Node& node) {
    return isInverseTrigonometric(node) || std::any_of(node.children.begin(), node.children.end(), namesInverse);
}

// The quantities inside the node's angles: n in tg(180° : n).
void collectAngleMembers(const Node& node, std::vector<int>& indices) {
    if (isTrigonometric(node)) collectQuantities(node, indices);
    else
        for (const Node& child : node.children) collectAngleMembers(child, indices);
}

// The quantities under a root: B1 and B2 in √(B1·B2).
void collectRootMembers(const Node& node, std::vector<int>& indices) {
    if (node.kind == Node::Kind::Root) collectQuantities(node, indices);
    else
        for (const Node& child : node.children) collectRootMembers(child, indices);
}

struct Sides {
    Node left, right;
};

Sides split(std::string_view text, std::string_view sign, const LetterIndex& letters) {
    const std::string separator = " " + std::string(sign) + " ";
    const auto at = text.find(separator);
    if (at == std::string_view::npos) throw ReadError{"няма „" + separator + "“ в „" + std::string(text) + "“"};
    return {readFormula(text.substr(0, at), letters), readFormula(text.substr(at + separator.size()), letters)};
}

// A row's text in the solid's letters: each letter a part renames replaced.
std::string inLetters(std::string_view text, const std::vector<std::pair<std::string, std::string>>& letters) {
    std::string written;
    for (std::size_t at = 0; at < text.size();) {
        const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
        if (!letter(text[at])) {
            written += text[at++];
            continue;
        }
        std::size_t end = at;
        while (end < text.size() && (letter(text[end]) || (text[end] >= '0' && text[end] <= '9'))) ++end;
        std::string word(text.substr(at, end - at));
        for (const auto& [own, host] : letters)
            if (own == word) {
                word = host;
                break;
            }
        written += word;
        at = end;
    }
    return written;
}

Form readForm(const std::string& text, const LetterIndex& letters) {
    Sides sides = split(text, "=", letters);
    Form form;
    form.text = text;
    form.expression = std::move(sides.right);
    const Node* target = &sides.left;
    if (target->kind == Node::Kind::Power) {
        form.power = target->index;
        target = &target->children.front();
    }
    if (target->kind != Node::Kind::Quantity) throw ReadError{"„" + std::string(text) + "“ не дава една буква"};
    form.target = target->index;
    return form;
}

void checkLimits(const CompiledSolid& result) {
    const SolidRow& solid = *result.row;
    if (solid.quantities.size() > maxQuantities || result.relations.size() > maxRelations)
        throw ReadError{"таблицата „" + std::string(solid.key) + "“ има " + std::to_string(solid.quantities.size()) +
                        " величини и " + std::to_string(result.relations.size()) + " връзки, а се поемат до " +
                        std::to_string(maxQuantities) + " и " + std::to_string(maxRelations)};
}

Relation compileRelation(const SolidRow& solid, const TakenRelation& taken) {
    const RelationRow& row = *taken.row;
    const LetterIndex letters = [&solid](std::string_view key) { return quantityIndex(solid, key); };
    Relation relation;
    relation.row = &row;
    relation.equation = inLetters(row.equation, taken.letters);
    Sides sides = split(relation.equation, "=", letters);
    relation.left = std::move(sides.left);
    relation.right = std::move(sides.right);
    collectQuantities(relation.left, relation.members);
    collectQuantities(relation.right, relation.members);
    collectAngleMembers(relation.left, relation.angleMembers);
    collectAngleMembers(relation.right, relation.angleMembers);
    collectRootMembers(relation.left, relation.rootMembers);
    collectRootMembers(relation.right, relation.rootMembers);
    for (int member : relation.members)
        if (solid.quantities[std::size_t(member)].regularOnly) relation.regularOnly = true;
    relation.tools = row.tools | (relation.angleMembers.empty() && !namesInverse(relation.left) &&
                                          !namesInverse(relation.right)
                                      ? 0u
                                      : unsigned(Trigonometry));
    if (!row.only.empty()) {
        const std::string only = inLetters(row.only, taken.letters);
        const auto at = only.find(" = ");
        relation.onlyQuantity = quantityIndex(solid, std::string_view(only).substr(0, at));
        relation.onlyValue = at == std::string::npos ? 0 : std::stoi(only.substr(at + 3));
        relation.onlyOfThatBase = row.ofThatBase;
        // A count ("n = 4") or an angle in whole degrees ("γ = 90°").
        const QuantityRow* of = relation.onlyQuantity < 0 ? nullptr : &solid.quantities[std::size_t(relation.onlyQuantity)];
        if (!of || (!of->domain.whole && of->dimension != Dimension::Angle))
            throw ReadError{"„" + only + "“ не е цяло число или ъгъл на „" + std::string(solid.key) + "“"};
        if (std::find(relation.members.begin(), relation.members.end(), relation.onlyQuantity) == relation.members.end())
            relation.members.push_back(relation.onlyQuantity);
    }
    for (std::string_view text : row.forms)
        if (!text.empty()) relation.forms.push_back(readForm(inLetters(text, taken.letters), letters));
    // "S = π·r·l" is itself the form that gives S.
    const Node* defined = &relation.left;
    const int power = defined->kind == Node::Kind::Power ? defined->index : 1;
    if (power != 1) defined = &defined->children.front();
    if (defined->kind == Node::Kind::Quantity && !relation.formFor(defined->index))
        relation.forms.push_back(Form{defined->index, power, relation.right, relation.equation});
    // α = arctg(h : r): a form of the angle needs the trigonometry too.
    for (const Form& form : relation.forms)
        if (namesInverse(form.expression)) relation.tools |= Trigonometry;
    return relation;
}

// The quantities that only relations true of one base hold (a square prism's
// diagonal): the counts of those bases, per quantity.
std::vector<std::vector<int>> basesOnly(const SolidRow& solid, const std::vector<Relation>& relations) {
    std::vector<std::vector<int>> counts(solid.quantities.size());
    for (std::size_t q = 0; q < counts.size(); ++q) {
        bool held = false, everyOfOneBase = true;
        for (const Relation& r : relations) {
            if (r.onlyQuantity == int(q) || std::find(r.members.begin(), r.members.end(), int(q)) == r.members.end()) continue;
            held = true;
            if (!r.onlyOfThatBase) everyOfOneBase = false;
            else counts[q].push_back(r.onlyValue);
        }
        if (!held || !everyOfOneBase) counts[q].clear();
    }
    return counts;
}

CompiledSolid compile(const SolidRow& solid) {
    CompiledSolid result;
    result.row = &solid;
    result.wholeIndex = wholeQuantity(solid);
    for (const TakenRelation& taken : takenRelations(solid)) result.relations.push_back(compileRelation(solid, taken));
    result.ofBasesOnly = basesOnly(solid, result.relations);
    const LetterIndex letters = [&solid](std::string_view key) { return quantityIndex(solid, key); };
    for (const ConditionRow& row : solid.conditions) {
        const bool orEqual = row.inequality.find("≤") != std::string_view::npos;
        Sides sides = split(row.inequality, orEqual ? "≤" : "<", letters);
        Condition condition{&row, std::move(sides.left), std::move(sides.right), {}, orEqual};
        collectQuantities(condition.smaller, condition.members);
        collectQuantities(condition.larger, condition.members);
        result.conditions.push_back(std::move(condition));
    }
    checkLimits(result);
    return result;
}

}  // namespace

bool CompiledSolid::hasFor(int quantity, const std::optional<double>& count) const {
    const std::vector<int>& counts = ofBasesOnly[std::size_t(quantity)];
    return counts.empty() || !count || std::find(counts.begin(), counts.end(), int(*count)) != counts.end();
}

const Form* Relation::formFor(int quantity) const {
    for (const Form& form : forms)
        if (form.target == quantity) return &form;
    return nullptr;
}

Polynomial Relation::polynomial(const Substitution& constants) const {
    return relationPolynomial(left, right, constants);
}

std::shared_ptr<const TaskModel> withRelations(const SolidRow& solid, const std::vector<TaskRelation>& relations) {
    auto model = std::make_shared<TaskModel>();
    model->compiled = compiled(solid);
    for (const TaskRelation& given : relations) {
        model->texts.push_back(given.equation);
        model->rows.push_back(RelationRow{model->texts.back()});
        Relation read = compileRelation(solid, TakenRelation{&model->rows.back(), {}});
        read.from = given.from;
        model->compiled.relations.push_back(std::move(read));
    }
    checkLimits(model->compiled);
    return model;
}

const CompiledSolid& compiled(const SolidRow& solid) {
    static std::map<const SolidRow*, CompiledSolid> read;
#if !defined(__EMSCRIPTEN__) || defined(__EMSCRIPTEN_PTHREADS__)
    // (A module built without threads has nothing to guard, and its mutex
    // would bring in the C library's error messages.)
    static std::mutex guard;
    std::lock_guard lock(guard);
#endif
    auto found = read.find(&solid);
    if (found == read.end()) found = read.emplace(&solid, compile(solid)).first;
    return found->second;
}

}  // namespace solver
