#include "calc/ChartStyle.h"

#include <string>

namespace orvanta {

void ChartStyle::assignBodyNames() {
    for (int body = 1; body <= Bodies::kBodyCount; ++body) {
        (*this)[body].identifier = body;
        (*this)[body].name = std::string(Bodies::name(body));
    }
}

}  // namespace orvanta
