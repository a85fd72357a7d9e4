#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

// How the full reading writes numbers, lists and paragraphs.
class ReadingFormat {
  public:
    static constexpr int kLineWidth = 78;

    // "10°48′": whole degrees and whole minutes, as the chart stores them (truncated).
    static std::string degrees(double degreeInSign, double minutes);
    // "2°15′" for an orb of 2.25 degrees; the minutes are truncated, as for positions.
    static std::string arc(double degrees);
    // "14:30", "9:07".
    static std::string clock(int hour, int minute);
    // "12.04.1961".
    static std::string date(int day, int month, int year);
    // "UTC+3", "UTC-5", "UTC+5:30".
    static std::string zone(double hoursEast);
    // "55°45′ с. ш., 37°37′ в. д."
    static std::string coordinates(double latitude, double longitude);
    // "Солнце", "Солнце и Луна", "Солнце, Луна и Венера".
    static std::string list(const std::vector<std::string>& items);
    // The first letter in upper case (Russian and Latin letters).
    static std::string capitalized(std::string text);
    // A paragraph broken into lines of at most kLineWidth characters at spaces, each ended by LF.
    static std::string wrapped(std::string_view paragraph);
};

}  // namespace orvanta
