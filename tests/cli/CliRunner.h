#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace orvanta::testing {

// Runs the built orvanta-cli as a user would and collects what it printed.
struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline std::string readWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// arguments are appended to the command line as they stand (quote them as the shell needs);
// environment is put in front of the command, e.g. "ORVANTA_HOME=/tmp/x".
inline CliResult runCli(const std::string& arguments, const std::string& environment = "") {
    static int counter = 0;
    const std::string errPath = "/tmp/orvanta-cli-test-" + std::to_string(getpid()) + "-" +
                                std::to_string(++counter) + ".err";
    const std::string command = environment + " " + ORVANTA_CLI + " " + arguments + " 2>" + errPath;
    CliResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return result;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, n);
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.err = readWholeFile(errPath);
    std::remove(errPath.c_str());
    return result;
}

}  // namespace orvanta::testing
