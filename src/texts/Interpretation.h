#pragma once

#include <string>

#include "natal/NatalChart.h"
#include "texts/TextLibrary.h"

namespace orvanta {

// The interpretation text of a natal chart (UTF-8, CR LF line ends) and its out-of-date mark.
// Every change that alters the text marks it: a new chart, opening, changed birth data, a
// step, a settings change. It is written again only when it is asked for, since writing it
// reads the whole text library.
class Interpretation {
  public:
    const std::string& text() const { return text_; }
    bool isOutOfDate() const { return outOfDate_; }
    void markOutOfDate() { outOfDate_ = true; }
    // False after a missing library file: the text is partial or empty, and message() says
    // what the user is to be told.
    bool isComplete() const { return complete_; }
    const std::string& message() const { return message_; }

    // Writes the text from the library when it is out of date and clears the mark; true when
    // it wrote it.
    bool refresh(const TextLibrary& library, const NatalChart& natal);

  private:
    std::string text_;
    std::string message_;
    bool outOfDate_ = true;
    bool complete_ = false;
};

}  // namespace orvanta
