// SPDX-License-Identifier: MIT
#include "task/json.h"

#include <cmath>

#include "engine/decimal_text.h"

namespace solver {

void Json::separate() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!first_) text_ += ", ";
    first_ = false;
}

Json& Json::beginObject() {
    separate();
    text_ += "{";
    first_ = true;
    return *this;
}

Json& Json::endObject() {
    text_ += "}";
    first_ = false;
    return *this;
}

Json& Json::beginArray() {
    separate();
    text_ += "[";
    first_ = true;
    return *this;
}

Json& Json::endArray() {
    text_ += "]";
    first_ = false;
    return *this;
}

Json& Json::key(std::string_view name) {
    string(name);
    text_ += ": ";
    afterKey_ = true;
    return *this;
}

Json& Json::string(std::string_view value) {
    static constexpr char hex[] = "0123456789abcdef";
    separate();
    text_ += '"';
    for (char c : value) {
        switch (c) {
        case '"': text_ += "\\\""; break;
        case '\\': text_ += "\\\\"; break;
        case '\n': text_ += "\\n"; break;
        case '\t': text_ += "\\t"; break;
        case '\r': text_ += "\\r"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) text_ += std::string("\\u00") + hex[c >> 4] + hex[c & 15];
            else text_ += c;
        }
    }
    text_ += '"';
    return *this;
}

Json& Json::number(double value) {
    if (!std::isfinite(value)) return null();
    separate();
    text_ += shortestText(value);
    return *this;
}

Json& Json::integer(long long value) {
    separate();
    text_ += std::to_string(value);
    return *this;
}

Json& Json::boolean(bool value) {
    separate();
    text_ += value ? "true" : "false";
    return *this;
}

Json& Json::null() {
    separate();
    text_ += "null";
    return *this;
}

}  // namespace solver
