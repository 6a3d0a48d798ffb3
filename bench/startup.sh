#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up time and peak memory of the program against a minimal Qt program that shows one
# empty window, measured the same way in one run (alternating, 15 runs each), under Xvfb when
# no display is set; then the command line's time to print a conversion (quorvel -c 12 in cm)
# against /bin/true and against that start-up. Prints the medians and the ratios. Run after the
# test command has built.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build}
runs=${RUNS:-15}

source scripts/deps.sh
ensure_packages "${BENCH_PACKAGES[@]}"
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r data/Files "$work/Files"
program=$(realpath "$build/ui/quorvel")
minimal=$(realpath "$build/bench/minimal_window")
watch=$(realpath "$build/bench/startup_watch")

cd "$work"
for ((k = 0; k < runs; ++k)); do
    "$watch" Minimal "$minimal" >> minimal.txt
    "$watch" Quorvel "$program" >> quorvel.txt
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
for name in minimal quorvel; do
    eval "${name}_ms=$(cut -d' ' -f1 $name.txt | median)"
    eval "${name}_kb=$(cut -d' ' -f2 $name.txt | median)"
done
echo "start-up to window shown, median of $runs: minimal ${minimal_ms} ms, Quorvel ${quorvel_ms} ms" \
     "(ratio $(awk "BEGIN { printf \"%.2f\", $quorvel_ms / $minimal_ms }"))"
echo "peak resident size, median: minimal ${minimal_kb} kB, Quorvel ${quorvel_kb} kB" \
     "(ratio $(awk "BEGIN { printf \"%.2f\", $quorvel_kb / $minimal_kb }"))"

hyperfine --shell=none --runs 30 --warmup 3 --export-json commandline.json \
    "$program -c 12 in cm" /bin/true > /dev/null
python3 - "$quorvel_ms" << 'PY'
import json, sys
convert, true = (r["median"] * 1000 for r in json.load(open("commandline.json"))["results"])
window = float(sys.argv[1])
print(f"quorvel -c 12 in cm, median of 30: {convert:.1f} ms, /bin/true {true:.2f} ms "
      f"(ratio {convert / true:.0f}), the window's start-up {window:.0f} ms "
      f"(ratio {convert / window:.2f})")
PY
