#pragma once

// The units database: Groups.ung lists the groups, one per line; for each group, "<name>.uns"
// holds its unit names and "<name>.unf" the parallel factor texts (how many base units one unit
// makes). Nothing is cached: every operation opens, reads or writes, and closes its files.

#include "core/fileio.h"

#include <array>
#include <filesystem>
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

constexpr int GroupSlotCount = 23;
constexpr const char* TemperatureGroupName = "Temperature";

struct Unit {
    std::string name;
    std::string factor;

    bool operator==(const Unit&) const = default;
};

using GroupSlots = std::array<std::string, GroupSlotCount>;

// Why a text cannot stand as one line of a database file, as the end of a sentence ("hold a
// line break"), or "" when it can.
std::string OneLineRefusal(std::string_view text);

// Why a group's files cannot take this name, or "" when they can: the name must be usable as a
// file name on every common system, stay in the folder, fit in the group list, and leave room
// for ".uns" within `nameMax` bytes.
std::string GroupNameRefusal(std::string_view name, size_t nameMax);

// Every operation throws EFileError when a file cannot be opened, read, written or renamed, or
// is not a regular file. A write either completes or leaves the old files as they were, also
// when the program is killed halfway: each operation first completes a change that a killed
// program left unfinished (so the first reading after a start does), and each write removes
// the temporaries such a program left. Operations hold the folder's lock while they run.
class UnitsDatabase {
public:
    explicit UnitsDatabase(std::filesystem::path folder = "Files");

    const std::filesystem::path& Folder() const { return folder_; }
    std::filesystem::path GroupListFile() const;
    std::filesystem::path NamesFile(const std::string& group) const;
    std::filesystem::path FactorsFile(const std::string& group) const;

    // The first 23 lines of the group list, one per slot; slots past its end get "".
    GroupSlots ReadGroupSlots() const;

    // Every unit of a group in file order. Missing factor lines give empty factors; factor lines
    // past the last name are not read.
    std::vector<Unit> LoadGroup(const std::string& group) const;

    // Every group of the list, the ones past the 23rd slot included.
    std::vector<std::string> ReadGroupList() const;
    void WriteGroupList(const std::vector<std::string>& groups) const;

    // Rewrites both files of a group: both change, or neither does.
    void WriteGroupUnits(const std::string& group, const std::vector<Unit>& units) const;

    // Rewrites the group list and both files of one group: all three change, or none does.
    void WriteGroupListAndUnits(const std::vector<std::string>& groups, const std::string& group,
                                const std::vector<Unit>& units) const;

    // Renames both files of a group and gives the group's lines in the group list the new name,
    // in one change: all of it happens, or none (a missing group list stays missing). Refuses to
    // replace files of another group that already has the new name, and throws EGroupNameError
    // for a name GroupNameRefusal refuses or one the group list holds already.
    void RenameGroup(const std::string& oldName, const std::string& newName) const;

private:
    std::filesystem::path GroupFile(const std::string& group, const char* extension) const;
    static std::string GroupFileName(const std::string& group, const char* extension);

    std::filesystem::path folder_;
};

} // namespace quorvel
