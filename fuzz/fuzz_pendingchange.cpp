// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The record of a pending change: the decoder takes any bytes, and what it accepts encodes back
// to the same bytes and names only database files and temporaries of ours in the folder. Any
// record left in a folder is completed, set aside or kept (with an error): it never stays
// half-handled, and nothing outside the folder is made, moved or removed.

#include "core/pendingchange.h"
#include "fuzzcheck.h"
#include "fuzzfolder.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace quorvel;

namespace {

const char* const FileNames[] = {"Groups.ung", "A.uns",           "A.unf", "B.uns",
                                 ".q1-1.tmp",  ".A.uns.q1-2.tmp", "x"};

bool IsPlain(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string("/\0", 2)) == std::string::npos;
}

void ChecksDecoded(const std::string& bytes) {
    ChangeSteps steps;
    try {
        steps = DecodeChange(bytes, "Files");
    } catch (const EFileError&) {
        return;
    }
    FUZZ_CHECK(!steps.empty() && EncodeChange(steps) == bytes);
    for (const ChangeStep& step : steps) {
        FUZZ_CHECK(IsPlain(step.target));
        FUZZ_CHECK(step.kind == ChangeStep::Remove ? step.source.empty() : IsPlain(step.source));
        FUZZ_CHECK(step.kind != ChangeStep::Replace || fileio::IsTemporaryName(step.source));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::ScratchFolder scratch;
    FuzzedDataProvider input(data, size);
    const std::string record = input.ConsumeRandomLengthString(size);
    ChecksDecoded(record);

    const std::filesystem::path files = scratch.Path() / "Files";
    std::filesystem::remove_all(files);
    std::filesystem::create_directory(files);
    fuzz::WriteFile(files / PendingChangeName, record);
    while (input.remaining_bytes() > 0)
        fuzz::WriteFile(files / input.PickValueInArray(FileNames),
                        input.ConsumeRandomLengthString(16));

    const fileio::Folder folder(files);
    const bool completed = [&] {
        try {
            CompletePendingChange(folder);
            return true;
        } catch (const EFileError&) {
            return false;
        }
    }();
    FUZZ_CHECK(std::filesystem::exists(files / PendingChangeName) == !completed);
    for (const auto& entry : std::filesystem::directory_iterator(scratch.Path()))
        FUZZ_CHECK(entry.path() == files);
    return 0;
}
