#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/ChartData.h"
#include "texts/ReadingTexts.h"

namespace orvanta {

// How the full reading names what it speaks of: objects, lists of them, signs in the genitive
// and positions within their sign.
class ReadingWords {
  public:
    ReadingWords(const ReadingTexts& texts, const ChartData& chart)
        : texts_(texts), chart_(chart) {}

    // "Овен" … "Рыбы": the word the library keys the texts of a sign by; empty out of range.
    static std::string_view signName(int sign);

    // "Марс", or "Асцендент" and "Середина неба" for the angles.
    std::string nameOf(int object) const;
    // "Солнце, Луна и Венера".
    std::string names(const std::vector<int>& objects) const;
    // "Скорпиона".
    std::string genitive(int sign) const;
    // "10°48′": the object's place within its sign.
    std::string position(int object) const;

  private:
    const ReadingTexts& texts_;
    const ChartData& chart_;
};

}  // namespace orvanta
