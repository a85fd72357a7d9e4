#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

// Breaks a text into the lines that fit a printed width. Walking the text character by
// character, the line so far is measured; once its width reaches the width given, it breaks
// at its last space, which is dropped, and the rest starts the next line. A line break of the
// text (CR LF, LF or CR) always ends a line. A line with no space at all breaks before the
// character that reached the edge, so that no word runs past the paper's text area. A tab
// becomes the spaces up to the next stop of every eight characters, as the window shows it.
class TextRewrap {
  public:
    static constexpr int kTabStop = 8;

    // The width of a UTF-8 string in the units of the printed width.
    using Measure = std::function<int(std::string_view)>;

    static std::vector<std::string> lines(std::string_view text, int width, const Measure& measure);
};

}  // namespace orvanta
