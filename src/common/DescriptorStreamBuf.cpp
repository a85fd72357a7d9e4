#include "common/DescriptorStreamBuf.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace orvanta {

DescriptorStreamBuf::DescriptorStreamBuf(int fd) : fd_(fd) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

void DescriptorStreamBuf::reset(int fd) {
    fd_ = fd;
    errorNumber_ = 0;
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

bool DescriptorStreamBuf::writeOut(const char* data, std::size_t size) {
    if (errorNumber_ != 0) return false;
    while (size > 0) {
        const ssize_t n = ::write(fd_, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            errorNumber_ = n < 0 ? errno : EIO;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool DescriptorStreamBuf::drain() {
    const bool written = writeOut(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return written;
}

DescriptorStreamBuf::int_type DescriptorStreamBuf::overflow(int_type c) {
    if (!drain()) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

std::streamsize DescriptorStreamBuf::xsputn(const char* s, std::streamsize count) {
    const auto size = static_cast<std::size_t>(count);
    if (size <= static_cast<std::size_t>(epptr() - pptr())) {
        std::copy(s, s + size, pptr());
        pbump(static_cast<int>(size));
        return count;
    }
    // Larger than the room left: pass the buffer and the piece on together.
    if (!drain() || !writeOut(s, size)) return 0;
    return count;
}

int DescriptorStreamBuf::sync() {
    return drain() ? 0 : -1;
}

}  // namespace orvanta
