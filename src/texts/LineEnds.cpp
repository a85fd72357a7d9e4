#include "texts/LineEnds.h"

namespace orvanta {

std::string LineEnds::toLf(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            result += text[i];
            continue;
        }
        // A run of CRs followed by LF, as in CR CR LF, is one line end; so is a CR alone.
        std::size_t next = i + 1;
        if (next < text.size() && text[next] == '\r' && next + 1 < text.size() &&
            text[next + 1] == '\n') {
            ++next;
        }
        if (next < text.size() && text[next] == '\n') i = next;
        result += '\n';
    }
    return result;
}

std::string LineEnds::toCrLf(std::string_view text) {
    std::string result;
    result.reserve(text.size() + text.size() / 32);
    for (const char c : text) {
        if (c == '\n') result += '\r';
        result += c;
    }
    return result;
}

}  // namespace orvanta
