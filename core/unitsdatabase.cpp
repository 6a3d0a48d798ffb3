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
        CompletePendingChange(folder_);
        // Only under the lock is every temporary of ours a leftover: no other copy of the
        // program is in the middle of a write then.
        if (purpose == Writing && locked)
            RemoveLeftoverTemporaries();
    }

    const fileio::Folder& Folder() const { return folder_; }

private:
    void RemoveLeftoverTemporaries() const {
        for (const std::string& name : folder_.Names()) {
            if (fileio::IsTemporaryName(name))
                folder_.Remove(name); // what cannot be removed now is tried again next time
        }
    }

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
        std::string name = target.folder->WriteTemporary(bytes, target.mode, target.shown);
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
        fileio::ThrowFileError("Cannot rename", folder.Shown(name), error);
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
        fileio::ThrowFileError("Cannot rename to", folder.Shown(name), error);
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

// Replaces the files with their new lines in one change: all of them, or none.
void ReplaceTogether(const fileio::Folder& folder, const std::vector<FileLines>& files) {
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

std::string Refused(std::string_view what) {
    return "A group name cannot " + std::string(what);
}

} // namespace

std::string OneLineRefusal(std::string_view text) {
    if (text.find_first_of("\r\n") != std::string_view::npos)
        return "hold a line break";
    if (text.find('\x1A') != std::string_view::npos)
        return "hold the end-of-file character (0x1A)";
    return {};
}

std::string GroupNameRefusal(std::string_view name, size_t nameMax) {
    if (name.empty())
        return Refused("be empty");
    constexpr std::string_view edges = " \t.";
    if (edges.find(name.front()) != std::string_view::npos ||
        edges.find(name.back()) != std::string_view::npos)
        return Refused("begin or end with a blank or a dot");
    if (const std::string why = OneLineRefusal(name); !why.empty())
        return Refused(why);
    if (name.find('\0') != std::string_view::npos)
        return Refused("hold a NUL character");
    constexpr std::string_view notInFileNames = "/\\:*?\"<>|";
    if (const size_t bad = name.find_first_of(notInFileNames); bad != std::string_view::npos)
        return Refused("hold the character " + std::string(1, name[bad]));
    // The group's files need the name and ".uns"; our temporaries have short names of their own.
    const size_t longest = std::max(nameMax, fileio::TemporaryNameMax) - 4;
    if (name.size() > longest)
        return "A group name can be at most " + std::to_string(longest) +
               " bytes long (its files' names would be too long)";
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
        throw EFileError("'" + group + "' cannot name a file");
    return group + extension;
}

GroupSlots UnitsDatabase::ReadGroupSlots() const {
    const std::vector<std::string> lines = ReadGroupList();
    GroupSlots slots;
    for (size_t k = 0; k < slots.size() && k < lines.size(); ++k)
        slots[k] = lines[k];
    return slots;
}

std::vector<Unit> UnitsDatabase::LoadGroup(const std::string& group) const {
    const std::string namesName = GroupFileName(group, ".uns");
    const std::string factorsName = GroupFileName(group, ".unf");
    const Session session(folder_, Session::Reading);
    const std::vector<std::string> names = ReadTextLines(session.Folder(), namesName);
    const std::vector<std::string> factors = ReadTextLines(session.Folder(), factorsName);
    std::vector<Unit> units;
    units.reserve(names.size());
    for (size_t k = 0; k < names.size(); ++k)
        units.push_back({names[k], k < factors.size() ? factors[k] : std::string()});
    return units;
}

std::vector<std::string> UnitsDatabase::ReadGroupList() const {
    const Session session(folder_, Session::Reading);
    return ReadTextLines(session.Folder(), GroupListName);
}

void UnitsDatabase::WriteGroupList(const std::vector<std::string>& groups) const {
    const Session session(folder_, Session::Writing);
    WriteTextLines(session.Folder(), GroupListName, groups);
}

void UnitsDatabase::WriteGroupUnits(const std::string& group,
                                    const std::vector<Unit>& units) const {
    const Session session(folder_, Session::Writing);
    ReplaceTogether(session.Folder(),
                    GroupFiles(GroupFileName(group, ".uns"), GroupFileName(group, ".unf"), units));
}

void UnitsDatabase::WriteGroupListAndUnits(const std::vector<std::string>& groups,
                                           const std::string& group,
                                           const std::vector<Unit>& units) const {
    std::vector<FileLines> files =
        GroupFiles(GroupFileName(group, ".uns"), GroupFileName(group, ".unf"), units);
    files.insert(files.begin(), {GroupListName, groups});
    const Session session(folder_, Session::Writing);
    ReplaceTogether(session.Folder(), files);
}

void UnitsDatabase::RenameGroup(const std::string& oldName, const std::string& newName) const {
    if (oldName == newName)
        return;
    const std::string oldNames = GroupFileName(oldName, ".uns");
    const std::string oldFactors = GroupFileName(oldName, ".unf");
    const Session session(folder_, Session::Writing);
    const fileio::Folder& folder = session.Folder();
    if (const std::string refusal = GroupNameRefusal(newName, folder.NameMax()); !refusal.empty())
        throw EGroupNameError(refusal);
    const std::string newNames = GroupFileName(newName, ".uns");
    const std::string newFactors = GroupFileName(newName, ".unf");

    // Renames never replace a file (see RenameNoReplace); this earlier look only spares the
    // undoing of a first rename when the second would find its name taken.
    const struct stat names = ExistingFile(folder, oldNames);
    const struct stat factors = ExistingFile(folder, oldFactors);
    if (!IsFreeFor(folder, newNames, names) || !IsFreeFor(folder, newFactors, factors))
        throw EFileError("A group named '" + newName + "' has files already");

    ChangeSteps steps = {{ChangeStep::Move, newNames, oldNames},
                         {ChangeStep::Move, newFactors, oldFactors}};
    // The list changes with the files, so that no crash or failure leaves it naming files that
    // are not there.
    const fileio::ReplaceTarget list = fileio::OpenReplaceTarget(folder, GroupListName);
    Temporaries temporaries(folder);
    if (list.oldBytes) {
        std::vector<std::string> groups = DecodeLines(*list.oldBytes);
        if (std::find(groups.begin(), groups.end(), newName) != groups.end())
            throw EGroupNameError("A group named '" + newName + "' is in the group list already");
        if (std::find(groups.begin(), groups.end(), oldName) != groups.end()) {
            std::replace(groups.begin(), groups.end(), oldName, newName);
            steps.push_back(
                {ChangeStep::Replace, GroupListName,
                 temporaries.Write(list, EncodeLines(groups, list.oldBytes, list.shown))});
        }
    }
    // A step that is not done yet finds no file to move back.
    ChangeAtomically(folder, steps, [&]() -> ChangeSteps {
        return {{ChangeStep::Move, oldNames, newNames}, {ChangeStep::Move, oldFactors, newFactors}};
    });
    temporaries.Placed();
}

} // namespace quorvel
