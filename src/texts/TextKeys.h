#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

// The texts that introduce the entries of the keyed library files: a body in a sign, the
// aspect titles and the joint entry of Selena and Lilith. All are UTF-8.
class TextKeys {
  public:
    // The five aspects that have texts, in the order of their titles.
    enum class Aspect { Opposition, Square, Trine, Sextile, Conjunction };

    static constexpr int kAspectCount = 5;
    static constexpr int kVariantCount = 3;
    static constexpr std::string_view kSelenaAndLilith = "Селена и Лилит";

    // "в Овне" … "в Рыбах" for signs 1 to 12; empty for any other number.
    static std::string_view signPhrase(int sign);

    // "Солнце во Льве": the key of "SHORT.txt" and "ASP.txt"; empty for a sign out of range.
    static std::string bodyInSign(std::string_view bodyName, int sign);

    // The key of "Pl_Zz.txt": as bodyInSign, except that the north node reads
    // "В.Узел (Раху) в Овне".
    static std::string traitsKey(std::string_view bodyName, int sign);

    // Only the exact angles 180, 90, 120, 60 and 0 have texts.
    static std::optional<Aspect> aspectOfAngle(double angle);

    // "1. Оппозиция." … "3. Соединение."; variants above the last one use the last one, so the
    // n-th occurrence of an aspect in an interpretation may be passed directly.
    static std::string aspectTitle(Aspect aspect, int variant);
};

}  // namespace orvanta
