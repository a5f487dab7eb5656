// SPDX-License-Identifier: MIT
#pragma once
// A small writer of JSON text: objects, arrays, strings, numbers, null.

#include <optional>
#include <string>
#include <string_view>

namespace solver {

class Json {
public:
    Json& beginObject();
    Json& endObject();
    Json& beginArray();
    Json& endArray();
    Json& key(std::string_view name);
    Json& string(std::string_view text);
    Json& number(double value);  // shortest form that reads back as the same double; NaN as null
    Json& integer(long long value);
    Json& boolean(bool value);
    Json& null();
    const std::string& text() const { return text_; }

private:
    void separate();
    std::string text_;
    bool first_ = true;
    bool afterKey_ = false;
};

}  // namespace solver
