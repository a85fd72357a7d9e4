#include "texts/ReadingWords.h"

#include <array>

#include "calc/Bodies.h"
#include "texts/ReadingFormat.h"

namespace orvanta {
namespace {

constexpr std::array<std::string_view, 12> kSigns = {
    "Овен", "Телец",    "Близнецы", "Рак",     "Лев",     "Дева",
    "Весы", "Скорпион", "Стрелец",  "Козерог", "Водолей", "Рыбы",
};

}  // namespace

std::string_view ReadingWords::signName(int sign) {
    if (sign < 1 || sign > 12) return {};
    return kSigns[static_cast<std::size_t>(sign - 1)];
}

std::string ReadingWords::nameOf(int object) const {
    if (Bodies::isBody(object)) return std::string(Bodies::name(object));
    return texts_.text("угол " + std::to_string(object));
}

std::string ReadingWords::names(const std::vector<int>& objects) const {
    std::vector<std::string> list;
    for (int object : objects) list.push_back(nameOf(object));
    return ReadingFormat::list(list);
}

std::string ReadingWords::genitive(int sign) const {
    return texts_.text(std::string(signName(sign)) + ": род.");
}

std::string ReadingWords::position(int object) const {
    const ObjectPosition& o = chart_[object];
    return ReadingFormat::degrees(o.degreeInSign, o.minutes);
}

}  // namespace orvanta
