#include "generator/TextSourceConverter.h"

#include "common/Windows1251.h"

namespace orvanta {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view withoutByteOrderMark(std::string_view text) {
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
    }
    return text;
}

}  // namespace

bool TextSourceConverter::fail(std::string_view sourceName, int lineNumber,
                               const std::string& what) {
    error_ = std::string(sourceName) + ":" + std::to_string(lineNumber) + ": " + what;
    return false;
}

bool TextSourceConverter::appendLine(std::string_view sourceName, int lineNumber,
                                     std::string_view line) {
    // Sources edited on Windows keep working: a CR right before the LF is dropped.
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.find('\r') != std::string_view::npos) {
        return fail(sourceName, lineNumber, "a carriage return inside the line");
    }
    if (line.find('\0') != std::string_view::npos) {
        return fail(sourceName, lineNumber, "a zero byte, which would end a keyed file early");
    }
    const auto bytes = Windows1251::fromUtf8(line);
    if (!bytes) {
        const auto bad = Windows1251::firstUnencodable(line);
        if (bad.size() == 1 && static_cast<unsigned char>(bad[0]) >= 0x80) {
            return fail(sourceName, lineNumber, "the text is not valid UTF-8");
        }
        return fail(sourceName, lineNumber,
                    "the character '" + bad + "' cannot be written in Windows-1251");
    }
    output_ += *bytes;
    output_ += "\r\n";
    return true;
}

bool TextSourceConverter::append(std::string_view sourceName, std::string_view utf8) {
    std::string_view rest = withoutByteOrderMark(utf8);
    for (int lineNumber = 1; !rest.empty(); ++lineNumber) {
        const auto end = rest.find('\n');
        const auto line = rest.substr(0, end);
        if (!appendLine(sourceName, lineNumber, line)) return false;
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    return true;
}

}  // namespace orvanta
