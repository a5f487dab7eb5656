// SPDX-License-Identifier: MIT
#pragma once
// A task's tokens read as items: the vocabulary's phrases, values with their
// units ("16 cm", "70π cm²"), a quantity's letter and what it equals
// ("r = 3 dm", "h = 2r", "V = ?"), π as the task takes it, marks, the ends of
// sentences, and what a copy brings along (numbering, points, answer
// options), marked to be ignored.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "reader/tokens.h"
#include "reader/vocabulary.h"

namespace solver::reader {

enum class ItemKind {
    Phrase,    // role, meaning, givens
    Value,     // text "16 cm": number "16", unit "cm", power 1
    UnitWord,  // a unit alone: „в литри“, „колко литра“
    Symbol,    // a quantity's letter alone: "S1"
    Equation,  // symbols = text: "r" = "3 dm", "h" = "2r", "h" "k" = "3:5"; asks for "V = ?"
    Pi,        // „π ≈ 3,14“: number "3,14"
    Mark,      // , ; : = ( ) and the rest
    End,       // . ? ! where a sentence ends
    Marker,    // а) б) В): a question's or an answer option's letter
    Ignored,   // numbering, points, the answer key's answer
    Unknown,   // a word no phrase begins with
};

struct Item {
    ItemKind kind = ItemKind::Unknown;
    Role role = Role::Filler;  // Phrase
    std::string meaning;       // Phrase: the vocabulary's meaning
    std::string givens;        // Phrase: what it says ("n=4")
    std::string text;          // Value: as the solver reads it; Symbol, Mark, End, Unknown: itself; Equation: its right side
    std::string number;        // Value: the number alone; Pi: π's value
    std::string unit;          // Value, UnitWord: "cm", "l", "ml"; empty for none
    int power = 0;             // Value, UnitWord: 2 or 3 where written, else 0
    bool foreignUnit = false;  // Value, UnitWord: a unit the solver does not take (km, kg, °, %)
    bool multiplier = false;   // Value: a plain number without unit, root or π, or a fraction
    bool degrees = false;      // Value: an angle in degrees („60°“, „60 градуса“, „полукръг“)
    std::vector<std::string> symbols;  // Equation: the letters on its left
    bool asks = false;         // Equation: "V = ?"
    bool expression = false;   // Equation: its right side has letters
    std::size_t begin = 0;     // bytes of the text
    std::size_t end = 0;
    bool capital = false;
    bool lineStart = false;

    bool is(Role r) const { return kind == ItemKind::Phrase && role == r; }
};

// „на“ between a quantity or a base and what it belongs to.
inline bool isOf(const Item& item) { return item.is(Role::Filler) && item.meaning == "of"; }

std::vector<Item> scan(const std::vector<Token>& tokens);

// A unit of mass or money: "g", "kg", "t", "лв.".
bool isMassOrMoney(std::string_view unit);

// "cm" with power 2 as "cm²"; litres without a power.
std::string unitText(const std::string& unit, int power);

}  // namespace solver::reader
