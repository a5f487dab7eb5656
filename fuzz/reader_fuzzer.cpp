// SPDX-License-Identifier: MIT
// libFuzzer target: any bytes as a task's text for the reader, whose reading
// and answer must be sound (reader_check.h).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "reader_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string error = solver::fuzzing::checkReading(data, size);
    if (!error.empty()) {
        std::fprintf(stderr, "reader: %s\n", error.c_str());
        std::abort();
    }
    return 0;
}
