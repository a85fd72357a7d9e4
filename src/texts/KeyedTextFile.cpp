#include "texts/KeyedTextFile.h"

#include "common/Windows1251.h"

namespace orvanta {
namespace {

constexpr std::size_t kLineEnd = 2;  // CR LF

}  // namespace

KeyedTextFile::KeyedTextFile(std::string_view bytes) : bytes_(bytes.substr(0, bytes.find('\0'))) {}

std::optional<KeyedTextFile::Span> KeyedTextFile::locate(std::string_view key) const {
    const auto encoded = Windows1251::fromUtf8(key);
    if (!encoded || encoded->empty()) return std::nullopt;
    const auto start = bytes_.find(*encoded);
    // A key at the very first byte does not count: every library file opens with other text.
    if (start == std::string::npos || start == 0) return std::nullopt;
    const auto keyEnd = start + encoded->size();
    return Span{start, keyEnd, bytes_.find('#', keyEnd)};
}

std::string KeyedTextFile::slice(std::size_t begin, std::size_t end) const {
    if (end <= begin || end > bytes_.size()) return {};
    return Windows1251::toUtf8(std::string_view(bytes_).substr(begin, end - begin));
}

std::optional<std::string> KeyedTextFile::findEntry(std::string_view key, std::size_t cut) const {
    const auto span = locate(key);
    if (!span) return std::nullopt;
    if (span->hash == std::string::npos || span->hash - span->keyStart < cut) return std::string();
    return slice(span->keyStart, span->hash - cut);
}

std::optional<std::string> KeyedTextFile::findAspectText(std::string_view title) const {
    const auto span = locate(title);
    if (!span) return std::nullopt;
    if (span->hash == std::string::npos || span->hash < kLineEnd) return std::string();
    return slice(span->keyEnd + kLineEnd, span->hash - kLineEnd);
}

}  // namespace orvanta
