#include "document/FileDescriptors.h"

#include <array>
#include <cerrno>
#include <unistd.h>

namespace spurline {

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

void WriteAll(int fd, std::string_view bytes, off_t offset) {
    while (!bytes.empty()) {
        const ssize_t written = offset < 0 ? ::write(fd, bytes.data(), bytes.size())
                                           : ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            throw FailureFromErrno(errno, "save/write");
        }
        if (written == 0)
            throw CommandFailure(errors::DiskFull, "Disk full", "save/write");
        bytes.remove_prefix(static_cast<std::size_t>(written));
        if (offset >= 0)
            offset += written;
    }
}

void CopyContent(int from, int to, const std::string& readStep) {
    std::array<char, 65536> buffer{};
    for (off_t at = 0;;) {
        const ssize_t got = ::pread(from, buffer.data(), buffer.size(), at);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw FailureFromErrno(errno, readStep);
        if (got == 0)
            return;
        WriteAll(to, std::string_view(buffer.data(), static_cast<std::size_t>(got)));
        at += got;
    }
}

DescriptorCloser::~DescriptorCloser() {
    if (fd_ >= 0)
        ::close(fd_);
}

} // namespace spurline
