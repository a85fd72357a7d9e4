#include <gtest/gtest.h>

#include <variant>

#include "calc/HouseSystems.h"
#include "cli/BatchRecordParser.h"

namespace orvanta {
namespace {

using cli::BatchFieldError;
using cli::BatchRecord;
using cli::BatchRecordParser;

TEST(BatchRecordParser, ReadsFieldsZonesAndHouseSystems) {
    struct Case {
        const char* line;
        double zone, latitude, longitude;
        int houseSystem;
    };
    // Zones as decimal hours or ±H:MM (5:45 = 5.75, -2:30 = -2.5), decimal commas, spaces around
    // fields, a CR left by a CR LF file, and the house system field over the default (Koch = 1).
    const Case cases[] = {
        {"Анна;15.06.1990;14:30;3;55.75;37.62", 3.0, 55.75, 37.62, 1},
        {"Kathmandu;01.01.2000;00:00;+5:45;27,7;85,3;Placidus", 5.75, 27.7, 85.3, 0},
        {" Newfoundland ; 29.02.2000 ; 24:00 ; -2:30 ; 47.56 ; -52.71 ;none\r", -2.5, 47.56, -52.71,
         HouseSystems::kNone},
        {"Sydney;31.12.2099;23:59;+10;-33.87;151.21;Whole", 10.0, -33.87, 151.21, 11},
        {"Polar, no houses;01.07.1970;12:00;0;78.2;15.6;none", 0.0, 78.2, 15.6,
         HouseSystems::kNone},
        {"Polar, whole signs;01.07.1970;12:00;0;-78.2;15.6;Whole", 0.0, -78.2, 15.6, 11},
    };
    const BatchRecordParser parser(1);
    for (const auto& c : cases) {
        const auto parsed = parser.parse(c.line);
        ASSERT_TRUE(std::holds_alternative<BatchRecord>(parsed))
            << c.line << ": " << std::get<BatchFieldError>(parsed).message;
        const auto& request = std::get<BatchRecord>(parsed).request;
        EXPECT_DOUBLE_EQ(request.timeZone, c.zone) << c.line;
        EXPECT_DOUBLE_EQ(request.latitude, c.latitude) << c.line;
        EXPECT_DOUBLE_EQ(request.longitude, c.longitude) << c.line;
        EXPECT_EQ(request.houseSystem, c.houseSystem) << c.line;
    }
    const auto parsed = parser.parse("K;02.03.1999;07:05;0;1;2");
    ASSERT_TRUE(std::holds_alternative<BatchRecord>(parsed));
    const auto& kathmandu = std::get<BatchRecord>(parsed);
    EXPECT_EQ(kathmandu.name, "K");
    EXPECT_EQ(kathmandu.request.day, 2);
    EXPECT_EQ(kathmandu.request.month, 3);
    EXPECT_EQ(kathmandu.request.year, 1999);
    EXPECT_EQ(kathmandu.request.hour, 7);
    EXPECT_EQ(kathmandu.request.minute, 5);
}

TEST(BatchRecordParser, NamesTheFieldOfABadLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"A;31.02.1990;12:00;3;55;37", "дата"},               // no 31 February
        {"A;1990-02-01;12:00;3;55;37", "дата"},               // not DD.MM.YYYY
        {"A;01.02.1850;12:00;3;55;37", "дата"},               // before the calendar's range
        {"A;01.02.1990;25:00;3;55;37", "время"},              // no hour 25
        {"A;01.02.1990;12:60;3;55;37", "время"},              // no minute 60
        {"A;01.02.1990;12:00;15;55;37", "пояс"},              // beyond 14 hours
        {"A;01.02.1990;12:00;+5:75;55;37", "пояс"},           // no minute 75
        {"A;01.02.1990;12:00;+-3;55;37", "пояс"},             // two signs
        {"A;01.02.1990;12:00;+-3:00;55;37", "пояс"},          // two signs before H:MM
        {"A;01.02.1990;12:00;3;+-55;37", "широта"},           // two signs in a coordinate
        {"A;01.02.1990;12:00;3;90.5;37", "широта"},           // beyond the pole
        {"A;01.02.1990;12:00;3;55;1e9", "долгота"},           // beyond 180
        {"A;01.02.1990;12:00;3;55;37x", "долгота"},           // not a number
        {"A;01.02.1990;12:00;3;66.6;37;Placidus", "широта"},  // the polar rule
        {"A;01.02.1990;12:00;3;-70;37;Koch", "широта"},       // and in the south
        {"A;01.02.1990;12:00;3;55;37;Nowhere", "система домов"},
        {"A;01.02.1990;12:00;3;55", "строка"},  // a field missing
        {"A;01.02.1990;12:00;3;55;37;Koch;extra", "строка"},
        {"\xFF\xFE;01.02.1990;12:00;3;55;37", "имя"},  // not UTF-8
    };
    const BatchRecordParser parser(0);
    for (const auto& [line, field] : cases) {
        const auto parsed = parser.parse(line);
        ASSERT_TRUE(std::holds_alternative<BatchFieldError>(parsed)) << line;
        EXPECT_EQ(std::get<BatchFieldError>(parsed).field, field) << line;
    }
    // The polar rule holds for the default system too; the circle itself is allowed.
    EXPECT_TRUE(std::holds_alternative<BatchFieldError>(parser.parse("A;1.2.1990;12:00;3;67;37")));
    EXPECT_TRUE(std::holds_alternative<BatchRecord>(parser.parse("A;1.2.1990;12:00;3;66.55;37")));
}

TEST(BatchRecordParser, HeadersCommentsAndBlankLines) {
    EXPECT_TRUE(BatchRecordParser::isHeader("name;date;time;zone;lat;lon;houses"));
    EXPECT_TRUE(BatchRecordParser::isHeader("Имя;Дата;Время;Пояс;Широта;Долгота"));
    EXPECT_FALSE(BatchRecordParser::isHeader("Анна;15.06.1990;14:30;3;55.75;37.62"));
    // A record whose date has no digit is a bad record, not a header.
    EXPECT_FALSE(BatchRecordParser::isHeader("Анна;вчера;14:30;3;55.75;37.62"));
    EXPECT_FALSE(BatchRecordParser::isHeader("name;date;time;zone;lat"));
    EXPECT_TRUE(BatchRecordParser::isSkipped("# clients of 2024"));
    EXPECT_TRUE(BatchRecordParser::isSkipped("   \r"));
    EXPECT_FALSE(BatchRecordParser::isSkipped("Анна;15.06.1990;14:30;3;55.75;37.62"));
}

}  // namespace
}  // namespace orvanta
