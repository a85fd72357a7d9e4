#include "cli/TerminalStreamBuf.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>

namespace orvanta::cli {
namespace {

void appendEscape(std::string& out, std::uint32_t value) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\x%02x", static_cast<unsigned>(value));
    out += buffer;
}

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 sequence at the start of text, with its code point;
// 0 when the first byte does not start one (overlong forms, surrogates and values beyond
// U+10FFFF included).
std::size_t sequenceAt(std::string_view text, std::uint32_t& codePoint) {
    const auto first = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    std::uint32_t smallest = 0;
    if (first < 0x80) {
        codePoint = first;
        return 1;
    } else if (first >= 0xC2 && first <= 0xDF) {
        length = 2, codePoint = first & 0x1Fu, smallest = 0x80;
    } else if (first >= 0xE0 && first <= 0xEF) {
        length = 3, codePoint = first & 0x0Fu, smallest = 0x800;
    } else if (first >= 0xF0 && first <= 0xF4) {
        length = 4, codePoint = first & 0x07u, smallest = 0x10000;
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (!isContinuation(byte)) return 0;
        codePoint = (codePoint << 6) | (byte & 0x3Fu);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < smallest || surrogate || codePoint > 0x10FFFF) return 0;
    return length;
}

bool isControl(std::uint32_t codePoint) {
    if (codePoint == '\t' || codePoint == '\n') return false;
    return codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F);
}

}  // namespace

TerminalStreamBuf::~TerminalStreamBuf() {
    passOn(true);
}

std::string TerminalStreamBuf::escape(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        std::uint32_t codePoint = 0;
        const std::size_t length = sequenceAt(bytes, codePoint);
        if (length == 0) {
            appendEscape(out, static_cast<unsigned char>(bytes[0]));
            bytes.remove_prefix(1);
            continue;
        }
        // A carriage return that ends a line (CSV's CR LF) only returns the cursor before the
        // line feed does; elsewhere it could overwrite what was printed.
        const bool endsLine = codePoint == '\r' && bytes.size() > 1 && bytes[1] == '\n';
        if (isControl(codePoint) && !endsLine) {
            appendEscape(out, codePoint);
        } else {
            out.append(bytes.substr(0, length));
        }
        bytes.remove_prefix(length);
    }
    return out;
}

TerminalStreamBuf::int_type TerminalStreamBuf::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    if (failed_) return traits_type::eof();
    pending_ += traits_type::to_char_type(c);
    if (c == '\n' && !passOn(false)) return traits_type::eof();
    return c;
}

std::streamsize TerminalStreamBuf::xsputn(const char* s, std::streamsize count) {
    if (failed_) return 0;
    pending_.append(s, static_cast<std::size_t>(count));
    return passOn(false) ? count : 0;
}

int TerminalStreamBuf::sync() {
    if (!passOn(true)) return -1;
    errno = 0;
    if (target_->pubsync() != 0) {
        fail();
        return -1;
    }
    return 0;
}

void TerminalStreamBuf::fail() {
    // The target's own write has just failed, so errno still holds the reason.
    if (!failed_) errorNumber_ = errno != 0 ? errno : EIO;
    failed_ = true;
}

bool TerminalStreamBuf::passOn(bool everything) {
    // A line ends at a line feed, which no multi-byte sequence contains, so a sequence is
    // never cut in two before it is escaped.
    if (failed_) return false;
    const std::size_t end = everything ? pending_.size() : pending_.rfind('\n') + 1;
    if (end == 0) return true;
    const std::string text = escape(std::string_view(pending_).substr(0, end));
    pending_.erase(0, end);
    errno = 0;
    const auto size = static_cast<std::streamsize>(text.size());
    if (target_->sputn(text.data(), size) != size) {
        fail();
        return false;
    }
    return true;
}

}  // namespace orvanta::cli
