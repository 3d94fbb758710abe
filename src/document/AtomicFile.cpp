#include "document/AtomicFile.h"

#include "document/ErrorReport.h"
#include "document/FileDescriptors.h"
#include "document/TemporaryFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace spurline {

namespace fs = std::filesystem;

namespace {

// The rename would replace a file that could not be opened for writing; the user's protection
// has to hold as it would for writing in place. A file without any write permission is
// read-only for everyone, the administrator included.
bool MayWriteInPlace(const fs::path& target, const struct stat& info) {
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return false;
    return ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0;
}

// NAME~ beside the file: a copy of its present content, on the disk before the file is touched.
// It is as readable as the file: with the file's group where this process may set it, else
// without any group rights.
void MakeBackup(const fs::path& target, const struct stat& old, TemporaryFile& copy) {
    const int original = ::open(target.c_str(), O_RDONLY | O_CLOEXEC);
    if (original < 0)
        throw FailureFromErrno(errno, "save/create");
    const DescriptorCloser closer(original);
    CopyContent(original, copy.fd(), "save/write");
    mode_t mode = old.st_mode & 0777;
    if (::fchown(copy.fd(), static_cast<uid_t>(-1), old.st_gid) != 0)
        mode &= ~static_cast<mode_t>(070);
    ::fchmod(copy.fd(), mode);
    fs::path backup = target;
    backup += "~";
    copy.Replace(backup);
}

// Writes bytes over the file's content; the file keeps its inode, owner, group, mode and links.
// The space is reserved first where the file system can, so a full disk stops the save before
// the file changes; a write that fails all the same puts the backup's content back.
void WriteInPlace(const fs::path& target, const struct stat& old, std::string_view bytes) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        throw FailureFromErrno(errno, "save/create");
    const DescriptorCloser closer(fd);
    const auto size = static_cast<off_t>(bytes.size());
#ifdef FALLOC_FL_KEEP_SIZE
    if (size > 0 && ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, size) != 0 && errno != EOPNOTSUPP &&
        errno != ENOSYS && errno != EINTR)
        throw FailureFromErrno(errno, "save/write");
#endif
    try {
        WriteAll(fd, bytes, 0);
        if (::ftruncate(fd, size) != 0)
            throw FailureFromErrno(errno, "save/write");
        if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS)
            throw FailureFromErrno(errno, "save/write");
    } catch (const CommandFailure&) {
        fs::path backup = target;
        backup += "~";
        const int saved = ::open(backup.c_str(), O_RDONLY | O_CLOEXEC);
        if (saved >= 0) {
            const DescriptorCloser savedCloser(saved);
            try {
                ::lseek(fd, 0, SEEK_SET);
                CopyContent(saved, fd, "save/write");
                static_cast<void>(::ftruncate(fd, old.st_size));
            } catch (const CommandFailure&) {
                // NAME~ still holds the old content.
            }
        }
        throw;
    }
}

} // namespace

// How a save replaces an existing file: the new content goes to a temporary file beside it,
// which is renamed over it once complete, so a failure at any step leaves the last good file.
// The replacement must be the same file to its owner: it gets the old file's owner, group and
// permissions before the rename. Where that cannot be kept - another user's file this process
// may write but not hand back, or a file with other names (hard links) that a rename would
// split off - the content is written in place instead, after a copy of the old content went to
// NAME~, which is kept. A symbolic link is followed: its target is saved and the link stays.
void WriteFileAtomically(const std::string& path, std::string_view bytes) {
    if (path.empty())
        throw CommandFailure(errors::PathNotFound, "Path not found", "save/create");
    fs::path target(path);
    std::error_code ec;
    // Replacing a link would cut it; write where it points instead.
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec)
            target = resolved;
    }
    const fs::file_status status = fs::status(target, ec);
    const bool exists = fs::exists(status);
    // Renaming over a folder or a device (as /dev/null) would not save anything.
    if (exists && !fs::is_regular_file(status))
        throw CommandFailure(errors::PathFileAccessError, "Path/File access error", "save/create");
    fs::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    if (!fs::is_directory(folder, ec))
        throw CommandFailure(errors::PathNotFound, "Path not found", "save/create");
    struct stat old {};
    if (exists && ::stat(target.c_str(), &old) != 0)
        throw FailureFromErrno(errno, "save/create");
    if (exists && !MayWriteInPlace(target, old))
        throw CommandFailure(errors::PermissionDenied, "Permission denied", "save/create");

    TemporaryFile temporary(folder, target.filename().string());
    if (exists && (old.st_nlink > 1 || ::fchown(temporary.fd(), old.st_uid, old.st_gid) != 0)) {
        MakeBackup(target, old, temporary);
        WriteInPlace(target, old, bytes);
        return;
    }
    if (exists) {
        // After the owner: changing it clears set-id bits.
        ::fchmod(temporary.fd(), old.st_mode & 07777);
    }
    WriteAll(temporary.fd(), bytes);
    temporary.Replace(target);
}

std::string ReadWholeFile(const std::string& path) {
    // A pipe would block the program until someone writes to it, and a device such as /dev/zero
    // never ends; neither is a frequency list.
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && (S_ISFIFO(info.st_mode) || S_ISCHR(info.st_mode) ||
                                             S_ISBLK(info.st_mode) || S_ISSOCK(info.st_mode)))
        throw CommandFailure(errors::PathFileAccessError, "Path/File access error", "load/open");
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        const int error = errno;
        if (error == ENOENT)
            throw CommandFailure(errors::FileNotFound, "File not found", "load/open");
        throw FailureFromErrno(error, "load/open");
    }
    std::string bytes;
    char buffer[65536];
    while (true) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file);
        bytes.append(buffer, got);
        if (got < sizeof buffer)
            break;
    }
    const int error = errno;
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed)
        throw FailureFromErrno(error, "load/read");
    return bytes;
}

} // namespace spurline
