// SPDX-License-Identifier: MIT
#pragma once
// A field store and window services without a window, recording what a press did.

#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "field_store.h"
#include "form1_handlers.h"
#include "numeric.h"
#include "window_services.h"

namespace geometry {

// Readable names in test failure messages.
inline void PrintTo(Field field, std::ostream* out) { *out << fieldInfo(field).name; }

inline void PrintTo(StopReason reason, std::ostream* out) {
    switch (reason) {
    case StopReason::EmptyField: *out << "EmptyField"; return;
    case StopReason::NotANumber: *out << "NotANumber"; return;
    case StopReason::WrongSeparator: *out << "WrongSeparator"; return;
    case StopReason::NumberTooLarge: *out << "NumberTooLarge"; return;
    case StopReason::ResultOverflow: *out << "ResultOverflow"; return;
    case StopReason::DivisionByZero: *out << "DivisionByZero"; return;
    case StopReason::InvalidOperation: *out << "InvalidOperation"; return;
    case StopReason::NotAKind: *out << "NotAKind"; return;
    }
    *out << "StopReason(" << static_cast<int>(reason) << ')';
}

}  // namespace geometry

namespace geometry::testing {

class MemoryFieldStore : public FieldStore {
public:
    std::string text(Field field) const override {
        reads.push_back(field);
        auto it = texts.find(field);
        return it == texts.end() ? std::string() : it->second;
    }
    void setText(Field field, const std::string& text) override {
        writes.push_back(field);
        texts[field] = text;
    }
    std::map<Field, std::string> texts;
    mutable std::vector<Field> reads;
    std::vector<Field> writes;
};

class RecordingWindow : public WindowServices {
public:
    struct Message {
        std::string prompt, title;
    };
    void showMessage(const std::string& prompt, const std::string& title) override {
        messages.push_back({prompt, title});
    }
    void unloadWindow() override { ++unloads; }
    void reportErrorStop(const ErrorStop& stop) override { stops.push_back(stop); }
    void announceResults(Panel panel, const std::string& announcement) override {
        announcements.push_back({panel, announcement});
    }
    void showSolution(Panel panel, const std::vector<std::string>& lines) override {
        solutions.push_back({panel, lines});
    }

    std::vector<Message> messages;
    int unloads = 0;
    std::vector<ErrorStop> stops;
    std::vector<std::pair<Panel, std::string>> announcements;
    std::vector<std::pair<Panel, std::vector<std::string>>> solutions;
};

// One handler set with its own fields and window.
struct Bench {
    explicit Bench(std::string separator) : handlers(fields, window, std::move(separator)) {}
    MemoryFieldStore fields;
    RecordingWindow window;
    Form1Handlers handlers;
};

// A text as the test tables write it, in the locale's form: '.' stands for the
// locale's decimal separator and '~' for the other one.
inline std::string localized(std::string_view text, std::string_view separator) {
    std::string out;
    for (char c : text) {
        if (c == '.') out += separator;
        else if (c == '~') out += otherDecimalSeparator(separator);
        else out += c;
    }
    return out;
}

// Names a separator in a test's name.
inline std::string separatorName(std::string_view separator) { return separator == "." ? "Point" : "Comma"; }

}  // namespace geometry::testing
