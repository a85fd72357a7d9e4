#pragma once

#include <string>
#include <string_view>

namespace orvanta {

// Turns the readable sources of the text library (UTF-8, LF) into a library file
// (Windows-1251, CR LF). Several sources may make up one file; they are joined in the order
// given, and a source whose last line lacks its line end gets one so that no two run together.
class TextSourceConverter {
  public:
    // Converts one source and appends it to the output. Fails, naming the source, line and
    // character, on anything the library cannot hold: a character outside Windows-1251, broken
    // UTF-8, a zero byte (keyed files are read as zero-terminated texts) or a lone CR.
    bool append(std::string_view sourceName, std::string_view utf8);

    const std::string& output() const { return output_; }
    const std::string& error() const { return error_; }

  private:
    bool appendLine(std::string_view sourceName, int lineNumber, std::string_view line);
    bool fail(std::string_view sourceName, int lineNumber, const std::string& what);

    std::string output_;
    std::string error_;
};

}  // namespace orvanta
