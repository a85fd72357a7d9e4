#include "calc/Bodies.h"

#include <array>

namespace orvanta {
namespace {

constexpr std::array<std::string_view, Bodies::kBodyCount + 1> kNames = {
    "",     "Солнце", "Луна",   "Меркурий",   "Венера", "Марс",   "Юпитер", "Сатурн", "Хирон",
    "Уран", "Нептун", "Плутон", "Прозерпина", "В.Узел", "Н.Узел", "Селена", "Лилит",
};

}  // namespace

std::string_view Bodies::name(int body) {
    return isBody(body) ? kNames[body] : std::string_view{};
}

std::string_view Bodies::caption(int body) {
    if (body == NorthNode) return "В.Узел (Раху)";
    if (body == SouthNode) return "Н.Узел (Кету)";
    return name(body);
}

}  // namespace orvanta
