// SPDX-License-Identifier: MIT
#include "task_address.h"

namespace geometry::web {
namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// "+" a space, "%XX" its byte; a "%" that starts no escape stays itself, as
// browsers read it.
std::string decoded(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            out += ' ';
        } else if (text[i] == '%' && i + 2 < text.size() && hexDigit(text[i + 1]) >= 0 && hexDigit(text[i + 2]) >= 0) {
            out += static_cast<char>(hexDigit(text[i + 1]) * 16 + hexDigit(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

bool keptAsTyped(unsigned char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return true;
    return std::string_view("-._~,/*()!:@").find(static_cast<char>(c)) != std::string_view::npos;
}

std::string encoded(std::string_view text) {
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (keptAsTyped(byte)) {
            out += c;
        } else if (c == ' ') {
            out += '+';
        } else {
            out += '%';
            out += hex[byte >> 4];
            out += hex[byte & 15];
        }
    }
    return out;
}

}  // namespace

AddressPairs readQuery(std::string_view query) {
    if (query.starts_with('?')) query.remove_prefix(1);
    AddressPairs pairs;
    while (!query.empty()) {
        const std::size_t end = query.find('&');
        const std::string_view pair = query.substr(0, end);
        if (!pair.empty()) {
            const std::size_t equals = pair.find('=');
            pairs.emplace_back(decoded(pair.substr(0, equals)),
                               equals == std::string_view::npos ? std::string() : decoded(pair.substr(equals + 1)));
        }
        if (end == std::string_view::npos) break;
        query.remove_prefix(end + 1);
    }
    return pairs;
}

std::string writeQuery(const AddressPairs& pairs) {
    std::string query;
    for (const auto& [key, value] : pairs) query += (query.empty() ? "" : "&") + encoded(key) + "=" + encoded(value);
    return query;
}

}  // namespace geometry::web
