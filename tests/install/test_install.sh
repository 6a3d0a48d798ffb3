#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Usage: test_install.sh <build folder> <probe plug-in folder> <delivered Files folder>
set -euo pipefail
build=$1 plugins=$2 delivered=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$tmp/prefix" > /dev/null
desktop-file-validate "$tmp/prefix/share/applications/org.quorvel.Quorvel.desktop"
appstreamcli validate --no-net "$tmp/prefix/share/metainfo/org.quorvel.Quorvel.metainfo.xml"

# The package's documentation: the licence terms and the changelog, whose newest entry is the
# release the metainfo announces.
doc="$tmp/prefix/share/doc/quorvel"
grep -q "^License: GPL-3.0-or-later" "$doc/copyright" || fail "no copyright file naming the licence"
released=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' \
           "$tmp/prefix/share/metainfo/org.quorvel.Quorvel.metainfo.xml")
newest=$(zcat "$doc/changelog.gz" | head -1)
[[ -n $released && $newest == "quorvel ($released) "* ]] ||
    fail "the changelog's newest entry ($newest) is not the release ($released)"

# The installation must work wherever it lands: start it from another prefix than it was
# installed to.
mv "$tmp/prefix" "$tmp/moved"
start() {
    env -i HOME="$tmp/home" PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen \
        QT_PLUGIN_PATH="$plugins" QT_QPA_GENERIC_PLUGINS=quorvelprobe \
        "$tmp/moved/bin/quorvel" 2> "$tmp/stderr" || { cat "$tmp/stderr" >&2; fail "exit $?"; }
}

work="$tmp/home/.local/share/quorvel"
first=$(start)
echo "first start: $first"
diff -r "$delivered" "$work/Files" > /dev/null || fail "the working folder was not seeded"
[[ $first == "groups=23 named=23 first-unit=metre folder=$work" ]] || fail "unexpected window"

cmp "$tmp/moved/share/quorvel/Help.qch" "$work/Help.qch" || fail "the manual was not put in place"

# The user's edit survives the next start; the manual is brought up to date.
sed -i '1s/.*/my own metre\r/' "$work/Files/Length.uns"
echo "an older manual" > "$work/Help.qch"
second=$(start)
echo "second start: $second"
[[ $second == "groups=23 named=23 first-unit=my own metre folder=$work" ]] ||
    fail "the user's edit did not survive"
cmp "$tmp/moved/share/quorvel/Help.qch" "$work/Help.qch" || fail "the manual was not renewed"

# The manual page is installed, compressed.
gzip -t "$tmp/moved/share/man/man1/quorvel.1.gz" || fail "no manual page"

# The command line, started in another folder: the user's own database by default, a relative
# --database taken from that folder, and no manual copied for it.
mkdir -p "$tmp/elsewhere/mine"
cp -R "$delivered" "$tmp/elsewhere/mine/Files"
cli() {
    (cd "$tmp/elsewhere" && env -i HOME="$tmp/home" PATH=/usr/bin:/bin LC_ALL=C \
        "$tmp/moved/bin/quorvel" "$@")
}
rm "$work/Help.qch"
[[ $(cli --list Length | sed -n 1p) == "my own metre" ]] || fail "not the user's database"
[[ $(cli --database mine/Files --list Length | sed -n 1p | cut -f1) == metre ]] ||
    fail "a relative --database was not taken from the folder the user is in"
[[ $(cli -c 12 in cm) == "12 inch = 30.48 centimetre" ]] || fail "no conversion line"
[ ! -e "$work/Help.qch" ] || fail "the command line copied the manual"
