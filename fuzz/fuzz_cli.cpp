// The command line of orvanta-cli: the input split at zero bytes into arguments. Files the
// commands write land in the scratch folder: arguments that name another folder are dropped.
#include <sstream>

#include "FuzzInput.h"
#include "cli/CliCommands.h"

using namespace orvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool inScratch = [] {
        const auto folder = fuzz::scratchFile("cwd", nullptr, 0).parent_path();
        std::filesystem::current_path(folder);
        return true;
    }();
    (void)inScratch;
    std::vector<std::string> arguments;
    std::string current;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            arguments.push_back(current);
            current.clear();
        } else {
            current += static_cast<char>(data[i]);
        }
    }
    arguments.push_back(current);
    for (const auto& argument : arguments) {
        if (argument.find('/') != std::string::npos || argument.find("..") != std::string::npos) {
            return 0;
        }
    }
    std::ostringstream out;
    std::ostringstream err;
    const int code = cli::CliCommands::dispatch(arguments, out, err);
    fuzz::require(code >= 0 && code <= 2);
    return 0;
}
