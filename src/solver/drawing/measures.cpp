// SPDX-License-Identifier: MIT
#include "measures.h"

#include <algorithm>
#include <cmath>

namespace solver::drawing {

const QuantityResult* Measures::known(std::string_view key) const {
    const QuantityResult* q = solution_.find(key);
    if (!q || !q->determined || !std::isfinite(q->value) || q->value <= 0) return nullptr;
    return q;
}

bool Measures::labelled(std::string_view key) const {
    const QuantityResult* q = known(key);
    if (!q) return false;
    return q->given || !labelledOnly_ ||
           std::find(labelledOnly_->begin(), labelledOnly_->end(), key) != labelledOnly_->end();
}

double Measures::operator[](std::string_view key) const {
    const QuantityResult* q = known(key);
    return q ? q->value : 0;
}

int Measures::sides() const {
    if (solution_.sides >= 3) return solution_.sides;
    const double n = (*this)["n"];
    return n >= 3 ? int(std::lround(n)) : 0;
}

std::string Measures::label(const QuantityResult& quantity) const {
    std::string text = shortLabel(quantity);
    if (!unit_) return text;
    const std::string symbol = " " + std::string(unitSymbol(*unit_));
    for (const char* power : {"", "²", "³"})
        if (text.ends_with(symbol + power))
            return text.substr(0, text.size() - symbol.size() - std::string(power).size());
    return text;
}

std::string shortLabel(const QuantityResult& quantity) {
    const std::string_view text = quantity.text;
    const auto approximately = text.rfind("≈ ");
    if (approximately != std::string_view::npos) return quantity.key + " " + std::string(text.substr(approximately));
    return quantity.key + " = " + quantity.text;
}

std::string fullLabel(const QuantityResult& quantity) {
    return quantity.key + (quantity.text.starts_with("≈") ? " " : " = ") + quantity.text;
}

}  // namespace solver::drawing
