// SPDX-License-Identifier: MIT
#pragma once
// Random sessions at the window without a window: field texts typed at random
// and presses of all fourteen buttons, each press checked against what the
// buttons are known to touch:
//  - a press that ends in an error stop wrote no field at all and changed no
//    text; its field is the first input, in reading order, whose text does not
//    read, and the reason matches what the conversion says of that text; a
//    calculation fault comes only after every input has read;
//  - a calculate press that does not stop read its inputs in order, wrote
//    exactly its result fields, left to right, with texts that read back to
//    themselves (or the "S1=" emptied for the box and the cube, or an infinity
//    for the cube's unchecked volume), and touched nothing else;
//  - a clear press wrote empty text to exactly its panel's fields;
//  - no handler reads a result field, the instruction shows four boxes and
//    the close button unloads the window; no exception escapes a press.
// Used by the fuzz target and by the corpus replay in the unit tests.
//
// Input layout: the first byte picks the separator (even '.', odd ','); then
// operations until the input runs out, at most `maxOperations`. An operation
// byte `op` means, by op % 4:
//   0: press button (op / 4) % 14;
//   1: set field [next byte % 36] to the next (next byte % 40) bytes as typed;
//   2: set field [next byte % 36] to the shown text of the float whose bits are
//      the next four bytes (big-endian), so that numbers of every size come up;
//   3: fill a panel and press its calculate button: the next byte picks a row
//      of calculateRows() (modulo their count; for the prism it also types the
//      choice), then each input, in reading order, gets "<m>e<k>" from two
//      more bytes d and x: m = 1 + (d % 9), negative when d ≥ 128,
//      k = (x % 96) - 50. So inputs just below and beyond the overflow of any
//      one result are a few bytes away.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "fakes.h"
#include "form1_handlers.h"
#include "numeric.h"
#include "text_to_number_check.h"

namespace geometry::fuzzing {

inline constexpr std::size_t maxOperations = 64;

// A calculate button, with the choice (prism only) that selects its inputs.
struct CalculateRow {
    Button button;
    std::string_view choice;    // the text of `PrismKind` that selects this row; empty: any
    std::vector<Field> inputs;  // in reading order
    std::vector<Field> results; // in writing order
};

struct ClearRow {
    Button button;
    std::vector<Field> fields;  // in writing order
};

// Every calculate button, once per kind of prism, as the panel table gives them.
inline const std::vector<CalculateRow>& calculateRows() {
    static const std::vector<CalculateRow> rows = [] {
        std::vector<CalculateRow> built;
        for (const PanelRow& panel : allPanels()) {
            std::vector<Field> results;
            for (const ResultRow& result : panel.results) results.push_back(result.field);
            for (const InputRow& input : panel.inputs) {
                if (built.empty() || built.back().button != panel.calculate.button ||
                    built.back().choice != input.kind)
                    built.push_back({panel.calculate.button, input.kind, {}, results});
                built.back().inputs.push_back(input.field);
            }
        }
        return built;
    }();
    return rows;
}

inline const std::vector<ClearRow>& clearRows() {
    static const std::vector<ClearRow> rows = [] {
        std::vector<ClearRow> built;
        for (const PanelRow& panel : allPanels())
            built.push_back({panel.clear.button, {panel.clearing.begin(), panel.clearing.end()}});
        return built;
    }();
    return rows;
}

inline bool isResultField(Field field) {
    for (const CalculateRow& row : calculateRows())
        if (std::find(row.results.begin(), row.results.end(), field) != row.results.end()) return true;
    return false;
}

class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool done() const { return at_ >= size_; }
    std::uint8_t next() { return done() ? 0 : data_[at_++]; }
    std::string take(std::size_t count) {
        count = std::min(count, size_ - at_);
        std::string bytes(reinterpret_cast<const char*>(data_ + at_), count);
        at_ += count;
        return bytes;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// Everything a press can change, taken before it.
struct Before {
    std::map<Field, std::string> texts;
    std::size_t reads, writes, messages, stops, announcements;
    int unloads;
};

inline std::string textOf(const std::map<Field, std::string>& texts, Field field) {
    const auto it = texts.find(field);
    return it == texts.end() ? std::string() : it->second;
}

inline std::string fieldName(Field field) { return std::string(fieldInfo(field).name); }

inline std::string fieldList(const std::vector<Field>& fields) {
    std::string list;
    for (Field field : fields) list += (list.empty() ? "" : " ") + fieldName(field);
    return "[" + list + "]";
}

// Nothing but spaces, tabs and no-break spaces (U+00A0, U+202F).
inline bool blankOnly(std::string_view text) {
    for (size_t at = 0; at < text.size();) {
        const size_t length = blankAt(text, at);
        if (length == 0) return false;
        at += length;
    }
    return true;
}

class PressChecker {
public:
    PressChecker(testing::Bench& bench, Button button) : bench_(bench), button_(button) {
        before_ = {bench.fields.texts, bench.fields.reads.size(), bench.fields.writes.size(),
                   bench.window.messages.size(), bench.window.stops.size(), bench.window.announcements.size(),
                   bench.window.unloads};
    }

    // Presses the button and checks the press; empty when everything holds.
    std::string pressAndCheck() {
        try {
            bench_.handlers.press(button_);
        } catch (const std::exception& error) {
            return fail(std::string("an exception escaped the press: ") + error.what());
        } catch (...) {
            return fail("an exception escaped the press");
        }
        reads_.assign(bench_.fields.reads.begin() + static_cast<std::ptrdiff_t>(before_.reads),
                      bench_.fields.reads.end());
        writes_.assign(bench_.fields.writes.begin() + static_cast<std::ptrdiff_t>(before_.writes),
                       bench_.fields.writes.end());
        std::string error = checkWindow();
        if (error.empty()) error = checkReadsNoResult();
        if (error.empty()) error = stopCount() == 1 ? checkStop() : checkCompleted();
        if (error.empty()) error = checkAnnounced();
        return error;
    }

private:
    std::size_t stopCount() const { return bench_.window.stops.size() - before_.stops; }

    bool isCalculateButton() const {
        const PanelRow* panel = panelOf(button_);
        return panel && panel->calculate.button == button_;
    }

    // A calculation that completed is announced once; nothing else is.
    std::string checkAnnounced() const {
        const std::size_t announced = bench_.window.announcements.size() - before_.announcements;
        const bool completedCalculation = isCalculateButton() && stopCount() == 0;
        if (announced != (completedCalculation ? 1u : 0u))
            return fail(std::to_string(announced) + " announcements");
        return {};
    }
    std::string separator() const { return bench_.handlers.decimalSeparator(); }

    std::string fail(const std::string& what) const {
        return std::string(buttonName(button_)) + " (separator '" + separator() + "'): " + what;
    }

    const CalculateRow* calculateRow() const {
        const std::string choice = textOf(before_.texts, Field::PrismKind);
        for (const CalculateRow& row : calculateRows())
            if (row.button == button_ && (row.choice.empty() || row.choice == choice)) return &row;
        return nullptr;
    }

    const ClearRow* clearRow() const {
        for (const ClearRow& row : clearRows())
            if (row.button == button_) return &row;
        return nullptr;
    }

    std::string checkWindow() const {
        const std::size_t messages = bench_.window.messages.size() - before_.messages;
        const int unloads = bench_.window.unloads - before_.unloads;
        if (messages != (button_ == Button::ShowInstruction ? 4u : 0u))
            return fail(std::to_string(messages) + " message boxes shown");
        if (unloads != (button_ == Button::CloseWindow ? 1 : 0))
            return fail(std::to_string(unloads) + " unloads");
        if (stopCount() > 1) return fail(std::to_string(stopCount()) + " error stops in one press");
        return {};
    }

    std::string checkReadsNoResult() const {
        for (Field field : reads_)
            if (isResultField(field)) return fail("read the result field " + fieldName(field));
        return {};
    }

    // The reads other than the prism's choice field, in order.
    std::vector<Field> inputReads() const {
        std::vector<Field> inputs;
        for (Field field : reads_)
            if (field != Field::PrismKind) inputs.push_back(field);
        return inputs;
    }

    std::string checkUnchangedExcept(const std::vector<Field>& written) const {
        for (const FieldInfo& info : allFields()) {
            if (std::find(written.begin(), written.end(), info.field) != written.end()) continue;
            if (textOf(bench_.fields.texts, info.field) != textOf(before_.texts, info.field))
                return fail("changed the text of " + fieldName(info.field));
        }
        return {};
    }

    std::string checkStop() const {
        const ErrorStop& stop = bench_.window.stops.back();
        if (!writes_.empty()) return fail("a failed press wrote " + fieldList(writes_));
        std::string error = checkUnchangedExcept({});
        if (!error.empty()) return error;
        if (errorMessage(stop, separator()).empty()) return fail("an error stop without a message");
        const CalculateRow* row = calculateRow();
        if (!row) {
            // The prism's kind field matching none of its kinds: the press asks for one.
            if (!isCalculateButton()) return fail("an error stop from a button that computes nothing");
            if (stop.reason() != StopReason::NotAKind || stop.field() != Field::PrismKind)
                return fail("a kind matching nothing is not reported on the kind field");
            if (!inputReads().empty()) return fail("read " + fieldList(inputReads()) + " without a kind");
            return {};
        }
        if (stop.reason() == StopReason::NotAKind) return fail("a kind that matches was refused");

        // The first input, in reading order, whose text does not read.
        const Field* failing = nullptr;
        ConversionStatus status = ConversionStatus::Ok;
        for (const Field& input : row->inputs) {
            status = textToNumber(textOf(before_.texts, input), separator()).status;
            if (status != ConversionStatus::Ok) {
                failing = &input;
                break;
            }
        }
        const std::vector<Field> read = inputReads();
        if (!failing) {
            // A division by an input that holds zero points at that input.
            if (stop.field() && !(stop.reason() == StopReason::DivisionByZero &&
                                  std::find(row->inputs.begin(), row->inputs.end(), *stop.field()) != row->inputs.end() &&
                                  textToNumber(textOf(before_.texts, *stop.field()), separator()).value == 0.0f))
                return fail("every input reads, yet the stop names " + fieldName(*stop.field()));
            if (stop.reason() != StopReason::ResultOverflow && stop.reason() != StopReason::DivisionByZero &&
                stop.reason() != StopReason::InvalidOperation)
                return fail("every input reads, yet the stop is no calculation fault");
            if (read != row->inputs) return fail("read " + fieldList(read) + " before a calculation fault");
            return {};
        }
        if (!stop.field() || *stop.field() != *failing)
            return fail("the first input that does not read is " + fieldName(*failing) + ", the stop names " +
                        (stop.field() ? fieldName(*stop.field()) : std::string("no field")));
        const std::vector<Field> expectedReads(row->inputs.begin(),
                                               row->inputs.begin() + (failing - row->inputs.data()) + 1);
        if (read != expectedReads) return fail("read " + fieldList(read) + " up to the failing input");
        return checkStopReason(stop, status, textOf(before_.texts, *failing));
    }

    std::string checkStopReason(const ErrorStop& stop, ConversionStatus status, const std::string& text) const {
        const StopReason reason = stop.reason();
        const std::string where = "the stop for \"" + printable(text) + "\" in " + fieldName(*stop.field());
        if (status == ConversionStatus::TooLarge)
            return reason == StopReason::NumberTooLarge ? std::string() : fail(where + " is not 'too large'");
        if (reason == StopReason::EmptyField)
            return blankOnly(text) ? std::string() : fail(where + " says empty");
        if (blankOnly(text)) return fail(where + " does not say empty");
        if (reason != StopReason::NotANumber && reason != StopReason::WrongSeparator)
            return fail(where + " is not a conversion failure");
        return {};
    }

    std::string checkCompleted() const {
        if (const ClearRow* row = clearRow()) return checkCleared(*row);
        const CalculateRow* row = calculateRow();
        if (!row) {
            if (isCalculateButton()) return fail("a kind matching nothing, and no message");
            if (!writes_.empty()) return fail("wrote " + fieldList(writes_) + " without computing");
            if (!inputReads().empty()) return fail("read " + fieldList(inputReads()) + " without computing");
            return checkUnchangedExcept({});
        }
        for (Field input : row->inputs)
            if (textToNumber(textOf(before_.texts, input), separator()).status != ConversionStatus::Ok)
                return fail("completed although " + fieldName(input) + " holds \"" +
                            printable(textOf(before_.texts, input)) + "\"");
        if (inputReads() != row->inputs) return fail("read " + fieldList(inputReads()));
        if (writes_ != row->results) return fail("wrote " + fieldList(writes_));
        std::string error = checkUnchangedExcept(row->results);
        for (Field result : row->results)
            if (error.empty()) error = checkResultText(*row, result);
        return error;
    }

    std::string checkCleared(const ClearRow& row) const {
        if (!reads_.empty()) return fail("a clear press read " + fieldList(reads_));
        if (writes_ != row.fields) return fail("cleared " + fieldList(writes_));
        for (Field field : row.fields)
            if (!textOf(bench_.fields.texts, field).empty()) return fail(fieldName(field) + " not emptied");
        return checkUnchangedExcept(row.fields);
    }

    std::string checkResultText(const CalculateRow& row, Field result) const {
        const std::string text = textOf(bench_.fields.texts, result);
        const bool boxOrCube = row.button == Button::CalculateRightPrism && row.choice != "3";
        if (boxOrCube && result == Field::PrismFullSurface)
            return text.empty() ? std::string() : fail("\"S1=\" of the box or cube shows \"" + text + "\"");
        const bool cubeVolume = row.button == Button::CalculateRightPrism && row.choice == "2" && result == Field::PrismVolume;
        if (cubeVolume && (text == "∞" || text == "-∞")) return {};
        // A number as numberToText writes them: it reads back to a float shown
        // with the same text (or, at 1E+28 and 1E-38, its seventh-digit neighbour).
        const Conversion shown = textToNumber(text, separator());
        if (shown.status != ConversionStatus::Ok ||
            !sameOrNeighbours(text, numberToText(shown.value, separator()), separator()))
            return fail(fieldName(result) + " shows \"" + printable(text) + "\", not a number in shown form");
        return {};
    }

    testing::Bench& bench_;
    Button button_;
    Before before_;
    std::vector<Field> reads_, writes_;
};

// The text an operation of `kind` 1 or 2 types, from the bytes that follow it.
inline std::string typedText(unsigned kind, ByteReader& input, const std::string& separator) {
    if (kind == 1) return input.take(input.next() % 40);
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) bits = (bits << 8) | input.next();
    return numberToText(std::bit_cast<float>(bits), separator);
}

// "<m>e<k>" from the next two bytes: a digit with a sign and a power of ten.
inline std::string powerOfTenText(ByteReader& input) {
    const std::uint8_t mantissa = input.next();
    const int exponent = input.next() % 96 - 50;
    return (mantissa >= 128 ? "-" : "") + std::to_string(1 + mantissa % 9) + "e" + std::to_string(exponent);
}

// Types numbers into every input of a panel; returns the button to press.
inline Button fillPanel(std::map<Field, std::string>& texts, ByteReader& input) {
    const CalculateRow& row = calculateRows()[input.next() % calculateRows().size()];
    if (!row.choice.empty()) texts[Field::PrismKind] = std::string(row.choice);
    for (Field field : row.inputs) texts[field] = powerOfTenText(input);
    return row.button;
}

// Runs the session the bytes describe; empty when every press held.
inline std::string checkPresses(const std::uint8_t* data, std::size_t size) {
    ByteReader input(data, size);
    testing::Bench bench((input.next() & 1) ? "," : ".");
    for (std::size_t operation = 0; operation < maxOperations && !input.done(); ++operation) {
        const std::uint8_t op = input.next();
        if (op % 4 == 1 || op % 4 == 2) {
            const Field field = allFields()[input.next() % fieldCount].field;
            bench.fields.texts[field] = typedText(op % 4, input, bench.handlers.decimalSeparator());
            continue;
        }
        const Button button = op % 4 == 0 ? static_cast<Button>((op / 4) % buttonCount)
                                          : fillPanel(bench.fields.texts, input);
        const std::string error = PressChecker(bench, button).pressAndCheck();
        if (!error.empty()) return "operation " + std::to_string(operation) + ": " + error;
    }
    return {};
}

}  // namespace geometry::fuzzing
