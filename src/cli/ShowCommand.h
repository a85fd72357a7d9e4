#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace orvanta::cli {

// "orvanta-cli show FILE [--json]": prints a chart file (".map") or a settings file (".asp",
// ".ta", ".rxp", ".trp", ".rnd"), the kind told by the extension. A damaged file is reported
// on standard error with exit code 1.
class ShowCommand {
  public:
    enum class Kind { Unknown, Chart, Aspects, RadixPlanets, TransitPlanets, Orientation };

    static int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

    static Kind kindOf(const std::string& path);

  private:
    // Throws FormatError for a damaged file.
    static std::string format(Kind kind, const std::vector<std::uint8_t>& bytes, bool json);
};

}  // namespace orvanta::cli
