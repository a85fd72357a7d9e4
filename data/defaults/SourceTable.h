#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace orvanta::defaults {

// A readable source table: UTF-8 lines of tab-separated fields; lines starting with '#' and
// blank lines are skipped.
class SourceTable {
  public:
    struct Row {
        int line = 0;
        std::vector<std::string> fields;
    };

    // Throws std::runtime_error when the file cannot be read or a row has another number of
    // fields than expected.
    static std::vector<Row> read(const std::filesystem::path& path, std::size_t fieldCount);

    // Field readers that name the file and line of a bad value.
    static double number(const std::filesystem::path& path, const Row& row, std::size_t field);
    static int integer(const std::filesystem::path& path, const Row& row, std::size_t field);
    // "#RRGGBB" as a Windows colour value: red in the low byte.
    static std::uint32_t colour(const std::filesystem::path& path, const Row& row,
                                std::size_t field);

    [[noreturn]] static void fail(const std::filesystem::path& path, int line,
                                  const std::string& why);
};

}  // namespace orvanta::defaults
