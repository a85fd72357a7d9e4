#include "texts/TextRewrap.h"

namespace orvanta {
namespace {

// The length in bytes of the UTF-8 character that starts with this byte (1 for a stray byte).
std::size_t characterLength(unsigned char lead) {
    if (lead >= 0xF0 && lead < 0xF8) return 4;
    if (lead >= 0xE0) return lead < 0xF0 ? 3 : 1;
    if (lead >= 0xC0) return 2;
    return 1;
}

// Ends the current line at its last space, or before its last character when it has none;
// what follows the break stays as the start of the next line.
void breakLine(std::string& current, std::size_t lastCharacter, std::vector<std::string>& out) {
    const auto space = current.rfind(' ');
    if (space != std::string::npos) {
        out.push_back(current.substr(0, space));
        current.erase(0, space + 1);
    } else if (lastCharacter > 0) {
        out.push_back(current.substr(0, lastCharacter));
        current.erase(0, lastCharacter);
    } else {
        // One character wider than the area: it gets a line of its own.
        out.push_back(current);
        current.clear();
    }
}

// Where the last UTF-8 character of a non-empty string starts.
std::size_t lastCharacterStart(const std::string& text) {
    std::size_t start = text.size() - 1;
    while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) --start;
    return start;
}

int characterCount(const std::string& text) {
    int count = 0;
    for (unsigned char c : text) count += (c & 0xC0) != 0x80 ? 1 : 0;
    return count;
}

}  // namespace

std::vector<std::string> TextRewrap::lines(std::string_view text, int width,
                                           const Measure& measure) {
    std::vector<std::string> out;
    std::string current;
    int column = 0;  // characters in the current line, for the tab stops
    const auto add = [&](std::string_view character) {
        const std::size_t lastCharacter = current.size();
        current.append(character);
        ++column;
        if (measure(current) < width) return;
        breakLine(current, lastCharacter, out);
        // What follows a leading space may still reach the edge: break it until it fits.
        while (!current.empty() && measure(current) >= width) {
            breakLine(current, lastCharacterStart(current), out);
        }
        column = characterCount(current);
    };
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            out.push_back(current);
            current.clear();
            column = 0;
            i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
            continue;
        }
        if (c == '\t') {
            // Spaces up to the next tab stop, as the window shows the tab.
            do add(" ");
            while (column % kTabStop != 0);
            ++i;
            continue;
        }
        const std::size_t length =
            std::min(characterLength(static_cast<unsigned char>(c)), text.size() - i);
        add(text.substr(i, length));
        i += length;
    }
    if (!current.empty()) out.push_back(current);
    return out;
}

}  // namespace orvanta
