#include "birthdata/AtlasCity.h"

namespace orvanta {

std::string AtlasCity::label() const {
    std::string text = name + " — ";
    if (!region.empty() && region != country) text += region + ", ";
    return text + country;
}

}  // namespace orvanta
