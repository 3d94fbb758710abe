#pragma once

#include <array>
#include <iosfwd>
#include <streambuf>
#include <string>

namespace spurline::cli {

// An output stream buffer over a file descriptor (standard output) that remembers why a write
// failed, so that spurline-calc can say "No space left on device" or "Broken pipe": std::cout's
// buffer only sets the stream's bad bit.
class DescriptorBuffer final : public std::streambuf {
public:
    explicit DescriptorBuffer(int fd);
    ~DescriptorBuffer() override;
    DescriptorBuffer(const DescriptorBuffer&) = delete;
    DescriptorBuffer& operator=(const DescriptorBuffer&) = delete;

    // The errno of the first failed write, 0 while none failed.
    int error() const { return error_; }

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* data, std::streamsize count) override;
    int sync() override;

private:
    bool WriteOut(const char* data, std::size_t count);
    bool Drain();

    int fd_;
    int error_ = 0;
    std::array<char, 65536> buffer_{};
};

// Why the stream's writes failed, as "write error: No space left on device"; without a
// DescriptorBuffer behind it (a test's string stream) only "write error".
std::string WriteErrorText(std::ostream& out);

} // namespace spurline::cli
