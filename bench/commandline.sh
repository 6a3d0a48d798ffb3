#!/usr/bin/env bash
# The command line's time to print a conversion (quorvel -c 12 in cm, in a working folder with
# the delivered database) against /bin/true, and against the window's start-up to its window
# shown (measured as bench/startup.sh does), under Xvfb when no display is set. Prints the
# medians and the ratios. Run after the test command has built.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build}
runs=${RUNS:-30}
source scripts/deps.sh
ensure_packages hyperfine

if [ -z "${DISPLAY:-}" ]; then
    ensure_packages xvfb xauth
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r data/Files "$work/Files"
program=$(realpath "$build/ui/quorvel")
watch=$(realpath "$build/bench/startup_watch")

cd "$work"
hyperfine --shell=none --runs "$runs" --warmup 3 --export-json times.json \
    "$program -c 12 in cm" /bin/true > /dev/null
for ((k = 0; k < 15; ++k)); do
    "$watch" Quorvel "$program" >> window.txt
done

python3 - << 'PY'
import json, statistics
results = json.load(open("times.json"))["results"]
convert, true = (r["median"] * 1000 for r in results)
window = statistics.median(float(line.split()[0]) for line in open("window.txt"))
print(f"quorvel -c 12 in cm, median: {convert:.1f} ms; /bin/true {true:.2f} ms "
      f"(ratio {convert / true:.0f}); window start-up {window:.0f} ms "
      f"(ratio {convert / window:.2f})")
PY
