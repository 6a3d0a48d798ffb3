#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the program and starts it in run/, which holds the units database (copied there from
# data/ once, so the user's own edits survive the next run) and the manual (refreshed each time).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}"

cmake -S . -B build -G Ninja -DBUILD_TESTING=OFF -DQUORVEL_BENCH=OFF
cmake --build build --target quorvel
mkdir -p run
if [ -d data/Files ] && [ ! -d run/Files ]; then
    cp -r data/Files run/Files
fi
cp build/Help.qch run/Help.qch
cd run
exec ../build/ui/quorvel "$@"
