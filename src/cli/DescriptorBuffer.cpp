#include "DescriptorBuffer.h"

#include <cerrno>
#include <cstring>
#include <locale.h>
#include <ostream>
#include <unistd.h>

namespace spurline::cli {

DescriptorBuffer::DescriptorBuffer(int fd) : fd_(fd) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

DescriptorBuffer::~DescriptorBuffer() {
    Drain();
}

bool DescriptorBuffer::WriteOut(const char* data, std::size_t count) {
    if (error_ != 0)
        return false;
    while (count > 0) {
        const ssize_t written = ::write(fd_, data, count);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            error_ = written < 0 ? errno : ENOSPC;
            return false;
        }
        data += written;
        count -= static_cast<std::size_t>(written);
    }
    return true;
}

bool DescriptorBuffer::Drain() {
    const bool written = WriteOut(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return written;
}

DescriptorBuffer::int_type DescriptorBuffer::overflow(int_type c) {
    if (!Drain())
        return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof()))
        return sputc(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
}

std::streamsize DescriptorBuffer::xsputn(const char* data, std::streamsize count) {
    if (count <= epptr() - pptr()) {
        std::memcpy(pptr(), data, static_cast<std::size_t>(count));
        pbump(static_cast<int>(count));
        return count;
    }
    // A long piece goes out directly instead of through the buffer.
    if (!Drain() || !WriteOut(data, static_cast<std::size_t>(count)))
        return 0;
    return count;
}

int DescriptorBuffer::sync() {
    return Drain() ? 0 : -1;
}

std::string WriteErrorText(std::ostream& out) {
    const auto* buffer = dynamic_cast<const DescriptorBuffer*>(out.rdbuf());
    if (buffer == nullptr || buffer->error() == 0)
        return "write error";
    // The reason in the C locale's words, whatever the desktop's language: scripts match on it.
    static const locale_t plain = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return std::string("write error: ") + (plain != static_cast<locale_t>(nullptr)
                                               ? strerror_l(buffer->error(), plain)
                                               : std::strerror(buffer->error()));
}

} // namespace spurline::cli
