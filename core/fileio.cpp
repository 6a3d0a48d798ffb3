// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/fileio.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <type_traits>
#include <unistd.h>

namespace quorvel::fileio {

namespace {

FaultHook faultHook;

// Asks the test seam about the next call: 0 to run it, otherwise the errno to fail it with (or
// ShortWrite). The program sets no hook: then this is one test of an empty function per call.
int InjectedFault(Call call, std::string_view name) {
    return faultHook ? faultHook(call, name) : 0;
}

// Runs a system call through the seam; an injected fault fails it like the system would.
template <typename SystemCall>
auto Checked(Call call, std::string_view name, SystemCall systemCall) {
    using Result = decltype(systemCall());
    if (const int fault = InjectedFault(call, name); fault > 0) {
        errno = fault;
        if constexpr (std::is_pointer_v<Result>)
            return Result(nullptr);
        else
            return Result(-1);
    }
    return systemCall();
}

// Closes a descriptor when it goes out of scope without an explicit, checked close.
class Descriptor {
public:
    Descriptor(int fd, std::string_view name) : fd_(fd), name_(name) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }
    // 0, or the errno of a failed close.
    int Close() {
        const int fd = fd_;
        fd_ = -1;
        return Checked(Call::Close, name_, [&] { return ::close(fd); }) == 0 ? 0 : errno;
    }

private:
    int fd_;
    std::string name_;
};

void WriteAll(int fd, std::string_view name, std::string_view bytes, const std::string& shown) {
    while (!bytes.empty()) {
        const int fault = InjectedFault(Call::Write, name);
        size_t chunk = bytes.size();
        if (fault == ShortWrite)
            chunk = (chunk + 1) / 2;
        else if (fault > 0)
            ThrowFileError(CannotWrite, shown, fault);
        const ssize_t written = ::write(fd, bytes.data(), chunk);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            ThrowFileError(CannotWrite, shown, errno);
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
}

std::string ReadAll(int fd, std::string_view name, const std::string& shown) {
    std::string bytes;
    char buffer[65536];
    for (;;) {
        // Also a file that grows while it is read stays within the limit.
        if (bytes.size() > static_cast<size_t>(MaxFileBytes))
            ThrowFileError(CannotRead, shown, EFBIG);
        const ssize_t got =
            Checked(Call::Read, name, [&] { return ::read(fd, buffer, sizeof buffer); });
        if (got == 0)
            return bytes;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            ThrowFileError(CannotRead, shown, errno);
        }
        bytes.append(buffer, static_cast<size_t>(got));
    }
}

bool AllDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// "<digits>-<digits>"
bool IsProcessAndCounter(std::string_view text) {
    const size_t dash = text.find('-');
    return dash != std::string_view::npos && AllDigits(text.substr(0, dash)) &&
           AllDigits(text.substr(dash + 1));
}

constexpr std::string_view TemporaryPrefix = ".q";
constexpr std::string_view TemporarySuffix = ".tmp";

// "<prefix><pid>-<n>.tmp"
bool IsTemporaryWithPrefix(std::string_view name, std::string_view prefix) {
    return name.size() > prefix.size() + TemporarySuffix.size() && name.starts_with(prefix) &&
           name.ends_with(TemporarySuffix) &&
           IsProcessAndCounter(
               name.substr(prefix.size(), name.size() - prefix.size() - TemporarySuffix.size()));
}

// The beginning of the names of the temporaries named for a file: "." + file + ".q".
std::string PrefixFor(std::string_view file) {
    std::string prefix(".");
    prefix.append(file).append(TemporaryPrefix);
    return prefix;
}

//: %1 is a path that names a folder, a device or another special file instead of a file.
constexpr MessageTemplate NotARegularFile = QUORVEL_MESSAGE("Files", "'%1' is not a regular file");

// The reasons a user of the units database meets, in the words of the C library, which the
// English message keeps.
const std::pair<int, MessageTemplate> SystemReasons[] = {
    {ENOENT, QUORVEL_MESSAGE("SystemError", "No such file or directory")},
    {EACCES, QUORVEL_MESSAGE("SystemError", "Permission denied")},
    {EPERM, QUORVEL_MESSAGE("SystemError", "Operation not permitted")},
    {EEXIST, QUORVEL_MESSAGE("SystemError", "File exists")},
    {ENOTDIR, QUORVEL_MESSAGE("SystemError", "Not a directory")},
    {EISDIR, QUORVEL_MESSAGE("SystemError", "Is a directory")},
    {ENOSPC, QUORVEL_MESSAGE("SystemError", "No space left on device")},
    {EDQUOT, QUORVEL_MESSAGE("SystemError", "Disk quota exceeded")},
    {EROFS, QUORVEL_MESSAGE("SystemError", "Read-only file system")},
    {EFBIG, QUORVEL_MESSAGE("SystemError", "File too large")},
    {ENAMETOOLONG, QUORVEL_MESSAGE("SystemError", "File name too long")},
    {EIO, QUORVEL_MESSAGE("SystemError", "Input/output error")},
    //: A symbolic link that leads to itself, or through too many others.
    {ELOOP, QUORVEL_MESSAGE("SystemError", "Too many levels of symbolic links")},
    {EBUSY, QUORVEL_MESSAGE("SystemError", "Device or resource busy")},
    //: A file cannot be moved to another disk by a rename.
    {EXDEV, QUORVEL_MESSAGE("SystemError", "Invalid cross-device link")},
};

} // namespace

Message SystemErrorMessage(int error) {
    for (const auto& [number, reason] : SystemReasons) {
        if (number == error)
            return reason;
    }
    return std::string(std::strerror(error));
}

void ThrowFileError(MessageTemplate what, const std::string& shown, int error) {
    throw EFileError(what, {shown, SystemErrorMessage(error)});
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

const char* CallName(Call call) {
    static constexpr const char* names[CallKindCount] = {
        "open", "read", "write",  "fsync", "close", "rename", "rename without replacing",
        "link", "stat", "unlink", "lock",  "list"};
    return names[static_cast<int>(call)];
}

void SetFaultHook(FaultHook hook) {
    faultHook = std::move(hook);
}

bool IsTemporaryName(std::string_view name) {
    if (IsTemporaryWithPrefix(name, TemporaryPrefix))
        return true;
    // Named for a file: "." + file + ".q" + pid + "-" + n + ".tmp", the file's name not empty.
    if (const size_t q = name.rfind(TemporaryPrefix);
        q != std::string_view::npos && q > 1 && name.front() == '.' &&
        IsTemporaryWithPrefix(name.substr(q), TemporaryPrefix))
        return true;
    const size_t tmp = name.rfind(".tmp");
    if (!name.starts_with('.') || tmp == std::string_view::npos ||
        !IsProcessAndCounter(name.substr(tmp + 4)))
        return false;
    const std::string_view target = name.substr(0, tmp);
    return target.ends_with(".uns") || target.ends_with(".unf") || target.ends_with(".ung");
}

Folder::Folder(std::filesystem::path path) : path_(std::move(path)) {
    const std::filesystem::path opened = path_.empty() ? "." : path_;
    fd_ = Checked(Call::Open, path_.string(),
                  [&] { return ::open(opened.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); });
    if (fd_ < 0)
        ThrowFileError(CannotOpenFolder, path_.string(), errno);
}

Folder::~Folder() {
    ::close(fd_); // closing also releases the lock
}

std::string Folder::Shown(const std::string& name) const {
    return (path_ / name).string();
}

bool Folder::Lock() {
    // Never waits without end: the other copy may be stopped, or its disk hung.
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + LockPatience;
    std::chrono::milliseconds pause{2};
    for (;;) {
        if (Checked(Call::Lock, path_.string(), [&] { return ::flock(fd_, LOCK_EX | LOCK_NB); }) ==
            0)
            return true;
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK)
            return false; // a file system without locks
        const Clock::time_point now = Clock::now();
        if (now >= deadline)
            throw EDatabaseBusy();
        std::this_thread::sleep_for(std::min<Clock::duration>(pause, deadline - now));
        pause = std::min(pause * 2, std::chrono::milliseconds(50));
    }
}

size_t Folder::NameMax() const {
    const long max = ::fpathconf(fd_, _PC_NAME_MAX);
    return max > 0 ? static_cast<size_t>(max) : NAME_MAX;
}

std::vector<std::string> Folder::Names() const {
    std::vector<std::string> names;
    const int listed = Checked(Call::List, path_.string(), [&] { return ::dup(fd_); });
    if (listed < 0)
        return names;
    DIR* dir = ::fdopendir(listed);
    if (!dir) {
        ::close(listed);
        return names;
    }
    ::rewinddir(dir); // the duplicate shares its reading position with earlier listings
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..")
            names.emplace_back(name);
    }
    ::closedir(dir);
    return names;
}

int Folder::Status(const std::string& name, struct stat& info) const {
    const int result = Checked(
        Call::Stat, name, [&] { return ::fstatat(fd_, name.c_str(), &info, AT_SYMLINK_NOFOLLOW); });
    return result == 0 ? 0 : errno;
}

void Folder::Sync() const {
    if (Checked(Call::Sync, path_.string(), [&] { return ::fsync(fd_); }) != 0)
        ThrowFileError(CannotFlushFolder, path_.string(), errno);
}

int Folder::Remove(const std::string& name) const {
    const int result =
        Checked(Call::Unlink, name, [&] { return ::unlinkat(fd_, name.c_str(), 0); });
    return result == 0 ? 0 : errno;
}

void Folder::Rename(const std::string& from, const std::string& to,
                    const std::string& shownAs) const {
    if (Checked(Call::Rename, to, [&] { return ::renameat(fd_, from.c_str(), fd_, to.c_str()); }) !=
        0)
        ThrowFileError(CannotReplace, shownAs, errno);
}

void Folder::RenameNoReplace(const std::string& from, const std::string& to) const {
    const auto fail = [&](int error) {
        //: %1 is the file, %2 its new name, %3 the operating system's reason.
        throw EFileError(QUORVEL_MESSAGE("Files", "Cannot rename '%1' to '%2': %3"),
                         {Shown(from), Shown(to), SystemErrorMessage(error)});
    };
    const int renamed = Checked(Call::RenameNoReplace, to, [&] {
        return ::renameat2(fd_, from.c_str(), fd_, to.c_str(), RENAME_NOREPLACE);
    });
    if (renamed == 0)
        return;
    int error = errno;
    if (error == EINVAL) {
        // A file system without the no-replace flag (NFS, FUSE): a new link refuses an existing
        // name as well.
        if (Checked(Call::Link, to,
                    [&] { return ::linkat(fd_, from.c_str(), fd_, to.c_str(), 0); }) == 0) {
            if ((error = Remove(from)) != 0) {
                Remove(to);
                fail(error);
            }
            return;
        }
        error = errno;
    }
    if (error != EEXIST)
        fail(error);
    struct stat fromInfo, toInfo;
    if (Status(from, fromInfo) != 0 || Status(to, toInfo) != 0 || !SameFile(fromInfo, toInfo))
        fail(error);
    if (HasBothNames(from, to)) {
        // Two links of one file: a rename stopped between its link and its unlink. Renaming one
        // link onto the other would do nothing at all.
        if ((error = Remove(from)) != 0)
            fail(error);
        return;
    }
    // On a case-insensitive disk a change of case finds the file itself in the way.
    Rename(from, to, Shown(to));
}

bool Folder::HasBothNames(const std::string& one, const std::string& other) const {
    const std::vector<std::string> names = Names();
    return std::find(names.begin(), names.end(), one) != names.end() &&
           std::find(names.begin(), names.end(), other) != names.end();
}

std::string Folder::Read(const std::string& name, const std::string& shownAs) const {
    const std::string shown = shownAs.empty() ? Shown(name) : shownAs;
    // Non-blocking, so that a pipe in a file's place cannot hang the program.
    Descriptor file(Checked(Call::Open, name,
                            [&] {
                                return ::openat(fd_, name.c_str(),
                                                O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
                            }),
                    name);
    if (file.Get() < 0)
        ThrowFileError(CannotOpen, shown, errno);
    struct stat info;
    if (Checked(Call::Stat, name, [&] { return ::fstat(file.Get(), &info); }) != 0)
        ThrowFileError(CannotOpen, shown, errno);
    if (!S_ISREG(info.st_mode))
        throw EFileError(NotARegularFile, {shown});
    if (info.st_size > MaxFileBytes)
        ThrowFileError(CannotRead, shown, EFBIG);
    std::string bytes = ReadAll(file.Get(), name, shown);
    if (const int error = file.Close(); error != 0)
        ThrowFileError(CannotRead, shown, error);
    return bytes;
}

std::string Folder::WriteTemporary(std::string_view bytes, mode_t mode, const std::string& shownAs,
                                   std::string_view namedFor) const {
    static std::atomic<unsigned> counter{0};
    std::string name;
    int fd;
    do {
        name = std::to_string(::getpid()) + "-" + std::to_string(++counter) +
               std::string(TemporarySuffix);
        const std::string named = PrefixFor(namedFor) + name;
        // A name too long for the folder gets the short form.
        name = !namedFor.empty() && named.size() <= NameMax() ? named
                                                              : std::string(TemporaryPrefix) + name;
        fd = Checked(Call::Open, name, [&] {
            return ::openat(fd_, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        });
    } while (fd < 0 && errno == EEXIST);
    if (fd < 0)
        ThrowFileError(CannotWrite, shownAs, errno);
    Descriptor file(fd, name);
    try {
        ::fchmod(fd, mode & 07777); // the new file keeps the old one's permissions
        WriteAll(fd, name, bytes, shownAs);
        if (Checked(Call::Sync, name, [&] { return ::fsync(fd); }) != 0)
            ThrowFileError(CannotWrite, shownAs, errno);
        if (const int error = file.Close(); error != 0)
            ThrowFileError(CannotWrite, shownAs, error);
    } catch (const EFileError&) {
        Remove(name);
        throw;
    }
    return name;
}

void Folder::RemoveTemporaries(std::string_view namedFor) const {
    const std::string prefix = PrefixFor(namedFor);
    for (const std::string& entry : Names()) {
        if (namedFor.empty() ? IsTemporaryName(entry) : IsTemporaryWithPrefix(entry, prefix))
            Remove(entry); // what cannot be removed now is tried again next time
    }
}

void Folder::Replace(const std::string& name, std::string_view bytes, mode_t mode,
                     const std::string& shownAs, std::string_view namedFor) const {
    const std::string temporary = WriteTemporary(bytes, mode, shownAs, namedFor);
    try {
        Rename(temporary, name, shownAs);
    } catch (const EFileError&) {
        Remove(temporary);
        throw;
    }
}

ReplaceTarget FindReplaceTarget(const Folder& folder, const std::string& name) {
    ReplaceTarget target;
    target.folder = &folder;
    target.name = name;
    target.shown = folder.Shown(name);
    struct stat info;
    if (const int error = folder.Status(name, info); error != 0) {
        if (error != ENOENT)
            ThrowFileError(CannotOpen, target.shown, error);
        const mode_t mask = ::umask(0);
        ::umask(mask);
        target.mode = 0666 & ~mask;
        return target;
    }
    if (S_ISLNK(info.st_mode)) {
        char* resolved =
            Checked(Call::Stat, name, [&] { return ::realpath(target.shown.c_str(), nullptr); });
        if (!resolved)
            ThrowFileError(CannotFollowLink, target.shown, errno);
        const std::filesystem::path linked = resolved;
        std::free(resolved);
        target.linkedFolder = std::make_unique<Folder>(linked.parent_path());
        target.folder = target.linkedFolder.get();
        target.name = linked.filename().string();
        target.unguarded = true;
        if (const int error = target.folder->Status(target.name, info); error != 0)
            ThrowFileError(CannotOpen, target.shown, error);
    }
    if (!S_ISREG(info.st_mode))
        throw EFileError(NotARegularFile, {target.shown});
    target.mode = info.st_mode;
    target.exists = true;
    return target;
}

ReplaceTarget OpenReplaceTarget(const Folder& folder, const std::string& name) {
    ReplaceTarget target = FindReplaceTarget(folder, name);
    if (target.exists)
        target.oldBytes = target.folder->Read(target.name);
    target.RemoveLeftovers();
    return target;
}

std::string ReplaceTarget::WriteTemporary(std::string_view bytes) const {
    return folder->WriteTemporary(bytes, mode, shown, unguarded ? name : std::string_view());
}

void ReplaceTarget::Replace(std::string_view bytes) const {
    folder->Replace(name, bytes, mode, shown, unguarded ? name : std::string_view());
}

void ReplaceTarget::RemoveLeftovers() const {
    // A guarded folder is cleaned whole by the database under its lock.
    if (unguarded)
        folder->RemoveTemporaries(name);
}

} // namespace quorvel::fileio
