// SPDX-License-Identifier: MIT
#pragma once
// The items of a task put together (internal to the reader): the solid from
// its names and adjectives (solid_place.cpp), then sentence by sentence the
// givens, relations, what is asked, the unit asked, π and the rounding
// (sentences.cpp); every word that may matter and was not read is kept, as
// printed.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/solids.h"
#include "reader/items.h"
#include "reader/reader.h"

namespace solver::reader {

struct Reading {
    std::string_view text;
    std::vector<Item> items;
    std::vector<char> used;  // items read as part of something else, or ignored
    ReadTask task;
    const SolidRow* solid = nullptr;
    bool unsupported = false;  // a word of a task not solved yet
    const SolidRow* withUses = nullptr;  // the solid with all its quantities of use: the letters a task may name
    std::vector<std::string> useHints;   // "open", "tube": what a question by its unit alone asks (useAsked())
    std::vector<Piece> openMarks;        // „без капак“, „тръба“: with the surface they make of the solid's
    std::vector<std::string> openKinds;  // "open" or "tube", in turn
    struct Level {
        Span span;
        std::string value;  // "1,5 m"
    };
    std::vector<Level> levels;  // „вода до височина 8 cm“ read as the liquid's height
    struct Sphere {
        std::string kind;  // "around": described about the solid; "inner": inscribed in it
        Piece name;        // „сфера“, „кълбото“
    };
    std::vector<Sphere> sphereKinds;  // the spheres about or in the solid (spheres.cpp)
    // A plane figure turned about a line (rotation.cpp): read as the figure,
    // then its measures passed on to the solid it makes, the body.
    struct Turning {
        const Rotation* row = nullptr;
        std::string choice;  // "larger", "smaller": the axis the words choose; "" none
        Piece words;         // „се завърта около по-големия си катет“
    };
    std::optional<Turning> turning;
    const SolidRow* body = nullptr;   // what „полученото тяло“ is: what is asked of it is its
    std::vector<ReadAsked> bodyAsked;  // names no quantity of the figure has, the body's
    std::vector<ReadGiven> bodyGivens;
};

// „околните стени са квадрати“: names made relations by what follows them.
void markRelationCues(Reading& reading);
// Answer options and the letters of questions: ignored.
void markOptions(Reading& reading);
// A sphere described about the solid or inscribed in it (spheres.cpp): its name
// no solid of the task, the names of its radius, surface and volume the solid's
// quantities of use; after the solid is placed, refused where the solid has none.
void readSpheres(Reading& reading);
void finishSpheres(Reading& reading);
// After the sentences: a sphere placed, none of whose quantities is given or asked, named to the solver.
void nameSpheres(Reading& reading);
// Two solids that make one body, or a solid with a hole (composed.cpp): the
// parts' names made the body's one, their quantities the parts' („височината на конуса“).
void readComposed(Reading& reading);
// The solid, and what its names say (n = 4); a message where none can be placed.
void placeSolid(Reading& reading);
// The quantities of use (uses.cpp): the fill of a vessel, a density or a price
// per unit of measure, before the sentences; a vessel without a lid or a tube
// (the surface asked made the open one's) after them.
void readUses(Reading& reading);
void finishUses(Reading& reading);
// A level beside the vessel's own height, both in one unit: the fill, level : height (before a unit asked alone is read).
void levelsAsFill(Reading& reading);
// A plane figure turned about a line (rotation.cpp): before the solid is
// placed, the words of the turning; after the sentences, the figure's givens
// as the body's, the body the task's solid.
void readRotation(Reading& reading);
void finishRotation(Reading& reading);
// Givens, relations, asked, unit, π, rounding and the words not read.
void readSentences(Reading& reading);

Piece pieceOf(const Reading& reading, std::size_t begin, std::size_t end);

// The keys a quantity's name has for the solid ("a b c" for a box's edges), or none.
std::vector<std::string> keysFor(std::string_view quantity, const SolidRow& solid, bool* alike = nullptr,
                                 bool* largerFirst = nullptr);
// Whether a key, or every letter of an expression ("12a"), is a quantity of the solid.
bool keyFits(std::string_view key, const SolidRow& solid);
// A letter as written ("S₁", "h_a", Cyrillic „а“) as the solid's key; empty where none.
std::string symbolKey(std::string_view symbol, const SolidRow& solid);
// Whether a letter is some solid's key or a textbook's symbol for one.
bool plausibleSymbol(std::string_view symbol);

}  // namespace solver::reader
