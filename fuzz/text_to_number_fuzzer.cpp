// SPDX-License-Identifier: MIT
// libFuzzer target: any bytes as the text of an input field, read with the
// point, the comma and a two-byte separator, and checked against the reference
// reading.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "text_to_number_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string error =
        geometry::fuzzing::checkTextToNumber(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!error.empty()) {
        std::fprintf(stderr, "text_to_number: %s\n", error.c_str());
        std::abort();
    }
    return 0;
}
