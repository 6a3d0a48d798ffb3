// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Line files: any bytes read, written back and read again give the same lines; a file in the
// form the writer produces comes back byte for byte; other lines written over any file read
// back as written; Windows-1252 survives any byte.

#include "core/textfile.h"
#include "fuzzcheck.h"
#include "fuzzfolder.h"

#include <cstdint>
#include <fstream>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <string_view>

using namespace quorvel;

namespace {

// The form the writer produces: no end-of-file byte, every CR followed by LF, a CR LF at the
// end of a file that is not empty.
bool IsWrittenForm(std::string_view bytes) {
    if (bytes.find('\x1A') != std::string_view::npos)
        return false;
    for (size_t i = bytes.find('\r'); i != std::string_view::npos; i = bytes.find('\r', i + 1)) {
        if (i + 1 >= bytes.size() || bytes[i + 1] != '\n')
            return false;
    }
    return bytes.empty() || bytes.ends_with("\r\n");
}

std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::ScratchFolder scratch;
    FuzzedDataProvider input(data, size);
    const std::string bytes = input.ConsumeRandomLengthString(size);

    std::string windows1252;
    FUZZ_CHECK(Utf8ToWindows1252(Windows1252ToUtf8(bytes), windows1252) && windows1252 == bytes);

    const std::vector<std::string> lines = DecodeLines(bytes);
    for (const std::string& line : lines)
        FUZZ_CHECK(IsValidUtf8(line));

    const std::filesystem::path file = scratch.Path() / "f";
    fuzz::WriteFile(file, bytes);
    FUZZ_CHECK(ReadTextLines(file) == lines);
    WriteTextLines(file, lines);
    if (IsWrittenForm(bytes))
        FUZZ_CHECK(FileBytes(file) == bytes);
    FUZZ_CHECK(ReadTextLines(file) == lines);

    // Lines of the rest, written over the old file, read back as they were written.
    fuzz::WriteFile(file, bytes);
    const std::vector<std::string> others = DecodeLines(input.ConsumeRemainingBytesAsString());
    WriteTextLines(file, others);
    FUZZ_CHECK(ReadTextLines(file) == others);
    return 0;
}
