#pragma once

// Line files: the one reader and the one writer of the units database files.
//
// A line ends at CR; one LF right after the CR belongs to the line end; a lone LF is part of the
// text; byte 0x1A ends the file; lines have no length limit. Every written line ends in CR LF.
// Text is UTF-8 inside the program. On disk a file is UTF-8 when all of it is valid UTF-8 and
// Windows-1252 otherwise; a file is written back in the encoding it had, so a file loaded and
// written back unchanged stays the same byte for byte.

#include "calc/errors.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// A database file that cannot be opened, read, written or renamed.
class EFileError : public Error {
public:
    using Error::Error;
};

// Splits raw file bytes into lines by the rules above (no decoding).
std::vector<std::string> SplitLines(std::string_view bytes);

bool IsValidUtf8(std::string_view bytes);
std::string Windows1252ToUtf8(std::string_view bytes);
// False when some character has no Windows-1252 byte.
bool Utf8ToWindows1252(std::string_view text, std::string& bytes);

// Reads a file's lines as UTF-8 text. Throws EFileError when it cannot be read.
std::vector<std::string> ReadTextLines(const std::filesystem::path& path);

// Replaces the file with these lines, each followed by CR LF. The lines go to a temporary file
// beside the target, which is flushed to disk and then renamed over the target: a failure at any
// point leaves the old file as it was. Keeps the target's Windows-1252 encoding when it had one
// and every line fits it; writes UTF-8 otherwise. Throws EFileError.
void WriteTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines);

// The raw bytes of a file. Throws EFileError.
std::string ReadFileBytes(const std::filesystem::path& path);

// Replaces a file's bytes through a flushed temporary file and a rename. Throws EFileError.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

} // namespace quorvel
