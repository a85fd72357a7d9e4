#include "doc/AafEncoding.h"

#include <vector>

#include "common/Windows1251.h"

namespace orvanta {
namespace {

// Length of the UTF-8 sequence a lead byte starts; 0 for a byte no sequence starts with.
int sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

bool isLetterOfEitherPage(unsigned char byte) {
    return byte >= 0xC0;
}

// Lines with control bytes are binary garbage the reader refuses; they say nothing of the page.
std::vector<unsigned char> textLines(std::span<const unsigned char> bytes) {
    std::vector<unsigned char> text;
    text.reserve(bytes.size());
    for (std::size_t start = 0; start < bytes.size();) {
        std::size_t end = start;
        bool binary = false;
        for (; end < bytes.size() && bytes[end] != '\n'; ++end) {
            binary = binary || (bytes[end] < 0x20 && bytes[end] != '\t' && bytes[end] != '\r');
        }
        if (!binary) text.insert(text.end(), bytes.begin() + start, bytes.begin() + end);
        text.push_back('\n');
        start = end + 1;
    }
    return text;
}

}  // namespace

bool AafEncoding::isValidUtf8(std::span<const unsigned char> bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const int length = sequenceLength(bytes[i]);
        if (length == 0 || i + static_cast<std::size_t>(length) > bytes.size()) return false;
        for (int k = 1; k < length; ++k) {
            if ((bytes[i + static_cast<std::size_t>(k)] & 0xC0) != 0x80) return false;
        }
        // Overlong three-byte forms and surrogates are no characters.
        if (length == 3 && ((bytes[i] == 0xE0 && bytes[i + 1] < 0xA0) ||
                            (bytes[i] == 0xED && bytes[i + 1] >= 0xA0))) {
            return false;
        }
        if (length == 4 && ((bytes[i] == 0xF0 && bytes[i + 1] < 0x90) ||
                            (bytes[i] == 0xF4 && bytes[i + 1] >= 0x90))) {
            return false;
        }
        i += static_cast<std::size_t>(length);
    }
    return true;
}

AafEncoding::Kind AafEncoding::detect(std::span<const unsigned char> all) {
    const std::vector<unsigned char> text = textLines(all);
    const std::span<const unsigned char> bytes(text);
    if (isValidUtf8(bytes)) return Kind::Utf8;
    // A Cyrillic word is a run of such bytes; a German or French word has one now and then.
    std::size_t inRuns = 0;
    std::size_t single = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (!isLetterOfEitherPage(bytes[i])) continue;
        const bool before = i > 0 && isLetterOfEitherPage(bytes[i - 1]);
        const bool after = i + 1 < bytes.size() && isLetterOfEitherPage(bytes[i + 1]);
        (before || after ? inRuns : single) += 1;
    }
    return inRuns > single ? Kind::Windows1251 : Kind::Latin1;
}

std::string AafEncoding::latin1ToUtf8(std::span<const unsigned char> bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (const unsigned char byte : bytes) {
        if (byte < 0x80) {
            text += static_cast<char>(byte);
        } else {
            text += static_cast<char>(0xC0 | (byte >> 6));
            text += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return text;
}

AafEncoding::Decoded AafEncoding::decode(std::span<const unsigned char> bytes) {
    Decoded result;
    result.kind = detect(bytes);
    const std::string_view raw(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    switch (result.kind) {
        case Kind::Utf8:
            result.text =
                raw.starts_with("\xEF\xBB\xBF") ? std::string(raw.substr(3)) : std::string(raw);
            break;
        case Kind::Windows1251:
            result.text = Windows1251::toUtf8(raw);
            break;
        case Kind::Latin1:
            result.text = latin1ToUtf8(bytes);
            break;
    }
    return result;
}

std::string_view AafEncoding::name(Kind kind) {
    switch (kind) {
        case Kind::Utf8:
            return "UTF-8";
        case Kind::Windows1251:
            return "Windows-1251";
        case Kind::Latin1:
            return "Latin-1";
    }
    return "UTF-8";
}

}  // namespace orvanta
