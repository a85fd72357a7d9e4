#include "cli/CliCommands.h"

#include <ostream>

#include "cli/AafCommands.h"
#include "cli/BatchCommand.h"
#include "cli/CalendarCommand.h"
#include "cli/ChartCommand.h"
#include "cli/CompositeCommand.h"
#include "cli/DrawingPlugin.h"
#include "cli/PlacesCommand.h"
#include "cli/ProgressCommand.h"
#include "cli/ReturnCommand.h"
#include "cli/ShowCommand.h"
#include "cli/SynastryCommand.h"
#include "cli/TerminalStreamBuf.h"
#include "cli/TextCommand.h"
#include "cli/TimeChangeCommand.h"
#include "cli/TransitsCommand.h"
#include "common/SystemErrorText.h"

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
         "  orvanta-cli render A.map (--biwheel | --synastry-table) B.map OUT.(png|pdf|svg) "
         "[--size WxH]\n"
         "  orvanta-cli render FILE.map --dial OUT.(png|pdf|svg) --date DD.MM.YYYY [--steps N] "
         "[--size WxH]",
         drawing("render")},
        {"transits",
         "transits FILE.map --date DD.MM.YYYY [--steps 1|2|3|4|6|8|12|24] [--moscow HOURS] "
         "[--greenwich HOURS] [--manual] [--json]",
         &TransitsCommand::run},
        {"text", "text FILE.map [-o OUT.txt]", &TextCommand::run},
        {"calendar",
         "calendar FILE.map --from DD.MM.YYYY --to DD.MM.YYYY [--bodies LIST] [--aspects LIST] "
         "[--points LIST] [--moon] [--zone HOURS | --place TEXT] [--json | --csv | --ics OUT.ics]",
         &CalendarCommand::run},
        {"print", "print FILE.map (--wheel | --table) OUT.pdf [--paper A4|Letter] [--landscape]",
         drawing("print")},
        {"synastry", "synastry A.map B.map [--json]", &SynastryCommand::run},
        {"composite", "composite A.map B.map [--davison] [--json] [-o OUT.map]",
         &CompositeCommand::run},
        {"progress", "progress FILE.map --date DD.MM.YYYY [--solar-arc] [--json]",
         &ProgressCommand::run},
        {"return",
         "return FILE.map --year YYYY [--lunar --month MM] [--place TEXT | --zone H --lat D "
         "--lon D] [--json] [-o OUT.map]",
         &ReturnCommand::run},
        {"import", "import FILE.aaf [-d FOLDER]", &AafCommands::runImport},
        {"export", "export FILE.map... -o OUT.aaf", &AafCommands::runExport},
    };
    return commands;
}

std::string CliCommands::usage() {
    std::string text = "вызов: orvanta-cli КОМАНДА [ПАРАМЕТРЫ]\n";
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
    const int code = runCommand(arguments, safeOut, safeErr);
    // Output that did not arrive whole is a failure, even when the command itself succeeded.
    safeOut.flush();
    if (!outBuffer.failed()) return code;
    const std::string command = arguments.empty()
                                    ? "orvanta-cli"
                                    : "orvanta-cli " + TerminalStreamBuf::escape(arguments[0]);
    safeErr << command
            << ": не удалось записать вывод: " << SystemErrorText::describe(outBuffer.errorNumber())
            << "\n";
    return code == 0 ? 1 : code;
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
    err << "orvanta-cli: неизвестная команда «" << arguments[0] << "»\n" << usage();
    return 2;
}

}  // namespace orvanta::cli
