#include "doc/AafRecord.h"

namespace orvanta {

std::string AafRecord::fullName() const {
    if (firstName.empty()) return name;
    if (name.empty()) return firstName;
    return name + " " + firstName;
}

std::string AafRecord::fullPlace() const {
    if (country.empty()) return place;
    if (place.empty()) return country;
    return place + ", " + country;
}

}  // namespace orvanta
