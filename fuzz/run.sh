#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the fuzz targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer on) and
# runs each for the given number of seconds (20 by default), starting from the committed seed
# corpus and what earlier runs found (kept in build-fuzz/corpus/). Any crash, sanitizer report
# or failed property fails the command; the input that caused it is saved in
# build-fuzz/artifacts/. Prints the executions each target reached.
#   fuzz/run.sh          the short run of the test command
#   fuzz/run.sh 3600     an hour per target
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUORVEL_FUZZ=ON >/dev/null
cmake --build build-fuzz

mkdir -p build-fuzz/artifacts
summary=()
for target in numbertext textfile unitsdatabase calculator conversion pendingchange sentence; do
    corpus="build-fuzz/corpus/$target"
    mkdir -p "$corpus"
    log="build-fuzz/fuzz_$target.log"
    echo "Fuzzing $target for $seconds s"
    if ! ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        "build-fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 \
        -print_final_stats=1 -dict="fuzz/fuzz_$target.dict" \
        -artifact_prefix="build-fuzz/artifacts/${target}-" "$corpus" "fuzz/corpus/$target" \
        >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz_$target failed; the input is in build-fuzz/artifacts/" >&2
        exit 1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    summary+=("fuzz_$target: $runs executions in $seconds s")
done
printf '%s\n' "${summary[@]}"
