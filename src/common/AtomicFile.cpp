#include "common/AtomicFile.h"

#include <cerrno>
#include <fstream>

#include "common/AtomicFileWriter.h"
#include "common/SystemErrorText.h"

namespace orvanta {
namespace {

void setError(std::string* error, const std::string& text) {
    if (error != nullptr) *error = text;
}

std::string quoted(const std::filesystem::path& path) {
    return "«" + path.string() + "»";
}

std::string notOpened(const std::filesystem::path& path, int errorNumber) {
    return "не удалось открыть " + quoted(path) + ": " + SystemErrorText::describe(errorNumber);
}

}  // namespace

bool AtomicFile::write(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                       std::string* error) {
    AtomicFileWriter writer(path);
    if (!writer.open(error)) return false;
    writer.stream().write(reinterpret_cast<const char*>(bytes.data()),
                          static_cast<std::streamsize>(bytes.size()));
    return writer.commit(error);
}

bool AtomicFile::write(const std::filesystem::path& path, const std::string& bytes,
                       std::string* error) {
    return write(path,
                 std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                               bytes.size()),
                 error);
}

std::optional<std::vector<std::uint8_t>> AtomicFile::read(const std::filesystem::path& path,
                                                          std::string* error) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::exists(status)) {
        setError(error, notOpened(path, ec ? ec.value() : ENOENT));
        return std::nullopt;
    }
    if (std::filesystem::is_directory(status)) {
        setError(error, notOpened(path, EISDIR));
        return std::nullopt;
    }
    if (!std::filesystem::is_regular_file(status)) {
        setError(error, "не удалось открыть " + quoted(path) + ": это не обычный файл");
        return std::nullopt;
    }
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || size > kLargestFile) {
        setError(error,
                 ec ? notOpened(path, ec.value()) : "файл " + quoted(path) + " слишком велик");
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        setError(error, notOpened(path, errno != 0 ? errno : EACCES));
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (static_cast<std::uintmax_t>(in.gcount()) != size) {
        setError(error,
                 "не удалось прочитать " + quoted(path) + ": " + SystemErrorText::describe(EIO));
        return std::nullopt;
    }
    return bytes;
}

}  // namespace orvanta
