#include "document/TemporaryFile.h"

#include "document/AtomicFile.h"
#include "document/FileDescriptors.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace spurline {

namespace fs = std::filesystem;

namespace {

std::atomic<bool> unnamedAllowed{true};

// The one named temporary file a save may have at a time, for the signal handler: a plain
// buffer and a lock-free flag are all a handler may touch.
char pendingPath[4096];
std::atomic<bool> pendingSet{false};
static_assert(std::atomic<bool>::is_always_lock_free);

void SetPending(const fs::path& path) {
    const std::string& text = path.native();
    if (text.size() >= sizeof pendingPath)
        return;
    pendingSet.store(false);
    std::memcpy(pendingPath, text.c_str(), text.size() + 1);
    pendingSet.store(true);
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

} // namespace

void RemovePendingTemporaryFile() noexcept {
    if (pendingSet.load())
        ::unlink(pendingPath);
}

void UseUnnamedTemporaryFiles(bool use) {
    unnamedAllowed.store(use);
}

TemporaryFile::TemporaryFile(const fs::path& folder, const std::string& targetName)
    : folder_(folder), stem_("." + targetName + ".tmp-") {
    // Linking an unnamed file in goes through /proc; without it the file gets its name at once.
    struct stat proc {};
    if (unnamedAllowed.load() && ::stat("/proc/self/fd", &proc) == 0)
        fd_ = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
    if (fd_ < 0)
        CreateNamed();
}

TemporaryFile::~TemporaryFile() {
    if (fd_ >= 0)
        ::close(fd_);
    if (!path_.empty()) {
        ::unlink(path_.c_str());
        pendingSet.store(false);
    }
}

void TemporaryFile::CreateNamed() {
    for (int attempt = 0; attempt < 100; ++attempt) {
        path_ = folder_ / (stem_ + RandomSuffix());
        fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ >= 0 || errno != EEXIST)
            break;
    }
    if (fd_ < 0) {
        path_.clear();
        throw FailureFromErrno(errno, "save/create");
    }
    SetPending(path_);
}

bool TemporaryFile::LinkUnnamed() {
    const std::string self = "/proc/self/fd/" + std::to_string(fd_);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path name = folder_ / (stem_ + RandomSuffix());
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            path_ = name;
            SetPending(path_);
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

// The unnamed file gets its name; where it cannot be linked in, a named copy takes its place.
void TemporaryFile::NameUnnamed() {
    if (LinkUnnamed())
        return;
    struct stat info {};
    if (::fstat(fd_, &info) != 0)
        throw FailureFromErrno(errno, "save/write");
    const int unnamed = fd_;
    fd_ = -1;
    const DescriptorCloser closer(unnamed);
    CreateNamed();
    CopyContent(unnamed, fd_, "save/write");
    if (::fchown(fd_, info.st_uid, info.st_gid) != 0)
        static_cast<void>(::fchown(fd_, static_cast<uid_t>(-1), info.st_gid));
    ::fchmod(fd_, info.st_mode & 07777);
    if (::fsync(fd_) != 0 && errno != EINVAL && errno != EROFS)
        throw FailureFromErrno(errno, "save/write");
}

void TemporaryFile::Replace(const fs::path& target) {
    // A crash after the rename must not leave a file whose data never reached the disk.
    if (::fsync(fd_) != 0 && errno != EINVAL && errno != EROFS)
        throw FailureFromErrno(errno, "save/write");
    if (path_.empty())
        NameUnnamed();
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        throw FailureFromErrno(errno, "save/close");
    if (std::rename(path_.c_str(), target.c_str()) != 0)
        throw FailureFromErrno(errno, "save/replace");
    path_.clear();
    pendingSet.store(false);
}

} // namespace spurline
