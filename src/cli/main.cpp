#include <iostream>
#include <string>
#include <vector>

#include "cli/CliCommands.h"

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    return orvanta::cli::CliCommands::dispatch(arguments, std::cout, std::cerr);
}
