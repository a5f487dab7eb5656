// SPDX-License-Identifier: MIT
#pragma once
// numberToText against the printf reference over many floats, on several
// threads. Used by the unit test (some ten million chosen floats) and by
// number_to_text_all (every 32-bit pattern).

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstdint>
#include <exception>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "number_text_reference.h"
#include "numeric.h"

namespace geometry::reference {

struct Mismatch {
    std::uint32_t bits;
    std::string shown;     // numberToText
    std::string expected;  // printf
};

struct ComparisonResult {
    std::uint64_t compared = 0;
    std::uint64_t mismatches = 0;
    std::vector<Mismatch> examples;  // the first few, by bit pattern
};

inline constexpr std::size_t exampleLimit = 20;

// numberToText, with an exception turned into a text that matches nothing.
inline std::string shownText(float value, std::string_view separator, int digits) {
    try {
        return digits == 7 ? numberToText(value, separator) : numberToText(value, separator, digits);
    } catch (const std::exception& error) {
        return std::string("exception: ") + error.what();
    }
}
inline constexpr std::uint64_t blockSize = 1 << 16;

// Compares the floats bitsAt(0) .. bitsAt(count - 1), written with `digits`
// significant digits. `done`, when given, counts the floats compared so far,
// for a progress display.
template <class BitsAt>
ComparisonResult compareInParallel(std::uint64_t count, BitsAt bitsAt, unsigned threads,
                                   std::string_view separator, std::atomic<std::uint64_t>* done = nullptr,
                                   int digits = 7) {
    std::atomic<std::uint64_t> nextBlock{0};
    std::mutex merge;
    ComparisonResult total;

    auto work = [&] {
        ComparisonResult mine;
        for (;;) {
            const std::uint64_t first = nextBlock.fetch_add(1) * blockSize;
            if (first >= count) break;
            const std::uint64_t last = std::min(count, first + blockSize);
            for (std::uint64_t i = first; i < last; ++i) {
                const std::uint32_t bits = bitsAt(i);
                const float value = std::bit_cast<float>(bits);
                std::string shown = shownText(value, separator, digits);
                std::string expected = numberText(value, separator, digits);
                if (shown != expected) {
                    ++mine.mismatches;
                    if (mine.examples.size() < exampleLimit)
                        mine.examples.push_back({bits, std::move(shown), std::move(expected)});
                }
            }
            mine.compared += last - first;
            if (done) done->fetch_add(last - first);
        }
        std::lock_guard lock(merge);
        total.compared += mine.compared;
        total.mismatches += mine.mismatches;
        total.examples.insert(total.examples.end(), mine.examples.begin(), mine.examples.end());
    };

    std::vector<std::thread> pool;
    for (unsigned t = 1; t < std::max(1u, threads); ++t) pool.emplace_back(work);
    work();
    for (std::thread& thread : pool) thread.join();

    std::sort(total.examples.begin(), total.examples.end(),
              [](const Mismatch& x, const Mismatch& y) { return x.bits < y.bits; });
    if (total.examples.size() > exampleLimit) total.examples.resize(exampleLimit);
    return total;
}

}  // namespace geometry::reference
