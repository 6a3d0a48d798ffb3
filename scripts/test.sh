#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds everything and runs every test, printing on a CUPS scheduler of the run's own with a PDF
# printer as its default (testprinter.sh); then builds the Qt-free libraries and their tests
# again with AddressSanitizer and UndefinedBehaviorSanitizer and runs them; then runs each fuzz
# target for 20 seconds. Any failure, sanitizer report or fuzz finding fails the command.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
source scripts/testprinter.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
ensure_comma_locale
trap stop_test_printer EXIT
trap 'exit 130' INT TERM
start_test_printer

cmake -S . -B build -G Ninja -DBUILD_TESTING=ON -DQUORVEL_BENCH=ON -DQUORVEL_WERROR=ON
cmake --build build
ctest --test-dir build --output-on-failure -j2

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORVEL_CORE_ONLY=ON \
      -DQUORVEL_SANITIZE=ON -DBUILD_TESTING=ON -DQUORVEL_WERROR=ON
cmake --build build-sanitize
ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --test-dir build-sanitize --output-on-failure -j2

fuzz/run.sh 20
