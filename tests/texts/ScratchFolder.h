#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace orvanta {

// A fresh application folder for one test: made unique, set as the application folder while
// the object lives, removed afterwards.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Writes bytes as they are to a file below the folder, creating its folders.
    void write(const std::filesystem::path& relative, std::string_view bytes) const;

  private:
    std::filesystem::path path_;
};

// The Windows-1251 bytes of a UTF-8 literal, for building library files in tests.
std::string cp1251(std::string_view utf8);

}  // namespace orvanta
