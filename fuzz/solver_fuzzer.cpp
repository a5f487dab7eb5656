// SPDX-License-Identifier: MIT
// libFuzzer target: any bytes as a task for the solver (solid, givens, π),
// whose answer must be sound (solver_check.h).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "solver_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string error = solver::fuzzing::checkTask(data, size);
    if (!error.empty()) {
        std::fprintf(stderr, "solver: %s\n", error.c_str());
        std::abort();
    }
    return 0;
}
