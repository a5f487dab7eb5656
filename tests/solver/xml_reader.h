// SPDX-License-Identifier: MIT
#pragma once
// A strict reader of the XML the drawings write, for their tests: it fails on
// any tag left open or closed out of turn, an attribute unquoted or given
// twice, a '<' or an unknown entity in text, or anything after the root.

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace solver::testing {

struct XmlElement {
    std::string tag;
    std::map<std::string, std::string> attributes;
    std::string content;  // all the text inside, as textContent gives it
    std::vector<XmlElement> children;

    std::string attribute(const std::string& name) const {
        const auto found = attributes.find(name);
        return found == attributes.end() ? "" : found->second;
    }
    // This element and all inside it, in document order.
    void each(const auto& visit) const {
        visit(*this);
        for (const XmlElement& child : children) child.each(visit);
    }
};

class XmlReader {
public:
    explicit XmlReader(std::string_view text) : text_(text) {}

    // The root element; `error` says what is wrong where it is not well formed.
    XmlElement read() {
        skipBlanks();
        if (text_.substr(at_).starts_with("<?xml")) at_ = text_.find("?>", at_) + 2;
        skipBlanks();
        XmlElement root = element();
        skipBlanks();
        if (error.empty() && at_ != text_.size()) fail("text after the root element");
        return root;
    }
    std::string error;

private:
    void fail(const std::string& what) {
        if (error.empty()) error = what + " at " + std::to_string(at_);
        at_ = text_.size();
    }
    bool more() const { return at_ < text_.size(); }
    void skipBlanks() {
        while (more() && std::string_view(" \t\r\n").find(text_[at_]) != std::string_view::npos) ++at_;
    }
    std::string name() {
        const std::size_t start = at_;
        while (more() && (std::isalnum(static_cast<unsigned char>(text_[at_])) ||
                          std::string_view("-_:.").find(text_[at_]) != std::string_view::npos))
            ++at_;
        if (at_ == start) fail("a name expected");
        return std::string(text_.substr(start, at_ - start));
    }
    // Text up to `end`, its entities replaced; a '<' in it is an error.
    std::string decoded(std::size_t end) {
        std::string out;
        while (at_ < end) {
            const char c = text_[at_];
            if (c == '<') return fail("'<' in text"), out;
            if (c != '&') {
                out += c;
                ++at_;
                continue;
            }
            const std::size_t semicolon = text_.find(';', at_);
            if (semicolon == std::string_view::npos || semicolon > end) return fail("an unfinished entity"), out;
            const std::string_view entity = text_.substr(at_ + 1, semicolon - at_ - 1);
            static const std::map<std::string_view, char> known{
                {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
            if (!known.contains(entity)) return fail("an unknown entity"), out;
            out += known.at(entity);
            at_ = semicolon + 1;
        }
        return out;
    }
    XmlElement element() {
        XmlElement e;
        if (!more() || text_[at_] != '<') return fail("'<' expected"), e;
        ++at_;
        e.tag = name();
        while (more()) {
            skipBlanks();
            if (text_.substr(at_).starts_with("/>")) return at_ += 2, e;
            if (text_[at_] == '>') break;
            const std::string key = name();
            skipBlanks();
            if (!more() || text_[at_] != '=') return fail("'=' expected after " + key), e;
            ++at_;
            skipBlanks();
            const char quote = more() ? text_[at_] : 0;
            if (quote != '"' && quote != '\'') return fail("an unquoted attribute " + key), e;
            const std::size_t end = text_.find(quote, ++at_);
            if (end == std::string_view::npos) return fail("an unfinished attribute"), e;
            const std::string value = decoded(end);
            at_ = end + 1;
            if (!e.attributes.emplace(key, value).second) return fail("attribute " + key + " twice"), e;
        }
        ++at_;
        while (more()) {
            if (text_.substr(at_).starts_with("</")) {
                at_ += 2;
                if (name() != e.tag) return fail("</" + e.tag + "> expected"), e;
                skipBlanks();
                if (!more() || text_[at_] != '>') return fail("'>' expected"), e;
                return ++at_, e;
            }
            if (text_[at_] == '<') {
                e.children.push_back(element());
                e.content += e.children.back().content;
            } else {
                e.content += decoded(std::min(text_.find('<', at_), text_.size()));
            }
        }
        fail("<" + e.tag + "> not closed");
        return e;
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

}  // namespace solver::testing
