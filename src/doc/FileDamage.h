#pragma once

#include <string>

#include "common/FormatError.h"

namespace orvanta {

// A fault that a reader of our own formats finds in a file and words for the user. Faults
// that the binary reader finds are all of one kind, bytes missing at the end, and are worded
// by the reader that catches them.
class FileDamage : public FormatError {
  public:
    using FormatError::FormatError;

    // Prefixes a damage found inside a part of the file with the name of that part.
    static std::string within(const std::string& part, const FormatError& error);

    // The wording for bytes that run out at the given offset.
    static std::string endsEarly(std::size_t offset);
};

}  // namespace orvanta
