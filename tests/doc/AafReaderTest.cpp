#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "birthdata/TimeChangeBase.h"
#include "common/FormatError.h"
#include "doc/AafBirthData.h"
#include "doc/AafReader.h"
#include "doc/AafWriter.h"

namespace orvanta {
namespace {

AafReader::Result readText(const std::string& text) {
    return AafReader::read({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

AafBirthData::Outcome birthOf(const std::string& text) {
    const auto result = readText(text);
    EXPECT_EQ(result.records.size(), 1u);
    EXPECT_TRUE(result.problems.empty()) << result.problems.front().message;
    return AafBirthData::fromRecord(result.records.at(0), nullptr, TimeChangeBase());
}

// The records as the format's description writes them: a kind, an unknown Julian day, a zone
// in "1he" form and a comment over two lines; then the same without the kind and with "1.10"
// for the time and a bare "1" for the zone.
TEST(AafReader, ReadsTheDescriptionsOwnRecords) {
    const auto result = readText(
        "#:========= example ============\r\n"
        "#A93:Ferber,Tobias,m,27.9.1970,11:04,Kandel/Pfalz,D\r\n"
        "#B93:*,49n05,8e11,1he,0\r\n"
        "#ZNAM:CET\r\n"
        "#COM:Programmierer\r\n"
        "der AAF-DLL\r\n"
        "#A93:Garms,Martin,11.10.1958,1.10,Brilon-Wald, D\r\n"
        "#B93: *,51n21,9e35,1,0\r\n");
    ASSERT_TRUE(result.problems.empty()) << result.problems.front().message;
    ASSERT_EQ(result.records.size(), 2u);
    const AafRecord& ferber = result.records[0];
    EXPECT_EQ(ferber.line, 2);
    EXPECT_EQ(ferber.fullName(), "Ferber Tobias");
    EXPECT_EQ(ferber.kind, "m");
    EXPECT_EQ(ferber.date, (Date{27, 9, 1970}));
    EXPECT_EQ(ferber.hour, 11);
    EXPECT_EQ(ferber.minute, 4);
    EXPECT_EQ(ferber.fullPlace(), "Kandel/Pfalz, D");
    EXPECT_FALSE(ferber.julianDay);
    EXPECT_NEAR(*ferber.latitude, 49 + 5 / 60.0, 1e-9);
    EXPECT_NEAR(*ferber.longitude, 8 + 11 / 60.0, 1e-9);
    EXPECT_EQ(ferber.zoneHours, 1.0);
    EXPECT_EQ(ferber.daylightHours, 0.0);
    EXPECT_EQ(ferber.zoneName, "CET");
    EXPECT_EQ(ferber.skippedChunks, std::vector<std::string>{"#COM (строка 5)"});
    const AafRecord& garms = result.records[1];
    EXPECT_EQ(garms.kind, "");
    EXPECT_EQ(garms.hour, 1);
    EXPECT_EQ(garms.minute, 10);
    EXPECT_EQ(garms.country, "D");
    EXPECT_EQ(garms.zoneHours, 1.0);
}

TEST(AafReader, ReadsCoordinatesAndZonesInEveryForm) {
    struct Case {
        const char* text;
        double expected;
    };
    for (const Case& c : {Case{"55n45", 55.75}, Case{"33s52:30", -(33 + 52.5 / 60)},
                          Case{"0N30", 0.5}, Case{"90s00", -90.0}}) {
        EXPECT_NEAR(AafReader::readAngle(c.text, 'n', 's', 90.0), c.expected, 1e-9) << c.text;
    }
    EXPECT_NEAR(AafReader::readAngle("43w14", 'e', 'w', 180.0), -(43 + 14 / 60.0), 1e-9);
    for (const Case& c : {Case{"1he00", 1.0}, Case{"5hw30", -5.5}, Case{"0e21:48", 0.36333333},
                          Case{"-5", -5.0}, Case{"3", 3.0}, Case{"5.5h", 5.5}}) {
        EXPECT_NEAR(AafReader::readZone(c.text), c.expected, 1e-8) << c.text;
    }
    for (const char* bad : {"95n00", "55n60", "55x45", "n45", "-5n00", "90n01"}) {
        EXPECT_THROW(AafReader::readAngle(bad, 'n', 's', 90.0), FormatError) << bad;
    }
    for (const char* bad : {"15he00", "1hx", "e", "abc"}) {
        EXPECT_THROW(AafReader::readZone(bad), FormatError) << bad;
    }
}

// Each fault costs at most its own record; the report names the line.
TEST(AafReader, ReportsEachBadRecordByLineAndKeepsTheRest) {
    const std::string good = "#A93:Good,*,m,1.1.1990,12:00,Moscow,*\n#B93:*,55n45,37e37,3he00,0\n";
    const std::string text = good +                                   // lines 1-2
                             "#A93:Cut,*,m,12.4\n" +                  // 3: truncated
                             good +                                   // 4-5
                             "#A93:Feb,*,m,31.02.1970,10:00,X,*\n" +  // 6
                             "#A93:Pole,*,m,1.1.1990,12:00,X,*\n" +   // 7
                             "#B93:*,95n00,8e11,1he,0\n" +            // 8
                             "#A93:Long,*,m,1.1.1990,12:00," + std::string(1 << 20, 'x') +
                             ",*\n" +                                // 9
                             good +                                  // 10-11
                             "\x01\x02\xFF\xFE garbage\n" +          // 12, outside a record
                             "#A93:Good,*,m,1.1.1990,12:00,X,*\n" +  // 13
                             std::string("\x7F\0\x13\n", 4) +        // 14
                             good;                                   // 15-16
    const auto result = readText(text);
    // Garbage after a whole record ends it and leaves it as it was.
    EXPECT_EQ(result.records.size(), 5u);
    for (const auto& record : result.records) EXPECT_EQ(record.name, "Good");
    std::vector<int> lines;
    for (const auto& problem : result.problems) lines.push_back(problem.line);
    EXPECT_EQ(lines, (std::vector<int>{3, 6, 8, 9, 12, 14}));
    EXPECT_EQ(result.refusedRecords, 4);
    EXPECT_NE(result.problems[1].message.find("31.02.1970"), std::string::npos);
    EXPECT_NE(result.problems[2].message.find("95n00"), std::string::npos);
    EXPECT_NE(result.problems[2].message.find("строки 7"), std::string::npos);
    EXPECT_EQ(result.encoding, AafEncoding::Kind::Utf8);  // the garbage lines do not count
}

TEST(AafEncoding, TellsUtf8Windows1251AndLatin1Apart) {
    struct Case {
        std::string bytes;
        AafEncoding::Kind kind;
        std::string name;
    };
    const std::vector<Case> cases = {
        {"#A93:Иванов,Иван,m,1.1.1990,12:00,Москва,*\n", AafEncoding::Kind::Utf8, "Иванов Иван"},
        // "Иванов" and "Иван" in Windows-1251 (C8 E2 E0 ED EE E2 / C8 E2 E0 ED).
        {"#A93:\xC8\xE2\xE0\xED\xEE\xE2,\xC8\xE2\xE0\xED,m,1.1.1990,12:00,X,*\n",
         AafEncoding::Kind::Windows1251, "Иванов Иван"},
        // "Müller" and "Jürgen" in Latin-1 (FC is ü).
        {"#A93:M\xFCller,J\xFCrgen,m,1.1.1990,12:00,K\xF6ln,D\n", AafEncoding::Kind::Latin1,
         "Müller Jürgen"},
    };
    for (const auto& c : cases) {
        const auto result = readText(c.bytes);
        EXPECT_EQ(result.encoding, c.kind) << c.name;
        ASSERT_EQ(result.records.size(), 1u) << c.name;
        EXPECT_EQ(result.records[0].fullName(), c.name);
    }
}

// The description's 1983 birth: JD 2445445.131907 is MJD 45444.631907, 20 April 1983 at
// 15:09:57 UT (MJD 44239 = 1 January 1980, counted on by hand); at 17:10 local the zone and
// its daylight hour make two hours.
TEST(AafBirthData, TheJulianDayDecidesTheMoment) {
    const auto outcome = birthOf(
        "#A93:Test,*,m,20.4.1983,17:10,Muenchen,D\n#B93:2445445.131907,48n24,11e45,1he00,1\n");
    ASSERT_TRUE(outcome.birth) << outcome.refusal;
    const BirthData& b = *outcome.birth;
    EXPECT_EQ((DateTime{b.gmtHour, b.gmtMinute, b.gmtDay, b.gmtMonth, b.gmtYear}),
              (DateTime{15, 10, 20, 4, 1983}));
    EXPECT_DOUBLE_EQ(b.diffGreenwich, 2.0);
    EXPECT_NEAR(b.latitude, 48.4, 1e-9);
    // J2000.0 is JD 2451545.0, 1 January 2000 at noon.
    EXPECT_DOUBLE_EQ(AafBirthData::julianDay({1, 1, 2000}, 12.0), 2451545.0);
    EXPECT_EQ(AafBirthData::universalTime(2451545.0), (DateTime{12, 0, 1, 1, 2000}));
    // Just after midnight of the program's first day, east of Greenwich, it is still 1859.
    EXPECT_EQ(AafBirthData::universalTime(AafBirthData::julianDay({31, 12, 1859}, 21.5)),
              (DateTime{21, 30, 31, 12, 1859}));
}

TEST(AafBirthData, LocalMeanTimeSouthernWesternAndUnknownFields) {
    // Paris mean time, 9 min 21 s ahead of Greenwich: noon local is 11:50:39 UT, 11:51 rounded.
    auto lmt = birthOf("#A93:Lmt,*,*,1.6.1880,12:00,Paris,F\n#B93:*,48n51,2e20,0he09:21,*\n");
    ASSERT_TRUE(lmt.birth) << lmt.refusal;
    EXPECT_EQ(lmt.birth->gmtHour * 60 + lmt.birth->gmtMinute, 11 * 60 + 51);
    EXPECT_NEAR(lmt.birth->diffGreenwich, 9 / 60.0 + 21 / 3600.0, 1e-9);
    // Rio: JD 2447893.125 is 1 January 1990 at 15:00 UT (JD 2447892.5 at 0h), 12:00 local.
    auto rio = birthOf("#A93:*,*,*,*,*,Rio,BR\n#B93:2447893.125000,22s54,43w14,3hw00,0\n");
    ASSERT_TRUE(rio.birth) << rio.refusal;
    EXPECT_EQ((DateTime{rio.birth->hour, rio.birth->minute, rio.birth->day, rio.birth->month,
                        rio.birth->year}),
              (DateTime{12, 0, 1, 1, 1990}));
    EXPECT_NEAR(rio.birth->latitude, -22.9, 1e-9);
    EXPECT_NEAR(rio.birth->longitude, -(43 + 14 / 60.0), 1e-9);
    EXPECT_EQ(rio.birth->name, "");
    EXPECT_EQ(rio.birth->place, "Rio, BR");
}

TEST(AafBirthData, RefusesWhatCannotMakeAChart) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"#A93:A,*,m,1.1.1990,12:00,Nowhere,*\n", "Nowhere"},
        {"#A93:A,*,m,1.1.1990,12:00,X,*\n#B93:*,1n00,1e00,*,0\n", "пояс"},
        {"#A93:A,*,m,1.1.1700,12:00,X,*\n#B93:*,1n00,1e00,1he00,0\n", "1700"},
        {"#A93:A,*,m,3.1.1990,12:00,X,*\n#B93:2447893.125,1n00,1e00,*,0\n", "расходится"},
        {"#A93:A,*,m,*,*,X,*\n#B93:2447893.125,1n00,1e00,*,0\n", "местное время"},
        // A year far out beside a Julian day is refused before any count of days reaches it.
        {"#A93:A,*,m,1.1.1992447890,12:00,X,*\n#B93:2447893.125,1n00,1e00,*,0\n", "1992447890"},
    };
    for (const auto& [text, reason] : cases) {
        const auto outcome = birthOf(text);
        EXPECT_FALSE(outcome.birth) << text;
        EXPECT_NE(outcome.refusal.find(reason), std::string::npos) << outcome.refusal;
    }
}

TEST(AafBirthData, ReplacesWhatAChartFileCannotHold) {
    EXPECT_EQ(AafBirthData::storableText("Müller Ærø Петров"), "Muller Aro Петров");
    EXPECT_EQ(AafBirthData::storableText("東京"), "??");
    // A lead byte of the Latin letters followed by no continuation byte (a fuzz finding).
    EXPECT_EQ(AafBirthData::storableText("\xC3"
                                         "A"),
              "?");
}

TEST(AafWriter, WritesTheRecordOfABirth) {
    BirthData birth;
    birth.name = "Иванов, Иван";
    birth.place = "Rio de Janeiro, BR";
    birth.day = 1;
    birth.month = 1;
    birth.year = 1990;
    birth.hour = 12;
    birth.minute = 0;
    birth.deriveGreenwich(-3.0);
    birth.latitude = -22.9;
    birth.longitude = -(43 + 14 / 60.0) + 0.004;  // 13.76 minutes round to 14
    // JD 2447892.5 is 1 January 1990, 0h UT; 15:00 adds 0.625.
    EXPECT_EQ(AafWriter::record(birth),
              "#A93:Иванов; Иван,*,*,1.1.1990,12:00,Rio de Janeiro,BR\r\n"
              "#B93:2447893.125000,22s54,43w14,3hw00,0\r\n"
              "#ZNAM:UTC-3\r\n");
    EXPECT_EQ(AafWriter::zone(5.5), "5he30");
    EXPECT_EQ(AafWriter::zoneName(-3.5), "UTC-3:30");
    EXPECT_EQ(AafWriter::angle(59.9999, 'n', 's'), "60n00");
}

}  // namespace
}  // namespace orvanta
