// SPDX-License-Identifier: MIT
#include "shown_text.h"

#include "numeric.h"

namespace geometry {

std::string shownText(std::string_view fullText, std::optional<float> exactValue,
                      std::string_view decimalSeparator, const TextFits& fits) {
    if (fits(fullText)) return std::string(fullText);
    if (!exactValue) {
        const Conversion typed = textToNumber(fullText, decimalSeparator);
        if (typed.status != ConversionStatus::Ok) return std::string(fullText);
        exactValue = typed.value;
    }
    // Seven digits first: a typed text may be longer than the calculator's own.
    for (int digits = 7; digits >= 1; --digits) {
        for (NumberForm form : {NumberForm::Usual, NumberForm::Exponent}) {
            std::string text = numberToText(*exactValue, decimalSeparator, digits, form);
            if (fits(text)) return text;
        }
    }
    for (std::string_view sign = tooWideSign; !sign.empty(); sign.remove_suffix(1))
        if (fits(sign)) return std::string(sign);
    return {};
}

}  // namespace geometry
