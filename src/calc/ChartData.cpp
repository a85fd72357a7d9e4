#include "calc/ChartData.h"

namespace orvanta {

void ChartData::assignBodyNames() {
    for (int body = 1; body <= Bodies::kBodyCount; ++body) {
        (*this)[body].identifier = body;
        (*this)[body].name = std::string(Bodies::name(body));
    }
}

}  // namespace orvanta
