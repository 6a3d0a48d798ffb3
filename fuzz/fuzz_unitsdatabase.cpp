// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The units database on a folder built from the input: group files, links to shared files,
// pipes, folders in a file's place, leftover temporaries and recorded changes (well formed or
// not), then a run of operations. Only EFileError may come out; what a write reports as done
// reads back; nothing outside the scratch folder is touched.

#include "core/pendingchange.h"
#include "core/textfile.h"
#include "core/unitsdatabase.h"
#include "fuzzcheck.h"
#include "fuzzfolder.h"

#include <algorithm>
#include <fuzzer/FuzzedDataProvider.h>
#include <sys/stat.h>

using namespace quorvel;

namespace {

const char* const FileNames[] = {"Groups.ung", "A.uns",     "A.unf",         "B.uns",
                                 "B.unf",      "C D.uns",   "C D.unf",       PendingChangeName,
                                 ".q1-1.tmp",  ".q1-2.tmp", ".A.uns.tmp1-1", "x"};
const char* const GroupNames[] = {"A", "B", "C D", "", "..", "a/b", "A ", "Temperature"};

// Text as the windows hand it over: UTF-8 (other bytes are taken as Windows-1252).
std::string Text(FuzzedDataProvider& input, size_t maxLength) {
    std::string text = input.ConsumeRandomLengthString(maxLength);
    return IsValidUtf8(text) ? text : Windows1252ToUtf8(text);
}

std::string GroupName(FuzzedDataProvider& input) {
    if (input.ConsumeBool())
        return input.PickValueInArray(GroupNames);
    return Text(input, 12);
}

std::vector<std::string> Lines(FuzzedDataProvider& input) {
    std::vector<std::string> lines(input.ConsumeIntegralInRange(0, 5));
    for (std::string& line : lines)
        line = Text(input, 16);
    return lines;
}

ChangeSteps Steps(FuzzedDataProvider& input) {
    ChangeSteps steps(input.ConsumeIntegralInRange(1, 3));
    for (ChangeStep& step : steps) {
        step.kind =
            input.PickValueInArray({ChangeStep::Replace, ChangeStep::Move, ChangeStep::Remove});
        step.target = input.PickValueInArray(FileNames);
        step.source = step.kind == ChangeStep::Remove ? "" : input.PickValueInArray(FileNames);
    }
    return steps;
}

// One entry of the folder, of any kind; links point into the shared folder beside it.
void MakeEntry(FuzzedDataProvider& input, const std::filesystem::path& files) {
    const std::string name = input.PickValueInArray(FileNames);
    const std::filesystem::path path = files / name;
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
    switch (input.ConsumeIntegralInRange(0, 4)) {
    case 0: fuzz::WriteFile(path, input.ConsumeRandomLengthString(256)); break;
    case 1: fuzz::WriteFile(path, EncodeChange(Steps(input))); break;
    case 2: std::filesystem::create_directory(path, ignored); break;
    case 3: ::mkfifo(path.c_str(), 0600); break;
    case 4:
        fuzz::WriteFile(files.parent_path() / "Shared" / name, input.ConsumeRandomLengthString(64));
        std::filesystem::create_symlink("../Shared/" + name, path, ignored);
        break;
    }
}

void Operate(FuzzedDataProvider& input, const UnitsDatabase& db) {
    switch (input.ConsumeIntegralInRange(0, 6)) {
    case 0: db.ReadGroupList(); break;
    case 1: db.LoadGroup(GroupName(input)); break;
    case 2: {
        const std::vector<std::string> groups = Lines(input);
        db.WriteGroupList(groups);
        FUZZ_CHECK(db.ReadGroupList() == groups);
        break;
    }
    case 3: {
        const std::string group = GroupName(input);
        std::vector<Unit> units;
        for (const std::string& line : Lines(input))
            units.push_back({line, Text(input, 8)});
        db.WriteGroupUnits(group, units);
        FUZZ_CHECK(db.LoadGroup(group) == units);
        break;
    }
    case 4: {
        const std::string from = GroupName(input);
        const std::string to = GroupName(input);
        std::vector<Unit> before;
        try {
            before = db.LoadGroup(from);
        } catch (const EFileError&) {
            return; // a group that cannot be read is renamed all the same; nothing to compare
        }
        db.RenameGroup(from, to);
        FUZZ_CHECK(db.LoadGroup(to) == before);
        if (from != to) {
            std::vector<std::string> groups;
            try {
                groups = db.ReadGroupList();
            } catch (const EFileError&) {
            }
            FUZZ_CHECK(std::find(groups.begin(), groups.end(), from) == groups.end());
        }
        break;
    }
    case 5: db.ReadGroupList(); break;
    case 6: {
        const std::vector<std::string> groups = Lines(input);
        const std::string group = GroupName(input);
        const std::vector<Unit> units = {{Text(input, 8), Text(input, 8)}};
        db.WriteGroupListAndUnits(groups, group, units);
        FUZZ_CHECK(db.ReadGroupList() == groups && db.LoadGroup(group) == units);
        break;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::ScratchFolder scratch;
    const std::filesystem::path files = scratch.Path() / "Files";
    const std::filesystem::path shared = scratch.Path() / "Shared";
    for (const auto& folder : {files, shared}) {
        std::filesystem::remove_all(folder);
        std::filesystem::create_directory(folder);
    }
    FuzzedDataProvider input(data, size);
    for (int entries = input.ConsumeIntegralInRange(0, 8); entries > 0; --entries)
        MakeEntry(input, files);

    const UnitsDatabase db(files);
    while (input.remaining_bytes() > 0) {
        try {
            Operate(input, db);
        } catch (const EFileError&) {
        }
    }
    // Nothing was made or moved outside the two folders.
    for (const auto& entry : std::filesystem::directory_iterator(scratch.Path()))
        FUZZ_CHECK(entry.path() == files || entry.path() == shared);
    return 0;
}
