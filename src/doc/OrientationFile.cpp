#include "doc/OrientationFile.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <string_view>
#include <system_error>

#include "common/AtomicFile.h"
#include "common/Windows1251.h"
#include "doc/FileDamage.h"
#include "doc/SettingsFile.h"

namespace orvanta {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The next blank-separated word of the text, or an empty view at its end.
std::string_view nextWord(std::string_view& text) {
    std::size_t start = 0;
    while (start < text.size() && isBlank(text[start])) ++start;
    std::size_t end = start;
    while (end < text.size() && !isBlank(text[end])) ++end;
    const auto word = text.substr(start, end - start);
    text.remove_prefix(end);
    return word;
}

template <typename Number>
Number readNumber(std::string_view& text, const char* what) {
    const auto word = nextWord(text);
    Number value{};
    const auto result = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || result.ec != std::errc() || result.ptr != word.data() + word.size()) {
        // The file's text is Windows-1251; the message quotes it in the program's UTF-8.
        throw FileDamage(std::string(what) + ": «" + Windows1251::toUtf8(word) + "» не число");
    }
    return value;
}

}  // namespace

OrientationFile::Setting OrientationFile::parse(std::span<const std::uint8_t> bytes) {
    const auto head = bytes.first(std::min(bytes.size(), kFileSize));
    std::string_view text(reinterpret_cast<const char*>(head.data()), head.size());
    text = text.substr(0, text.find('\0'));
    Setting setting;
    setting.direction = readNumber<std::int32_t>(text, "направление");
    setting.start = readNumber<std::int32_t>(text, "начало отсчёта");
    setting.angle = readNumber<double>(text, "угол");
    if (setting.direction != 0 && setting.direction != 1) {
        throw FileDamage("направление " + std::to_string(setting.direction) + " не 0 и не 1");
    }
    if (setting.start < FromAscendant || setting.start > ArbitraryAngle) {
        throw FileDamage("начало отсчёта " + std::to_string(setting.start) + " не от 0 до 2");
    }
    if (!std::isfinite(setting.angle)) throw FileDamage("угол не конечен");
    return setting;
}

std::vector<std::uint8_t> OrientationFile::format(const Setting& setting) {
    char angle[kFileSize];
    const auto result =
        std::to_chars(angle, angle + sizeof angle, setting.angle, std::chars_format::fixed, 6);
    if (result.ec != std::errc() || !std::isfinite(setting.angle)) {
        throw FileDamage("угол поворота не умещается в файл ориентации");
    }
    const std::string text = std::to_string(setting.direction) + " " +
                             std::to_string(setting.start) + " " + std::string(angle, result.ptr) +
                             " ";
    // At least one zero byte must follow the text.
    if (text.size() >= kFileSize) throw FileDamage("угол поворота не умещается в файл ориентации");
    std::vector<std::uint8_t> bytes(kFileSize, 0);
    std::copy(text.begin(), text.end(), bytes.begin());
    return bytes;
}

std::optional<std::vector<std::uint8_t>> OrientationFile::loadHead(
    const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::uint8_t> bytes(kFileSize);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(kFileSize));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

LoadResult OrientationFile::read(const std::filesystem::path& path, Setting& setting) {
    const auto bytes = loadHead(path);
    if (!bytes) return {LoadStatus::Missing, {}};
    try {
        setting = parse(*bytes);
        return {};
    } catch (const FormatError& damage) {
        return LoadResult::failed(LoadStatus::Damaged,
                                  SettingsFile::damageMessage(path, damage.what()));
    }
}

bool OrientationFile::write(const std::filesystem::path& path, const Setting& setting,
                            std::string* error) {
    try {
        return AtomicFile::write(path, format(setting), error);
    } catch (const FormatError& fault) {
        if (error != nullptr) *error = fault.what();
        return false;
    }
}

void OrientationFile::apply(const Setting& setting, ZodiacOrientation& orientation) {
    orientation.direction = setting.direction;
    orientation.fromAscendant = setting.start == FromAscendant ? 1 : 0;
    orientation.fromAries = setting.start == FromAries ? 1 : 0;
    orientation.angle = setting.start == ArbitraryAngle ? setting.angle : 0.0;
}

OrientationFile::Setting OrientationFile::fromOrientation(const ZodiacOrientation& orientation) {
    Setting setting;
    setting.direction = orientation.direction;
    setting.start = orientation.fromAscendant == 1 ? FromAscendant
                    : orientation.fromAries == 1   ? FromAries
                                                   : ArbitraryAngle;
    setting.angle = setting.start == ArbitraryAngle ? orientation.angle : 0.0;
    return setting;
}

}  // namespace orvanta
