// SPDX-License-Identifier: MIT
#pragma once
// What a teacher chooses for a worksheet, and the same as the text the command
// line's options and the page's address give it:
//
//   number=4711&variant=A&count=10&solids=cone,cylinder&kind=mixed&numbers=whole&pi=exact&unit=cm&grade=6
//
// The sheet's number and these settings reproduce the sheet: variant A and
// variant B of one number have the same solids and kinds of task in the same
// order, with other numbers.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/solids.h"
#include "task/solver.h"

namespace solver::worksheet {

enum class TaskKind { Direct, Inverse, Mixed };
enum class Numbers { Whole, Decimal };  // whole measures, answers in π and roots; or decimals
enum class Variant { A, B };

inline constexpr int largestCount = 30;
inline constexpr std::uint64_t largestNumber = 999999;

struct SheetSettings {
    std::uint64_t number = 1;  // from 1 to largestNumber
    Variant variant = Variant::A;
    int count = 10;                   // tasks, from 1 to largestCount
    std::vector<std::string> solids;  // the solid tables' keys; empty: every solid
    TaskKind kind = TaskKind::Mixed;
    Numbers numbers = Numbers::Whole;
    PiSetting pi = PiSetting::Exact;  // Exact or School (π ≈ 3,14)
    Unit unit = Unit::Centimetre;
    // The students' grade, 6 to 12: only tasks whose answers the solver finds
    // with that grade's tools, the key's steps written with them; 0 for none.
    int grade = 0;
};

// The settings' names and values as the address and the command line write
// them: "kind" and "mixed", "pi" and "3.14".
std::string_view kindKey(TaskKind kind);
std::string_view numbersKey(Numbers numbers);
std::string_view variantKey(Variant variant);     // "A", "B"
std::string_view variantLetter(Variant variant);  // "А", "Б", as the sheet prints it
std::string_view piKey(PiSetting pi);

// Sets one setting by its name ("count") from its text ("12"). Empty when
// set, else a Bulgarian sentence that names the setting and what it takes;
// the settings stay as they were.
std::string applySetting(SheetSettings& settings, std::string_view name, std::string_view value);
// Whether `name` is one of the settings.
bool isSetting(std::string_view name);

// A sentence where a solid chosen is not set at the sheet's grade (the
// frustums before grade 10), naming the grade it needs; else empty. Such a
// sheet is made of the solids of its grade.
std::string solidsBeyondGrade(const SheetSettings& settings);

// The settings as an address's query, every setting written: the page's link.
std::string sheetQuery(const SheetSettings& settings);

struct QueryReading {
    SheetSettings settings;
    std::vector<std::string> problems;  // one Bulgarian sentence per setting that could not be used
};
// An address's query ("?number=4711&kind=inverse", percent-encoded or not):
// the settings it names, the others as they are by default. Names that are
// no setting are left for the page.
QueryReading readSheetQuery(std::string_view query);

}  // namespace solver::worksheet
