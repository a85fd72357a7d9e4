#include "texts/TextKeys.h"

#include <algorithm>
#include <array>

#include "calc/Bodies.h"

namespace orvanta {
namespace {

constexpr std::array<std::string_view, 12> kSignPhrases = {
    "в Овне",  "в Тельце",    "в Близнецах", "в Раке",     "во Льве",   "в Деве",
    "в Весах", "в Скорпионе", "в Стрельце",  "в Козероге", "в Водолее", "в Рыбах",
};

constexpr std::array<std::string_view, TextKeys::kAspectCount> kAspectNames = {
    "Оппозиция", "Квадратура", "Тригон", "Секстиль", "Соединение",
};

constexpr std::array<double, TextKeys::kAspectCount> kAspectAngles = {180.0, 90.0, 120.0, 60.0,
                                                                      0.0};

}  // namespace

std::string_view TextKeys::signPhrase(int sign) {
    if (sign < 1 || sign > static_cast<int>(kSignPhrases.size())) return {};
    return kSignPhrases[sign - 1];
}

std::string TextKeys::bodyInSign(std::string_view bodyName, int sign) {
    const auto phrase = signPhrase(sign);
    if (phrase.empty()) return {};
    return std::string(bodyName) + " " + std::string(phrase);
}

std::string TextKeys::traitsKey(std::string_view bodyName, int sign) {
    // The traits file names the north node together with its second name.
    if (bodyName == Bodies::name(Bodies::NorthNode)) {
        return bodyInSign(std::string(bodyName) + " (Раху)", sign);
    }
    return bodyInSign(bodyName, sign);
}

std::optional<TextKeys::Aspect> TextKeys::aspectOfAngle(double angle) {
    for (std::size_t i = 0; i < kAspectAngles.size(); ++i) {
        if (angle == kAspectAngles[i]) return static_cast<Aspect>(i);
    }
    return std::nullopt;
}

std::string TextKeys::aspectTitle(Aspect aspect, int variant) {
    variant = std::clamp(variant, 1, kVariantCount);
    return std::to_string(variant) + ". " +
           std::string(kAspectNames[static_cast<std::size_t>(aspect)]) + ".";
}

}  // namespace orvanta
