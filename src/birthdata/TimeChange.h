#pragma once

#include <cstdint>
#include <string>

namespace orvanta {

// One change of the difference between Moscow time and Greenwich time: from the given Moscow
// clock hour on, Moscow is `difference` whole hours ahead of Greenwich.
struct TimeChange {
    std::int32_t day = 0;
    std::int32_t month = 0;
    std::int32_t year = 0;
    std::int32_t hour = 0;
    std::int32_t minute = 0;
    std::int32_t second = 0;
    double reserved = 0.0;  // unused by the program, kept and written back as read
    double instant = 0.0;   // hours since 1 January 1860 00:00; derived, not stored
    std::int32_t difference = 0;

    // The editor's range of differences.
    static constexpr std::int32_t kSmallestDifference = 0;
    static constexpr std::int32_t kLargestDifference = 6;

    // A date between 1860 and 2130 that exists in the calendar, with a time of day, and a
    // difference the editor accepts.
    bool isValid() const;

    // Hours since 1 January 1860 00:00 to the record's date at its hour. An invalid record gets
    // 0: the lookup ignores it, and a damaged year would otherwise send the count far away.
    void computeInstant();

    // "27.3.1999, 2:00", or in brackets when the record is not valid.
    std::string text() const;
    // "с 27.3.1999, 2:00, разн. +4ч."
    std::string listLine() const;

    // Chronological order over year, month, day, hour, minute, second and the reserved value.
    static bool isEarlier(const TimeChange& first, const TimeChange& second);
};

}  // namespace orvanta
