#include "doc/IniFile.h"

#include <algorithm>

#include "common/AtomicFile.h"
#include "common/Windows1251.h"

namespace orvanta {

std::string IniFile::trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool IniFile::sameName(const std::string& a, const std::string& b) {
    const auto fold = [](const std::string& s) {
        auto bytes = Windows1251::fromUtf8(s).value_or(s);
        for (auto& c : bytes)
            c = static_cast<char>(Windows1251::toLower(static_cast<unsigned char>(c)));
        return bytes;
    };
    return fold(a) == fold(b);
}

void IniFile::parse(const std::string& utf8) {
    lines_.clear();
    std::string section;
    std::size_t start = 0;
    while (start < utf8.size()) {
        auto end = utf8.find('\n', start);
        if (end == std::string::npos) end = utf8.size();
        std::string raw = utf8.substr(start, end - start);
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        start = end + 1;

        Line line{raw, section, {}, {}};
        const std::string trimmed = trim(raw);
        if (!trimmed.empty() && trimmed.front() == '[' && trimmed.back() == ']') {
            section = trim(trimmed.substr(1, trimmed.size() - 2));
            line.section = section;
        } else if (!trimmed.empty() && trimmed.front() != ';') {
            const auto equals = trimmed.find('=');
            if (equals != std::string::npos && equals > 0) {
                line.key = trim(trimmed.substr(0, equals));
                line.value = trim(trimmed.substr(equals + 1));
            }
        }
        lines_.push_back(std::move(line));
    }
}

bool IniFile::load(const std::filesystem::path& path) {
    lines_.clear();
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return true;
    const auto bytes = AtomicFile::read(path);
    if (!bytes) return false;
    parse(Windows1251::toUtf8(std::string(bytes->begin(), bytes->end())));
    return true;
}

std::string IniFile::text() const {
    std::string out;
    for (const auto& line : lines_) out += line.text + "\r\n";
    return out;
}

bool IniFile::save(const std::filesystem::path& path, std::string* error) const {
    const auto bytes = Windows1251::fromUtf8(text());
    if (!bytes) {
        if (error) *error = "a value cannot be stored in Windows-1251";
        return false;
    }
    return AtomicFile::write(path, *bytes, error);
}

std::vector<IniFile::Line>::iterator IniFile::findKey(const std::string& section,
                                                      const std::string& key) {
    return std::find_if(lines_.begin(), lines_.end(), [&](const Line& line) {
        return !line.key.empty() && sameName(line.section, section) && sameName(line.key, key);
    });
}

std::vector<IniFile::Line>::const_iterator IniFile::findKey(const std::string& section,
                                                            const std::string& key) const {
    return std::find_if(lines_.begin(), lines_.end(), [&](const Line& line) {
        return !line.key.empty() && sameName(line.section, section) && sameName(line.key, key);
    });
}

std::optional<std::string> IniFile::value(const std::string& section,
                                          const std::string& key) const {
    const auto it = findKey(section, key);
    if (it == lines_.end()) return std::nullopt;
    std::string result = it->value;
    // Cut by characters, not bytes, so a Cyrillic value is never split inside a letter.
    std::size_t characters = 0;
    for (std::size_t i = 0; i < result.size(); ++i) {
        if ((static_cast<unsigned char>(result[i]) & 0xC0) != 0x80 &&
            ++characters > kLongestValue) {
            result.resize(i);
            break;
        }
    }
    return result;
}

std::string IniFile::value(const std::string& section, const std::string& key,
                           const std::string& fallback) const {
    return value(section, key).value_or(fallback);
}

bool IniFile::setValue(const std::string& section, const std::string& key,
                       const std::string& value) {
    if (!Windows1251::canEncode(section + key + value)) return false;
    if (auto it = findKey(section, key); it != lines_.end()) {
        it->value = value;
        it->text = it->key + "=" + value;
        return true;
    }
    // A new key goes at the end of its section; a new section at the end of the file.
    auto insertAt = lines_.end();
    bool sectionFound = false;
    for (auto it = lines_.begin(); it != lines_.end(); ++it) {
        if (sameName(it->section, section)) {
            const std::string trimmed = trim(it->text);
            const bool isHeader = !trimmed.empty() && trimmed.front() == '[';
            if (isHeader || !trimmed.empty()) insertAt = it + 1;
            sectionFound = true;
        }
    }
    if (!sectionFound) {
        lines_.push_back({"[" + section + "]", section, {}, {}});
        insertAt = lines_.end();
    }
    lines_.insert(insertAt, Line{key + "=" + value, section, key, value});
    return true;
}

}  // namespace orvanta
