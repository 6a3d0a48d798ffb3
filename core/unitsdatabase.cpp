// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/unitsdatabase.h"

#include "core/pendingchange.h"
#include "core/textfile.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

namespace quorvel {

namespace {

constexpr const char* GroupListName = "Groups.ung";

// The folder opened for one operation: locked, with a change a killed program left unfinished
// completed before anything else is read or written.
class Session {
public:
    enum Purpose { Reading, Writing };

    Session(const std::filesystem::path& path, Purpose purpose) : folder_(path) {
        const bool locked = folder_.Lock();
        if (purpose == Reading) {
            try {
                CompletePendingChange(folder_);
            } catch (const EFileError&) {
                // The change touches only the files it names: they are read as they stand, and
                // every write tries again (and is refused while it cannot be completed).
            }
            return;
        }
        CompletePendingChange(folder_);
        // Only under the lock is every temporary of ours a leftover: no other copy of the
        // program is in the middle of a write then.
        if (locked)
            folder_.RemoveTemporaries();
    }

    const fileio::Folder& Folder() const { return folder_; }

private:
    fileio::Folder folder_;
};

// The temporaries of one write. Those a recorded change still names are left for the change to
// complete; the others are removed when the write ends.
class Temporaries {
public:
    explicit Temporaries(const fileio::Folder& folder) : folder_(folder) {}
    Temporaries(const Temporaries&) = delete;
    Temporaries& operator=(const Temporaries&) = delete;
    ~Temporaries() {
        struct stat info;
        if (made_.empty() || folder_.Status(PendingChangeName, info) != ENOENT)
            return; // the next write removes what the record no longer needs
        for (const auto& [folder, name] : made_)
            folder->Remove(name);
    }

    std::string Write(const fileio::ReplaceTarget& target, std::string_view bytes) {
        std::string name = target.WriteTemporary(bytes);
        made_.emplace_back(target.folder, name);
        return name;
    }

    // Renamed into place: no longer ours to remove.
    void Placed() { made_.clear(); }

private:
    const fileio::Folder& folder_;
    std::vector<std::pair<const fileio::Folder*, std::string>> made_;
};

// The old name's file, which must be there to be renamed.
struct stat ExistingFile(const fileio::Folder& folder, const std::string& name) {
    struct stat info;
    if (const int error = folder.Status(name, info); error != 0)
        fileio::ThrowFileError(fileio::CannotRename, folder.Shown(name), error);
    return info;
}

// True when the new name is free for the file `old` (on a case-insensitive disk a change of
// case finds the file itself there).
bool IsFreeFor(const fileio::Folder& folder, const std::string& name, const struct stat& old) {
    struct stat info;
    const int error = folder.Status(name, info);
    if (error == ENOENT)
        return true;
    if (error != 0)
        fileio::ThrowFileError(fileio::CannotRenameTo, folder.Shown(name), error);
    return fileio::SameFile(info, old);
}

struct FileLines {
    std::string name;
    std::vector<std::string> lines;
};

// A group's names file and factors file, with their lines.
std::vector<FileLines> GroupFiles(std::string namesName, std::string factorsName,
                                  const std::vector<Unit>& units) {
    FileLines names{std::move(namesName), {}};
    FileLines factors{std::move(factorsName), {}};
    for (const Unit& unit : units) {
        names.lines.push_back(unit.name);
        factors.lines.push_back(unit.factor);
    }
    return {std::move(names), std::move(factors)};
}

// Replaces the files with their new lines in one change: all of them, or none. One file needs
// no record of the change: its rename alone is the change.
void ReplaceTogether(const fileio::Folder& folder, const std::vector<FileLines>& files) {
    if (files.size() == 1)
        return WriteTextLines(folder, files.front().name, files.front().lines);
    std::vector<fileio::ReplaceTarget> targets;
    for (const FileLines& file : files)
        targets.push_back(fileio::OpenReplaceTarget(folder, file.name));
    Temporaries temporaries(folder);
    ChangeSteps steps;
    for (size_t k = 0; k < files.size(); ++k) {
        const fileio::ReplaceTarget& target = targets[k];
        steps.push_back({ChangeStep::Replace, files[k].name,
                         temporaries.Write(
                             target, EncodeLines(files[k].lines, target.oldBytes, target.shown))});
    }
    // Undoing is needed only when a step after the first failed, and the failed one changed
    // nothing: every file before the last gets its old bytes back (or goes, if it was new).
    const auto restore = [&]() -> ChangeSteps {
        ChangeSteps back;
        for (size_t k = 0; k + 1 < files.size(); ++k) {
            const fileio::ReplaceTarget& target = targets[k];
            if (target.oldBytes)
                back.push_back({ChangeStep::Replace, files[k].name,
                                temporaries.Write(target, *target.oldBytes)});
            else
                back.push_back({ChangeStep::Remove, files[k].name, {}});
        }
        return back;
    };
    ChangeAtomically(folder, steps, restore);
    temporaries.Placed();
}

// Replaces the files in one change, once the snapshot (if given) is found to hold, and then
// holds them as written.
void WriteTogether(const std::filesystem::path& path, const std::vector<FileLines>& files,
                   ReadSnapshot* seen) {
    const Session session(path, Session::Writing);
    if (seen)
        seen->Check(session.Folder());
    ReplaceTogether(session.Folder(), files);
    if (seen) {
        for (const FileLines& file : files)
            seen->Hold(file.name, file.lines);
    }
}

bool IsBlank(char32_t c) {
    return c == U' ' || c == U'\t' || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) ||
           c == 0x202F || c == 0x205F || c == 0x3000;
}

// Unicode's own line and paragraph separators, which show as a line break too.
bool IsSeparatorOfLines(char32_t c) {
    return c == 0x2028 || c == 0x2029;
}

bool IsControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// Marks that turn the order in which text is shown.
bool IsDirectionControl(char32_t c) {
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

// Characters that show as nothing, so that two names that look alike differ.
bool IsInvisible(char32_t c) {
    return c == 0x00AD || c == 0x034F || c == 0x180E || (c >= 0x200B && c <= 0x200D) ||
           (c >= 0x2060 && c <= 0x2064) || (c >= 0xFE00 && c <= 0xFE0F) || c == 0xFEFF ||
           (c >= 0xE0000 && c <= 0xE0FFF);
}

// The names Windows keeps for devices, whatever follows them after a dot, in any case.
bool IsDeviceName(std::string_view name) {
    std::string stem(name.substr(0, name.find('.')));
    while (!stem.empty() && stem.back() == ' ')
        stem.pop_back();
    for (char& c : stem)
        c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL" || stem == "CONIN$" ||
        stem == "CONOUT$")
        return true;
    if (!stem.starts_with("COM") && !stem.starts_with("LPT"))
        return false;
    const std::string_view number = std::string_view(stem).substr(3);
    return (number.size() == 1 && number[0] >= '1' && number[0] <= '9') || number == "\xC2\xB9" ||
           number == "\xC2\xB2" || number == "\xC2\xB3"; // also the superscripts 1, 2 and 3
}

// Why the name's characters cannot make a name, or nothing.
Message CharacterRefusal(std::string_view name, const std::u32string& characters) {
    const auto any = [&](bool (*test)(char32_t)) {
        return std::any_of(characters.begin(), characters.end(), test);
    };
    if (characters.front() == U'.' || characters.back() == U'.' || IsBlank(characters.front()) ||
        IsBlank(characters.back()))
        return QUORVEL_MESSAGE("Database",
                               "A group name cannot begin or end with a blank or a dot");
    const LineFault lineFault = OneLineFault(name);
    if (lineFault == LineFault::LineBreak || any(IsSeparatorOfLines))
        return QUORVEL_MESSAGE("Database", "A group name cannot hold a line break");
    if (lineFault == LineFault::EndOfFile)
        return QUORVEL_MESSAGE("Database",
                               "A group name cannot hold the end-of-file character (0x1A)");
    if (characters.find(U'\0') != std::u32string::npos)
        return QUORVEL_MESSAGE("Database", "A group name cannot hold a NUL character");
    if (any(IsControl))
        return QUORVEL_MESSAGE("Database", "A group name cannot hold a control character");
    if (any(IsDirectionControl))
        //: Such as the marks that turn Arabic or Hebrew text from right to left.
        return QUORVEL_MESSAGE(
            "Database", "A group name cannot hold a mark that changes the direction of text");
    if (any(IsInvisible))
        return QUORVEL_MESSAGE("Database", "A group name cannot hold an invisible character");
    if (any([](char32_t c) { return c != U' ' && IsBlank(c); }))
        //: Such as a no-break space or a tab.
        return QUORVEL_MESSAGE("Database",
                               "A group name cannot hold a blank other than the ordinary space");
    return {};
}

} // namespace

LineFault OneLineFault(std::string_view text) {
    if (text.find_first_of("\r\n") != std::string_view::npos)
        return LineFault::LineBreak;
    if (text.find('\x1A') != std::string_view::npos)
        return LineFault::EndOfFile;
    return LineFault::None;
}

Message GroupNameRefusal(std::string_view name, size_t nameMax) {
    if (name.empty())
        return QUORVEL_MESSAGE("Database", "A group name cannot be empty");
    const std::optional<std::u32string> characters = CodePoints(name);
    if (!characters)
        return QUORVEL_MESSAGE("Database",
                               "A group name cannot hold bytes that are not UTF-8 text");
    if (Message refusal = CharacterRefusal(name, *characters); !refusal.IsEmpty())
        return refusal;
    constexpr std::string_view notInFileNames = "/\\:*?\"<>|";
    if (const size_t bad = name.find_first_of(notInFileNames); bad != std::string_view::npos)
        //: %1 is a character that file names cannot hold, such as / or :.
        return Message(QUORVEL_MESSAGE("Database", "A group name cannot hold the character %1"),
                       {std::string(1, name[bad])});
    if (IsDeviceName(name))
        return QUORVEL_MESSAGE("Database",
                               "A group name cannot be a name Windows keeps for a device (CON, "
                               "PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9)");
    // The group's files need the name and ".uns"; our temporaries have short names of their own.
    const size_t longest = std::max(nameMax, fileio::TemporaryNameMax) - 4;
    if (name.size() > longest)
        //: %1 is a number of bytes (a letter of the Latin alphabet takes one, most others two
        //: or more).
        return Message(QUORVEL_MESSAGE("Database", "A group name can be at most %1 bytes long "
                                                   "(its files' names would be too long)"),
                       {std::to_string(longest)});
    return {};
}

UnitsDatabase::UnitsDatabase(std::filesystem::path folder) : folder_(std::move(folder)) {}

std::filesystem::path UnitsDatabase::GroupListFile() const {
    return folder_ / GroupListName;
}

std::filesystem::path UnitsDatabase::NamesFile(const std::string& group) const {
    return GroupFile(group, ".uns");
}

std::filesystem::path UnitsDatabase::FactorsFile(const std::string& group) const {
    return GroupFile(group, ".unf");
}

std::filesystem::path UnitsDatabase::GroupFile(const std::string& group,
                                               const char* extension) const {
    return folder_ / GroupFileName(group, extension);
}

std::string UnitsDatabase::GroupFileName(const std::string& group, const char* extension) {
    // The name is the stem of a file in the folder: a separator or a NUL would address a file
    // elsewhere, or none at all.
    if (group.find_first_of(std::string("/\0", 2)) != std::string::npos)
        //: %1 is a group's name that holds a / or a NUL character.
        throw EFileError(QUORVEL_MESSAGE("Database", "'%1' cannot name a file"), {group});
    return group + extension;
}

void ReadSnapshot::Check(const fileio::Folder& folder) const {
    for (const auto& [name, lines] : lines_) {
        struct stat info;
        if (folder.Status(name, info) == ENOENT || ReadTextLines(folder, name) != lines)
            //: %1 is a file of the units database.
            throw EDatabaseChanged(
                QUORVEL_MESSAGE("Database", "'%1' has changed since it was read (another "
                                            "copy of Quorvel, or another program, saved it)"),
                {folder.Shown(name)});
    }
}

void ReadSnapshot::ForgetGroupFiles() {
    std::erase_if(lines_, [](const auto& file) { return file.first != GroupListName; });
}

void ReadSnapshot::Renamed(const std::optional<std::vector<std::string>>& groups,
                           const std::vector<std::pair<std::string, std::string>>& files) {
    if (groups && lines_.contains(GroupListName))
        lines_[GroupListName] = *groups;
    for (const auto& [from, to] : files) {
        if (auto held = lines_.extract(from))
            Hold(to, std::move(held.mapped()));
    }
}

std::vector<Unit> UnitsDatabase::LoadGroup(const std::string& group, ReadSnapshot* seen) const {
    if (seen)
        seen->ForgetGroupFiles();
    const std::string namesName = GroupFileName(group, ".uns");
    const std::string factorsName = GroupFileName(group, ".unf");
    const Session session(folder_, Session::Reading);
    std::vector<std::string> names = ReadTextLines(session.Folder(), namesName);
    std::vector<std::string> factors = ReadTextLines(session.Folder(), factorsName);
    std::vector<Unit> units;
    units.reserve(names.size());
    for (size_t k = 0; k < names.size(); ++k)
        units.push_back({names[k], k < factors.size() ? factors[k] : std::string()});
    if (seen) {
        seen->Hold(namesName, std::move(names));
        seen->Hold(factorsName, std::move(factors));
    }
    return units;
}

std::vector<std::string> UnitsDatabase::ReadGroupList(ReadSnapshot* seen) const {
    const Session session(folder_, Session::Reading);
    std::vector<std::string> groups = ReadTextLines(session.Folder(), GroupListName);
    if (seen)
        seen->Hold(GroupListName, groups);
    return groups;
}

void UnitsDatabase::WriteGroupList(const std::vector<std::string>& groups,
                                   ReadSnapshot* seen) const {
    WriteTogether(folder_, {{GroupListName, groups}}, seen);
}

void UnitsDatabase::WriteGroupUnits(const std::string& group, const std::vector<Unit>& units,
                                    ReadSnapshot* seen) const {
    WriteTogether(folder_,
                  GroupFiles(GroupFileName(group, ".uns"), GroupFileName(group, ".unf"), units),
                  seen);
}

void UnitsDatabase::WriteGroupListAndUnits(const std::vector<std::string>& groups,
                                           const std::string& group, const std::vector<Unit>& units,
                                           ReadSnapshot* seen) const {
    std::vector<FileLines> files =
        GroupFiles(GroupFileName(group, ".uns"), GroupFileName(group, ".unf"), units);
    files.insert(files.begin(), {GroupListName, groups});
    WriteTogether(folder_, files, seen);
}

void UnitsDatabase::RenameGroup(const std::string& oldName, const std::string& newName,
                                ReadSnapshot* seen) const {
    if (oldName == newName)
        return;
    const std::string oldNames = GroupFileName(oldName, ".uns");
    const std::string oldFactors = GroupFileName(oldName, ".unf");
    const Session session(folder_, Session::Writing);
    const fileio::Folder& folder = session.Folder();
    if (Message refusal = GroupNameRefusal(newName, folder.NameMax()); !refusal.IsEmpty())
        throw EGroupNameError(std::move(refusal));
    if (seen)
        seen->Check(folder);
    const std::string newNames = GroupFileName(newName, ".uns");
    const std::string newFactors = GroupFileName(newName, ".unf");

    // Renames never replace a file (see RenameNoReplace); this earlier look only spares the
    // undoing of a first rename when the second would find its name taken.
    const struct stat names = ExistingFile(folder, oldNames);
    const struct stat factors = ExistingFile(folder, oldFactors);
    if (!IsFreeFor(folder, newNames, names) || !IsFreeFor(folder, newFactors, factors))
        throw EFileError(QUORVEL_MESSAGE("Database", "A group named '%1' has files already"),
                         {newName});

    ChangeSteps steps = {{ChangeStep::Move, newNames, oldNames},
                         {ChangeStep::Move, newFactors, oldFactors}};
    // The list changes with the files, so that no crash or failure leaves it naming files that
    // are not there.
    const fileio::ReplaceTarget list = fileio::OpenReplaceTarget(folder, GroupListName);
    Temporaries temporaries(folder);
    std::optional<std::vector<std::string>> groups;
    if (list.oldBytes) {
        groups = DecodeLines(*list.oldBytes);
        if (std::find(groups->begin(), groups->end(), newName) != groups->end())
            throw EGroupNameError(
                QUORVEL_MESSAGE("Database", "A group named '%1' is in the group list already"),
                {newName});
        if (std::find(groups->begin(), groups->end(), oldName) != groups->end()) {
            std::replace(groups->begin(), groups->end(), oldName, newName);
            steps.push_back(
                {ChangeStep::Replace, GroupListName,
                 temporaries.Write(list, EncodeLines(*groups, list.oldBytes, list.shown))});
        }
    }
    // A step that is not done yet finds no file to move back.
    ChangeAtomically(folder, steps, [&]() -> ChangeSteps {
        return {{ChangeStep::Move, oldNames, newNames}, {ChangeStep::Move, oldFactors, newFactors}};
    });
    temporaries.Placed();
    if (seen)
        seen->Renamed(groups, {{oldNames, newNames}, {oldFactors, newFactors}});
}

Message UnitsDatabase::PendingChangeNotice() const {
    fileio::Folder folder(folder_);
    folder.Lock();
    try {
        CompletePendingChange(folder);
    } catch (const EFileError& error) {
        return error.UserMessage();
    }
    return SetAsideNotice(folder);
}

} // namespace quorvel
