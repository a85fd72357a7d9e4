#pragma once

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvanta::cli {

// A usage fault of the command line; the message is shown to the user as it stands.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Options of one command: "--name VALUE" options, "--flag" switches and plain operands.
class CommandLine {
  public:
    CommandLine(std::set<std::string> valueOptions, std::set<std::string> flagOptions);

    // Throws UsageError on an unknown option or a missing value.
    void parse(const std::vector<std::string>& arguments);

    bool has(const std::string& option) const;
    std::optional<std::string> value(const std::string& option) const;
    std::string required(const std::string& option) const;
    const std::vector<std::string>& operands() const { return operands_; }

    // Typed readers; throw UsageError with a message naming the option.
    static double toDouble(const std::string& option, const std::string& text);
    static int toInt(const std::string& option, const std::string& text);

  private:
    std::set<std::string> valueOptions_;
    std::set<std::string> flagOptions_;
    std::map<std::string, std::string> values_;
    std::set<std::string> flags_;
    std::vector<std::string> operands_;
};

}  // namespace orvanta::cli
