#include "texts/TextLibrary.h"

#include <fstream>
#include <iterator>
#include <system_error>
#include <utility>

#include "common/AppFolder.h"
#include "common/Windows1251.h"

namespace orvanta {

TextLibrary::TextLibrary(std::filesystem::path folder) : folder_(std::move(folder)) {}

std::filesystem::path TextLibrary::pathOf(std::string_view name) const {
    if (folder_) return AppFolder::findIn(*folder_, name);
    return AppFolder::find(std::string(kFolderName) + "/" + std::string(name));
}

std::optional<std::string> TextLibrary::readBytes(std::string_view name) const {
    const auto path = pathOf(name);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || size > kMaxFileSize) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad() || bytes.size() > kMaxFileSize) return std::nullopt;
    return bytes;
}

std::string TextLibrary::missingMessage(std::string_view name) {
    return "Не найден файл '" + std::string(name) + "'";
}

LoadResult TextLibrary::appendWholeFile(std::string_view name, std::string& text) const {
    const auto bytes = readBytes(name);
    if (!bytes) return LoadResult::failed(LoadStatus::Missing, missingMessage(name));
    text += Windows1251::toUtf8(*bytes);
    return {};
}

LoadResult TextLibrary::loadKeyedFile(std::string_view name,
                                      std::optional<KeyedTextFile>& file) const {
    const auto bytes = readBytes(name);
    if (!bytes) return LoadResult::failed(LoadStatus::Missing, missingMessage(name));
    file.emplace(*bytes);
    return {};
}

}  // namespace orvanta
