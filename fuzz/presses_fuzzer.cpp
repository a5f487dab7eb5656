// SPDX-License-Identifier: MIT
// libFuzzer target: a session of typed texts and button presses, every press
// checked against what its button may touch.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "presses_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string error = geometry::fuzzing::checkPresses(data, size);
    if (!error.empty()) {
        std::fprintf(stderr, "presses: %s\n", error.c_str());
        std::abort();
    }
    return 0;
}
