#include "calc/MonthNames.h"

namespace orvanta {

std::string_view MonthNames::name(int month) {
    if (month < 1 || month > 12) return {};
    return kNames[static_cast<std::size_t>(month - 1)];
}

int MonthNames::number(std::string_view name) {
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        if (kNames[i] == name) return static_cast<int>(i) + 1;
    }
    return 0;
}

}  // namespace orvanta
