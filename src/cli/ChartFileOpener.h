#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

namespace orvanta {
class CZodiacDoc;
}

namespace orvanta::cli {

// Opens a chart file for a command as the program opens it (the settings defaults read, the
// stored positions kept). A missing, damaged or empty file is reported on err under the
// command's name; the command then ends with exit code 1.
class ChartFileOpener {
  public:
    static bool open(std::string_view command, const std::string& path, CZodiacDoc& doc,
                     std::ostream& err);
};

}  // namespace orvanta::cli
