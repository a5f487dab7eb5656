// SPDX-License-Identifier: MIT
#pragma once
// The words of school tasks, as tables: each phrase with what it is (a solid,
// a quantity, a word of a relation, …), and for each solid which of its
// quantities a phrase names. A new solid, base or quantity is new rows here.
//
// A phrase is words separated by spaces; "стем*" takes any ending, "а|б"
// either form, "[на]" a word that may be left out; "," ":" "." are those
// marks. Clitics (ѝ, му) may stand between a phrase's words. Words are lower
// case and Cyrillic; units also in Latin (cm).

#include <cstdint>
#include <span>
#include <string_view>

namespace solver::reader {

enum class Role : std::uint8_t {
    Solid,          // meaning: the solver's key; givens: what the name says ("n=4", "l=2r")
    Adjective,      // of a solid or its base; givens: what it says ("n=4"), or none („правилна“)
    Base,           // „основа“: a polygon named after it is the solid's base
    Quantity,       // meaning: a quantity's name, keyed for each solid in quantityKeys()
    WeakQuantity,   // „дължина“, „лице“: a quantity where no other is named beside it („ръб
                    // с дължина 5 cm“, „осното сечение има лице 24 cm²“), else nothing
    Relation,       // meaning: a relation's name, keyed for each solid in relationKeys()
    Ask,            // „намерете“, „колко“
    AnswerGiven,    // „Отговор:“: the rest of the sentence is the answer key's
    In,             // „в“ before a unit: the unit asked
    Unit,           // meaning: "cm", "l", "ml"; "" for one the solver does not take (km, kg)
    UnitPower,      // meaning: "2" or "3": „кв.“, „кубически“
    NumberWord,     // meaning: "3", "1/2"; givens "times" where it says „пъти“ too („двойно“)
    PiWord,         // „пи“
    Times,
    Greater,
    Less,
    From,
    With,
    Equal,
    RatioVerb,      // „се отнасят както“
    RatioNoun,      // „отношението“
    To,             // „към“
    Sum,
    Difference,
    Pronoun,        // „от него“: the quantity named last
    And,
    RoundingIntro,  // „с точност до“, „закръглете до“
    Rounding,       // meaning: digits "0"…"3", or "°" for whole degrees
    TaskWord,       // „Зад.“, „Задача“: numbering where a line begins
    PointsWord,     // „точки“, „т.“ in „(3 точки)“
    Clitic,         // ѝ, му: skipped inside a phrase
    Filler,         // words that say nothing of the task's numbers
    Unsupported,    // words of tasks not solved yet: always named as not understood
    Fill,           // „напълнен до“: with the part that follows it the fill f; givens "f=1" where
                    // the words say the part („догоре“); meaning "height": a part of the height
    OpenSolid,      // meaning: "open" („без капак“) or "tube" („тръба“, „без основи“)
};

struct Phrase {
    std::string_view words;
    Role role;
    std::string_view meaning = {};
    std::string_view givens = {};  // "n=4"; several separated by spaces
};

// A quantity's name and the keys it has for the solids listed (space
// separated; empty: any other solid). Several keys: the numbers that follow
// it in turn („ръбовете са 3, 4 и 12 cm“). A key may be an expression of the
// solid's letters ("12a").
struct QuantityKey {
    std::string_view quantity;
    std::string_view solids;
    std::string_view keys;
    bool alike = false;  // one number for all its keys: „всички ръбове са по 4 cm“
    // Two numbers for a frustum's bases in either order: the larger is the
    // first key's („радиусите на основите са 3 cm и 6 cm“: r1 = 6 cm).
    bool largerFirst = false;
};

// A relation's name and the given it is for the solids listed: "h=a"; empty
// where it always holds (a cube's edges are equal).
struct RelationKey {
    std::string_view relation;
    std::string_view solids;
    std::string_view given;
};

// A name followed by a word that makes it a relation: „околните стени (на
// призмата) са квадрати“, „всички ръбове са равни“. The cue is a polygon's
// name with its givens ("n=4"), or „равни“ with nothing after it. An area
// given after it („осното сечение е квадрат с лице 36 cm²“) is `areaOf`.
struct RelationCue {
    std::string_view quantity;
    Role cue;
    std::string_view givens;
    std::string_view relation;
    std::string_view areaOf = {};
};

// The angle a line or a face named just before makes with the base, where the
// words name only the angle („околните стени … сключват с основата ъгъл 60°“).
struct AngleOfLine {
    std::string_view line;   // the name's meaning: "lateral faces"
    std::string_view angle;  // the angle's: "face angle"
    std::string_view with = "line angle";  // what it makes the angle with: the base; "line face angle", a lateral face
};
std::span<const AngleOfLine> anglesOfLines();

// A symbol a textbook writes for a quantity other than its key: h_a for a pyramid's apothem.
struct SymbolKey {
    std::string_view symbol;
    std::string_view solids;
    std::string_view key;
};

// A quantity of use a question by its unit alone asks („Колко литра вода има в
// съда?“) where the task gave `given` or named an open solid ("open"): the liquid
// where a fill was given, the mass where a density was.
struct UseAsked {
    std::string_view given;
    std::string_view asked;
};

// Which cost „Колко ще струва…“ asks: the one whose price per unit was given.
struct CostKey {
    std::string_view price;
    std::string_view cost;
};

// A regular figure that a task gives with a height of its own, rounded as a
// grade-6 task gives it („равностранен триъгълник със страна 6 cm и височина
// 5,2 cm“), where the solid's height is named apart: read as the figure `as`
// with `asGivens` (a triangle with equal sides), so that its area is worked
// out from that height, as the key does.
struct ShapeWithHeight {
    std::string_view shape;
    std::string_view givens;
    std::string_view as;
    std::string_view asGivens;
};

// The solid a task may describe about its solid or inscribe in it (the
// sphere), and which of a quantity's names it reads as that sphere's: "radius"
// as "<kind> sphere radius", keyed in quantityKeys() (reader/spheres.cpp).
std::span<const std::string_view> inAndAroundSolids();
struct SphereQuantity {
    std::string_view quantity;
    std::string_view sphere;
};
std::span<const SphereQuantity> sphereQuantities();
// The clitics and the pronoun that may stand for a sphere named by a word
// beginning so („сферата … радиуса ѝ“, „кълбото … обема му“, „в нея“).
struct SpherePronoun {
    std::string_view stem;
    std::string_view clitics;  // "ѝ|й"
    std::string_view pronoun;  // "нея"
};
std::span<const SpherePronoun> spherePronouns();

// Why a solid has no sphere of the kind named ("around" or "inner"): the
// reason, "{}" standing for the solid's name; solids "" for any other.
struct SphereReason {
    std::string_view kind;
    std::string_view solids;
    std::string_view reason;
};
std::span<const SphereReason> sphereReasons();

// Two solids named together that make one body (reader/composed.cpp): the
// parts, in either order ("hemisphere" is the Unsupported word's meaning), the
// body, what the body's name says besides ("h1=a": a cube's height is its
// edge), what a part's adjectives may say (n=4), and whether one of them must
// say it (a prism's base is not told otherwise).
struct ComposedBody {
    std::string_view first;
    std::string_view second;
    std::string_view body;
    std::string_view givens = {};
    std::string_view partGivens = {};
    bool partGivensSaid = false;
    bool cutOut = false;  // the second taken out of the first: „цилиндър, от който е изрязан конус“
};
std::span<const ComposedBody> composedBodies();
// A part's quantity that is the body's as well („радиуса на цилиндъра“): read by its plain name.
std::span<const std::string_view> sharedQuantities();

// A solid with a hole along it: the solid named (or the open solid's word, „тръба“)
// with a word of `markers` (Unsupported meanings) or a quantity only the body has
// („външен радиус“, „дебелина на стената“).
struct HollowBody {
    std::string_view solid;
    std::string_view open;
    std::string_view body;
    std::string_view markers;
};
std::span<const HollowBody> hollowBodies();

// A plane figure turned about a line and the solid it makes (reader/rotation.cpp):
// the figure's key (and the givens its name says: "n=4", the square; the figure
// "semicircle" is „полукръг“), the axis's name's meaning, and the figure's
// measures passed on as the solid's givens, "from=to" each: a figure's key, or
// of `pair` (two of its keys), "axis" and "other" (the one the figure turns
// about, as the words „по-голямата“, „по-малкия“ or the numbers say) or
// "larger" and "smaller" (by the numbers); "to" empty: said by the name alone;
// "to" "x-y": the measure is the difference of two of the solid's, given as
// the relation y = x − measure.
// `fixed`: givens the turning itself says ("γ=90°"); `needs`: a word the axis
// must have beside it ("perpendicular"), or "parallel": the side it is parallel
// to chooses the axis. `wholeSection`: the figure is the body's whole axial
// section (turned about its axis of symmetry), else half of it.
struct Rotation {
    std::string_view figure;
    std::string_view figureGivens;
    std::string_view axis;
    std::string_view body;
    std::string_view pair;
    std::string_view givens;
    std::string_view fixed = {};
    std::string_view needs = {};
    bool wholeSection = false;
};
std::span<const Rotation> rotations();
// A turned figure named again by a shorter word („Трапецът се завърта…“): the word's beginning.
struct FigureAgain {
    std::string_view figure;
    std::string_view stem;
};
std::span<const FigureAgain> figuresAgain();

// Words that say the walls are painted (the lateral surface): „стените“.
std::span<const std::string_view> wallWords();

std::span<const Phrase> phrases();
std::span<const UseAsked> useAsked();
std::span<const CostKey> costKeys();
std::span<const QuantityKey> quantityKeys();
std::span<const RelationKey> relationKeys();
std::span<const SymbolKey> symbolKeys();
std::span<const RelationCue> relationCues();
std::span<const ShapeWithHeight> shapesWithHeight();

// Whether a space separated list names the solid ("" names every solid).
bool listsSolid(std::string_view solids, std::string_view solid);

}  // namespace solver::reader
