// SPDX-License-Identifier: MIT
#pragma once
// The worksheets' random numbers: SplitMix64 and whole-number arithmetic only,
// so that one sheet number gives the same sheet on every machine, natively and
// in WebAssembly (the standard library's distributions differ between
// implementations, and floating point is not used at all).

#include <cstdint>

namespace solver::worksheet {

class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // A whole number from 0 to count − 1, each equally likely (the draws
    // above the last whole multiple of count are drawn again).
    std::uint64_t below(std::uint64_t count) {
        const std::uint64_t limit = UINT64_MAX - UINT64_MAX % count;
        std::uint64_t x = next();
        while (x >= limit) x = next();
        return x % count;
    }

    // A whole number from low to high, both included.
    int between(int low, int high) { return low + int(below(std::uint64_t(high - low + 1))); }

    // True once in `times` draws.
    bool oneIn(int times) { return below(std::uint64_t(times)) == 0; }

private:
    std::uint64_t state_;
};

}  // namespace solver::worksheet
