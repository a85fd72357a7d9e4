#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta::cli {

// The commands of the drawing plugin, by name. orvanta-cli lists them in its own command table
// (with their usage) and hands their arguments over through DrawingPlugin.
class DrawingCommands {
  public:
    // Exit code 2 with a message for a name the plugin does not know.
    static int run(std::string_view command, const std::vector<std::string>& arguments,
                   std::ostream& out, std::ostream& err);
};

}  // namespace orvanta::cli
