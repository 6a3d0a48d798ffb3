#include "core/unitsdatabase.h"

#include "core/textfile.h"

#include <system_error>

namespace quorvel {

namespace {

void Rename(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::error_code error;
    std::filesystem::rename(from, to, error);
    if (error)
        throw EFileError("Cannot rename '" + from.string() + "' to '" + to.string() +
                         "': " + error.message());
}

// True when the path names an existing file other than the one at `other` (a change of case on
// a case-insensitive disk names the same file).
bool IsAnotherExistingFile(const std::filesystem::path& path, const std::filesystem::path& other) {
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return false;
    return !std::filesystem::equivalent(path, other, error);
}

// Puts a file back as it was before a failed two-file write: its old bytes, or no file. The
// first error is the one reported; this is the best that can be done after it.
void Restore(const std::filesystem::path& path, const std::string* oldBytes) {
    if (!oldBytes) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
        return;
    }
    try {
        WriteFileAtomically(path, *oldBytes);
    } catch (const EFileError&) {
    }
}

} // namespace

UnitsDatabase::UnitsDatabase(std::filesystem::path folder) : folder_(std::move(folder)) {}

std::filesystem::path UnitsDatabase::GroupListFile() const {
    return folder_ / "Groups.ung";
}

std::filesystem::path UnitsDatabase::NamesFile(const std::string& group) const {
    return GroupFile(group, ".uns");
}

std::filesystem::path UnitsDatabase::FactorsFile(const std::string& group) const {
    return GroupFile(group, ".unf");
}

std::filesystem::path UnitsDatabase::GroupFile(const std::string& group,
                                               const char* extension) const {
    // The name is the stem of a file in the folder: a separator or a NUL would address a file
    // elsewhere, or none at all.
    if (group.find_first_of(std::string("/\0", 2)) != std::string::npos)
        throw EFileError("'" + group + "' cannot name a file");
    return folder_ / (group + extension);
}

GroupSlots UnitsDatabase::ReadGroupSlots() const {
    const std::vector<std::string> lines = ReadTextLines(GroupListFile());
    GroupSlots slots;
    for (size_t k = 0; k < slots.size() && k < lines.size(); ++k)
        slots[k] = lines[k];
    return slots;
}

std::vector<Unit> UnitsDatabase::LoadGroup(const std::string& group) const {
    const std::vector<std::string> names = ReadTextLines(NamesFile(group));
    const std::vector<std::string> factors = ReadTextLines(FactorsFile(group));
    std::vector<Unit> units;
    units.reserve(names.size());
    for (size_t k = 0; k < names.size(); ++k)
        units.push_back({names[k], k < factors.size() ? factors[k] : std::string()});
    return units;
}

std::vector<std::string> UnitsDatabase::ReadGroupList() const {
    return ReadTextLines(GroupListFile());
}

void UnitsDatabase::WriteGroupList(const std::vector<std::string>& groups) const {
    WriteTextLines(GroupListFile(), groups);
}

void UnitsDatabase::WriteGroupUnits(const std::string& group,
                                    const std::vector<Unit>& units) const {
    std::vector<std::string> names;
    std::vector<std::string> factors;
    for (const Unit& unit : units) {
        names.push_back(unit.name);
        factors.push_back(unit.factor);
    }
    const std::filesystem::path namesFile = NamesFile(group);
    const std::filesystem::path factorsFile = FactorsFile(group);

    std::string oldNames;
    bool hadNames = true;
    try {
        oldNames = ReadFileBytes(namesFile);
    } catch (const EFileError&) {
        hadNames = false;
    }
    WriteTextLines(namesFile, names);
    try {
        WriteTextLines(factorsFile, factors);
    } catch (const EFileError&) {
        Restore(namesFile, hadNames ? &oldNames : nullptr);
        throw;
    }
}

void UnitsDatabase::RenameGroup(const std::string& oldName, const std::string& newName) const {
    if (oldName == newName)
        return;
    const std::filesystem::path oldNames = NamesFile(oldName);
    const std::filesystem::path oldFactors = FactorsFile(oldName);
    const std::filesystem::path newNames = NamesFile(newName);
    const std::filesystem::path newFactors = FactorsFile(newName);
    if (IsAnotherExistingFile(newNames, oldNames) || IsAnotherExistingFile(newFactors, oldFactors))
        throw EFileError("A group named '" + newName + "' has files already");

    Rename(oldNames, newNames);
    try {
        Rename(oldFactors, newFactors);
    } catch (const EFileError&) {
        try {
            Rename(newNames, oldNames);
        } catch (const EFileError&) {
            // Nothing more can be done; the first error is the one reported.
        }
        throw;
    }
}

} // namespace quorvel
