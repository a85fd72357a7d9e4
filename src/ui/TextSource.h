#pragma once

#include <QString>
#include <string>

namespace orvanta {

// Where a text window's text comes from: the text written for the chart as it stands, whether
// the chart has changed since, and how the text goes to a Windows-1251 file.
class TextSource {
  public:
    virtual ~TextSource() = default;

    // The chart has changed since the text was written.
    virtual bool isOutOfDate() const = 0;
    // Writes the text again when it is out of date.
    virtual void refresh() = 0;
    // UTF-8; empty when there is nothing to show (a missing library file, already reported).
    virtual const std::string& text() const = 0;
    // The UTF-8 a file receives before encoding: text() as it was given, or the window's text
    // after editing (LF line ends).
    virtual std::string fileText(const std::string& text, bool edited) const = 0;
    // Asked before unsaved text is replaced or its window closes.
    virtual QString unsavedQuestion() const = 0;
};

}  // namespace orvanta
