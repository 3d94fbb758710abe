#include "document/AtomicFile.h"

#include "document/ErrorReport.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace spurline {

namespace fs = std::filesystem;

namespace {

CommandFailure FailureFromErrno(int error, const std::string& step) {
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
        return CommandFailure(errors::PermissionDenied, "Permission denied", step);
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return CommandFailure(errors::DiskFull, "Disk full", step);
    case ENOENT:
    case ENOTDIR:
        return CommandFailure(errors::PathNotFound, "Path not found", step);
    case EIO:
        return CommandFailure(errors::DeviceIoError, "Device I/O error", step);
    default:
        return CommandFailure(errors::PathFileAccessError, "Path/File access error", step);
    }
}

std::string RandomSuffix() {
    static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    static std::mt19937_64 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof(kChars) - 2);
    std::string suffix;
    for (int i = 0; i < 8; ++i)
        suffix += kChars[pick(generator)];
    return suffix;
}

// The temporary file: removed again unless it was renamed over the target.
class TemporaryFile {
public:
    TemporaryFile(const fs::path& folder, const std::string& stem) {
        for (int attempt = 0; attempt < 100; ++attempt) {
            path_ = folder / ("." + stem + ".tmp-" + RandomSuffix());
            fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ >= 0 || errno != EEXIST)
                break;
        }
        if (fd_ < 0)
            throw FailureFromErrno(errno, "save/create");
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (fd_ >= 0)
            ::close(fd_);
        if (!kept_)
            ::unlink(path_.c_str());
    }

    int fd() const { return fd_; }
    const fs::path& path() const { return path_; }

    void Close() {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0)
            throw FailureFromErrno(errno, "save/close");
    }
    void Keep() { kept_ = true; }

private:
    fs::path path_;
    int fd_ = -1;
    bool kept_ = false;
};

void WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            throw FailureFromErrno(errno, "save/write");
        }
        if (written == 0)
            throw CommandFailure(errors::DiskFull, "Disk full", "save/write");
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

// The rename would replace a file that could not be opened for writing; the user's protection
// has to hold as it would for writing in place. A file without any write permission is
// read-only for everyone, the administrator included.
bool MayWriteInPlace(const fs::path& target, const struct stat& info) {
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return false;
    return ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0;
}

} // namespace

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
    if (exists && ::stat(target.c_str(), &old) == 0 && !MayWriteInPlace(target, old))
        throw CommandFailure(errors::PermissionDenied, "Permission denied", "save/create");

    TemporaryFile temporary(folder, target.filename().string());
    WriteAll(temporary.fd(), bytes);
    if (exists) {
        // The replacement is the same file to its owner: same permissions, same owner and group
        // where this process may set them (the owner first: changing it clears set-id bits).
        if (::fchown(temporary.fd(), old.st_uid, old.st_gid) != 0)
            static_cast<void>(::fchown(temporary.fd(), static_cast<uid_t>(-1), old.st_gid));
        ::fchmod(temporary.fd(), old.st_mode & 07777);
    }
    // A crash after the rename must not leave a file whose data never reached the disk.
    if (::fsync(temporary.fd()) != 0 && errno != EINVAL && errno != EROFS)
        throw FailureFromErrno(errno, "save/write");
    temporary.Close();
    if (std::rename(temporary.path().c_str(), target.c_str()) != 0)
        throw FailureFromErrno(errno, "save/replace");
    temporary.Keep();
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
