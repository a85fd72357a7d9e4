#include <unistd.h>

#include <cerrno>
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliCommands.h"
#include "common/DescriptorStreamBuf.h"
#include "common/SystemErrorText.h"

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    // Standard output through a buffer that reports every failed write with its reason.
    orvanta::DescriptorStreamBuf output(STDOUT_FILENO);
    std::ostream out(&output);
    const int code = orvanta::cli::CliCommands::dispatch(arguments, out, std::cerr);
    // A file system may report a lost write only when the file is closed.
    if (::close(STDOUT_FILENO) != 0 && errno != EBADF && code == 0) {
        std::cerr << "orvanta-cli: не удалось записать вывод: "
                  << orvanta::SystemErrorText::describe(errno) << "\n";
        return 1;
    }
    return code;
}
