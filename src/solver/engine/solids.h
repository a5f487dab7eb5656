// SPDX-License-Identifier: MIT
#pragma once
// The solids the solver knows, one table each: the quantities by the letters
// Bulgarian textbooks use, with their names and what they measure, and the
// relations between them as a textbook writes them. The relations are data:
// the solver reads their equations, and for the steps the ways a textbook
// turns each one round ("r² = V : (π·h)"). The command line, the page, the
// messages, the drawings, the worksheets and the tests all read these tables;
// a new solid is a new table.

#include <array>
#include <span>
#include <string_view>
#include <vector>

namespace solver {

enum class Dimension { Count, Length, Area, Volume };
enum class Gender { Masculine, Feminine, Neuter };

struct QuantityRow {
    std::string_view key;       // "S1": the letter, and the key on the command line and in links
    std::string_view name;      // "пълна повърхнина"
    Dimension dimension;
    std::string_view definite;  // as a task asks for it: "пълната повърхнина", "обема"
    // Meaningful only for a regular base, so only where n is known: a prism's
    // base edge, a pyramid's lateral edge.
    bool regularOnly = false;
};

struct RelationRow {
    std::string_view equation;  // "l² = r² + h²"
    // The equation solved for one of its letters, where a textbook does so:
    // "h = √(l² − r²)", "r² = V : (π·h)". Letters with no form here are found
    // from the equation itself.
    std::array<std::string_view, 4> forms = {};
    // Why no solid fits when the equation cannot hold: a sentence for the message.
    std::string_view reason = {};
};

struct SolidRow {
    std::string_view key;       // "cone"
    std::string_view name;      // "конус"
    std::string_view genitive;  // "на конуса"
    std::string_view single;    // the solid alone, as a message names it: "кълбо"
    Gender gender;
    std::span<const QuantityRow> quantities;
    std::span<const RelationRow> relations;
    // Relations it shares with another solid (a regular pyramid's base is a
    // regular polygon), after its own.
    std::span<const RelationRow> sharedRelations;
    // The measures that fix a solid of this kind, in the order they are sought
    // when the givens do not lead to them directly: {"r", "h"}.
    std::span<const std::string_view> base;
    // Without n, a prism or a pyramid may have any base: what fixes one then
    // (its perimeter and area, and its height). Empty where n is always needed.
    std::span<const std::string_view> baseWithoutSides = {};
    // The base edges a and b of a box are interchangeable: solutions that
    // differ only by them are one solid.
    std::array<std::string_view, 2> interchangeable = {};
};

// Whether the solid has n, the number of its base's sides.
bool hasSides(const SolidRow& solid);
// Its relations in the order the solver takes them: the shared ones first.
std::vector<const RelationRow*> relationsOf(const SolidRow& solid);

std::span<const SolidRow> allSolids();
// By its key ("cone") or its Bulgarian name ("конус"); null for neither.
const SolidRow* solidByKey(std::string_view key);
// The index of a quantity in its solid's table, or -1.
int quantityIndex(const SolidRow& solid, std::string_view key);

// "см" and "cm" alike: the units a task may use.
enum class Unit { Millimetre, Centimetre, Decimetre, Metre };
std::string_view unitSymbol(Unit unit);  // "cm"

}  // namespace solver
