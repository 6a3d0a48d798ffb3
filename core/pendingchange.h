// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A change of several database files that happens entirely or not at all, also when the program
// is killed halfway or the machine stops. The steps are recorded in a small file in the folder
// and made durable before the first of them is carried out; whoever opens the folder next
// completes a recorded change before it does anything else. Every step is a rename or a removal,
// so carrying out a step twice does nothing more than once.

#include "core/fileio.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

struct ChangeStep {
    enum Kind : char {
        Replace = 'R', // the file `target` (through its link) gets our temporary `source`
        Move = 'M',    // the file `source` is renamed to `target`, which must not exist
        Remove = 'D',  // the file `target` is removed
    };
    Kind kind;
    std::string target; // a database file's name in the folder
    std::string source;

    bool operator==(const ChangeStep&) const = default;
};
using ChangeSteps = std::vector<ChangeStep>;

// The record's name: hidden, and no group's file can have it.
inline constexpr const char* PendingChangeName = ".quorvel-pending";

// Carries out the steps in order, all of them or none. When a step fails after others were
// done, the steps `undo` gives bring the files back in their place, and the step's error is
// thrown. A Replace's temporary must be flushed to disk before the call.
void ChangeAtomically(const fileio::Folder& folder, const ChangeSteps& steps,
                      const std::function<ChangeSteps()>& undo);

// Completes the change recorded in the folder, if there is one. A record that cannot be one of
// ours (not a regular file, too large, or not decodable) is set aside under a name that says so,
// and nothing of it is carried out. Throws EFileError when a recorded change cannot be completed,
// keeping the record for the next try: no other change may be made before.
void CompletePendingChange(const fileio::Folder& folder);

// For the user, when records have been set aside: their names, and what to do. Empty when none.
Message SetAsideNotice(const fileio::Folder& folder);

// The record's bytes, and back. Decoding refuses (EFileError naming the folder `shown`) anything
// that is not a record of ours, and every name that could reach a file other than a database file
// of the folder or a temporary of ours.
std::string EncodeChange(const ChangeSteps& steps);
ChangeSteps DecodeChange(std::string_view bytes, const std::string& shown);

} // namespace quorvel
