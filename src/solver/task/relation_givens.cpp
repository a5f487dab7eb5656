// SPDX-License-Identifier: MIT
#include "task/relation_givens.h"

#include <algorithm>

#include "engine/expression.h"

namespace solver {
namespace {

bool isLatin(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The words of Latin letters (and digits after them) in a text: "h", "S1", "pi".
std::vector<std::string> latinWords(std::string_view text) {
    std::vector<std::string> words;
    for (std::size_t at = 0; at < text.size();) {
        if (!isLatin(text[at])) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < text.size() && (isLatin(text[end]) || (text[end] >= '0' && text[end] <= '9'))) ++end;
        words.emplace_back(text.substr(at, end - at));
        at = end;
    }
    return words;
}

struct UnitWord {
    std::string_view text;
    Unit unit;
};
constexpr UnitWord unitWords[] = {{"mm", Unit::Millimetre}, {"мм", Unit::Millimetre}, {"cm", Unit::Centimetre},
                                  {"см", Unit::Centimetre},  {"dm", Unit::Decimetre},  {"дм", Unit::Decimetre},
                                  {"m", Unit::Metre},        {"м", Unit::Metre}};

// The unit at the end of a relation's value, taken off it: "d+15cm" leaves "d+15".
std::optional<Unit> takeUnit(std::string& text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    for (const UnitWord& word : unitWords) {
        if (!text.ends_with(word.text)) continue;
        const std::string before = text.substr(0, text.size() - word.text.size());
        if (before.empty() || isLatin(before.back())) continue;
        text = before;
        return word.unit;
    }
    return std::nullopt;
}

void scaleConstants(Node& node, const Exact& factor) {
    switch (node.kind) {
    case Node::Kind::Number: node.number = node.number * factor; break;
    case Node::Kind::Add:
    case Node::Kind::Subtract:
        for (Node& child : node.children) scaleConstants(child, factor);
        break;
    case Node::Kind::Negate: scaleConstants(node.children.front(), factor); break;
    default: break;  // a product or quotient holds no length of its own: 2a/3
    }
}

// The formula with its letters written, as the steps write it: "2a : 3".
std::string lettersOf(const Node& node, const SolidRow& solid) {
    Substitution letters;
    letters.letter = [&solid](int q) { return std::string(solid.quantities[std::size_t(q)].key); };
    return writeWithNumbers(node, letters);
}

}  // namespace

bool isRelationGiven(const SolidRow& solid, const Given& given) {
    if (const int q = quantityIndex(solid, given.key); q >= 0) {
        // A mass, a sum or a price is a number with its unit ("12лв./m²"); a unit is no letter ("4m").
        if (isUseDimension(solid.quantities[std::size_t(q)].dimension)) return false;
        std::string value = given.text;
        takeUnit(value);
        for (const std::string& word : latinWords(value))
            if (quantityIndex(solid, word) >= 0) return true;
        return false;
    }
    // "h:k", "r+h", or a multiple written first: "12a", "2r".
    const bool formula = std::any_of(given.key.begin(), given.key.end(),
                                     [](char c) { return !isLatin(c) && !(c >= '0' && c <= '9'); }) ||
                         (!given.key.empty() && given.key.front() >= '0' && given.key.front() <= '9');
    const std::vector<std::string> words = latinWords(given.key);
    return formula && std::any_of(words.begin(), words.end(), [&](const std::string& word) { return quantityIndex(solid, word) >= 0; });
}

RelationGiven readRelationGiven(const SolidRow& solid, const Given& given, std::optional<Unit> resultsUnit) {
    RelationGiven relation{given.key, "", {}, std::nullopt, ""};
    std::string value = given.text;
    const std::optional<Unit> unit = takeUnit(value);
    relation.unit = unit;
    const LetterIndex letters = [&solid](std::string_view key) { return quantityIndex(solid, key); };
    // "a:b:c = 1:2:3": a ratio of three, two relations.
    std::vector<std::string> left, right;
    auto parts = [](const std::string& text) {
        std::vector<std::string> found;
        std::size_t start = 0;
        for (std::size_t at = text.find(':'); at != std::string::npos; at = text.find(':', start)) {
            found.push_back(text.substr(start, at - start));
            start = at + 1;
        }
        found.push_back(text.substr(start));
        return found;
    };
    const std::vector<std::string> keys = parts(given.key), values = parts(value);
    try {
        if (keys.size() > 2 && keys.size() == values.size()) {
            for (std::size_t i = 1; i < keys.size(); ++i)
                relation.equations.push_back(lettersOf(readFormula(keys[0] + ":" + keys[i], letters), solid) + " = " +
                                             lettersOf(readFormula(values[0] + ":" + values[i], letters), solid));
            relation.text = given.key + " = " + value;
            return relation;
        }
        const Node leftSide = readFormula(given.key, letters);
        Node rightSide = readFormula(value, letters);
        if (unit && resultsUnit && *unit != *resultsUnit) {
            const int power = 1;  // a relation's constants are lengths: h = d + 15 cm
            scaleConstants(rightSide, Exact(unitFactor(*unit, *resultsUnit, power)));
        }
        relation.equations.push_back(lettersOf(leftSide, solid) + " = " + lettersOf(rightSide, solid));
        relation.text = relation.equations.front();
    } catch (const ReadError& error) {
        relation.problem = "„" + given.key + " = " + given.text + "“ не се чете като връзка между величините " +
                           std::string(solid.genitive) + " (" + error.what +
                           "). Пишете например h=2a/3, h=d+15, h:k=3:5 или r+h=7.";
    }
    return relation;
}

}  // namespace solver
