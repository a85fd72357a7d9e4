#pragma once

#include <string>
#include <vector>

namespace orvanta {

// The most recently used chart files, newest first, as the File menu lists them.
class RecentFileList {
  public:
    static constexpr std::size_t kCapacity = 6;

    explicit RecentFileList(std::vector<std::string> files = {});

    // Moves a file to the front, dropping the oldest beyond the capacity.
    void add(const std::string& path);
    void remove(const std::string& path);
    const std::vector<std::string>& files() const { return files_; }

  private:
    std::vector<std::string> files_;
};

}  // namespace orvanta
