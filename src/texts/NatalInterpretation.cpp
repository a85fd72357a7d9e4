#include "texts/NatalInterpretation.h"

#include <array>
#include <cmath>
#include <optional>

#include "calc/Bodies.h"
#include "calc/Calendar.h"
#include "natal/FindNatalAspects.h"
#include "texts/KeyedTextFile.h"
#include "texts/TextKeys.h"

namespace orvanta {
namespace {

constexpr std::array<std::string_view, 12> kSignsGenitive = {
    "Овна",  "Тельца",    "Близнецов", "Рака",     "Льва",    "Девы",
    "Весов", "Скорпиона", "Стрельца",  "Козерога", "Водолея", "Рыб",
};

constexpr std::string_view kPositionsTitle = " \r\nПОЛОЖЕНИЕ ПЛАНЕТ НА МОМЕНТ РОЖДЕНИЯ\r\n\r\n";
constexpr std::string_view kTraitsTitle =
    "\r\n\r\n                  ПЛАНЕТАРНЫЕ ЧЕРТЫ ХАРАКТЕРА\r\n"
    "\r\n                      л и ч н о с т н ы е\r\n";
constexpr std::string_view kCollectiveHeading =
    "                         к о л л е к т и в н ы е\r\n\r\n";
constexpr std::string_view kKarmicHeading = "                        к а р м и ч е с к и е\r\n\r\n";
constexpr std::string_view kTraitsLead =
    "      Черты характера,  о д н а   и з   г р а н е й  личности,\r\n"
    "      лучшие и худшие случаи ее проявления, которые формирует\r\n";
constexpr std::string_view kMissingTraits = "\t........... (описание отсутствует)\r\n";
constexpr std::string_view kStars = "\r\n\r\n                           *  *  *  *  *\r\n\r\n\r\n";

std::string_view signGenitive(int sign) {
    if (sign < 1 || sign > static_cast<int>(kSignsGenitive.size())) return {};
    return kSignsGenitive[static_cast<std::size_t>(sign - 1)];
}

std::string twoDigits(int value) {
    return (value >= 0 && value < 10 ? "0" : "") + std::to_string(value);
}

bool isShown(const ObjectStyle& style) {
    return style.shown != 0;
}

// Drops the last character of a UTF-8 text: its lead byte and any continuation bytes.
void removeLastCharacter(std::string& text) {
    while (!text.empty()) {
        const auto byte = static_cast<unsigned char>(text.back());
        text.pop_back();
        if ((byte & 0xC0) != 0x80) break;
    }
}

void replaceFromSecondCharacter(std::string& text, std::string_view marker, std::string_view key) {
    for (auto at = text.find(marker, 1); at != std::string::npos;
         at = text.find(marker, at + key.size())) {
        text.replace(at, marker.size(), key);
    }
}

// "07.50": whole degrees and hundredths of a degree, two digits each.
std::string degreeText(double degreeInSign) {
    // A damaged chart may hold anything; such a value reads as 0 rather than overflowing.
    if (!std::isfinite(degreeInSign) || std::fabs(degreeInSign) > 1e6) degreeInSign = 0.0;
    const double whole = std::trunc(degreeInSign);
    int degrees = static_cast<int>(whole);
    int hundredths = Calendar::round((degreeInSign - whole) * 100.0);
    if (hundredths == 100) {
        ++degrees;
        hundredths = 0;
    }
    return twoDigits(degrees) + "." + twoDigits(hundredths);
}

// The markers "pl1" and "pl2" of an aspect text become the two body-in-sign keys; a marker at
// the very first character stays as it is.
std::string replaceMarkers(std::string text, std::string_view key1, std::string_view key2) {
    replaceFromSecondCharacter(text, "pl1", key1);
    replaceFromSecondCharacter(text, "pl2", key2);
    return text;
}

// One run of the synthesis: the three keyed files, the text written so far and the count of
// each aspect kind, which chooses the title variant.
class Writer {
  public:
    Writer(const TextLibrary& library, const BirthData& birth, const ChartData& chart,
           const NatalAspectTable& aspects)
        : library_(library), birth_(birth), chart_(chart), aspects_(aspects) {}

    NatalInterpretation::Result run() {
        if (!loadKeyedFiles()) return nothing();
        if (!append(TextLibrary::kOpening)) return nothing();
        writeHeading();
        writePositions();
        text_ += "\r\n\r\n\r\n";
        if (!append(TextLibrary::kShortIntroduction)) return partial();
        writeShortCharacteristic();
        if (!append(TextLibrary::kAfterShortTraits)) return partial();
        writeTraits();
        text_ += "\r\n";
        if (!append(TextLibrary::kAspectsIntroduction)) return partial();
        writeAspects();
        text_ += kStars;
        if (!append(TextLibrary::kClosing)) return partial();
        return {std::move(text_), true, {}};
    }

  private:
    bool loadKeyedFiles() {
        for (auto [name, file] : {std::pair{TextLibrary::kShortTraits, &short_},
                                  std::pair{TextLibrary::kPlanetTraits, &traits_},
                                  std::pair{TextLibrary::kAspects, &aspectTexts_}}) {
            const auto loaded = library_.loadKeyedFile(name, *file);
            if (!loaded) {
                failure_ = loaded.messages.front() + ". Текст интерпретации не построен.";
                return false;
            }
        }
        return true;
    }

    bool append(std::string_view name) {
        auto appended = library_.appendWholeFile(name, text_);
        if (!appended.loaded()) failure_ = std::move(appended.messages.front());
        return appended.loaded();
    }

    NatalInterpretation::Result nothing() { return {{}, false, std::move(failure_)}; }
    NatalInterpretation::Result partial() { return {std::move(text_), false, std::move(failure_)}; }

    const ObjectPosition& body(int number) const { return chart_[number]; }
    const ObjectStyle& style(int number) const { return chart_.style[number]; }

    std::string keyOf(int number) const {
        return TextKeys::bodyInSign(style(number).name, body(number).sign);
    }

    void writeHeading() {
        const BirthData& b = birth_;
        text_ += "\r\n\r\n\r\n";
        text_ += "Имя: " + b.name + "\r\n";
        text_ += "Время рождения:\r\n";
        text_ += "  местное: " + moment(b.hour, b.minute, b.day, b.month, b.year) + "\r\n";
        text_ +=
            "  по Гринвичу: " + moment(b.gmtHour, b.gmtMinute, b.gmtDay, b.gmtMonth, b.gmtYear) +
            "\r\n\r\n";
    }

    static std::string moment(int hour, int minute, int day, int month, int year) {
        return std::to_string(hour) + "час " + std::to_string(minute) + "мин  " +
               std::to_string(day) + "." + std::to_string(month) + "." + std::to_string(year);
    }

    void writePositions() {
        text_ += kPositionsTitle;
        for (int i = 1; i <= Bodies::kBodyCount; ++i) {
            const ObjectPosition& b = body(i);
            if (!isShown(style(i))) continue;
            text_ += "\t" + style(i).name + " ... " + degreeText(b.degreeInSign) + " град. " +
                     std::string(signGenitive(b.sign)) + "\r\n";
        }
        text_ += "\r\n";
    }

    void writeShortCharacteristic() {
        for (int i = 1; i <= Bodies::kBodyCount; ++i) {
            if (!isShown(style(i))) continue;
            if (const auto entry = short_->findEntry(keyOf(i), TextLibrary::kShortTraitsCut)) {
                text_ += "\r\n" + *entry + ";";
            }
        }
        // The last clause ends the sentence; with no clause at all this still takes the last
        // character of the introduction, as the layout of the library expects.
        removeLastCharacter(text_);
        text_ += ".\r\n";
    }

    void writeTraits() {
        text_ += kTraitsTitle;
        for (int i = 1; i <= Bodies::kBodyCount; ++i) {
            const ObjectStyle& s = style(i);
            if (!isShown(s) || i == Bodies::SouthNode) continue;
            text_ += "\r\n";
            // The identifier, not the number, opens the collective and karmic groups.
            if (s.identifier == Bodies::Uranus) text_ += kCollectiveHeading;
            if (s.identifier == Bodies::NorthNode) text_ += kKarmicHeading;
            const std::string key = TextKeys::traitsKey(s.name, body(i).sign);
            text_ += kTraitsLead;
            if (const auto entry = traits_->findEntry(key, TextLibrary::kPlanetTraitsCut)) {
                text_ += *entry + "\r\n";
            } else {
                text_ += key + std::string(kMissingTraits);
            }
        }
        if (body(Bodies::Selena).sign == body(Bodies::Lilith).sign) {
            if (const auto entry =
                    traits_->findEntry(TextKeys::kSelenaAndLilith, TextLibrary::kPlanetTraitsCut)) {
                text_ += "\r\n" + *entry + "\r\n";
            }
        }
    }

    void writeAspects() {
        std::array<int, TextKeys::kAspectCount> occurrences{};
        const int objects = chart_.housesUnavailable ? Bodies::kBodyCount : Bodies::kLastCusp;
        for (const auto& pair :
             FindNatalAspects::all(chart_, objects, aspects_, AspectConsumer::Text)) {
            const auto kind =
                TextKeys::aspectOfAngle(aspects_[static_cast<std::size_t>(pair.aspect)].angle);
            if (!kind) continue;
            const std::string key1 = keyOf(pair.first);
            const std::string key2 = keyOf(pair.second);
            if (const auto entry = aspectTexts_->findEntry(key1, TextLibrary::kAspectsCut)) {
                text_ += "\r\n" + *entry + ",";
            }
            if (const auto entry = aspectTexts_->findEntry(key2, TextLibrary::kAspectsCut)) {
                text_ += " и " + *entry + ",";
            }
            const int variant = ++occurrences[static_cast<std::size_t>(*kind)];
            const auto prose = aspectTexts_->findAspectText(TextKeys::aspectTitle(*kind, variant));
            if (prose) {
                text_ += " " + replaceMarkers(*prose, key1, key2) + "\r\n";
            }
        }
    }

    const TextLibrary& library_;
    const BirthData& birth_;
    const ChartData& chart_;
    const NatalAspectTable& aspects_;
    std::optional<KeyedTextFile> short_;
    std::optional<KeyedTextFile> traits_;
    std::optional<KeyedTextFile> aspectTexts_;
    std::string text_;
    std::string failure_;  // what the user is told when the text stops short
};

}  // namespace

NatalInterpretation::NatalInterpretation(const TextLibrary& library) : library_(library) {}

NatalInterpretation::Result NatalInterpretation::build(const BirthData& birth,
                                                       const ChartData& chart,
                                                       const NatalAspectTable& aspects) const {
    return Writer(library_, birth, chart, aspects).run();
}

}  // namespace orvanta
