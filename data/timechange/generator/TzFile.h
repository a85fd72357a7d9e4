#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvanta {

// The history of one zone as a compiled tz file (TZif, RFC 8536) holds it: the offset kept
// before the first transition and every transition after it. Only the 64-bit body of a
// version 2 or later file is read; every count is checked against the bytes that remain.
class TzFile {
  public:
    struct Transition {
        std::int64_t at = 0;      // seconds since 1970-01-01 00:00 UTC
        std::int32_t offset = 0;  // seconds east of Greenwich from then on
        std::string abbreviation;
    };

    // Throws std::runtime_error when the bytes are not such a file.
    static TzFile parse(std::span<const std::uint8_t> bytes);

    std::int32_t initialOffset = 0;
    std::string initialAbbreviation;
    std::vector<Transition> transitions;
    std::string footer;  // the rule for times after the last transition, e.g. "MSK-3"
};

}  // namespace orvanta
