#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "doc/AafEncoding.h"
#include "doc/AafRecord.h"

namespace orvanta {

// Reads the records of an AAF file: every record begins with an #A93 chunk; #B93 and #ZNAM
// are read, other chunks are named as skipped. A record with an error is left out with the
// error and its line; the records around it are read as if it were not there.
class AafReader {
  public:
    // Longer lines are no chunk any program writes; they are refused unread.
    static constexpr std::size_t kLongestLine = 4096;

    struct Result {
        AafEncoding::Kind encoding = AafEncoding::Kind::Utf8;
        std::vector<AafRecord> records;
        std::vector<AafProblem> problems;
        int refusedRecords = 0;
    };

    static Result read(std::span<const std::uint8_t> bytes);

    // The field readers, each throwing FormatError worded for the user. A "*" is no value.
    static Date readDate(std::string_view text);
    static void readTime(std::string_view text, AafRecord& record);
    // "55n45", "33s52:30" / "37e37", "70w15": degrees, hemisphere letter, minutes, seconds.
    static double readAngle(std::string_view text, char positive, char negative, double limit);
    // "1he00", "5hw30", "0e21:48", "-5", "3": hours ahead of Universal Time.
    static double readZone(std::string_view text);

  private:
    class Session;
};

}  // namespace orvanta
