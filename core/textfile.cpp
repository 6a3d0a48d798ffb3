// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/textfile.h"

#include <algorithm>
#include <array>

namespace quorvel {

namespace {

constexpr char CR = '\r';
constexpr char LF = '\n';
constexpr char EndOfFile = '\x1A';

// Code points of the Windows-1252 bytes 0x80 to 0x9F. The five bytes the code page leaves
// undefined map to the C1 control of the same number, so that every byte survives a round trip.
constexpr std::array<char32_t, 32> HighControlBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// A byte 0x1A ends the file's text wherever it stands.
std::string_view TextBeforeEndOfFile(std::string_view bytes) {
    return bytes.substr(0, bytes.find(EndOfFile));
}

bool IsWindows1252Text(std::string_view bytes) {
    return !IsValidUtf8(TextBeforeEndOfFile(bytes));
}

} // namespace

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

size_t DecodeUtf8(std::string_view text, size_t i, char32_t& c) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    size_t length;
    char32_t minimum;
    if (lead < 0x80) {
        c = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, minimum = 0x80, c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, minimum = 0x800, c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, minimum = 0x10000, c = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > text.size())
        return 0;
    for (size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    return length;
}

std::vector<std::string> SplitLines(std::string_view bytes) {
    bytes = TextBeforeEndOfFile(bytes);
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t lineEnd = bytes.find(CR, start);
        if (lineEnd == std::string_view::npos) {
            lines.emplace_back(bytes.substr(start));
            break;
        }
        lines.emplace_back(bytes.substr(start, lineEnd - start));
        start = lineEnd + 1;
        if (start < bytes.size() && bytes[start] == LF)
            ++start;
    }
    return lines;
}

namespace {

// Calls `visit` with each character of a UTF-8 text in turn, while it returns true. False when
// the text is no valid UTF-8 or `visit` stopped the walk.
template <typename Visit> bool ForEachCharacter(std::string_view text, Visit visit) {
    char32_t c;
    for (size_t i = 0; i < text.size();) {
        const size_t length = DecodeUtf8(text, i, c);
        if (length == 0 || !visit(c))
            return false;
        i += length;
    }
    return true;
}

} // namespace

bool IsValidUtf8(std::string_view bytes) {
    return ForEachCharacter(bytes, [](char32_t) { return true; });
}

std::optional<std::u32string> CodePoints(std::string_view text) {
    std::u32string characters;
    if (!ForEachCharacter(text, [&](char32_t c) {
            characters.push_back(c);
            return true;
        }))
        return std::nullopt;
    return characters;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (const char b : bytes) {
        const auto byte = static_cast<unsigned char>(b);
        if (byte >= 0x80 && byte < 0xA0)
            AppendUtf8(text, HighControlBlock[byte - 0x80]);
        else
            AppendUtf8(text, byte);
    }
    return text;
}

bool Utf8ToWindows1252(std::string_view text, std::string& bytes) {
    bytes.clear();
    bytes.reserve(text.size());
    return ForEachCharacter(text, [&](char32_t c) {
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            bytes.push_back(static_cast<char>(c));
            return true;
        }
        const auto found = std::find(HighControlBlock.begin(), HighControlBlock.end(), c);
        if (found == HighControlBlock.end())
            return false;
        bytes.push_back(static_cast<char>(0x80 + (found - HighControlBlock.begin())));
        return true;
    });
}

std::vector<std::string> DecodeLines(std::string_view bytes) {
    std::vector<std::string> lines = SplitLines(bytes);
    if (IsWindows1252Text(bytes)) {
        // Decoding line by line keeps the bytes that end lines and files out of the conversion.
        for (std::string& line : lines)
            line = Windows1252ToUtf8(line);
    }
    return lines;
}

std::string EncodeLines(const std::vector<std::string>& lines,
                        const std::optional<std::string>& oldBytes, const std::string& shown) {
    std::string bytes;
    for (const std::string& line : lines) {
        if (line.find_first_of("\r\x1A") != std::string::npos)
            //: %1 is a file of the units database.
            throw EFileError(QUORVEL_MESSAGE("Files", "A line for '%1' holds a line end"), {shown});
        bytes += line;
        bytes += "\r\n";
    }
    std::string legacyBytes;
    if (oldBytes && IsWindows1252Text(*oldBytes) && Utf8ToWindows1252(bytes, legacyBytes) &&
        !IsValidUtf8(legacyBytes))
        return legacyBytes;
    return bytes;
}

std::vector<std::string> ReadTextLines(const fileio::Folder& folder, const std::string& name) {
    return DecodeLines(folder.Read(name));
}

std::vector<std::string> ReadTextLines(const std::filesystem::path& path) {
    const fileio::Folder folder(path.parent_path());
    return ReadTextLines(folder, path.filename().string());
}

namespace {

void ReplaceFile(const fileio::ReplaceTarget& target, std::string_view bytes) {
    target.Replace(bytes);
    try {
        target.folder->Sync();
    } catch (const EFileError&) {
        // The new file is in place and reported as written; the flush only hastens the rename
        // on its way to the disk.
    }
}

} // namespace

void WriteTextLines(const fileio::Folder& folder, const std::string& name,
                    const std::vector<std::string>& lines) {
    const fileio::ReplaceTarget target = fileio::OpenReplaceTarget(folder, name);
    ReplaceFile(target, EncodeLines(lines, target.oldBytes, target.shown));
}

void WriteTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines) {
    WriteTextLines(fileio::Folder(path.parent_path()), path.filename().string(), lines);
}

void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    const fileio::Folder folder(path.parent_path());
    fileio::ReplaceTarget target = fileio::FindReplaceTarget(folder, path.filename().string());
    // Any folder of the user's: its temporaries are told apart by the file they were for.
    target.unguarded = true;
    target.RemoveLeftovers();
    ReplaceFile(target, bytes);
}

} // namespace quorvel
