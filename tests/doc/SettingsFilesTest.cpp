#include <gtest/gtest.h>

#include <cmath>

#include "doc/AspectRecords.h"
#include "doc/OrientationFile.h"
#include "doc/PlanetRecords.h"
#include "support/BitmapBuilder.h"
#include "support/ByteLayout.h"
#include "support/ScratchFolder.h"

namespace orvanta {
namespace {

using testing::ByteLayout;
using testing::ScratchFolder;

std::vector<std::uint8_t> smallPacked(std::uint32_t rgb) {
    return testing::packedBitmap(testing::markedTrueColour(2, 2, rgb));
}

Picture smallPicture(std::uint32_t rgb) {
    Picture picture;
    EXPECT_TRUE(picture.assign(smallPacked(rgb)));
    return picture;
}

AspectSetting aspect(int i) {
    AspectSetting a;
    a.colour = 0x00102030u + static_cast<std::uint32_t>(i);
    a.lineWidth = i % 3;
    a.lineStyle = i % 5;
    a.angle = 10.0 * i + 0.25;
    a.orb = 0.5 + i;
    a.included = i % 2;
    a.label = "аспект " + std::to_string(i);
    if (i % 3 != 0) a.symbol = smallPicture(0xFFFFFF);
    if (i % 2 == 0) a.pictogram = smallPicture(0x00FF00);
    return a;
}

AspectTable aspectTable() {
    AspectTable table;
    for (int i = 0; i < kAspectCount; ++i) table[i] = aspect(i);
    return table;
}

// One aspect record laid out field by field.
ByteLayout& aspectRecord(ByteLayout& layout, const AspectSetting& a) {
    layout.u32(a.colour)
        .i32(a.lineWidth)
        .i32(a.lineStyle)
        .f64(a.angle)
        .f64(a.orb)
        .i32(a.included)
        .counted(a.label);
    for (const Picture* p : {&a.symbol, &a.pictogram}) {
        if (p->isEmpty()) {
            layout.raw("No");
        } else {
            layout.raw("Ok").raw(testing::embedded(p->bytes(), 40));
        }
    }
    return layout;
}

void expectSameAspect(const AspectSetting& a, const AspectSetting& b) {
    EXPECT_EQ(a.colour, b.colour);
    EXPECT_EQ(a.lineWidth, b.lineWidth);
    EXPECT_EQ(a.lineStyle, b.lineStyle);
    EXPECT_EQ(a.angle, b.angle);
    EXPECT_EQ(a.orb, b.orb);
    EXPECT_EQ(a.included, b.included);
    EXPECT_EQ(a.label, b.label);
    EXPECT_EQ(a.symbol.bytes(), b.symbol.bytes());
    EXPECT_EQ(a.pictogram.bytes(), b.pictogram.bytes());
}

TEST(AspectRecords, RecordsAreLaidOutFieldByField) {
    AspectSetting plain;
    plain.colour = 0x0000FF;  // red in the low byte
    plain.angle = 90;
    plain.orb = 7.5;
    plain.included = 1;
    plain.label = "Ёж";
    const auto bytes = AspectRecords::serialize(AspectTable{plain});
    ByteLayout expected;
    aspectRecord(expected, plain);
    for (int i = 1; i < kAspectCount; ++i) aspectRecord(expected, AspectSetting{});
    EXPECT_EQ(bytes, expected.bytes());
    // A record without pictures is 4 + 4 + 4 + 8 + 8 + 4 + 4 + n + 2 + 2 bytes.
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 42), (ByteLayout()
                                                                                 .u32(0xFF)
                                                                                 .i32(0)
                                                                                 .i32(0)
                                                                                 .f64(90)
                                                                                 .f64(7.5)
                                                                                 .i32(1)
                                                                                 .i32(2)
                                                                                 .u8(0xA8)
                                                                                 .u8(0xE6)
                                                                                 .raw("NoNo")
                                                                                 .bytes()));

    const AspectTable table = aspectTable();
    ByteLayout full;
    for (const auto& a : table) aspectRecord(full, a);
    EXPECT_EQ(AspectRecords::serialize(table), full.bytes());
}

TEST(AspectRecords, FileReadAndWrittenBackIsIdentical) {
    ScratchFolder folder;
    const auto path = folder / "default.asp";
    ASSERT_TRUE(AspectRecords::write(path, aspectTable()));
    const auto written = ScratchFolder::read(path);

    AspectTable read;
    EXPECT_TRUE(AspectRecords::read(path, read).loaded());
    for (int i = 0; i < kAspectCount; ++i) expectSameAspect(read[i], aspect(i));
    ASSERT_TRUE(AspectRecords::write(path, read));
    EXPECT_EQ(ScratchFolder::read(path), written);
}

TEST(AspectRecords, FileWithFewerThanEighteenRecordsIsDamaged) {
    // The pages always write all eighteen: three records, or none at all, are a file that has
    // lost its end, not a shorter table.
    ScratchFolder folder;
    const auto path = folder / "default.ta";
    ByteLayout three;
    for (int i = 0; i < 3; ++i) aspectRecord(three, aspect(i));
    for (const auto& bytes : {three.bytes(), std::vector<std::uint8_t>{}}) {
        ScratchFolder::write(path, bytes);
        AspectTable table;
        table[0].angle = 77;
        const auto read = AspectRecords::read(path, table);
        EXPECT_EQ(read.status, LoadStatus::Damaged) << bytes.size();
        EXPECT_EQ(table[0].angle, 77);
        ASSERT_EQ(read.messages.size(), 1u);
        EXPECT_NE(
            read.messages[0].find("записей аспектов " + std::to_string(bytes.empty() ? 0 : 3)),
            std::string::npos);
    }

    AspectTable table;
    const auto missing = AspectRecords::read(folder / "missing.asp", table);
    EXPECT_EQ(missing.status, LoadStatus::Missing);
    EXPECT_TRUE(missing.messages.empty());
}

TEST(AspectRecords, ValuesThePagesCannotSetMakeTheFileDamaged) {
    struct Case {
        const char* named;  // the value the message names
        void (*spoil)(AspectSetting&);
    };
    const Case cases[] = {
        {"толщина линии -1", [](AspectSetting& a) { a.lineWidth = -1; }},
        {"тип линии 5", [](AspectSetting& a) { a.lineStyle = 5; }},
        {"тип линии -1", [](AspectSetting& a) { a.lineStyle = -1; }},
        {"угол аспекта 180.5", [](AspectSetting& a) { a.angle = 180.5; }},
        {"угол аспекта -0.5", [](AspectSetting& a) { a.angle = -0.5; }},
        {"угол аспекта nan", [](AspectSetting& a) { a.angle = std::nan(""); }},
        {"орбис inf", [](AspectSetting& a) { a.orb = INFINITY; }},
        {"орбис nan", [](AspectSetting& a) { a.orb = std::nan(""); }},
        {"орбис 1e+308", [](AspectSetting& a) { a.orb = 1e308; }},
        {"орбис 99999", [](AspectSetting& a) { a.orb = 99999; }},
        {"орбис 180.5", [](AspectSetting& a) { a.orb = 180.5; }},
        {"орбис -1", [](AspectSetting& a) { a.orb = -1; }},
        {"признак учёта 2", [](AspectSetting& a) { a.included = 2; }},
    };
    for (const Case& c : cases) {
        AspectTable table = aspectTable();
        c.spoil(table[5]);
        try {
            AspectRecords::parse(AspectRecords::serialize(table));
            ADD_FAILURE() << c.named;
        } catch (const FormatError& damage) {
            const std::string message = damage.what();
            EXPECT_NE(message.find("запись аспекта 6"), std::string::npos) << message;
            EXPECT_NE(message.find(c.named), std::string::npos) << message;
        }
    }
    // The limits themselves are values the pages can set.
    AspectTable edges = aspectTable();
    edges[0].angle = 0.0;
    edges[1].angle = 180.0;
    edges[2].lineStyle = 4;
    edges[3].orb = 0.0;
    edges[5].orb = 180.0;
    edges[4].lineWidth = 0;
    EXPECT_EQ(AspectRecords::parse(AspectRecords::serialize(edges)).size(), 18u);
}

TEST(AspectRecords, DamagedFileIsReportedAndChangesNothing) {
    ByteLayout two;
    aspectRecord(two, aspect(1));
    const std::size_t boundary = two.size();
    aspectRecord(two, aspect(2));
    std::vector<std::vector<std::uint8_t>> damaged;
    for (std::size_t size = 1; size < two.size(); ++size) {
        if (size != boundary)
            damaged.emplace_back(two.bytes().begin(),
                                 two.bytes().begin() + static_cast<long>(size));
    }
    auto badMarker = two.bytes();
    badMarker[boundary - 2] = 'X';  // the pictogram marker of the first record
    damaged.push_back(badMarker);
    damaged.push_back(ByteLayout().u32(0).i32(0).i32(0).f64(0).f64(0).i32(0).i32(-5).bytes());
    damaged.push_back(ByteLayout().u32(0).i32(0).i32(0).f64(0).f64(0).i32(0).i32(1 << 30).bytes());
    ByteLayout nineteen;
    for (int i = 0; i < 19; ++i) aspectRecord(nineteen, AspectSetting{});
    damaged.push_back(nineteen.bytes());

    ScratchFolder folder;
    const auto path = folder / "default.asp";
    for (const auto& bytes : damaged) {
        ScratchFolder::write(path, bytes);
        AspectTable table;
        table[0].label = "прежний";
        const auto read = AspectRecords::read(path, table);
        EXPECT_EQ(read.status, LoadStatus::Damaged) << bytes.size();
        EXPECT_EQ(table[0].label, "прежний");
        ASSERT_EQ(read.messages.size(), 1u);
        EXPECT_NE(read.messages[0].find("default.asp"), std::string::npos);
        EXPECT_NE(read.messages[0].find("повреждён"), std::string::npos);
    }
}

using Record = PlanetRecords::Record;

Record planet(int number) {
    Record record;
    ObjectPosition& p = record.position;
    ObjectStyle& o = record.style;
    p.setLongitude(12.5 * number);
    p.retrograde = number % 2;
    o.shown = number % 3 == 0 ? 0 : 1;
    o.transitUse = number % 4 == 0 ? 0 : 1;
    o.radixUse = number % 5 == 0 ? 0 : 1;
    o.identifier = number;
    o.name = "объект " + std::to_string(number);
    o.label = "сфера " + std::to_string(number);
    if (number % 2 == 0) o.symbol = smallPicture(0xFFFFFF);
    if (number % 3 == 0) o.pictogram = smallPicture(0xFF0000);
    return record;
}

void place(ChartData& chart, int number, Record record) {
    chart[number] = record.position;
    chart.style[number] = std::move(record.style);
}

ByteLayout& planetRecord(ByteLayout& layout, const Record& record) {
    const ObjectPosition& p = record.position;
    const ObjectStyle& o = record.style;
    layout.f64(p.longitude)
        .f64(p.degreeInSign)
        .f64(p.minutes)
        .i32(p.retrograde)
        .i32(o.shown)
        .i32(o.transitUse)
        .i32(o.radixUse)
        .i32(o.identifier)
        .i32(p.sign)
        .counted(o.name)
        .counted(o.label);
    for (const Picture* p : {&o.symbol, &o.pictogram}) {
        if (p->isEmpty()) {
            layout.raw("No");
        } else {
            layout.raw("Ok").raw(testing::embedded(p->bytes(), 40));
        }
    }
    return layout;
}

std::vector<std::uint8_t> planetFile(int count) {
    ByteLayout layout;
    for (int number = 1; number <= count; ++number) planetRecord(layout, planet(number));
    return layout.bytes();
}

TEST(PlanetRecords, RecordsAreLaidOutFieldByFieldAndRoundTrip) {
    ChartData chart;
    for (int number = 1; number <= 28; ++number) place(chart, number, planet(number));
    EXPECT_EQ(PlanetRecords::serialize(chart, 28), planetFile(28));
    EXPECT_EQ(PlanetRecords::serialize(chart, 16), planetFile(16));

    auto records = PlanetRecords::parse(planetFile(28));
    ASSERT_EQ(records.size(), 28u);
    ChartData reread;
    for (int number = 1; number <= 28; ++number) {
        place(reread, number, std::move(records[static_cast<std::size_t>(number - 1)]));
    }
    EXPECT_EQ(PlanetRecords::serialize(reread, 28), planetFile(28));
}

TEST(PlanetRecords, ReaderTakesDisplayFieldsOfAsManyRecordsAsAskedAndPresent) {
    ScratchFolder folder;
    const auto path = folder / "default.rxp";
    ChartData chart;
    chart.style.assignBodyNames();
    chart[1].setLongitude(200.0);
    chart.style[20].label = "прежний";

    // 28 records read for a natal chart set the cusps as well.
    ScratchFolder::write(path, planetFile(28));
    EXPECT_TRUE(PlanetRecords::read(path, chart, 28).loaded());
    EXPECT_EQ(chart.style[20].label, "сфера 20");
    EXPECT_EQ(chart.style[20].radixUse, 0);
    EXPECT_EQ(chart.style[3].shown, 0);
    EXPECT_EQ(chart.style[4].transitUse, 0);
    EXPECT_EQ(chart.style[2].name, "объект 2");
    EXPECT_EQ(chart.style[2].symbol.bytes(), smallPacked(0xFFFFFF));
    EXPECT_EQ(chart.style[3].pictogram.bytes(), smallPacked(0xFF0000));
    // Positions, identifier and sign are written but not read.
    EXPECT_EQ(chart[1].longitude, 200.0);
    EXPECT_EQ(chart[1].sign, 7);
    EXPECT_EQ(chart.style[20].identifier, 0);

    // A file of 16 records leaves the cusps as they were; a reader of 16 takes no more.
    ChartData natal;
    natal.style[20].label = "прежний";
    ScratchFolder::write(path, planetFile(16));
    EXPECT_TRUE(PlanetRecords::read(path, natal, 28).loaded());
    EXPECT_EQ(natal.style[16].label, "сфера 16");
    EXPECT_EQ(natal.style[20].label, "прежний");
    ChartData transit;
    ScratchFolder::write(path, planetFile(28));
    EXPECT_TRUE(PlanetRecords::read(path, transit, 16).loaded());
    EXPECT_EQ(transit.style[17].label, ObjectStyle::kDefaultLabel);
}

TEST(PlanetRecords, DamagedFileIsReportedAndChangesNothing) {
    ScratchFolder folder;
    const auto path = folder / "default.trp";
    const auto two = planetFile(2);
    const std::size_t boundary = planetFile(1).size();
    std::vector<std::vector<std::uint8_t>> damaged;
    for (std::size_t size = 1; size < two.size(); ++size) {
        if (size != boundary)
            damaged.emplace_back(two.begin(), two.begin() + static_cast<long>(size));
    }
    damaged.push_back(planetFile(29));
    for (const auto& bytes : damaged) {
        ScratchFolder::write(path, bytes);
        ChartData chart;
        const auto read = PlanetRecords::read(path, chart, 16);
        EXPECT_EQ(read.status, LoadStatus::Damaged) << bytes.size();
        EXPECT_EQ(chart.style[1].label, ObjectStyle::kDefaultLabel);
        EXPECT_EQ(read.messages.size(), 1u);
    }
}

TEST(PlanetRecords, RecordCountMustBeOneTheKindHolds) {
    // A radix file holds the 16 bodies or all 28 objects, a transit file the 16 bodies.
    struct Case {
        int records;
        PlanetRecords::Kind kind;
        bool accepted;
    };
    const Case cases[] = {
        {16, PlanetRecords::Kind::Radix, true},    {28, PlanetRecords::Kind::Radix, true},
        {16, PlanetRecords::Kind::Transit, true},  {0, PlanetRecords::Kind::Radix, false},
        {15, PlanetRecords::Kind::Radix, false},   {20, PlanetRecords::Kind::Radix, false},
        {28, PlanetRecords::Kind::Transit, false}, {17, PlanetRecords::Kind::Transit, false},
        {1, PlanetRecords::Kind::Transit, false},
    };
    for (const Case& c : cases) {
        const auto bytes = planetFile(c.records);
        if (c.accepted) {
            EXPECT_EQ(PlanetRecords::parse(bytes, c.kind).size(),
                      static_cast<std::size_t>(c.records));
        } else {
            EXPECT_THROW(PlanetRecords::parse(bytes, c.kind), FormatError) << c.records;
        }
    }
    // The reader tells the kind by the file's name.
    EXPECT_EQ(PlanetRecords::kindOf("x/DEFAULT.TRP"), PlanetRecords::Kind::Transit);
    EXPECT_EQ(PlanetRecords::kindOf("x/default.rxp"), PlanetRecords::Kind::Radix);
    ScratchFolder folder;
    ScratchFolder::write(folder / "default.trp", planetFile(28));
    ChartData chart;
    EXPECT_EQ(PlanetRecords::read(folder / "default.trp", chart, 16).status, LoadStatus::Damaged);
    EXPECT_EQ(chart.style[1].label, ObjectStyle::kDefaultLabel);
}

TEST(PlanetRecords, ValuesNoChartHoldsMakeTheFileDamaged) {
    struct Case {
        const char* named;
        void (*spoil)(Record&);
    };
    // Record 9 stands at 112.5 degrees: sign 4, 22.5 degrees in it.
    const Case cases[] = {
        {"признак показа 2", [](Record& o) { o.style.shown = 2; }},
        {"признак учёта в транзитах -1", [](Record& o) { o.style.transitUse = -1; }},
        {"признак учёта в радиксе 7", [](Record& o) { o.style.radixUse = 7; }},
        {"долгота -5.5e+303", [](Record& o) { o.position.longitude = -5.5e303; }},
        {"долгота nan", [](Record& o) { o.position.longitude = std::nan(""); }},
        {"градус в знаке inf", [](Record& o) { o.position.degreeInSign = INFINITY; }},
        {"минуты 60.5", [](Record& o) { o.position.minutes = 60.5; }},
        {"признак попятности 255", [](Record& o) { o.position.retrograde = 255; }},
        {"номер знака 13", [](Record& o) { o.position.sign = 13; }},
        {"знак 5 и градус в знаке 22.5 не согласуются с долготой 112.5",
         [](Record& o) { o.position.sign = 5; }},
        {"знак 0", [](Record& o) { o.position.sign = 0; }},
        {"градус в знаке 2.5 не согласуются", [](Record& o) { o.position.degreeInSign = 2.5; }},
    };
    for (const Case& c : cases) {
        ByteLayout file;
        for (int number = 1; number <= 16; ++number) {
            Record o = planet(number);
            if (number == 9) c.spoil(o);
            planetRecord(file, o);
        }
        try {
            PlanetRecords::parse(file.bytes());
            ADD_FAILURE() << c.named;
        } catch (const FormatError& damage) {
            const std::string message = damage.what();
            EXPECT_NE(message.find("запись объекта 9"), std::string::npos) << message;
            EXPECT_NE(message.find(c.named), std::string::npos) << message;
        }
    }
}

std::vector<std::uint8_t> orientationBytes(const std::string& text) {
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.resize(100, 0);
    return bytes;
}

TEST(OrientationFile, HundredBytesOfTextAndZeros) {
    EXPECT_EQ(OrientationFile::format({1, 2, 30.5}), orientationBytes("1 2 30.500000 "));
    EXPECT_EQ(OrientationFile::format({0, 0, 0}), orientationBytes("0 0 0.000000 "));
    EXPECT_EQ(OrientationFile::format({0, 2, -15.25}), orientationBytes("0 2 -15.250000 "));

    const auto setting = OrientationFile::parse(orientationBytes("1 2 30.500000 "));
    EXPECT_EQ(setting.direction, 1);
    EXPECT_EQ(setting.start, 2);
    EXPECT_EQ(setting.angle, 30.5);
    // Only the first 100 bytes count.
    auto longer = orientationBytes("0 1 0.000000");
    longer.insert(longer.end(), {'9', '9', '9'});
    EXPECT_EQ(OrientationFile::parse(longer).start, 1);

    EXPECT_THROW(OrientationFile::format({0, 2, 1e200}), FormatError);  // would not fit
    for (const char* text : {"", "0 1", "x 1 0", "0 1 y", "2 1 0", "0 3 0", "0 -1 0", "0 2 nan"}) {
        EXPECT_THROW(OrientationFile::parse(orientationBytes(text)), FormatError) << text;
    }
}

TEST(OrientationFile, StartSetsTheSwitchesAndTheAngle) {
    ZodiacOrientation o;
    OrientationFile::apply({1, OrientationFile::FromAscendant, 12.0}, o);
    EXPECT_EQ(o.direction, 1);
    EXPECT_EQ(o.fromAscendant, 1);
    EXPECT_EQ(o.fromAries, 0);
    EXPECT_EQ(o.angle, 0.0);  // whatever the file holds
    OrientationFile::apply({0, OrientationFile::FromAries, 12.0}, o);
    EXPECT_EQ(o.direction, 0);
    EXPECT_EQ(o.fromAscendant, 0);
    EXPECT_EQ(o.fromAries, 1);
    EXPECT_EQ(o.angle, 0.0);
    OrientationFile::apply({0, OrientationFile::ArbitraryAngle, 30.0}, o);
    EXPECT_EQ(o.fromAscendant, 0);
    EXPECT_EQ(o.fromAries, 0);
    EXPECT_EQ(o.angle, 30.0);
    EXPECT_EQ(OrientationFile::fromOrientation(o).start, OrientationFile::ArbitraryAngle);
    EXPECT_EQ(OrientationFile::fromOrientation(o).angle, 30.0);

    ScratchFolder folder;
    ScratchFolder::write(folder / "Default.rnd", orientationBytes("0 7 0"));
    OrientationFile::Setting setting;
    EXPECT_EQ(OrientationFile::read(folder / "Default.rnd", setting).messages.size(), 1u);
    const auto none = OrientationFile::read(folder / "none.rnd", setting);
    EXPECT_EQ(none.status, LoadStatus::Missing);
    EXPECT_TRUE(none.messages.empty());
}

}  // namespace
}  // namespace orvanta
