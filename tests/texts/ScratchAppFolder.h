#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "support/ScratchFolder.h"

namespace orvanta {

// A fresh application folder for one test: made unique, set as the application folder while
// the object lives, removed afterwards.
class ScratchAppFolder {
  public:
    ScratchAppFolder();
    ~ScratchAppFolder();
    ScratchAppFolder(const ScratchAppFolder&) = delete;
    ScratchAppFolder& operator=(const ScratchAppFolder&) = delete;

    const std::filesystem::path& path() const { return folder_.path(); }

    // Writes bytes as they are to a file below the folder, creating its folders.
    void write(const std::filesystem::path& relative, std::string_view bytes) const;

  private:
    testing::ScratchFolder folder_;
};

// The Windows-1251 bytes of a UTF-8 literal, for building library files in tests.
std::string cp1251(std::string_view utf8);

}  // namespace orvanta
