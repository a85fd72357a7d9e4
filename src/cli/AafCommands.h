#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace orvanta::cli {

// "orvanta-cli import FILE.aaf [-d FOLDER]" and "orvanta-cli export FILE.map... -o OUT.aaf":
// charts exchanged with other programs in AAF.
class AafCommands {
  public:
    static int runImport(const std::vector<std::string>& arguments, std::ostream& out,
                         std::ostream& err);
    static int runExport(const std::vector<std::string>& arguments, std::ostream& out,
                         std::ostream& err);
};

}  // namespace orvanta::cli
