#include "birthdata/BaseFile.h"

#include <optional>
#include <system_error>

#include "common/AtomicFile.h"

namespace orvanta {
namespace {

constexpr std::string_view kKeptNote =
    "Работа продолжается с пустой базой; файл останется как есть, пока в базу не будет "
    "сохранено что-нибудь новое.";

}  // namespace

LoadStatus BaseFile::read(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes,
                          std::string& error) {
    bytes.clear();
    std::error_code ec;
    const bool present = std::filesystem::exists(path, ec);
    if (!ec && !present) return LoadStatus::Missing;
    std::string reason;
    std::optional<std::vector<std::uint8_t>> content = AtomicFile::read(path, &reason);
    if (!content) {
        error = "Не удается прочитать файл \"" + path.string() + "\" (" + reason + ").\n" +
                std::string(kKeptNote);
        return LoadStatus::Unreadable;
    }
    bytes = std::move(*content);
    return LoadStatus::Loaded;
}

std::string BaseFile::damagedMessage(const std::filesystem::path& path, std::string_view reason) {
    return "Файл \"" + path.string() + "\" поврежден: " + std::string(reason) + ".\n" +
           std::string(kKeptNote);
}

std::string BaseFile::withoutKeptNote(std::string_view message) {
    const std::string note = "\n" + std::string(kKeptNote);
    if (message.ends_with(note)) message.remove_suffix(note.size());
    return std::string(message);
}

}  // namespace orvanta
