#include <gtest/gtest.h>

#include <cmath>

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
        ObjectPosition& o = natal.chart[number];
        ObjectStyle& s = natal.chart.style[number];
        o.setLongitude(number * 10.9);
        o.retrograde = number % 2;
        s.identifier = number;
        s.name = number == 5 ? "Марс" : "";
        s.label = number == 5 ? "Ёж" : "метка " + std::to_string(number);
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
    for (int number = 0; number < 33; ++number) {
        const ObjectPosition& o = natal.chart[number];
        const ObjectStyle& s = natal.chart.style[number];
        l.f64(o.longitude)
            .f64(o.degreeInSign)
            .f64(o.minutes)
            .f64(o.seconds)
            .i32(o.retrograde)
            .i32(s.identifier)
            .variable(s.name)
            .i32(o.sign)
            .variable(s.label);
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
    target.chart.style[5].shown = 0;
    ASSERT_TRUE(target.chart.style[5].symbol.assign(
        testing::packedBitmap(testing::markedTrueColour(2, 2, 0xFFFFFF))));
    MapFile::parse(bytes).applyTo(target);

    EXPECT_EQ(target.birth.name, original.birth.name);
    EXPECT_EQ(target.birth.place, "Москва");
    EXPECT_EQ(target.birth.diffMoscow, -0.5);
    EXPECT_EQ(target.birth.longitude, -37.625);
    EXPECT_EQ(target.chart.style[5].label, "Ёж");
    EXPECT_EQ(target.chart.style[5].name, "Марс");
    EXPECT_EQ(target.chart[32].longitude, original.chart[32].longitude);
    EXPECT_EQ(target.chart[31].retrograde, 1);
    EXPECT_EQ(target.orientation.angle, 33.25);
    EXPECT_EQ(target.notebook, original.notebook);
    EXPECT_EQ(target.chart.style[5].shown, 0);             // from the settings, not the file
    EXPECT_FALSE(target.chart.style[5].symbol.isEmpty());  // so are the pictures
    EXPECT_EQ(MapFile::serialize(target), bytes);          // read and written back: identical
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

// Runs one change on a sound chart and reads the file written from it: the reason when the
// reader refuses it, or "read".
std::string readingOf(void (*change)(NatalChart&)) {
    NatalChart natal = sampleChart("Иванов", "Тверь");
    change(natal);
    try {
        MapFile::parse(layoutOf(natal));
    } catch (const FormatError& damage) {
        return damage.what();
    }
    return "read";
}

TEST(MapFile, ValuesTheProgramCannotWriteAreRefusedNamingThePart) {
    struct Case {
        const char* reason;  // the part and the value the message names
        void (*change)(NatalChart&);
    };
    const Case cases[] = {
        {"данные рождения: признак ввода данных 2", [](NatalChart& n) { n.birth.entered = 2; }},
        {"местная дата 12.32768.1961", [](NatalChart& n) { n.birth.month = 32768; }},
        {"местная дата 31.4.1961", [](NatalChart& n) { n.birth.day = 31; }},
        {"местная дата 12.4.1859", [](NatalChart& n) { n.birth.year = 1859; }},
        {"местная дата 29.2.1900",
         [](NatalChart& n) { n.birth.day = 29, n.birth.month = 2, n.birth.year = 1900; }},
        {"местная дата 29.2.2100",
         [](NatalChart& n) { n.birth.day = 29, n.birth.month = 2, n.birth.year = 2100; }},
        {"гринвичская дата 29.2.2100",
         [](NatalChart& n) { n.birth.gmtDay = 29, n.birth.gmtMonth = 2, n.birth.gmtYear = 2100; }},
        {"местное время 25:0", [](NatalChart& n) { n.birth.hour = 25, n.birth.minute = 0; }},
        {"местное время 9:60", [](NatalChart& n) { n.birth.minute = 60; }},
        {"местное время 24:30", [](NatalChart& n) { n.birth.hour = 24, n.birth.minute = 30; }},
        {"местное время -1:7", [](NatalChart& n) { n.birth.hour = -1; }},
        {"гринвичская дата 12.13.1961", [](NatalChart& n) { n.birth.gmtMonth = 13; }},
        {"гринвичская дата 30.12.1859",
         [](NatalChart& n) { n.birth.gmtDay = 30, n.birth.gmtMonth = 12, n.birth.gmtYear = 1859; }},
        {"гринвичское время 24:1",
         [](NatalChart& n) { n.birth.gmtHour = 24, n.birth.gmtMinute = 1; }},
        {"гринвичское время 6:61", [](NatalChart& n) { n.birth.gmtMinute = 61; }},
        {"разница с Гринвичем nan", [](NatalChart& n) { n.birth.diffGreenwich = std::nan(""); }},
        {"разница с Гринвичем 24.5", [](NatalChart& n) { n.birth.diffGreenwich = 24.5; }},
        {"разница с Москвой -25", [](NatalChart& n) { n.birth.diffMoscow = -25; }},
        {"широта 90.5", [](NatalChart& n) { n.birth.latitude = 90.5; }},
        {"широта inf", [](NatalChart& n) { n.birth.latitude = INFINITY; }},
        {"долгота -180.25", [](NatalChart& n) { n.birth.longitude = -180.25; }},
        {"объект 1: долгота 1e+308", [](NatalChart& n) { n.chart[1].longitude = 1e308; }},
        {"объект 2: долгота -1", [](NatalChart& n) { n.chart[2].longitude = -1; }},
        {"объект 3: градус в знаке 30.5", [](NatalChart& n) { n.chart[3].degreeInSign = 30.5; }},
        {"объект 4: минуты nan", [](NatalChart& n) { n.chart[4].minutes = std::nan(""); }},
        {"объект 5: секунды 61", [](NatalChart& n) { n.chart[5].seconds = 61; }},
        {"объект 6: признак попятности 2", [](NatalChart& n) { n.chart[6].retrograde = 2; }},
        {"объект 7: номер знака 13", [](NatalChart& n) { n.chart[7].sign = 13; }},
        {"объект 32: номер знака -1", [](NatalChart& n) { n.chart[32].sign = -1; }},
        // 200 degrees are 20 degrees of sign 7.
        {"объект 8: знак 0 и градус в знаке 20 не согласуются с долготой 200",
         [](NatalChart& n) { n.chart[8].setLongitude(200), n.chart[8].sign = 0; }},
        {"объект 9: знак 3 и градус в знаке 20 не согласуются с долготой 200",
         [](NatalChart& n) { n.chart[9].setLongitude(200), n.chart[9].sign = 3; }},
        {"объект 10: знак 7 и градус в знаке 5 не согласуются с долготой 200",
         [](NatalChart& n) { n.chart[10].setLongitude(200), n.chart[10].degreeInSign = 5; }},
        {"объект 29: знак 0 и градус в знаке 0 не согласуются с долготой 0.5",
         [](NatalChart& n) { n.chart[29] = ObjectPosition{}, n.chart[29].longitude = 0.5; }},
        {"система домов: признак карты без домов 2",
         [](NatalChart& n) { n.chart.housesUnavailable = 2; }},
        {"направление Зодиака 3", [](NatalChart& n) { n.orientation.direction = 3; }},
        {"отсчёт от Овна -1", [](NatalChart& n) { n.orientation.fromAries = -1; }},
        {"отсчёт от Асцендента 2", [](NatalChart& n) { n.orientation.fromAscendant = 2; }},
        {"угол поворота nan", [](NatalChart& n) { n.orientation.angle = std::nan(""); }},
        {"система домов 12", [](NatalChart& n) { n.houseSystem = 12; }},
        {"система домов -2", [](NatalChart& n) { n.houseSystem = -2; }},
        {"автоматическое гринвичское время 2", [](NatalChart& n) { n.autoGreenwich = 2; }},
    };
    for (const Case& c : cases) {
        const std::string reason = readingOf(c.change);
        EXPECT_NE(reason.find(c.reason), std::string::npos) << c.reason << " -> " << reason;
    }
}

TEST(MapFile, ValuesAtTheEdgesOfWhatTheProgramWritesAreRead) {
    // The command line takes 24:00; the Greenwich shift may leave 24:00, round minutes up to
    // 60 or cross into the day before 1860 or after 2130.
    void (*const changes[])(NatalChart&) = {
        [](NatalChart& n) { n.birth.hour = 24, n.birth.minute = 0; },
        [](NatalChart& n) { n.birth.gmtHour = 24, n.birth.gmtMinute = 0; },
        [](NatalChart& n) { n.birth.gmtHour = 23, n.birth.gmtMinute = 60; },
        [](NatalChart& n) { n.birth.gmtDay = 31, n.birth.gmtMonth = 12, n.birth.gmtYear = 1859; },
        [](NatalChart& n) { n.birth.gmtDay = 1, n.birth.gmtMonth = 1, n.birth.gmtYear = 2131; },
        [](NatalChart& n) { n.birth.day = 29, n.birth.month = 2, n.birth.year = 2000; },
        [](NatalChart& n) { n.birth.diffGreenwich = -24, n.birth.diffMoscow = 24; },
        [](NatalChart& n) { n.birth.latitude = -90, n.birth.longitude = 180; },
        [](NatalChart& n) { n.chart[12].setLongitude(0), n.chart[13].setLongitude(359.999999); },
        [](NatalChart& n) {
            n.chart[14].degreeInSign = 30, n.chart[14].sign = 12, n.chart[14].longitude = 360;
        },
        [](NatalChart& n) { n.houseSystem = -1, n.chart.housesUnavailable = 0; },
        // Objects never computed; object 0, whose longitude the document resets on opening.
        [](NatalChart& n) { n.chart[30] = ObjectPosition{}, n.chart[26] = ObjectPosition{}; },
        [](NatalChart& n) { n.chart[0].sign = 5; },
        [](NatalChart& n) { n.houseSystem = 11, n.orientation.angle = -400; },
    };
    int index = 0;
    for (auto change : changes) EXPECT_EQ(readingOf(change), "read") << index++;
}

}  // namespace
}  // namespace orvanta
