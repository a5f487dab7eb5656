// SPDX-License-Identifier: MIT
// numberToText against printf's "%.7G" for every one of the 2^32 bit patterns
// of a float: NaNs, infinities, both zeros, subnormals and all the rest.
// Usage: number_to_text_all [threads]   (default: every core)
// Prints the count compared and the mismatches; exits 1 on any mismatch.
#include <atomic>
#include <bit>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

#include "number_text_comparison.h"

int main(int argc, char** argv) {
    unsigned threads = std::thread::hardware_concurrency();
    if (argc > 1) threads = static_cast<unsigned>(std::atoi(argv[1]));
    if (threads == 0) threads = 1;

    constexpr std::uint64_t count = std::uint64_t(1) << 32;
    std::atomic<std::uint64_t> done{0};
    std::mutex finishing;
    std::condition_variable finished;
    bool over = false;

    const auto start = std::chrono::steady_clock::now();
    auto seconds = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    std::thread progress([&] {
        std::unique_lock lock(finishing);
        while (!finished.wait_for(lock, std::chrono::seconds(60), [&] { return over; })) {
            const double share = static_cast<double>(done.load()) / static_cast<double>(count);
            std::printf("%5.1f%% after %.0f s\n", 100.0 * share, seconds());
            std::fflush(stdout);
        }
    });

    const auto result = geometry::reference::compareInParallel(
        count, [](std::uint64_t i) { return static_cast<std::uint32_t>(i); }, threads, ",", &done);
    {
        std::lock_guard lock(finishing);
        over = true;
    }
    finished.notify_one();
    progress.join();

    for (const auto& mismatch : result.examples)
        std::printf("bits %08X (%.9g): shown \"%s\", printf \"%s\"\n", mismatch.bits,
                    static_cast<double>(std::bit_cast<float>(mismatch.bits)), mismatch.shown.c_str(),
                    mismatch.expected.c_str());
    std::printf("compared %llu floats in %.0f s on %u threads: %llu mismatches\n",
                static_cast<unsigned long long>(result.compared), seconds(), threads,
                static_cast<unsigned long long>(result.mismatches));
    return result.mismatches == 0 && result.compared == count ? 0 : 1;
}
