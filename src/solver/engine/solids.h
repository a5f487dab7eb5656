// SPDX-License-Identifier: MIT
#pragma once
// The solids the solver knows, one table each (engine/tables/): the
// quantities by the letters Bulgarian textbooks use, with their names, what
// they measure and the values they may take, and the relations between them
// as a textbook writes them. The relations are data: the solver reads their
// equations, and for the steps the ways a textbook turns each one round
// ("r² = V : (π·h)"). The command line, the page, the messages, the drawings,
// the worksheets and the tests all read these tables; a new solid is a new
// table, and a table may take in another one (a regular pyramid takes in the
// regular polygon of its base).

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/registration.h"

namespace solver {

// What a quantity measures, and so its unit: cm, cm², cm³, °, or none; and for
// the quantities of use a mass (g, kg), a sum of money (лв.), a density (g/cm³)
// and a unit price (лв./m², лв./m³).
enum class Dimension {
    Count, Length, Area, Volume, Angle, Ratio,
    Mass, Money, MassPerVolume, MoneyPerArea, MoneyPerVolume
};
enum class Gender { Masculine, Feminine, Neuter };

// The values a quantity may take. Every quantity is a positive number; a
// count is a whole number within bounds, found where no relation gives it by
// trying each value up to `triedUpTo` (n of a regular base).
struct Domain {
    bool whole = false;
    int least = 0, most = 0;  // a whole number's bounds
    int triedUpTo = 0;
    // The rule as a message states it: "броят на страните n трябва да е цяло число от 3 до 1000".
    std::string_view rule = {};
    // What the steps say of the one value tried that fits, and the message where none does.
    std::string_view onlyFitting = {}, noneFitting = {};
    // A given below the least value or above the most: "броят на страните трябва да е цяло число, поне 3".
    std::string_view tooSmall = {}, tooLarge = {};
    // An angle: less than this many degrees (90 for an acute one, 180), its rule in `rule`.
    int below = 0;
    // A part of a whole: at most this (1 for the fill of a vessel), its rule in `rule`.
    int atMost = 0;
};

// An acute angle of a right triangle in the solid (between a generator and the base).
inline constexpr Domain acuteAngle{false, 0, 0, 0, "ъгълът трябва да е между 0° и 90°", {}, {}, {}, {}, 90};
// An angle of a triangle or between two planes (the apex angle of an axial section).
inline constexpr Domain angleBelowStraight{false, 0, 0, 0, "ъгълът трябва да е между 0° и 180°", {}, {}, {}, {}, 180};
// The central angle of a cone's net: a sector less than the whole circle.
inline constexpr Domain sectorAngle{false, 0, 0, 0, "ъгълът трябва да е между 0° и 360°", {}, {}, {}, {}, 360};

// A polygon's number of sides.
inline constexpr Domain sidesOfPolygon{
    true, 3, 1000, 100, "броят на страните n трябва да е цяло число от 3 до 1000",
    "само при този брой страни (от 3 до 100) дадените величини си съответстват",
    "при никой брой страни n от 3 до 100 тези величини не си съответстват",
    "броят на страните трябва да е цяло число, поне 3", "броят на страните трябва да е най-много 1000"};

struct QuantityRow {
    std::string_view key;       // "S1": the letter, and the key on the command line and in links
    std::string_view name;      // "пълна повърхнина"
    Dimension dimension;
    std::string_view definite;  // as a task asks for it: "пълната повърхнина", "обема"
    // Meaningful only for a regular base, so only where n is known: a prism's
    // base edge, a pyramid's lateral edge.
    bool regularOnly = false;
    Domain domain = {};
    // A quantity of use (the mass, the liquid in a vessel, a cost): the solid
    // is found without it, and it is found where the givens lead to it.
    bool ofUse = false;
};

// What a relation takes that a student learns late: Pythagoras' theorem
// (grade 7), the trigonometric functions (grade 8; found by the engine in the
// equation itself), Heron's formula (grade 9).
enum Tool : unsigned { Pythagoras = 1, Trigonometry = 2, Heron = 4 };

struct RelationRow {
    std::string_view equation;  // "l² = r² + h²"
    // The equation solved for one of its letters, where a textbook does so:
    // "h = √(l² − r²)", "r² = V : (π·h)". Letters with no form here are found
    // from the equation itself.
    std::array<std::string_view, 4> forms = {};
    // Why no solid fits when the equation cannot hold: a sentence for the message.
    std::string_view reason = {};
    unsigned tools = 0;
    // A formula of one base alone, as a textbook of a grade writes it ("B = a²"
    // where n = 4): taken only where a grade is set and the count is this; or
    // of one angle ("γ = 90°": Pythagoras' theorem for the law of cosines).
    std::string_view only = {};  // "n = 4", "γ = 90°"
    // The figure a step by it names, as a textbook does before an angle's
    // function, at a step's start: "От правоъгълния триъгълник с катети h и r и хипотенуза k".
    std::string_view figure = {};
    // `only` holds with or without a grade: the relation is true of that base
    // alone (a square prism's diagonal d² = 2a² + h²), not a grade's way of writing it.
    bool ofThatBase = false;
};

// A condition every solid of the table meets, an inequality: "B < P² : (4π)",
// checked once a solid is found.
struct ConditionRow {
    std::string_view inequality;  // "left < right", or "left ≤ right"
    // What the givens describe, its letters to be followed by their values:
    // "основа с периметър P и лице B".
    std::string_view subject;
    // Why, for the message; the right side's value follows it ("тук 7,96").
    std::string_view reason;
};

struct SolidRow;

// Another table taken into this one: its quantities become this table's, its
// relations come before this table's own. A letter of the part is the host's
// letter renamed where `renamed` says so ({"h", "h1"}), else with `suffix`
// after it ("V" and "2" make "V2"; none: the same letter, as a regular
// pyramid's base polygon shares a, n, r, R, P and B).
struct PartRow {
    const SolidRow& (*table)();
    std::string_view suffix = {};
    std::span<const std::pair<std::string_view, std::string_view>> renamed = {};
};

struct SolidRow {
    std::string_view key;       // "cone"
    std::string_view name;      // "конус"
    // "на конуса"; a table of use round its solid: "на описаната около {} сфера", {} its solid ("цилиндъра").
    std::string_view genitive;
    std::string_view single;    // the solid alone, as a message names it: "кълбо"
    Gender gender;
    std::span<const QuantityRow> quantities;
    std::span<const RelationRow> relations;
    // The measures that fix a solid of this kind, in the order they are sought
    // when the givens do not lead to them directly: {"r", "h"}.
    std::span<const std::string_view> base;
    // Without n, a prism or a pyramid may have any base: what fixes one then
    // (its perimeter and area, and its height). Empty where n is always needed.
    std::span<const std::string_view> baseWithoutSides = {};
    // Two quantities whose values may be swapped without changing the solid
    // (the base edges a and b of a box): solutions that differ only by them are one.
    std::array<std::string_view, 2> interchangeable = {};
    // Quantities swapped with them (a pyramid's face heights ka and kb over the
    // sides a and b), pairs of keys.
    std::span<const std::array<std::string_view, 2>> swappedAlong = {};
    std::span<const PartRow> parts = {};
    std::span<const ConditionRow> conditions = {};
    // Other names a student may type for it: „кълбо“, "ball".
    std::span<const std::string_view> otherNames = {};
    // What the drawings, worksheets, the window and the pages read of it
    // (engine/registration.h); null where it has none, and then it is not drawn
    // and no sheet sets a task on it.
    const Registration* registration = nullptr;
    // The solid this one is a kind of, on a base of its own shape: "prism" for
    // a right prism on a rhombus (its base is its first part). Empty otherwise.
    std::string_view family = {};
    // How it is offered among the kinds of the solid it is chosen by (its
    // picture's): "ромб, стени под равни ъгли"; empty where it has no others.
    std::string_view variant = {};
    // The quantities of use it takes in where a task names one of them
    // (engine/tables/uses.cpp): the liquid in it, its mass, its cost.
    std::span<const PartRow> uses = {};
};

// Its relations in the order the solver takes them: those of its parts first.
std::vector<const RelationRow*> relationsOf(const SolidRow& solid);
// The same, each with the letter a part's letter stands for in `solid`.
struct TakenRelation {
    const RelationRow* row;
    std::vector<std::pair<std::string, std::string>> letters;  // the part's letter, the host's
};
std::vector<TakenRelation> takenRelations(const SolidRow& solid);

std::span<const SolidRow> allSolids();
// The plane bases other than the regular polygons (triangles, rectangles,
// rhombi, parallelograms, trapezoids), and the right prisms and pyramids on
// them, in the order the program offers them.
std::span<const SolidRow* const> baseShapes();
std::span<const SolidRow* const> solidsOnBases();
// The frustums of a cone and of a regular pyramid, found by their keys.
std::span<const SolidRow* const> frustums();
// The bodies made of two solids: two cones on one base (a triangle turned
// about a side), a solid with another on its base, a hollow one. Found by
// their keys and by the reader; offered all by one picture, the one whose
// registration names it („съставно тяло“).
std::span<const SolidRow* const> composedBodies();
// The solids the window and the pages offer by their pictures, in their
// order: the eight, the frustums, then the picture of the bodies.
std::span<const SolidRow* const> pictured();
// The kinds a solid offered by its picture stands for, itself first: a right
// prism, then the prisms on bases of other shapes; a regular polygon, then the
// other bases as plane figures; the picture of the bodies, then the other
// bodies. Only itself where it has no others.
std::vector<const SolidRow*> variantsOf(const SolidRow& offered);
// The solid whose picture offers this one (itself, for one of allSolids()).
const SolidRow& offeredBy(const SolidRow& solid);
// The name under a solid's picture, and the caption of the list of the kinds
// it offers („Основа“, „Вид тяло“); each kind's name in that list.
std::string_view pictureName(const SolidRow& offered);
std::string_view variantsCaption(const SolidRow& offered);
std::string_view variantName(const SolidRow& variant);
// The solid of a family ("prism", "pyramid") on a base ("rhombus"), with the
// apex of a pyramid where `apex` says ("edges": over the centre of the
// circumscribed circle, "faces": of the inscribed one); null for none.
const SolidRow* solidOnBase(std::string_view family, std::string_view base, std::string_view apex = {});
// By its key ("cone") or its Bulgarian name ("конус"); null for neither.
const SolidRow* solidByKey(std::string_view key);
// Whether the key names a plane figure (its registration row says so): the
// regular polygon, a solid's base where a solid is named besides it.
bool isPlaneFigure(std::string_view key);
// The solid with the quantities of use its table takes in (the same solid
// where it takes in none): its quantities and relations, then theirs. With
// `keys`, only the uses that name them (and those their letters need); with
// none, every use, to look a letter up (the area to paint both ways at once).
const SolidRow& withUses(const SolidRow& solid);
const SolidRow& withUses(const SolidRow& solid, const std::vector<std::string>& keys);
// Whether the key is a quantity of use of the solid, not one of its own.
bool isUseKey(const SolidRow& solid, std::string_view key);
// The table of use that gives the key (the ball in a cone for ri); null for a key of none.
const SolidRow* useGiving(const SolidRow& solid, std::string_view key);
// The index of a quantity in its solid's table, or -1.
int quantityIndex(const SolidRow& solid, std::string_view key);
// The quantity a solid's count is kept in (n, a whole number), or -1.
int wholeQuantity(const SolidRow& solid);

// "см" and "cm" alike: the units a task may use.
enum class Unit { Millimetre, Centimetre, Decimetre, Metre };
std::string_view unitSymbol(Unit unit);  // "cm"

// Whether a quantity of this kind is a mass, a sum of money, a density or a unit price.
bool isUseDimension(Dimension dimension);
// The mass unit beside a unit of length, so that a density is a mass per its
// cube: grams up to centimetres (g/cm³), kilograms from decimetres (kg/dm³, kg/m³).
std::string_view massSymbol(Unit unit);
int gramsPerMassUnit(Unit unit);
// The unit of a mass, a sum, a density or a unit price with results in
// `unit`: "g", "лв.", "g/cm³", "лв./m²"; "лв." alone without a unit of length.
std::string useUnitSymbol(std::optional<Unit> unit, Dimension dimension);

}  // namespace solver
