#include <gtest/gtest.h>

#include "doc/MapFile.h"
#include "support/BitmapBuilder.h"
#include "support/ByteLayout.h"

namespace orvanta {
namespace {

using testing::ByteLayout;

NatalChart sampleChart(std::string name, std::string place) {
    NatalChart natal;
    BirthData& b = natal.birth;
    b.entered = 1;
    b.day = 12;
    b.month = 4;
    b.year = 1961;
    b.hour = 9;
    b.minute = 7;
    b.gmtDay = 12;
    b.gmtMonth = 4;
    b.gmtYear = 1961;
    b.gmtHour = 6;
    b.gmtMinute = 7;
    b.name = std::move(name);
    b.place = std::move(place);
    b.houseSystemName = "Koch";
    b.diffGreenwich = 3.0;
    b.diffMoscow = -0.5;
    b.latitude = 55.75;
    b.longitude = -37.625;
    for (int number = 0; number < 33; ++number) {
        ChartObject& o = natal.chart[number];
        o.setLongitude(number * 10.9);
        o.retrograde = number % 2;
        o.identifier = number;
        o.name = number == 5 ? "Марс" : "";
        o.label = number == 5 ? "Ёж" : "метка " + std::to_string(number);
    }
    natal.chart.housesUnavailable = 1;
    natal.orientation = {1, 0, 0, 33.25};
    natal.houseSystem = 1;
    natal.autoGreenwich = 1;
    natal.notebook = {0, 1, 2, 0xFF, 13};
    return natal;
}

// The chart file as its format lists it, field by field.
std::vector<std::uint8_t> layoutOf(const NatalChart& natal) {
    const BirthData& b = natal.birth;
    ByteLayout l;
    l.i32(b.entered).i32(0).i32(0).i32(b.day).i32(b.month).i32(b.year).i32(b.hour).i32(b.minute);
    for (int i = 0; i < 5; ++i) l.i32(0);
    l.i32(b.gmtDay).i32(b.gmtMonth).i32(b.gmtYear).i32(b.gmtHour).i32(b.gmtMinute);
    l.variable(b.name).variable("").variable(b.place).variable(b.houseSystemName);
    l.f64(b.diffGreenwich).f64(b.diffMoscow).f64(b.latitude).f64(b.longitude);
    for (const ChartObject& o : natal.chart.objects) {
        l.f64(o.longitude)
            .f64(o.degreeInSign)
            .f64(o.minutes)
            .f64(o.seconds)
            .i32(o.retrograde)
            .i32(o.identifier)
            .variable(o.name)
            .i32(o.sign)
            .variable(o.label);
    }
    l.i32(natal.chart.housesUnavailable)
        .i32(natal.orientation.direction)
        .i32(natal.orientation.fromAries)
        .i32(natal.orientation.fromAscendant)
        .f64(natal.orientation.angle)
        .i32(natal.houseSystem)
        .i32(natal.autoGreenwich);
    l.i32(static_cast<std::int32_t>(natal.notebook.size())).raw(natal.notebook);
    return l.bytes();
}

TEST(MapFile, WritesEveryFieldInOrderWithTheThreeLengthForms) {
    const NatalChart natal = sampleChart(std::string(300, 'N'), std::string(70000, 'p'));
    const auto bytes = MapFile::serialize(natal);
    EXPECT_EQ(bytes, layoutOf(natal));
    // The 300-letter name right after the 18 integers: 255, then 300 as a 16-bit length.
    EXPECT_EQ(bytes[72], 255);
    EXPECT_EQ(bytes[73] | (bytes[74] << 8), 300);
    // The place after the empty reserved text: 255, 65535 and a 32-bit length.
    const std::size_t place = 72 + 3 + 300 + 1;
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + place, bytes.begin() + place + 7),
              (std::vector<std::uint8_t>{255, 255, 255, 0x70, 0x11, 0x01, 0x00}));
}

TEST(MapFile, ReadsStoredFieldsAndKeepsDisplaySettings) {
    const NatalChart original = sampleChart(std::string(300, 'N'), "Москва");
    const auto bytes = layoutOf(original);

    NatalChart target;
    target.chart[5].shown = 0;
    ASSERT_TRUE(target.chart[5].symbol.assign(
        testing::packedBitmap(testing::markedTrueColour(2, 2, 0xFFFFFF))));
    MapFile::parse(bytes).applyTo(target);

    EXPECT_EQ(target.birth.name, original.birth.name);
    EXPECT_EQ(target.birth.place, "Москва");
    EXPECT_EQ(target.birth.diffMoscow, -0.5);
    EXPECT_EQ(target.birth.longitude, -37.625);
    EXPECT_EQ(target.chart[5].label, "Ёж");
    EXPECT_EQ(target.chart[5].name, "Марс");
    EXPECT_EQ(target.chart[32].longitude, original.chart[32].longitude);
    EXPECT_EQ(target.chart[31].retrograde, 1);
    EXPECT_EQ(target.orientation.angle, 33.25);
    EXPECT_EQ(target.notebook, original.notebook);
    EXPECT_EQ(target.chart[5].shown, 0);             // from the settings, not the file
    EXPECT_FALSE(target.chart[5].symbol.isEmpty());  // so are the pictures
    EXPECT_EQ(MapFile::serialize(target), bytes);    // read and written back: identical
}

TEST(MapFile, DamagedFilesAreRefusedWithTheReason) {
    const auto bytes = layoutOf(sampleChart("Иванов", "Тверь"));
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        EXPECT_THROW(MapFile::parse({bytes.data(), size}), FormatError) << size;
    }

    auto reason = [](const std::vector<std::uint8_t>& file) {
        try {
            MapFile::parse(file);
        } catch (const FormatError& damage) {
            return std::string(damage.what());
        }
        return std::string("read");
    };
    EXPECT_NE(reason({bytes.begin(), bytes.begin() + 300}).find("объект"), std::string::npos);

    auto extra = bytes;
    extra.push_back(0);
    EXPECT_NE(reason(extra).find("лишние байты (1)"), std::string::npos);

    // The notebook count is the last field before the notebook's five bytes.
    auto larger = bytes;
    larger[bytes.size() - 9] = 6;
    EXPECT_NE(reason(larger).find("записн"), std::string::npos);
    auto negative = bytes;
    negative[bytes.size() - 6] = 0x80;
    EXPECT_NE(reason(negative).find("отрицательная"), std::string::npos);

    // A name announced longer than the whole file.
    auto longName = bytes;
    longName[72] = 255;
    longName[73] = 0xFF;
    longName[74] = 0xFF;
    longName.insert(longName.begin() + 75, {0xFF, 0xFF, 0xFF, 0x0F});
    EXPECT_NE(reason(longName).find("длина строки"), std::string::npos);
}

}  // namespace
}  // namespace orvanta
