// The full reading of four births checked against the charts it was written from: every sign,
// house, retrograde mark, aspect and orb it states is worked out again here from the
// longitudes, and its sentences are compared within a reading and between readings.

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "calc/Bodies.h"
#include "common/MessageSink.h"
#include "support/HandBirths.h"
#include "texts/FullReading.h"
#include "texts/TextLibrary.h"

namespace orvanta {
namespace {

using test::HandBirth;

const std::vector<std::string> kGenitive = {"Овна",     "Тельца",   "Близнецов", "Рака",
                                            "Льва",     "Девы",     "Весов",     "Скорпиона",
                                            "Стрельца", "Козерога", "Водолея",   "Рыб"};
const std::vector<std::string> kOrdinals = {"первом",  "втором",  "третьем",      "четвёртом",
                                            "пятом",   "шестом",  "седьмом",      "восьмом",
                                            "девятом", "десятом", "одиннадцатом", "двенадцатом"};
const std::map<std::string, double> kAspectAngles = {{"соединение", 0.0},
                                                     {"секстиль", 60.0},
                                                     {"квадратура", 90.0},
                                                     {"тригон", 120.0},
                                                     {"оппозиция", 180.0}};

struct Reading {
    const HandBirth* birth;
    ChartData chart;
    std::string text;
};

const std::vector<Reading>& readings() {
    static const std::vector<Reading> all = [] {
        std::vector<Reading> made;
        const TextLibrary library;
        for (const auto& birth : test::handBirths()) {
            ChartData chart = test::chartOf(birth);
            auto result =
                FullReading(library).build(test::birthDataOf(birth), chart, test::majorAspects());
            EXPECT_TRUE(result.complete) << birth.name;
            made.push_back({&birth, chart, std::move(result.text)});
        }
        return made;
    }();
    return all;
}

// The paragraphs, each on one line; in the data block every line stands on its own.
std::vector<std::string> paragraphs(const std::string& text) {
    std::vector<std::string> out;
    std::string current;
    bool inData = false;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (line == "ДАННЫЕ РОЖДЕНИЯ") inData = true;
        if (line == "ОБЩАЯ КАРТИНА") inData = false;
        if (line.empty() || inData) {
            if (!current.empty()) out.push_back(current);
            current.clear();
            if (!line.empty()) out.push_back(line);
            continue;
        }
        current += (current.empty() ? "" : " ") + line;
    }
    if (!current.empty()) out.push_back(current);
    return out;
}

bool startsSentence(const std::string& text, std::size_t at) {
    const auto c = static_cast<unsigned char>(text[at]);
    if (c >= 'A' && c <= 'Z') return true;
    if (c >= '0' && c <= '9') return true;
    if (c == 0xD0 && at + 1 < text.size()) {
        const auto d = static_cast<unsigned char>(text[at + 1]);
        return (d >= 0x90 && d <= 0xAF) || d == 0x81;
    }
    return false;
}

// Sentences end at ".", "!" or "?" followed by a space and a capital letter or digit.
std::vector<std::string> sentences(const std::string& text) {
    std::vector<std::string> out;
    for (const auto& paragraph : paragraphs(text)) {
        std::size_t start = 0;
        for (std::size_t i = 0; i + 2 < paragraph.size(); ++i) {
            const char c = paragraph[i];
            if ((c == '.' || c == '!' || c == '?') && paragraph[i + 1] == ' ' &&
                startsSentence(paragraph, i + 2)) {
                out.push_back(paragraph.substr(start, i + 1 - start));
                start = i + 2;
            }
        }
        out.push_back(paragraph.substr(start));
    }
    return out;
}

int objectNamed(const std::string& name) {
    for (int body = 1; body <= Bodies::kBodyCount; ++body) {
        if (Bodies::name(body) == name) return body;
    }
    if (name == "Асцендент") return Bodies::Ascendant;
    if (name == "Середина неба") return Bodies::cuspOfHouse(10);
    return 0;
}

double inSign(double longitude) {
    return std::fmod(longitude, 30.0);
}

int signOf(double longitude) {
    return static_cast<int>(longitude / 30.0) + 1;
}

// Equal houses from the Ascendant.
int houseOf(const HandBirth& birth, double longitude) {
    if (birth.ascendant < 0) return 0;
    const double fromAscendant = std::fmod(longitude - birth.ascendant + 720.0, 360.0);
    return static_cast<int>(fromAscendant / 30.0) + 1;
}

// Positions are written in whole minutes, truncated; a minute either way allows for the
// rounding of the longitudes given to the chart.
void expectMinutes(double expected, int degrees, int minutes, const std::string& where) {
    EXPECT_NEAR(degrees * 60 + minutes, std::floor(expected * 60.0), 1.0) << where;
}

TEST(FullReading, DataLinesStateEachPositionSignRetrogradeMarkAndHouse) {
    const std::regex dataLine(R"(^(.+?): (\d+)°(\d\d)′ (\S+)( R)?(?:, дом (\d+))?$)");
    for (const auto& reading : readings()) {
        int checked = 0;
        for (const auto& paragraph : paragraphs(reading.text)) {
            std::smatch m;
            if (!std::regex_match(paragraph, m, dataLine)) continue;
            const int object = objectNamed(m[1]);
            ASSERT_NE(object, 0) << paragraph;
            const double longitude = reading.chart[object].longitude;
            expectMinutes(inSign(longitude), std::stoi(m[2]), std::stoi(m[3]), paragraph);
            EXPECT_EQ(m[4].str(), kGenitive[static_cast<std::size_t>(signOf(longitude) - 1)])
                << paragraph;
            if (!Bodies::isBody(object)) continue;
            ++checked;
            EXPECT_EQ(m[5].matched, reading.birth->retrograde[object - 1] != 0) << paragraph;
            const int house = houseOf(*reading.birth, longitude);
            EXPECT_EQ(m[6].matched ? std::stoi(m[6]) : 0, house) << paragraph;
        }
        EXPECT_EQ(checked, 16) << reading.birth->name;
    }
}

TEST(FullReading, PlanetParagraphsStateTheirSignHouseAndRetrogradeMotion) {
    const std::regex inSignText(
        R"(^(\S+), .*?стоит в знаке (\S+) \((\d+)°(\d\d)′(, ретроградно)?\))");
    const std::regex inHouseText(R"((\S+) стоит (?:в|во) (\S+) доме)");
    for (const auto& reading : readings()) {
        int checked = 0;
        for (const auto& paragraph : paragraphs(reading.text)) {
            std::smatch m;
            if (!std::regex_search(paragraph, m, inSignText)) continue;
            const int body = objectNamed(m[1]);
            ASSERT_TRUE(Bodies::isBody(body)) << paragraph;
            ++checked;
            const double longitude = reading.chart[body].longitude;
            EXPECT_EQ(m[2].str(), kGenitive[static_cast<std::size_t>(signOf(longitude) - 1)]);
            expectMinutes(inSign(longitude), std::stoi(m[3]), std::stoi(m[4]), paragraph);
            EXPECT_EQ(m[5].matched, reading.birth->retrograde[body - 1] != 0) << paragraph;
            const int house = houseOf(*reading.birth, longitude);
            std::smatch h;
            ASSERT_EQ(std::regex_search(paragraph, h, inHouseText), house != 0) << paragraph;
            if (house != 0) {
                EXPECT_EQ(h[2].str(), kOrdinals[static_cast<std::size_t>(house - 1)]) << paragraph;
            }
        }
        EXPECT_EQ(checked, 11) << reading.birth->name;  // ten planets and Chiron
    }
}

TEST(FullReading, EveryAspectHeldIsWithinItsOrbAndStatesItTruly) {
    const std::regex head(R"(^(.+?) — (.+?): ([^,]+), орбис (\d+)°(\d\d)′;)");
    const auto table = test::majorAspects();
    for (const auto& reading : readings()) {
        int checked = 0;
        for (const auto& paragraph : paragraphs(reading.text)) {
            std::smatch m;
            if (!std::regex_search(paragraph, m, head)) continue;
            ++checked;
            const int first = objectNamed(m[1]);
            const int second = objectNamed(m[2]);
            ASSERT_NE(first * second, 0) << paragraph;
            ASSERT_EQ(kAspectAngles.count(m[3]), 1u) << paragraph;
            const double angle = kAspectAngles.at(m[3]);
            double separation =
                std::fabs(reading.chart[first].longitude - reading.chart[second].longitude);
            if (separation > 180.0) separation = 360.0 - separation;
            const double orb = std::fabs(separation - angle);
            expectMinutes(orb, std::stoi(m[4]), std::stoi(m[5]), paragraph);
            for (const auto& setting : table) {
                if (setting.included && setting.angle == angle) {
                    EXPECT_LT(orb, setting.orb);
                }
            }
            // Only an aspect between two of the slow planets is called a mark of a generation.
            const auto slow = [](int object) { return object >= 9 && object <= 11; };
            const bool generational = paragraph.find("поколени") != std::string::npos ||
                                      paragraph.find("ровесник") != std::string::npos;
            EXPECT_EQ(generational, slow(first) && slow(second)) << paragraph;
        }
        EXPECT_GE(checked, 5) << reading.birth->name;
    }
}

TEST(FullReading, RetrogradePlanetsNamedAreExactlyTheRetrogradeOnes) {
    for (const auto& reading : readings()) {
        std::set<std::string> expected;
        for (int body : {3, 4, 5, 6, 7, 9, 10, 11}) {
            if (reading.birth->retrograde[static_cast<std::size_t>(body - 1)] != 0)
                expected.insert(std::string(Bodies::name(body)));
        }
        const auto at = reading.text.find("Ретроградное движение в момент рождения: ");
        ASSERT_EQ(at != std::string::npos, !expected.empty()) << reading.birth->name;
        if (expected.empty()) continue;
        const auto end = reading.text.find('.', at);
        std::string named = reading.text.substr(at, end - at);
        std::set<std::string> found;
        for (int body = 1; body <= 16; ++body) {
            const std::string name(Bodies::name(body));
            if (std::regex_search(named, std::regex("[ ,\n]" + name + "([ ,\n]|$)")))
                found.insert(name);
        }
        EXPECT_EQ(found, expected) << named;
    }
}

TEST(FullReading, NoSentenceRepeatsAndFewAreSharedBetweenCharts) {
    std::vector<std::set<std::string>> sets;
    for (const auto& reading : readings()) {
        const auto all = sentences(reading.text);
        std::set<std::string> unique(all.begin(), all.end());
        for (const auto& sentence : unique) {
            EXPECT_EQ(std::count(all.begin(), all.end(), sentence), 1)
                << reading.birth->name << ": " << sentence;
        }
        EXPECT_GT(all.size(), 80u) << reading.birth->name;
        sets.push_back(std::move(unique));
    }
    double worst = 0.0;
    std::string worstShared;  // told when the share is too large
    for (std::size_t a = 0; a < sets.size(); ++a) {
        for (std::size_t b = 0; b < sets.size(); ++b) {
            if (a == b) continue;
            std::string shared;
            int count = 0;
            for (const auto& sentence : sets[a]) {
                if (sets[b].count(sentence) == 0) continue;
                ++count;
                shared += sentence + "\n";
            }
            const double share = static_cast<double>(count) / static_cast<double>(sets[a].size());
            if (share > worst) {
                worst = share;
                worstShared = shared;
            }
        }
    }
    std::cout << "largest share of sentences shared by two readings: " << worst * 100.0 << "%\n";
    EXPECT_LT(worst, 0.15) << worstShared;
}

TEST(FullReading, PlaceLineGivesTheCoordinatesBesideANameOrAlone) {
    const auto& first = readings().front();
    BirthData unnamed = test::birthDataOf(*first.birth);
    unnamed.place.clear();
    const TextLibrary library;
    const std::string text =
        FullReading(library).build(unnamed, first.chart, test::majorAspects()).text;
    EXPECT_NE(first.text.find("Место: " + std::string(first.birth->place) + " ("),
              std::string::npos);
    const auto at = text.find("Место: ");
    ASSERT_NE(at, std::string::npos);
    EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(text[at + std::string("Место: ").size()])))
        << text.substr(at, 60);
}

TEST(FullReading, AChartWithoutHousesSaysWhyAndHasNoAngles) {
    const auto& houseless = readings().back();
    ASSERT_LT(houseless.birth->ascendant, 0.0);
    EXPECT_NE(houseless.text.find("Карта построена без домов"), std::string::npos);
    EXPECT_EQ(houseless.text.find("Асцендент —"), std::string::npos);
    EXPECT_NE(readings().front().text.find("Асцендент —"), std::string::npos);
}

}  // namespace
}  // namespace orvanta
