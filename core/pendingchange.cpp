// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/pendingchange.h"

#include <algorithm>
#include <cerrno>
#include <memory>
#include <sys/stat.h>

namespace quorvel {

namespace {

constexpr std::string_view RecordHeader = "Quorvel pending change 1\n";
// A record set aside, and its followers "-2", "-3"...
constexpr std::string_view SetAsideName = ".quorvel-pending.unreadable";

using LinkedFolders = std::vector<std::unique_ptr<fileio::Folder>>;

bool IsPlainName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

bool IsDatabaseFileName(std::string_view name) {
    return IsPlainName(name) &&
           (name.ends_with(".uns") || name.ends_with(".unf") || name.ends_with(".ung"));
}

bool IsValidStep(const ChangeStep& step) {
    switch (step.kind) {
    case ChangeStep::Replace:
        return IsDatabaseFileName(step.target) && IsPlainName(step.source) &&
               fileio::IsTemporaryName(step.source);
    case ChangeStep::Move:
        return IsDatabaseFileName(step.target) && IsDatabaseFileName(step.source);
    case ChangeStep::Remove: return IsDatabaseFileName(step.target) && step.source.empty();
    }
    return false;
}

// Whether a file is there; a failure to find out names the user's file `shown`.
bool Exists(const fileio::Folder& folder, const std::string& name, const std::string& shown) {
    struct stat info;
    const int error = folder.Status(name, info);
    if (error != 0 && error != ENOENT)
        fileio::ThrowFileError(fileio::CannotOpen, shown, error);
    return error == 0;
}

void Perform(const fileio::Folder& folder, const ChangeStep& step, LinkedFolders& linked) {
    switch (step.kind) {
    case ChangeStep::Replace: {
        // The temporary was made beside the file the target's link points to.
        fileio::ReplaceTarget target = fileio::FindReplaceTarget(folder, step.target);
        if (Exists(*target.folder, step.source, target.shown))
            target.folder->Rename(step.source, target.name, target.shown);
        if (target.linkedFolder)
            linked.push_back(std::move(target.linkedFolder));
        break;
    }
    case ChangeStep::Move:
        if (Exists(folder, step.source, folder.Shown(step.source)))
            folder.RenameNoReplace(step.source, step.target);
        break;
    case ChangeStep::Remove:
        if (const int error = folder.Remove(step.target); error != 0 && error != ENOENT)
            fileio::ThrowFileError(fileio::CannotRemove, folder.Shown(step.target), error);
        break;
    }
}

void Record(const fileio::Folder& folder, const ChangeSteps& steps) {
    // Failures name the folder: the record is no file the user knows.
    folder.Replace(PendingChangeName, EncodeChange(steps), 0600, folder.Path().string());
}

void Forget(const fileio::Folder& folder) {
    if (folder.Remove(PendingChangeName) != 0)
        return; // a record of steps all done: the next opening of the folder removes it
    try {
        folder.Sync();
    } catch (const EFileError&) {
        // A record that comes back after a crash finds its steps done and changes nothing.
    }
}

// The record goes only once the renames are known to be on the disk.
void Finish(const fileio::Folder& folder, const LinkedFolders& linked) {
    try {
        for (const auto& other : linked)
            other->Sync();
        folder.Sync();
    } catch (const EFileError&) {
        return; // the files are complete; the record stays for the next opening to finish
    }
    Forget(folder);
}

void PerformAll(const fileio::Folder& folder, const ChangeSteps& steps) {
    LinkedFolders linked;
    for (const ChangeStep& step : steps)
        Perform(folder, step, linked);
    Finish(folder, linked);
}

// Puts back what the done steps changed. Its own failures are not reported: the first error
// is, and the record left behind (the change, or its undoing) ends in whole files either way.
void Undo(const fileio::Folder& folder, const std::function<ChangeSteps()>& undo) {
    try {
        const ChangeSteps back = undo();
        Record(folder, back);
        try {
            folder.Sync();
        } catch (const EFileError&) {
            // The undoing replaced the change's record in one rename: whichever of the two
            // the disk keeps, completing it leaves whole files.
        }
        PerformAll(folder, back);
    } catch (const EFileError&) {
    }
}

} // namespace

std::string EncodeChange(const ChangeSteps& steps) {
    std::string bytes(RecordHeader);
    for (const ChangeStep& step : steps) {
        bytes += static_cast<char>(step.kind);
        bytes += step.target;
        bytes += '\0';
        bytes += step.source;
        bytes += '\0';
    }
    return bytes;
}

ChangeSteps DecodeChange(std::string_view bytes, const std::string& shown) {
    //: %1 is the folder of the units database.
    const EFileError damaged(QUORVEL_MESSAGE("Database",
                                             "The unfinished change recorded in the folder '%1' "
                                             "cannot be read; its files are left as they are"),
                             {shown});
    if (!bytes.starts_with(RecordHeader))
        throw damaged;
    bytes.remove_prefix(RecordHeader.size());
    ChangeSteps steps;
    while (!bytes.empty()) {
        ChangeStep step{static_cast<ChangeStep::Kind>(bytes.front()), {}, {}};
        bytes.remove_prefix(1);
        for (std::string* field : {&step.target, &step.source}) {
            const size_t end = bytes.find('\0');
            if (end == std::string_view::npos)
                throw damaged;
            *field = bytes.substr(0, end);
            bytes.remove_prefix(end + 1);
        }
        if (!IsValidStep(step))
            throw damaged;
        steps.push_back(std::move(step));
    }
    if (steps.empty())
        throw damaged;
    return steps;
}

void ChangeAtomically(const fileio::Folder& folder, const ChangeSteps& steps,
                      const std::function<ChangeSteps()>& undo) {
    Record(folder, steps);
    try {
        folder.Sync();
    } catch (const EFileError&) {
        Forget(folder); // not known to be on the disk: no step may run before it is
        throw;
    }
    LinkedFolders linked;
    for (size_t k = 0; k < steps.size(); ++k) {
        try {
            Perform(folder, steps[k], linked);
        } catch (const EFileError&) {
            if (k == 0)
                Forget(folder);
            else
                Undo(folder, undo);
            throw;
        }
    }
    Finish(folder, linked);
}

// Moves a record that cannot be carried out out of the way of every later change, keeping it
// for the user to look at.
void SetAside(const fileio::Folder& folder) {
    std::string name(SetAsideName);
    struct stat info;
    for (int n = 2; folder.Status(name, info) == 0; ++n)
        name = std::string(SetAsideName) + "-" + std::to_string(n);
    folder.RenameNoReplace(PendingChangeName, name);
    try {
        folder.Sync();
    } catch (const EFileError&) {
        // A record that comes back after a crash is set aside again.
    }
}

void CompletePendingChange(const fileio::Folder& folder) {
    const std::string shown = folder.Path().string();
    struct stat info;
    if (const int error = folder.Status(PendingChangeName, info); error != 0) {
        if (error == ENOENT)
            return;
        fileio::ThrowFileError(fileio::CannotOpen, shown, error);
    }
    if (!S_ISREG(info.st_mode) || info.st_size > fileio::MaxFileBytes)
        return SetAside(folder);
    const std::string bytes = folder.Read(PendingChangeName, shown); // kept when it fails
    ChangeSteps steps;
    try {
        steps = DecodeChange(bytes, shown);
    } catch (const EFileError&) {
        return SetAside(folder);
    }
    try {
        PerformAll(folder, steps);
    } catch (const EFileError& error) {
        //: %1 is the file error that stops it, such as "Cannot write '...': Permission denied".
        throw EFileError(QUORVEL_MESSAGE("Database",
                                         "The last change of the units database was stopped "
                                         "halfway and cannot be completed now (%1). No change can "
                                         "be saved until it is."),
                         {error.UserMessage()});
    }
}

Message SetAsideNotice(const fileio::Folder& folder) {
    std::vector<std::string> names;
    for (const std::string& name : folder.Names()) {
        if (name.starts_with(SetAsideName))
            names.push_back(folder.Shown(name));
    }
    if (names.empty())
        return {};
    std::sort(names.begin(), names.end());
    if (names.size() == 1) {
        //: %1 is the file the record was moved to.
        return Message(QUORVEL_MESSAGE("Database",
                                       "The record of an interrupted change of the units database "
                                       "could not be read and was set aside as '%1'. Groups that "
                                       "change touched may be half written: check their units, "
                                       "then delete that file."),
                       {names.front()});
    }
    //: The end of a list of files, each between quotes, as in 'a', 'b' and 'c': %1 and %2 are its
    //: last two files.
    const MessageTemplate last = QUORVEL_MESSAGE("Database", "'%1' and '%2'");
    //: The beginning of a list of files, each between quotes: %1 is the first file, %2 the list
    //: of the files after it.
    const MessageTemplate more = QUORVEL_MESSAGE("Database", "'%1', %2");
    Message list = Message(last, {names[names.size() - 2], names.back()});
    for (size_t k = names.size() - 2; k-- > 0;)
        list = Message(more, {names[k], list});
    //: %1 is a list of two or more files, such as 'a', 'b' and 'c'.
    return Message(QUORVEL_MESSAGE("Database",
                                   "The record of an interrupted change of the units database "
                                   "could not be read and was set aside as %1. Groups that change "
                                   "touched may be half written: check their units, then delete "
                                   "those files."),
                   {list});
}

} // namespace quorvel
