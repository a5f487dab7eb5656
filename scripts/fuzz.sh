#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the libFuzzer targets (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for a bounded time, both at once.
# Fails on any crash, hang, leak, out-of-memory or sanitizer report.
#
# Inputs that reach new code are merged into fuzz/corpus/<target>/, which the
# unit tests replay; a failing input is minimised and kept there as well, so the
# failure stays in the tests until it is fixed.
#
# Usage: scripts/fuzz.sh [seconds per target]   (or FUZZ_SECONDS; default 60)
# Build directory: ${FUZZ_BUILD_DIR:-build-fuzz}; compiler: ${FUZZ_CXX:-clang++}.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-${FUZZ_SECONDS:-60}}
build_dir=${FUZZ_BUILD_DIR:-build-fuzz}
compiler=${FUZZ_CXX:-clang++}
targets=(text_to_number presses solver reader)
declare -A max_len=([text_to_number]=4096 [presses]=2048 [solver]=512 [reader]=4096)

# clang with its libFuzzer and sanitizer runtimes, and the build tools.
missing=()
for p in clang libclang-rt-14-dev cmake ninja-build; do
    if [ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)" != "install ok installed" ]; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages. Run as root: apt-get update && apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ ! -f "$build_dir/build.ninja" ]; then
    cmake -S fuzz -B "$build_dir" -G Ninja -DCMAKE_CXX_COMPILER="$compiler"
fi
cmake --build "$build_dir"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:strict_string_checks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

run_target() {
    local target=$1 work="$build_dir/work/$1" artifacts="$build_dir/artifacts/$1/"
    mkdir -p "$work" "$artifacts"
    # The work corpus comes first: new inputs go there, the kept corpus is only read.
    timeout --kill-after=30 $((seconds + 300)) \
        "$build_dir/fuzz_$target" "$work" "fuzz/corpus/$target" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len="${max_len[$target]}" \
        -dict="fuzz/$target.dict" -artifact_prefix="$artifacts" -print_final_stats=1 \
        >"$build_dir/logs/$target.log" 2>&1
}

mkdir -p "$build_dir/logs"
rm -rf "$build_dir/artifacts"
declare -A pid status
for target in "${targets[@]}"; do
    run_target "$target" &
    pid[$target]=$!
done
for target in "${targets[@]}"; do
    status[$target]=0
    wait "${pid[$target]}" || status[$target]=$?
done

failed=0
for target in "${targets[@]}"; do
    log="$build_dir/logs/$target.log"
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 || true)
    reports=$(grep -cE 'ERROR: (Address|Leak|UndefinedBehavior)Sanitizer|runtime error:|==ERROR' "$log" || true)
    artifacts=$(find "$build_dir/artifacts/$target" -type f 2>/dev/null)
    echo "$target: ${runs:-?} runs in ${seconds} s, ${coverage:-cov: ?}, exit ${status[$target]}, sanitizer reports ${reports}"

    if [ "${status[$target]}" -ne 0 ] || [ "$reports" -ne 0 ] || [ -n "$artifacts" ]; then
        failed=1
        echo "  FAILED; log: $log" >&2
        grep -E '^(text_to_number|presses|solver|reader): |ERROR|runtime error|SUMMARY' "$log" | head -n 20 >&2 || true
        for artifact in $artifacts; do
            kept="fuzz/corpus/$target/$(basename "$artifact")"
            case "$(basename "$artifact")" in
            crash-*)
                "$build_dir/fuzz_$target" -minimize_crash=1 -runs=20000 -max_total_time=120 \
                    -exact_artifact_path="$kept" "$artifact" >"$build_dir/logs/$target.minimize.log" 2>&1 || true
                [ -f "$kept" ] || cp "$artifact" "$kept" ;;
            *) cp "$artifact" "$kept" ;;
            esac
            echo "  kept the failing input as $kept" >&2
        done
        continue
    fi

    # Keep what reached new code (new edges only, so the kept corpus stays
    # small), smallest inputs first.
    before=$(find "fuzz/corpus/$target" -type f | wc -l)
    "$build_dir/fuzz_$target" -merge=1 -use_counters=0 -max_len="${max_len[$target]}" "fuzz/corpus/$target" "$build_dir/work/$target" \
        >"$build_dir/logs/$target.merge.log" 2>&1
    after=$(find "fuzz/corpus/$target" -type f | wc -l)
    echo "  corpus fuzz/corpus/$target: $before -> $after inputs"
done

exit "$failed"
