#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace orvanta::cli {

// "orvanta-cli text FILE.map [-o OUT.txt]": the interpretation of a chart, written as the
// document writes it after opening the chart. With -o the file holds exactly what the text
// window saves for the unedited text (Windows-1251, the library's line ends); otherwise the
// text goes to standard output as UTF-8 with LF line ends.
// "text FILE.map --full [--cp1251] [-o OUT.txt]": the full reading ("Подробный разбор"), as
// UTF-8 with LF, or with --cp1251 as Windows-1251 with CR LF; to the file or standard output.
class TextCommand {
  public:
    static int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
};

}  // namespace orvanta::cli
