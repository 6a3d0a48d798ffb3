#include "core/textfile.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

[[noreturn]] void ThrowFileError(const std::string& what, const std::filesystem::path& path) {
    throw EFileError(what + " '" + path.string() + "': " + std::strerror(errno));
}

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

// Decodes one UTF-8 sequence at text[i]; returns its length, or 0 when it is not valid UTF-8
// (overlong forms, surrogates and code points past U+10FFFF included).
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

std::string EncodeLines(const std::vector<std::string>& lines, const std::filesystem::path& path) {
    std::string bytes;
    for (const std::string& line : lines) {
        // A CR or an end-of-file byte inside an item would split or cut the file on reading.
        if (line.find_first_of("\r\x1A") != std::string::npos)
            throw EFileError("A line for '" + path.string() + "' holds a line end");
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

bool FileIsWindows1252(const std::filesystem::path& path) {
    try {
        return !IsValidUtf8(TextBeforeEndOfFile(ReadFileBytes(path)));
    } catch (const EFileError&) {
        return false; // no old file (or an unreadable one): new files are UTF-8
    }
}

void WriteAll(int fd, std::string_view bytes, const std::filesystem::path& path) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            ThrowFileError("Cannot write", path);
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
}

// Creates a new, empty file beside the target whose name no other file has.
int CreateTemporaryBeside(const std::filesystem::path& target, std::filesystem::path& created) {
    static std::atomic<unsigned> counter{0};
    for (;;) {
        created = target;
        created.replace_filename("." + target.filename().string() + ".tmp" +
                                 std::to_string(::getpid()) + "-" + std::to_string(++counter));
        const int fd = ::open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
}

void SyncDirectoryOf(const std::filesystem::path& path) {
    std::filesystem::path folder = path.parent_path();
    if (folder.empty())
        folder = ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd); // best effort: the rename is done; this only hastens its way to the disk
        ::close(fd);
    }
}

} // namespace

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

bool IsValidUtf8(std::string_view bytes) {
    char32_t c;
    for (size_t i = 0; i < bytes.size();) {
        const size_t length = DecodeUtf8(bytes, i, c);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
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
    char32_t c;
    for (size_t i = 0; i < text.size();) {
        const size_t length = DecodeUtf8(text, i, c);
        if (length == 0)
            return false;
        i += length;
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            bytes.push_back(static_cast<char>(c));
            continue;
        }
        size_t k = 0;
        while (k < HighControlBlock.size() && HighControlBlock[k] != c)
            ++k;
        if (k == HighControlBlock.size())
            return false;
        bytes.push_back(static_cast<char>(0x80 + k));
    }
    return true;
}

std::string ReadFileBytes(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        ThrowFileError("Cannot open", path);
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            const int readError = errno;
            ::close(fd);
            errno = readError;
            ThrowFileError("Cannot read", path);
        }
        bytes.append(buffer, static_cast<size_t>(got));
    }
    ::close(fd);
    return bytes;
}

std::vector<std::string> ReadTextLines(const std::filesystem::path& path) {
    const std::string bytes = ReadFileBytes(path);
    if (IsValidUtf8(TextBeforeEndOfFile(bytes)))
        return SplitLines(bytes);
    // Decoding line by line keeps the bytes that end lines and files out of the conversion.
    std::vector<std::string> lines = SplitLines(bytes);
    for (std::string& line : lines)
        line = Windows1252ToUtf8(line);
    return lines;
}

void WriteTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines) {
    std::string bytes = EncodeLines(lines, path);
    std::string legacyBytes;
    if (FileIsWindows1252(path) && Utf8ToWindows1252(bytes, legacyBytes))
        bytes = std::move(legacyBytes);
    WriteFileAtomically(path, bytes);
}

void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    std::filesystem::path temporary;
    int fd = CreateTemporaryBeside(path, temporary);
    if (fd < 0)
        ThrowFileError("Cannot create", temporary);
    try {
        struct stat old;
        if (::stat(path.c_str(), &old) == 0)
            ::fchmod(fd, old.st_mode & 07777); // the new file keeps the old one's permissions
        WriteAll(fd, bytes, temporary);
        if (::fsync(fd) != 0)
            ThrowFileError("Cannot flush", temporary);
        const int closed = ::close(fd);
        fd = -1;
        if (closed != 0)
            ThrowFileError("Cannot close", temporary);
        if (::rename(temporary.c_str(), path.c_str()) != 0)
            ThrowFileError("Cannot replace", path);
    } catch (const EFileError&) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(temporary.c_str());
        throw;
    }
    SyncDirectoryOf(path);
}

} // namespace quorvel
