#include "cli/CliCommands.h"

#include <ostream>

#include "cli/AafCommands.h"
#include "cli/BatchCommand.h"
#include "cli/ChartCommand.h"
#include "cli/DrawingPlugin.h"
#include "cli/PlacesCommand.h"
#include "cli/ShowCommand.h"
#include "cli/TerminalStreamBuf.h"
#include "cli/TextCommand.h"
#include "cli/TimeChangeCommand.h"
#include "cli/TransitsCommand.h"

namespace orvanta::cli {
namespace {

// A command that draws runs in the drawing plugin, loaded only then.
CliCommands::Run drawing(std::string_view name) {
    return [name](const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
        return DrawingPlugin::run(name, arguments, out, err);
    };
}

}  // namespace

const std::vector<CliCommands::Command>& CliCommands::all() {
    static const std::vector<Command> commands = {
        {"chart",
         "chart --date DD.MM.YYYY --time HH:MM (--zone HOURS --lat DEG --lon DEG | --place TEXT) "
         "[--earlier|--later] [--houses NAME|none] [--name TEXT] [--json] [-o FILE.map]",
         &ChartCommand::run},
        {"batch", "batch [IN.csv|-] [--houses NAME|none] [--json-lines] [-o OUT]",
         &BatchCommand::run},
        {"timechange", "timechange [--file F] DD.MM.YYYY HH", &TimeChangeCommand::run},
        {"places", "places [--file F] [NAME] | places --world TEXT [--json]", &PlacesCommand::run},
        {"show", "show FILE.map|.asp|.ta|.rxp|.trp|.rnd [--json]", &ShowCommand::run},
        {"render",
         "render FILE.map (--wheel | --table) OUT.(png|pdf|svg) [--size WxH]\n"
         "  orvanta-cli render FILE.map --dial OUT.(png|pdf|svg) --date DD.MM.YYYY [--steps N] "
         "[--size WxH]",
         drawing("render")},
        {"transits",
         "transits FILE.map --date DD.MM.YYYY [--steps 1|2|3|4|6|8|12|24] [--moscow HOURS] "
         "[--greenwich HOURS] [--manual] [--json]",
         &TransitsCommand::run},
        {"text", "text FILE.map [-o OUT.txt]", &TextCommand::run},
        {"print", "print FILE.map (--wheel | --table) OUT.pdf [--paper A4|Letter] [--landscape]",
         drawing("print")},
        {"import", "import FILE.aaf [-d FOLDER]", &AafCommands::runImport},
        {"export", "export FILE.map... -o OUT.aaf", &AafCommands::runExport},
    };
    return commands;
}

std::string CliCommands::usage() {
    std::string text = "usage: orvanta-cli COMMAND [OPTIONS]\n";
    for (const auto& command : all()) text += "  orvanta-cli " + std::string(command.usage) + "\n";
    return text;
}

int CliCommands::dispatch(const std::vector<std::string>& arguments, std::ostream& out,
                          std::ostream& err) {
    // Whatever a command prints may quote a file: it reaches the terminal escaped.
    TerminalStreamBuf outBuffer(out.rdbuf());
    TerminalStreamBuf errBuffer(err.rdbuf());
    std::ostream safeOut(&outBuffer);
    std::ostream safeErr(&errBuffer);
    return runCommand(arguments, safeOut, safeErr);
}

int CliCommands::runCommand(const std::vector<std::string>& arguments, std::ostream& out,
                            std::ostream& err) {
    if (arguments.empty() || arguments[0] == "--help" || arguments[0] == "-h") {
        (arguments.empty() ? err : out) << usage();
        return arguments.empty() ? 2 : 0;
    }
    for (const auto& command : all()) {
        if (command.name == arguments[0]) {
            return command.run({arguments.begin() + 1, arguments.end()}, out, err);
        }
    }
    err << "orvanta-cli: unknown command '" << arguments[0] << "'\n" << usage();
    return 2;
}

}  // namespace orvanta::cli
