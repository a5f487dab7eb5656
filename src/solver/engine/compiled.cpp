// SPDX-License-Identifier: MIT
#include "engine/compiled.h"

#include <algorithm>
#include <map>
#include <mutex>

namespace solver {
namespace {

bool namesAngle(const Node& node) {
    if (node.kind == Node::Kind::Tangent || node.kind == Node::Kind::Sine) return true;
    return std::any_of(node.children.begin(), node.children.end(), namesAngle);
}

struct Sides {
    Node left, right;
};

Sides split(std::string_view text, const LetterIndex& letters) {
    const auto equals = text.find(" = ");
    if (equals == std::string_view::npos) throw ReadError{"няма „ = “ в „" + std::string(text) + "“"};
    return {readFormula(text.substr(0, equals), letters), readFormula(text.substr(equals + 3), letters)};
}

Form readForm(std::string_view text, const LetterIndex& letters) {
    Sides sides = split(text, letters);
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

CompiledSolid compile(const SolidRow& solid) {
    CompiledSolid result;
    result.row = &solid;
    result.sidesIndex = quantityIndex(solid, "n");
    const LetterIndex letters = [&solid](std::string_view key) { return quantityIndex(solid, key); };
    for (const RelationRow* taken : relationsOf(solid)) {
        const RelationRow& row = *taken;
        Relation relation;
        relation.row = &row;
        Sides sides = split(row.equation, letters);
        relation.left = std::move(sides.left);
        relation.right = std::move(sides.right);
        collectQuantities(relation.left, relation.members);
        collectQuantities(relation.right, relation.members);
        relation.needsSides = namesAngle(relation.left) || namesAngle(relation.right);
        if (relation.needsSides && result.sidesIndex >= 0 &&
            std::find(relation.members.begin(), relation.members.end(), result.sidesIndex) == relation.members.end())
            relation.members.push_back(result.sidesIndex);
        for (int member : relation.members)
            if (solid.quantities[std::size_t(member)].regularOnly) relation.regularOnly = true;
        for (std::string_view text : row.forms)
            if (!text.empty()) relation.forms.push_back(readForm(text, letters));
        // "S = π·r·l" is itself the form that gives S.
        const Node* defined = &relation.left;
        const int power = defined->kind == Node::Kind::Power ? defined->index : 1;
        if (power != 1) defined = &defined->children.front();
        if (defined->kind == Node::Kind::Quantity && !relation.formFor(defined->index))
            relation.forms.push_back(Form{defined->index, power, relation.right, row.equation});
        result.relations.push_back(std::move(relation));
    }
    return result;
}

}  // namespace

const Form* Relation::formFor(int quantity) const {
    for (const Form& form : forms)
        if (form.target == quantity) return &form;
    return nullptr;
}

Polynomial Relation::polynomial(const Substitution& constants) const {
    return relationPolynomial(left, right, constants);
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
