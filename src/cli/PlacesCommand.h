#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace orvanta::cli {

// "orvanta-cli places [--file F] [NAME]": lists the places of "Place.PLB" (the application
// folder's or the given file) in file order, or finds one without regard to letter case and
// prints its coordinates in degrees and minutes with the hemisphere. With --world TEXT it
// lists the atlas cities whose name begins with TEXT, the most populous first.
class PlacesCommand {
  public:
    static int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
    // The atlas cities for a text, as a table or as JSON; 1 when there is none.
    static int runWorld(const std::string& text, bool json, std::ostream& out);

    // "55°45' С.Ш." and "0°07' З.Д.", as the birth-data entry's fields would show them.
    static std::string latitudeText(double latitude);
    static std::string longitudeText(double longitude);
};

}  // namespace orvanta::cli
