// SPDX-License-Identifier: MIT
#pragma once
// A school task read as it is printed: the solid, its givens with their units,
// what the task asks and in which unit, π and the rounding it asks for, what
// a copy brought along (answer options, numbering) and the words that could
// not be read.
//
//   readTask("Правилна четириъгълна пирамида има основен ръб 16 cm и околна "
//            "повърхнина 320 cm2. Намерете обема ѝ.")
//     solid "pyramid"; givens n = "4" („четириъгълна“), a = "16 cm" („основен
//     ръб 16 cm“), S = "320 cm²"; asked V.
//
// Givens that are relations between quantities come with an expression in the
// solid's letters as their key or value: h = "2a/3", h = "d+15 cm",
// "h:k" = "3:5", "r+h" = "7 cm", h = "a".
//
// The words are data (vocabulary.cpp): a new solid, base or quantity is a new
// row there, not new code here.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "task/solver.h"

namespace solver::reader {

// Bytes of the task's text: [begin, end).
struct Span {
    std::size_t begin = 0;
    std::size_t end = 0;
};

// Words of the text, as printed.
struct Piece {
    std::string words;
    Span span;
};

struct ReadGiven {
    std::string key;    // "a"; "h:k", "r+h" for a relation
    std::string value;  // as the solver reads it: "16 cm", "70π cm²", "2,5 dm", "2a/3"
    Piece from;         // the words it came from: „основен ръб 16 cm“
    bool relation = false;
};

struct ReadAsked {
    std::string key;
    Piece from;
    std::string mark;  // the words that made the surface asked an open solid's: „без капак“, „тръба“
};

// A unit the task asks its answers in: „в кубически сантиметри“, „в литри“.
struct AskedUnit {
    std::string symbol;  // "cm³", "l", "ml", "m²", "cm"
    Unit unit = Unit::Centimetre;  // the length unit it is made of (l: dm, ml: cm)
    int power = 1;                 // 1, 2 or 3; 3 for litres
    bool litres = false;           // "l" or "ml"
    bool mass = false;             // "g" or "kg": the mass in it (g: solved in cm, kg: in dm)
};

enum class ReadStatus {
    Read,    // a solid and what the text says of it
    Unread,  // no solid could be placed: `message` says what could not be read
};

struct ReadTask {
    ReadStatus status = ReadStatus::Unread;
    std::string solid;  // the solver's key: "pyramid"; empty where none
    std::vector<ReadGiven> givens;
    std::vector<ReadAsked> asked;  // in the text's order
    // A sphere the text places in or about the solid, none of whose quantities
    // it gives or asks: its radius ("ri", from „кълбо“), so that the solver
    // takes in what the sphere's being there says of the solid (l = r1 + r2).
    std::vector<ReadAsked> named;
    std::optional<PiSetting> pi;   // „π ≈ 3,14“
    std::optional<AskedUnit> unit;
    std::optional<int> digits;       // „с точност до десетите“: 1
    std::optional<int> angleDigits;  // „с точност до градус“: 0
    std::vector<Piece> ignored;      // answer options, numbering, points
    std::vector<Piece> unread;       // words not understood that may matter
    TurnedFigure turned = TurnedFigure::None;  // „… се завърта около …“: what of the body the figure is
    std::string message;             // in Bulgarian: why unread, or what was not understood
};

// Any bytes: a task, or a status and a message that say why not.
ReadTask readTask(std::string_view text);

// The words of the text between two bytes, on one line, spaces single: a piece's words.
std::string wordsOf(std::string_view text, std::size_t begin, std::size_t end);

// Longer texts are not read (a task is a paragraph; this is fifty pages).
inline constexpr std::size_t longestText = 100000;

}  // namespace solver::reader
