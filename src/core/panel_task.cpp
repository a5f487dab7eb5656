// SPDX-License-Identifier: MIT
#include "panel_task.h"

#include <string_view>

namespace geometry {
namespace {

// The text without the blanks around it (spaces, tabs, no-break spaces).
std::string trimmed(std::string text) {
    constexpr std::string_view blanks[] = {" ", "\t", "\xC2\xA0", "\xE2\x80\xAF"};
    for (bool more = true; more;) {
        more = false;
        for (std::string_view blank : blanks) {
            if (text.starts_with(blank)) text.erase(0, blank.size()), more = true;
            if (text.ends_with(blank)) text.erase(text.size() - blank.size()), more = true;
        }
    }
    return text;
}

}  // namespace

std::optional<PanelTask> panelTask(Panel panel, const FieldStore& fields) {
    const PanelRow& row = panelRow(panel);
    PanelTask task{std::string(row.solid), {}};
    std::string kind;
    if (row.kindField) {
        kind = trimmed(fields.text(row.kindField->field));
        task.solid.clear();
        for (const KindSolid& k : row.kindSolids)
            if (k.kind == kind) task.solid = std::string(k.solid);
        if (task.solid.empty()) return std::nullopt;
    }
    for (const InputRow& input : row.inputs) {
        if (!input.kind.empty() && input.kind != kind) continue;
        const std::string text = trimmed(fields.text(input.field));
        if (!text.empty()) task.givens.emplace_back(std::string(input.letter), text);
    }
    return task;
}

}  // namespace geometry
