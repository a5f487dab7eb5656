// SPDX-License-Identifier: MIT
#include "c_numbers.h"

#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace solver {
namespace {

// The C locale for the calling thread while it lives (WebAssembly's C library
// has no other).
#ifdef __EMSCRIPTEN__
struct InCLocale {
    InCLocale() {}  // nothing to switch
};
#else
class InCLocale {
public:
    InCLocale() : previous_(uselocale(cLocale())) {}
    ~InCLocale() { uselocale(previous_); }
    InCLocale(const InCLocale&) = delete;
    InCLocale& operator=(const InCLocale&) = delete;

private:
    static locale_t cLocale() {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
        return c;
    }
    locale_t previous_;
};
#endif

std::string printed(const char* format, int precision, double value) {
    const InCLocale c;
    char text[400];  // a double's longest "%.17f" is 327 characters
    const int length = std::snprintf(text, sizeof text, format, precision, value);
    return length < 0 ? std::string() : std::string(text, std::size_t(length) < sizeof text ? std::size_t(length) : sizeof text - 1);
}

}  // namespace

std::string fixedText(double value, int decimals) { return printed("%.*f", decimals, value); }

std::string scientificText(double value, int decimals) { return printed("%.*e", decimals, value); }

std::string shortestText(double value) {
    std::string text;
    for (int digits = 15; digits <= 17; ++digits) {
        text = printed("%.*g", digits, value);
        if (readDecimal(text) == value) break;
    }
    return text;
}

double readDecimal(const std::string& text) {
    const InCLocale c;
    return std::strtod(text.c_str(), nullptr);
}

}  // namespace solver
