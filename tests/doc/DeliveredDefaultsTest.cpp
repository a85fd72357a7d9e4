#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "calc/Bodies.h"
#include "common/AppFolder.h"
#include "doc/AspectRecords.h"
#include "doc/OrientationFile.h"
#include "doc/PlanetRecords.h"
#include "doc/SettingsFile.h"
#include "support/MessageRecorder.h"
#include "support/ScratchFolder.h"

namespace orvanta {
namespace {

using testing::ScratchFolder;

std::vector<std::uint8_t> delivered(std::string_view name) {
    const auto path = AppFolder::find(name);
    EXPECT_TRUE(std::filesystem::exists(path)) << path;
    return ScratchFolder::read(path);
}

bool hasCyrillic(const std::string& utf8) {
    return std::any_of(utf8.begin(), utf8.end(), [](char c) {
        return static_cast<unsigned char>(c) == 0xD0 || static_cast<unsigned char>(c) == 0xD1;
    });
}

// Symbols are dark on white and large enough to stay crisp stretched into the wheel;
// pictograms are small true-colour pictures.
void expectPictures(const Picture& symbol, const Picture& pictogram, const std::string& what) {
    EXPECT_GE(symbol.width(), 64) << what;
    EXPECT_EQ(symbol.width(), symbol.height()) << what;
    EXPECT_FALSE(pictogram.isEmpty()) << what;
    EXPECT_EQ(pictogram.layout().bitCount, 24) << what;
    EXPECT_LT(pictogram.width(), symbol.width()) << what;
}

AspectTable toTable(std::vector<AspectSetting> records) {
    AspectTable table;
    for (std::size_t i = 0; i < records.size(); ++i) table[i] = std::move(records[i]);
    return table;
}

TEST(DeliveredDefaults, NatalAspectsAreTheMajorFiveAndThirteenMinorOnes) {
    const auto bytes = delivered(SettingsFile::kNatalAspects);
    auto aspects = AspectRecords::parse(bytes);
    ASSERT_EQ(aspects.size(), 18u);
    std::set<double> majors = {0, 60, 90, 120, 180};
    std::multiset<double> minors = {30, 45, 72, 135, 144, 150, 36, 108, 40, 80};
    for (double k : {1.0, 2.0, 3.0}) minors.insert(360.0 * k / 7.0);
    std::set<std::string> labels;
    for (const auto& a : aspects) {
        const std::string what = std::to_string(a.angle);
        if (majors.count(a.angle)) {
            EXPECT_EQ(a.included, 1) << what;
            if (a.angle == 60) {
                EXPECT_GE(a.orb, 4);
                EXPECT_LE(a.orb, 6);
            } else {
                EXPECT_GE(a.orb, 6) << what;
                EXPECT_LE(a.orb, 8) << what;
            }
            majors.erase(a.angle);
        } else {
            ASSERT_EQ(minors.count(a.angle), 1u) << what;
            minors.erase(minors.find(a.angle));
            EXPECT_EQ(a.included, 0) << what;
            EXPECT_LE(a.orb, 2.5) << what;
        }
        EXPECT_TRUE(hasCyrillic(a.label)) << what;
        labels.insert(a.label);
        expectPictures(a.symbol, a.pictogram, what);
    }
    EXPECT_TRUE(majors.empty());
    EXPECT_TRUE(minors.empty());
    EXPECT_EQ(labels.size(), 18u);
    // Tense and harmonious aspects are told apart by their lines.
    auto colourOf = [&](double angle) {
        return std::find_if(aspects.begin(), aspects.end(),
                            [&](auto& a) { return a.angle == angle; })
            ->colour;
    };
    EXPECT_NE(colourOf(90), colourOf(120));
    EXPECT_NE(colourOf(180), colourOf(60));
    EXPECT_EQ(AspectRecords::serialize(toTable(std::move(aspects))), bytes);
}

TEST(DeliveredDefaults, TransitAspectsUseNarrowOrbs) {
    const auto bytes = delivered(SettingsFile::kTransitAspects);
    auto aspects = AspectRecords::parse(bytes);
    ASSERT_EQ(aspects.size(), 18u);
    for (const auto& a : aspects) {
        const bool major =
            a.angle == 0 || a.angle == 60 || a.angle == 90 || a.angle == 120 || a.angle == 180;
        EXPECT_EQ(a.included, major ? 1 : 0) << a.angle;
        EXPECT_LE(a.orb, 1.5) << a.angle;
        EXPECT_GT(a.orb, 0) << a.angle;
        EXPECT_TRUE(hasCyrillic(a.label));
        expectPictures(a.symbol, a.pictogram, std::to_string(a.angle));
    }
    EXPECT_EQ(AspectRecords::serialize(toTable(std::move(aspects))), bytes);
}

void expectPlanets(std::string_view file, int count) {
    const auto bytes = delivered(file);
    auto records = PlanetRecords::parse(bytes);
    ASSERT_EQ(records.size(), static_cast<std::size_t>(count));
    std::set<std::string> labels;
    for (int number = 1; number <= count; ++number) {
        const ObjectStyle& o = records[static_cast<std::size_t>(number - 1)].style;
        if (Bodies::isBody(number)) {
            EXPECT_EQ(o.name, Bodies::name(number));
        }
        EXPECT_EQ(o.shown, 1);
        EXPECT_EQ(o.transitUse, 1);
        EXPECT_EQ(o.radixUse, 1);
        EXPECT_TRUE(hasCyrillic(o.label)) << number;
        labels.insert(o.label);
        expectPictures(o.symbol, o.pictogram, std::string(file) + " " + std::to_string(number));
    }
    EXPECT_EQ(labels.size(), static_cast<std::size_t>(count));
    ChartData chart;
    for (int number = 1; number <= count; ++number) {
        auto& record = records[static_cast<std::size_t>(number - 1)];
        chart[number] = record.position;
        chart.style[number] = std::move(record.style);
    }
    EXPECT_EQ(PlanetRecords::serialize(chart, count), bytes);
}

TEST(DeliveredDefaults, NatalObjectsAndTransitingBodiesHaveSymbolsPictogramsAndLabels) {
    expectPlanets(SettingsFile::kRadixPlanets, 28);
    expectPlanets(SettingsFile::kTransitPlanets, 16);
}

TEST(DeliveredDefaults, OrientationIsWesternFromTheAscendant) {
    std::vector<std::uint8_t> expected = {'0', ' ', '0', ' ', '0', '.', '0',
                                          '0', '0', '0', '0', '0', ' '};
    expected.resize(100, 0);
    EXPECT_EQ(delivered(SettingsFile::kOrientation), expected);
}

TEST(DeliveredDefaults, TwelveSignPicturesLoad) {
    for (int sign = 1; sign <= 12; ++sign) {
        Picture picture;
        EXPECT_TRUE(
            picture.loadFile(AppFolder::find("BMP_ZZ\\SET1\\" + std::to_string(sign) + ".bmp")))
            << sign;
        EXPECT_GE(picture.width(), 64);
    }
}

TEST(DeliveredDefaults, DamagedCopiesAreRefusedWithoutCrashing) {
    // A sample of cuts through the delivered aspects, and bytes flipped along the way. Every
    // cut has lost records, so none is read.
    testing::MessageRecorder recorder;
    const auto bytes = delivered(SettingsFile::kNatalAspects);
    for (std::size_t size = 0; size < bytes.size(); size += 997) {
        const std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<long>(size));
        EXPECT_THROW(AspectRecords::parse(cut), FormatError) << size;
    }
    for (std::size_t at = 0; at < bytes.size(); at += 1499) {
        auto flipped = bytes;
        flipped[at] ^= 0xFF;
        try {
            AspectRecords::parse(flipped);
        } catch (const FormatError&) {
        }
    }
}

}  // namespace
}  // namespace orvanta
