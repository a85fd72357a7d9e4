#include "texts/ReadingAspects.h"

#include <cmath>

#include "calc/Bodies.h"
#include "texts/FullReading.h"
#include "texts/ReadingFormat.h"

namespace orvanta {
namespace {

constexpr int kFamilyVariants = 6;
constexpr int kAngleVariants = 2;

constexpr std::array<std::string_view, 3> kFamilyKeys = {"гармония", "напряжение", "соединение"};

// Uranus, Neptune and Pluto: their aspects to one another last for years.
bool isSlow(int object) {
    return object == Bodies::Uranus || object == Bodies::Neptune || object == Bodies::Pluto;
}

}  // namespace

ReadingAspects::ReadingAspects(const ReadingTexts& texts, const ChartData& chart,
                               const NatalAspectTable& aspects, const ChartSummary& summary,
                               const ReadingWords& words)
    : texts_(texts), chart_(chart), aspects_(aspects), summary_(summary), words_(words) {}

ReadingAspects::Family ReadingAspects::familyOf(double angle) {
    if (angle == 0.0) return Family::Conjunction;
    // The sextile and trine and the minor aspects of the fifth, ninth and tenth harmonics.
    for (double soft : {60.0, 120.0, 30.0, 72.0, 144.0, 36.0, 108.0, 40.0, 80.0}) {
        if (std::fabs(angle - soft) < 1e-9) return Family::Harmonious;
    }
    return Family::Tense;
}

std::string ReadingAspects::aspectName(const RankedAspect& aspect) const {
    const double angle = aspects_[static_cast<std::size_t>(aspect.aspect)].angle;
    const long whole = std::lround(std::floor(angle));
    std::string name = texts_.text("аспект " + std::to_string(whole));
    return name.empty() ? "аспект " + ReadingFormat::arc(angle) : name;
}

std::string ReadingAspects::pairTheme(int first, int second) const {
    std::string theme = texts_.text("пара " + words_.nameOf(first) + "-" + words_.nameOf(second));
    if (!theme.empty()) return theme;
    const auto essence = [&](int object) {
        return Bodies::isBody(object)
                   ? texts_.text(words_.nameOf(object) + ": суть")
                   : texts_.text(object == Bodies::Ascendant ? "Асцендент: суть" : "MC: суть");
    };
    return essence(first) + " и " + essence(second);
}

int ReadingAspects::count(Family family) const {
    int n = 0;
    for (const auto& aspect : summary_.aspects()) {
        if (aspect.major &&
            familyOf(aspects_[static_cast<std::size_t>(aspect.aspect)].angle) == family)
            ++n;
    }
    return n;
}

std::string ReadingAspects::describe(const RankedAspect& aspect) {
    const std::string a = words_.nameOf(aspect.first);
    const std::string b = words_.nameOf(aspect.second);
    std::string head = a + " — " + b + ": " + aspectName(aspect) + ", орбис " +
                       ReadingFormat::arc(aspect.orb) + "; тема — " +
                       pairTheme(aspect.first, aspect.second) + ".";
    const auto family =
        static_cast<std::size_t>(familyOf(aspects_[static_cast<std::size_t>(aspect.aspect)].angle));
    std::string sentence;
    if (isSlow(aspect.first) && isSlow(aspect.second)) {
        // Every birth of those years has it: said so instead of a personal trait.
        const int variant = generationUsed_++ % kAngleVariants + 1;
        sentence = texts_.fill("поколение " + std::to_string(variant), {{"A", a}, {"B", b}});
    } else if (Bodies::isBody(aspect.first) && Bodies::isBody(aspect.second)) {
        const int variant = used_[family]++ % kFamilyVariants + 1;
        const std::string key = std::string(kFamilyKeys[family]) + " " + std::to_string(variant);
        sentence = texts_.fill(key, {{"A", a}, {"B", b}});
    } else {
        // The angle comes second: objects are visited in number order and the angles follow
        // the bodies.
        const bool ascendant = aspect.second == Bodies::Ascendant;
        const int variant = angleUsed_[ascendant ? 0 : 1][family]++ % kAngleVariants + 1;
        const std::string key = (ascendant ? "Асцендент: " : "MC: ") +
                                std::string(kFamilyKeys[family]) + " " + std::to_string(variant);
        sentence = texts_.fill(key, {{"П", a}});
    }
    return ReadingFormat::wrapped(head + (sentence.empty() ? "" : " " + sentence));
}

std::string ReadingAspects::listed(const RankedAspect& aspect) const {
    return words_.nameOf(aspect.first) + " — " + words_.nameOf(aspect.second) + " (" +
           aspectName(aspect) + ", " + ReadingFormat::arc(aspect.orb) + ")";
}

std::string ReadingAspects::section() {
    const std::string total = std::to_string(summary_.aspects().size());
    std::string text =
        ReadingFormat::wrapped(texts_.fill("аспекты: вступление", {{"всего", total}})) + "\n";
    int major = 0;
    int minor = 0;
    std::vector<std::string> rest;
    for (const auto& aspect : summary_.aspects()) {
        int& described = aspect.major ? major : minor;
        const int limit =
            aspect.major ? FullReading::kDescribedMajor : FullReading::kDescribedMinor;
        if (described < limit) {
            ++described;
            text += describe(aspect) + "\n";
        } else {
            rest.push_back(listed(aspect));
        }
    }
    if (!rest.empty()) {
        text += ReadingFormat::wrapped(
                    texts_.fill("аспекты: остальные", {{"список", ReadingFormat::list(rest)},
                                                       {"число", std::to_string(rest.size())}})) +
                "\n";
    }
    return text;
}

}  // namespace orvanta
