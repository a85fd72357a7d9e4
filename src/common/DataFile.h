#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace orvanta {

// A data file that the program reads and, when the user stores something, writes ("Place.PLB",
// "Timechg.tch", "ORVANTA.INI"). Reading and writing may go to different places: a file named
// among the program's data is read from where AppFolder::find answers, and written to the
// user's copy, which AppFolder::writable makes from the delivered file only when the first
// store comes. Opening a dialog therefore leaves the user's folder as it was. A file given by
// its path (a file the user chose, a test's scratch file) is read and written in place.
class DataFile {
  public:
    // No file: nothing is read or kept.
    DataFile() = default;
    // The file at path, read and written there. Implicit, so that a path stands for itself.
    DataFile(std::filesystem::path path);  // NOLINT(google-explicit-constructor)

    // The program's data file of that name.
    static DataFile named(std::string_view name);

    bool empty() const { return name_.empty() && path_.empty(); }

    // Where the file is read from now; it need not exist.
    std::filesystem::path readPath() const;
    // Where a store writes the file. For a named file the user's copy is made here the first
    // time, so call this only when something is about to be written.
    std::filesystem::path writePath() const;

  private:
    std::string name_;
    std::filesystem::path path_;
};

}  // namespace orvanta
