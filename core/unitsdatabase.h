// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The units database: Groups.ung lists the groups, one per line; for each group, "<name>.uns"
// holds its unit names and "<name>.unf" the parallel factor texts (how many base units one unit
// makes). Nothing is cached: every operation opens, reads or writes, and closes its files.

#include "core/fileio.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// A new group name that cannot be given to a group's files. The message says why, in words
// for the user.
class EGroupNameError : public EFileError {
public:
    using EFileError::EFileError;
};

// A file read for an edit has changed on disk since (another copy of the program saved, most
// likely): the write based on the old content is refused before it changes any file.
class EDatabaseChanged : public EFileError {
public:
    using EFileError::EFileError;
};

constexpr const char* TemperatureGroupName = "Temperature";

struct Unit {
    std::string name;
    std::string factor;

    bool operator==(const Unit&) const = default;
};

// What keeps a text from standing as one line of a database file.
enum class LineFault { None, LineBreak, EndOfFile };
LineFault OneLineFault(std::string_view text);

// Why a group's files cannot take this name, or nothing when they can: the name must be UTF-8 text,
// usable as a file name on every common system, stay in the folder, fit in the group list, leave
// room for ".uns" within `nameMax` bytes, and not pass for another name: no control characters,
// no direction controls or invisible characters, no blanks but the space, none at its ends.
Message GroupNameRefusal(std::string_view name, size_t nameMax);

// What an editor read of the database files (the group list and the files of the group it
// shows), as lines. Reads given the snapshot add what they read. Writes given it first make sure
// that every file it holds still reads the same, and throw EDatabaseChanged when one does not,
// so that an edit of old content never undoes a change another copy of the program saved in
// the meantime; afterwards it holds what they wrote.
class ReadSnapshot {
public:
    void Clear() { lines_.clear(); }

    // What the database does with it, under the folder's lock.
    void Check(const fileio::Folder& folder) const;
    void Hold(const std::string& name, std::vector<std::string> lines) {
        lines_[name] = std::move(lines);
    }
    void ForgetGroupFiles();
    // After a rename: the list as written (if it was written) and the group's files by their
    // new names (if they are held).
    void Renamed(const std::optional<std::vector<std::string>>& groups,
                 const std::vector<std::pair<std::string, std::string>>& files);

private:
    std::map<std::string, std::vector<std::string>> lines_; // by file name in the folder
};

// Every operation throws EFileError when a file cannot be opened, read, written or renamed, or
// is not a regular file. A write either completes or leaves the old files as they were, also
// when the program is killed halfway: each operation first completes a change that a killed
// program left unfinished (so the first reading after a start does), and each write removes
// the temporaries such a program left. Reads go on while such a change cannot be completed:
// it touches only the files it names, which are read as they stand; writes are refused then.
// Operations hold the folder's lock while they run, and throw EDatabaseBusy when another copy
// of the program keeps it too long.
class UnitsDatabase {
public:
    explicit UnitsDatabase(std::filesystem::path folder = "Files");

    const std::filesystem::path& Folder() const { return folder_; }
    std::filesystem::path GroupListFile() const;
    std::filesystem::path NamesFile(const std::string& group) const;
    std::filesystem::path FactorsFile(const std::string& group) const;

    // Every unit of a group in file order. Missing factor lines give empty factors; factor lines
    // past the last name are not read. A snapshot given holds this group's files in place of
    // any other group's, also when they cannot be read.
    std::vector<Unit> LoadGroup(const std::string& group, ReadSnapshot* seen = nullptr) const;

    // Every group of the list, in its order.
    std::vector<std::string> ReadGroupList(ReadSnapshot* seen = nullptr) const;
    void WriteGroupList(const std::vector<std::string>& groups, ReadSnapshot* seen = nullptr) const;

    // Rewrites both files of a group: both change, or neither does.
    void WriteGroupUnits(const std::string& group, const std::vector<Unit>& units,
                         ReadSnapshot* seen = nullptr) const;

    // Rewrites the group list and both files of one group: all three change, or none does.
    void WriteGroupListAndUnits(const std::vector<std::string>& groups, const std::string& group,
                                const std::vector<Unit>& units, ReadSnapshot* seen = nullptr) const;

    // Renames both files of a group and gives the group's lines in the group list the new name,
    // in one change: all of it happens, or none (a missing group list stays missing). Refuses to
    // replace files of another group that already has the new name, and throws EGroupNameError
    // for a name GroupNameRefusal refuses or one the group list holds already.
    void RenameGroup(const std::string& oldName, const std::string& newName,
                     ReadSnapshot* seen = nullptr) const;

    // What the user should know of a change that a stopped copy of the program left: one that
    // cannot be completed now (no change can be saved then), or records of changes that could
    // not be read and were set aside. Empty when there is nothing to say.
    Message PendingChangeNotice() const;

private:
    std::filesystem::path GroupFile(const std::string& group, const char* extension) const;
    static std::string GroupFileName(const std::string& group, const char* extension);

    std::filesystem::path folder_;
};

} // namespace quorvel
