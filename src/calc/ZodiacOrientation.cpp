#include "calc/ZodiacOrientation.h"

namespace orvanta {

void ZodiacOrientation::fitToHouses(bool housesUnavailable) {
    if (housesUnavailable && fromAscendant == 1) {
        fromAries = 1;
        fromAscendant = 0;
    }
}

}  // namespace orvanta
