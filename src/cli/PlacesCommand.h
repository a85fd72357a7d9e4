#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace orvanta::cli {

// "orvanta-cli places [--file F] [NAME]": lists the places of "Place.PLB" (the application
// folder's or the given file) in file order, or finds one without regard to letter case and
// prints its coordinates in degrees and minutes with the hemisphere.
class PlacesCommand {
  public:
    static int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

    // "55°45' С.Ш." and "0°07' З.Д.", as the birth-data entry's fields would show them.
    static std::string latitudeText(double latitude);
    static std::string longitudeText(double longitude);
};

}  // namespace orvanta::cli
