// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Line files: the one reader and the one writer of the units database files.
//
// A line ends at CR; one LF right after the CR belongs to the line end; a lone LF is part of the
// text; byte 0x1A ends the file; lines have no length limit. Every written line ends in CR LF.
// Text is UTF-8 inside the program. On disk a file is UTF-8 when all of it is valid UTF-8 and
// Windows-1252 otherwise; a file is written back in the encoding it had, so a file loaded and
// written back unchanged stays the same byte for byte.

#include "core/fileio.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// Splits raw file bytes into lines by the rules above (no decoding).
std::vector<std::string> SplitLines(std::string_view bytes);

bool IsValidUtf8(std::string_view bytes);
// Decodes one UTF-8 sequence at text[i]; returns its length, or 0 when it is not valid UTF-8
// (overlong forms, surrogates and code points past U+10FFFF included).
size_t DecodeUtf8(std::string_view text, size_t i, char32_t& c);
void AppendUtf8(std::string& out, char32_t c);
// The characters of UTF-8 text; nullopt for bytes that are not valid UTF-8.
std::optional<std::u32string> CodePoints(std::string_view text);
std::string Windows1252ToUtf8(std::string_view bytes);
// False when some character has no Windows-1252 byte.
bool Utf8ToWindows1252(std::string_view text, std::string& bytes);

// The lines of a file's bytes as UTF-8 text.
std::vector<std::string> DecodeLines(std::string_view bytes);

// The bytes of a file of these lines, each followed by CR LF. Windows-1252 when the old file
// was (its bytes were not UTF-8), every line fits that code page, and the result cannot be
// mistaken for UTF-8 on the next reading; UTF-8 otherwise. Throws EFileError, naming `shown`,
// when a line holds a CR or a 0x1A, which would split or cut the file on reading.
std::string EncodeLines(const std::vector<std::string>& lines,
                        const std::optional<std::string>& oldBytes, const std::string& shown);

// Reads a file's lines as UTF-8 text. Throws EFileError when it cannot be read.
std::vector<std::string> ReadTextLines(const std::filesystem::path& path);
std::vector<std::string> ReadTextLines(const fileio::Folder& folder, const std::string& name);

// Replaces the file with these lines (encoded as EncodeLines says). The lines go to a temporary
// file beside the target, which is flushed to disk and then renamed over the target: a failure
// at any point leaves the old file as it was. A link is written through. Throws EFileError.
void WriteTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines);
void WriteTextLines(const fileio::Folder& folder, const std::string& name,
                    const std::vector<std::string>& lines);

// Replaces the file with these bytes, as WriteTextLines does, in any folder: a temporary that a
// killed earlier write of the same file left is removed. Throws EFileError.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

} // namespace quorvel
