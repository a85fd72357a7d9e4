#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace orvanta {

// The application folder: where the programs, the engine and every data file live.
// It is the folder named by ORVANTA_HOME when that is set, else the executable's folder.
class AppFolder {
  public:
    static std::filesystem::path path();

    // Tests and tools point the program at another folder; an empty path restores the default.
    static void setOverride(const std::filesystem::path& folder);

    // The application folder plus a relative name ("TXT_OR\\cup.txt" or "BMP_ZZ/SET1/1.bmp").
    // Each component is matched without regard to letter case; a component that does not exist
    // is kept as written, so the result is also the path to create a new file at.
    static std::filesystem::path find(std::string_view relativeName);

    // The folder of the running program itself, whatever ORVANTA_HOME says: the program's own
    // parts (the drawing plugin of orvanta-cli) lie there.
    static std::filesystem::path programFolder();

    // The same lookup below any folder.
    static std::filesystem::path findIn(const std::filesystem::path& folder,
                                        std::string_view relativeName);
};

}  // namespace orvanta
