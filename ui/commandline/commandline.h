// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The command line: typed conversions, the groups and units, and searches, printed to the
// terminal without a window, a GUI application or a display.

#include <optional>

namespace quorvel {

enum ExitStatus {
    ExitDone = 0,
    ExitNotUnderstood = 1, // a sentence, group or unit not understood, or a value refused
    ExitUsage = 2,         // wrong options, or no database to read
};

// Runs what the arguments ask and returns the exit status; nothing when they ask for the window
// (no arguments, or only the toolkit's own options such as -style).
std::optional<int> RunCommandLine(int argc, char* argv[]);

} // namespace quorvel
