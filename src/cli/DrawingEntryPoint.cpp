// The one exported entry of the drawing plugin that orvanta-cli loads on demand.
#include <type_traits>

#include "cli/DrawingCommands.h"
#include "cli/DrawingPlugin.h"

extern "C" __attribute__((visibility("default"))) int OrvantaCli_RunDrawingCommand(
    const char* command, const std::vector<std::string>* arguments, std::ostream* out,
    std::ostream* err) {
    return orvanta::cli::DrawingCommands::run(command, *arguments, *out, *err);
}

// The program and the plugin must agree on the entry's shape.
static_assert(std::is_same_v<decltype(&OrvantaCli_RunDrawingCommand),
                             orvanta::cli::DrawingPlugin::EntryPoint>);
