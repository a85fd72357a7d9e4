#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta::cli {

// The commands that draw live in a plugin library ("orvanta-cli-draw.so", beside the program)
// that is loaded only when one of them runs, so that the commands that only compute never load
// Qt. The plugin is built from the same sources and options as the program.
class DrawingPlugin {
  public:
    static constexpr const char* kFileName = "orvanta-cli-draw.so";
    static constexpr const char* kEntryPointName = "OrvantaCli_RunDrawingCommand";

    // The plugin's entry: runs the named drawing command; returns the command's exit code.
    using EntryPoint = int (*)(const char* command, const std::vector<std::string>* arguments,
                               std::ostream* out, std::ostream* err);

    static std::filesystem::path path();

    // Loads the plugin (once per process) and runs the command; exit code 1 with a message
    // when the plugin cannot be loaded.
    static int run(std::string_view command, const std::vector<std::string>& arguments,
                   std::ostream& out, std::ostream& err);
};

}  // namespace orvanta::cli
