#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta::cli {

// The tool's sub-commands. Exit codes: 0 done, 1 the work failed (a damaged file, the engine
// unreachable), 2 a bad argument.
class CliCommands {
  public:
    using Run = std::function<int(const std::vector<std::string>& arguments, std::ostream& out,
                                  std::ostream& err)>;
    struct Command {
        std::string_view name;
        std::string_view usage;
        Run run;
    };

    static const std::vector<Command>& all();
    // Runs the command the arguments name; what it prints passes through TerminalStreamBuf.
    static int dispatch(const std::vector<std::string>& arguments, std::ostream& out,
                        std::ostream& err);
    static std::string usage();

  private:
    static int runCommand(const std::vector<std::string>& arguments, std::ostream& out,
                          std::ostream& err);
};

}  // namespace orvanta::cli
