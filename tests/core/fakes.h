#pragma once
// A field store and window services without a window, recording what a press did.

#include <map>
#include <string>
#include <vector>

#include "field_store.h"
#include "form1_handlers.h"
#include "window_services.h"

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

    std::vector<Message> messages;
    int unloads = 0;
    std::vector<ErrorStop> stops;
};

// One handler set with its own fields and window.
struct Bench {
    explicit Bench(std::string separator) : handlers(fields, window, std::move(separator)) {}
    MemoryFieldStore fields;
    RecordingWindow window;
    Form1Handlers handlers;
};

}  // namespace geometry::testing
