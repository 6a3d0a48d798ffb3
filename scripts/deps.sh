# SPDX-FileCopyrightText: 2026 The Quorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by the run, test, fuzz and start-up benchmark commands: installs the Debian packages
# they need when any is missing.

# qt6-l10n-tools: lupdate and lrelease; qt6-translations-l10n: Qt's own texts in the user's language.
BUILD_PACKAGES=(cmake ninja-build g++ python3 qt6-base-dev qt6-tools-dev qt6-tools-dev-tools
                qt6-documentation-tools qt6-l10n-tools qt6-translations-l10n fonts-dejavu-core
                libcups2-dev)
# adwaita-qt6: the contrast tests run in the GNOME desktop's light and dark styles too.
TEST_PACKAGES=(libmpfr-dev libgmp-dev libbenchmark-dev locales desktop-file-utils appstream
               cups printer-driver-cups-pdf poppler-utils qt6-base-private-dev adwaita-qt6)
# The fuzz targets need clang and its libFuzzer and sanitizer runtimes.
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# bench/startup.sh: a virtual display, and a timer of whole commands for the command line.
BENCH_PACKAGES=(xvfb xauth hyperfine)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

ensure_packages() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    as_root apt-get install -y "${missing[@]}" ||
        { as_root apt-get update && as_root apt-get install -y "${missing[@]}"; }
}

# Some tests check that a process locale with a decimal comma changes nothing.
ensure_comma_locale() {
    locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' ||
        as_root localedef -i de_DE -f UTF-8 de_DE.UTF-8 || true
}
