#include "doc/ChartBarTexts.h"

namespace orvanta {

std::string ChartBarTexts::name(const NatalChart& natal) {
    return natal.birth.name;
}

std::string ChartBarTexts::birthMoment(const NatalChart& natal) {
    const BirthData& b = natal.birth;
    std::string text = std::to_string(b.day) + "." + std::to_string(b.month) + "." +
                       std::to_string(b.year) + " " + std::to_string(b.hour) + ":" +
                       std::to_string(b.minute);
    if (natal.hasHouses()) text += "  дома " + b.houseSystemName;
    return text;
}

std::string ChartBarTexts::eventDate(const Date& date) {
    return std::to_string(date.day) + "." + std::to_string(date.month) + "." +
           std::to_string(date.year);
}

}  // namespace orvanta
