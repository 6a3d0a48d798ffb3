// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The file layer under the units database: every system call that reads or writes a database
// file goes through here. Files are addressed by name inside a folder held open, errors name the
// user's file (never a temporary of ours), and only regular files are read or replaced.

#include "calc/errors.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <vector>

namespace quorvel {

// A database file that cannot be opened, read, written or renamed.
class EFileError : public Error {
public:
    using Error::Error;
};

// The folder's lock stayed with another copy of the program for longer than a user should wait.
// The message is for the user, who may try again.
class EDatabaseBusy : public EFileError {
public:
    EDatabaseBusy()
        //: Another running Quorvel (a second window, or the command line) is saving its changes.
        : EFileError(QUORVEL_MESSAGE("Database",
                                     "Another copy of Quorvel is changing the units database")) {}
};

namespace fileio {

// No database file is anywhere near this size: a larger one is refused before it is read, so
// that a damaged or hostile file cannot exhaust the memory.
inline constexpr off_t MaxFileBytes = 64 << 20;

// How long Lock waits for another copy of the program to finish its change.
inline constexpr std::chrono::milliseconds LockPatience{1000};

// What a file error says it could not do: %1 is the file as messages name it, %2 the system's
// reason.
//: %1 is a file or folder of the units database, %2 the operating system's reason.
inline constexpr MessageTemplate CannotOpen = QUORVEL_MESSAGE("Files", "Cannot open '%1': %2");
//: %1 is a folder, %2 the operating system's reason.
inline constexpr MessageTemplate CannotOpenFolder =
    QUORVEL_MESSAGE("Files", "Cannot open the folder '%1': %2");
//: %1 is a file, %2 the operating system's reason.
inline constexpr MessageTemplate CannotRead = QUORVEL_MESSAGE("Files", "Cannot read '%1': %2");
//: %1 is a file, %2 the operating system's reason.
inline constexpr MessageTemplate CannotWrite = QUORVEL_MESSAGE("Files", "Cannot write '%1': %2");
//: %1 is a file that was to be replaced by its new version, %2 the operating system's reason.
inline constexpr MessageTemplate CannotReplace =
    QUORVEL_MESSAGE("Files", "Cannot replace '%1': %2");
//: %1 is a file, %2 the operating system's reason.
inline constexpr MessageTemplate CannotRemove = QUORVEL_MESSAGE("Files", "Cannot remove '%1': %2");
//: %1 is the file to be renamed, %2 the operating system's reason.
inline constexpr MessageTemplate CannotRename = QUORVEL_MESSAGE("Files", "Cannot rename '%1': %2");
//: %1 is the new name a file was to take, %2 the operating system's reason.
inline constexpr MessageTemplate CannotRenameTo =
    QUORVEL_MESSAGE("Files", "Cannot rename to '%1': %2");
//: Writing a folder's changes to the disk. %1 is a folder, %2 the operating system's reason.
inline constexpr MessageTemplate CannotFlushFolder =
    QUORVEL_MESSAGE("Files", "Cannot flush the folder '%1': %2");
//: %1 is a symbolic link to a file of the units database, %2 the operating system's reason.
inline constexpr MessageTemplate CannotFollowLink =
    QUORVEL_MESSAGE("Files", "Cannot follow the link '%1': %2");

// The system's reason for an error number, in words a translation knows where it is a common one.
Message SystemErrorMessage(int error);

// Throws EFileError with `what` for the file `shown` and the reason for `error`.
[[noreturn]] void ThrowFileError(MessageTemplate what, const std::string& shown, int error);

bool SameFile(const struct stat& a, const struct stat& b);

// The kinds of system call the layer makes.
// RenameNoReplace is the rename that must not replace a file; where the file system has no such
// rename, it is done as Link and Unlink.
enum class Call {
    Open,
    Read,
    Write,
    Sync,
    Close,
    Rename,
    RenameNoReplace,
    Link,
    Stat,
    Unlink,
    Lock,
    List
};
inline constexpr int CallKindCount = 12;
const char* CallName(Call call);

// Test seam: when set, the hook is asked before every call, with the name of the file the call
// is about (for a rename the new name, for the folder's own calls the folder's path). It returns
// 0 to let the call run, an errno value to fail the call with that error, or ShortWrite to make
// a write take only half of its bytes. Not for use by the program itself.
inline constexpr int ShortWrite = -1;
using FaultHook = std::function<int(Call call, std::string_view name)>;
void SetFaultHook(FaultHook hook);

// A folder held open; the files in it are addressed by their plain names.
class Folder {
public:
    // Throws EFileError when the folder cannot be opened.
    explicit Folder(std::filesystem::path path);
    ~Folder();
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // The file as messages name it: "Files/Length.uns".
    std::string Shown(const std::string& name) const;

    // Takes the folder's exclusive lock (released with the object), so that two copies of the
    // program never change the folder at once. False where the file system has no locks.
    // Waits at most LockPatience for another holder, then throws EDatabaseBusy.
    bool Lock();

    // The longest file name the folder accepts.
    size_t NameMax() const;
    // The names in the folder; empty when it cannot be listed.
    std::vector<std::string> Names() const;

    // lstat of a name: 0, or the errno of the failure.
    int Status(const std::string& name, struct stat& info) const;
    // Makes renames and removals in the folder durable. Throws EFileError.
    void Sync() const;
    // 0, or the errno of the failure (no such file included).
    int Remove(const std::string& name) const;
    // Renames one name over another; throws EFileError naming `shownAs`.
    void Rename(const std::string& from, const std::string& to, const std::string& shownAs) const;
    // Renames without ever replacing an existing `to` (a change of case of one file on a
    // case-insensitive disk excepted). When `from` is a second link of `to`, left by a rename
    // that was stopped halfway where the file system has no no-replace rename, the rename is
    // completed by removing `from`. Throws EFileError; EEXIST when `to` is another file.
    void RenameNoReplace(const std::string& from, const std::string& to) const;

    // The bytes of a regular file. Throws EFileError, naming `shownAs` when given, for anything
    // that is not a readable regular file, one larger than MaxFileBytes included.
    std::string Read(const std::string& name, const std::string& shownAs = {}) const;

    // Creates a file of ours with a short new name holding these bytes, flushed to disk, and
    // returns its name. Given `namedFor`, the name begins with that file's name where it fits,
    // so that the next write of that file can tell the temporaries left for it. Failures name
    // the user's file `shownAs`.
    std::string WriteTemporary(std::string_view bytes, mode_t mode, const std::string& shownAs,
                               std::string_view namedFor = {}) const;
    // Removes our temporaries (see IsTemporaryName), or given a file's name only the ones named
    // for that file (see WriteTemporary).
    void RemoveTemporaries(std::string_view namedFor = {}) const;
    // Replaces the file `name` with these bytes: a temporary made by WriteTemporary is renamed
    // over it, so the file is old or new whatever happens. The folder itself is not flushed.
    // Failures name `shownAs`, and leave no temporary.
    void Replace(const std::string& name, std::string_view bytes, mode_t mode,
                 const std::string& shownAs, std::string_view namedFor = {}) const;

private:
    // Whether the folder lists both names: two entries, not one found under two spellings.
    bool HasBothNames(const std::string& one, const std::string& other) const;

    std::filesystem::path path_;
    int fd_ = -1;
};

// True for the names of our temporaries, the ones this layer creates, short or named for their
// file, and the longer ones of earlier versions ("." + target + ".tmp" + pid + "-" + n).
bool IsTemporaryName(std::string_view name);

// The longest short temporary name, the form a temporary takes where one named for its file
// would not fit.
inline constexpr size_t TemporaryNameMax = 32;

// A file about to be replaced. A symbolic link is written through: the file replaced is the
// one the link points to, in that file's own folder, so that a shared file stays shared.
struct ReplaceTarget {
    std::unique_ptr<Folder> linkedFolder; // the folder of the linked file, when it is a link
    const Folder* folder = nullptr;       // where the file and its temporary live
    std::string name;                     // its name in that folder
    std::string shown;                    // the name the user knows it by
    bool exists = false;
    std::optional<std::string> oldBytes; // read by OpenReplaceTarget; nullopt: no file yet
    mode_t mode = 0666;
    // In a folder no lock of ours guards (the one a link leads to, or any folder outside the
    // database), where only the temporaries named for this file are known to be ours.
    bool unguarded = false;

    // Writes the temporary that is to replace the file (see Folder::WriteTemporary).
    std::string WriteTemporary(std::string_view bytes) const;
    // Replaces the file with these bytes (see Folder::Replace).
    void Replace(std::string_view bytes) const;
    // Removes what earlier writes of this file left in an unguarded folder when they were
    // stopped halfway. Only for the start of a write, before any temporary of its own exists.
    void RemoveLeftovers() const;
};

// Finds the file to replace for a name in the folder: the name itself, or the file its link
// points to. Only a missing file counts as no file; anything that is not a regular file (nor a
// link to one) refuses the write: throws EFileError.
ReplaceTarget FindReplaceTarget(const Folder& folder, const std::string& name);
// The same, for the start of a write: what the file holds now is read into oldBytes, and the
// leftovers of earlier writes of the file are removed.
ReplaceTarget OpenReplaceTarget(const Folder& folder, const std::string& name);

} // namespace fileio
} // namespace quorvel
