#include "cli/DrawingCommands.h"

#include <ostream>

#include "cli/PrintCommand.h"
#include "cli/RenderCommand.h"

namespace orvanta::cli {
namespace {

using Run = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);

struct DrawingCommand {
    std::string_view name;
    Run run;
};

constexpr DrawingCommand kCommands[] = {
    {"render", &RenderCommand::run},
    {"print", &PrintCommand::run},
};

}  // namespace

int DrawingCommands::run(std::string_view command, const std::vector<std::string>& arguments,
                         std::ostream& out, std::ostream& err) {
    for (const auto& known : kCommands) {
        if (known.name == command) return known.run(arguments, out, err);
    }
    err << "orvanta-cli: в части рисования нет команды «" << command << "»\n";
    return 2;
}

}  // namespace orvanta::cli
