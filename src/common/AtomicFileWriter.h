#pragma once

#include <filesystem>
#include <fstream>
#include <string>

namespace orvanta {

// A file written piece by piece, for output too long to hold in memory. It goes to a temporary
// file in the same folder that replaces the old file only on commit, after a complete, flushed
// write; dropped without a commit, it leaves the old file as it was.
class AtomicFileWriter {
  public:
    explicit AtomicFileWriter(std::filesystem::path path);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // Creates the temporary file; on failure returns false with a reason in error.
    bool open(std::string* error = nullptr);
    std::ostream& stream() { return out_; }
    // Flushes and puts the file in place; on failure the old file stays and error says why.
    bool commit(std::string* error = nullptr);

  private:
    void discard();

    std::filesystem::path path_;
    std::string temporary_;
    std::ofstream out_;
};

}  // namespace orvanta
