#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace orvanta {

// Whole-file reading and writing. A write is a save through AtomicFileWriter, with all it
// promises: a failed save never destroys what was there, links are followed, special and
// read-only files are never replaced.
class AtomicFile {
  public:
    // Larger files are refused rather than read: no file of the program comes near this.
    static constexpr std::uintmax_t kLargestFile = 256u * 1024u * 1024u;

    // On failure returns false and puts a reason in error (when given).
    static bool write(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                      std::string* error = nullptr);
    static bool write(const std::filesystem::path& path, const std::string& bytes,
                      std::string* error = nullptr);

    // Empty when the file cannot be opened or read, or is larger than kLargestFile.
    static std::optional<std::vector<std::uint8_t>> read(const std::filesystem::path& path,
                                                         std::string* error = nullptr);
};

}  // namespace orvanta
