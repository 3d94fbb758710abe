#pragma once

#include <filesystem>
#include <string>

namespace spurline {

// The temporary file of a save, in the target's folder, moved over the target only once it is
// complete. Where the file system offers unnamed files (O_TMPFILE) it has no name while it is
// written, so a process killed half-way (SIGKILL, power cut) leaves nothing behind; it is linked
// in as ".NAME.tmp-XXXXXXXX" only for the rename. Elsewhere it has that name from the start:
// RemovePendingTemporaryFile lets a signal handler remove it, and only an uncatchable end can
// leave it. Destroyed without Replace, the file goes.
class TemporaryFile {
public:
    // Throws CommandFailure at "save/create".
    TemporaryFile(const std::filesystem::path& folder, const std::string& targetName);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return fd_; }

    // Puts the content on the disk and renames the file over target. Throws CommandFailure.
    void Replace(const std::filesystem::path& target);

private:
    void CreateNamed();
    bool LinkUnnamed();
    void NameUnnamed();

    std::filesystem::path folder_;
    std::string stem_;
    std::filesystem::path path_; // empty while unnamed
    int fd_ = -1;
};

} // namespace spurline
