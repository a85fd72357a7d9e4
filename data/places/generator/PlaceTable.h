#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "birthdata/PlaceRecord.h"

namespace orvanta {

// The readable table of the delivered places: a header line "name<TAB>latitude<TAB>longitude
// <TAB>country", then one place per line with its latitude as "55:45N" and its longitude as
// "37:37E" (degrees, arc-minutes, hemisphere). The country is for the reader only.
class PlaceTable {
  public:
    // A line the build cannot use; the message names the line.
    class Error : public std::runtime_error {
      public:
        using std::runtime_error::runtime_error;
    };

    static constexpr std::string_view kHeader = "name\tlatitude\tlongitude\tcountry";

    // The places in table order. Throws Error for a missing header, a line without four
    // fields, a coordinate out of its range or not written as above, a name that
    // Windows-1251 cannot hold, or a name that an earlier line already has (letter case
    // aside), since the program would never find the second one.
    static std::vector<PlaceRecord> parse(std::string_view text);

    // Signed decimal degrees of "DD:MMN"; `positive` and `negative` are the hemisphere letters
    // and `largest` the largest number of degrees. Empty when the text is not such a value.
    static std::optional<double> parseCoordinate(std::string_view text, char positive,
                                                 char negative, int largest);
};

}  // namespace orvanta
