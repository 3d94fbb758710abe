#pragma once

#include "document/ErrorReport.h"

#include <string>
#include <string_view>
#include <sys/types.h>

namespace spurline {

// The error report for a failed system call: errno and the step that failed.
CommandFailure FailureFromErrno(int error, const std::string& step);

// Writes all bytes at the descriptor's position (offset < 0) or at offset; throws CommandFailure
// at the step "save/write".
void WriteAll(int fd, std::string_view bytes, off_t offset = -1);

// Copies the whole content of from (read from its start) to to's position; throws CommandFailure
// at the step given for a failed read, "save/write" for a failed write.
void CopyContent(int from, int to, const std::string& readStep);

// Closes the descriptor when it goes out of scope.
class DescriptorCloser {
public:
    explicit DescriptorCloser(int fd) : fd_(fd) {}
    ~DescriptorCloser();
    DescriptorCloser(const DescriptorCloser&) = delete;
    DescriptorCloser& operator=(const DescriptorCloser&) = delete;

private:
    int fd_;
};

} // namespace spurline
