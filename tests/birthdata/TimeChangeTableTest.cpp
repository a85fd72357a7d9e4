#include <gtest/gtest.h>

#include <chrono>

#include "generator/TimeChangeTable.h"

namespace orvanta {
namespace {

// A compiled tz file (TZif version 2) built field by field, big-endian as the format requires.
class TzImage {
  public:
    struct Type {
        std::int32_t offset;
        std::string abbreviation;
    };
    struct Change {
        std::int64_t at;
        std::uint8_t type;
    };

    static std::vector<std::uint8_t> build(const std::vector<Type>& types,
                                           const std::vector<Change>& changes) {
        TzImage image;
        std::string chars;
        for (const auto& t : types) chars += t.abbreviation + '\0';
        // Version 1 part: one type and no transitions, which the reader skips.
        image.header(0, 1, 4);
        image.bigEndian(0, 4).bytes_.insert(image.bytes_.end(), {0, 0});
        image.raw(std::string("LMT\0", 4));
        image.header(static_cast<std::uint32_t>(changes.size()),
                     static_cast<std::uint32_t>(types.size()),
                     static_cast<std::uint32_t>(chars.size()));
        for (const auto& c : changes) image.bigEndian(static_cast<std::uint64_t>(c.at), 8);
        for (const auto& c : changes) image.bytes_.push_back(c.type);
        std::size_t index = 0;
        for (const auto& t : types) {
            image.bigEndian(static_cast<std::uint32_t>(t.offset), 4);
            image.bytes_.push_back(0);
            image.bytes_.push_back(static_cast<std::uint8_t>(index));
            index += t.abbreviation.size() + 1;
        }
        image.raw(chars);
        image.raw("\nMSK-3\n");
        return image.bytes_;
    }

  private:
    void header(std::uint32_t timecnt, std::uint32_t typecnt, std::uint32_t charcnt) {
        raw("TZif2");
        bytes_.insert(bytes_.end(), 15, 0);
        for (std::uint32_t count : {0u, 0u, 0u, timecnt, typecnt, charcnt}) bigEndian(count, 4);
    }
    TzImage& bigEndian(std::uint64_t value, int size) {
        for (int i = size - 1; i >= 0; --i)
            bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
        return *this;
    }
    void raw(std::string_view text) { bytes_.insert(bytes_.end(), text.begin(), text.end()); }

    std::vector<std::uint8_t> bytes_;
};

std::int64_t utc(int year, int month, int day, int hour, int minute, int second) {
    using namespace std::chrono;
    const sys_seconds t = sys_days{std::chrono::year{year} / month / day} + hours{hour} +
                          minutes{minute} + seconds{second};
    return t.time_since_epoch().count();
}

TEST(TimeChangeTableTest, ZoneHistoryBecomesWholeHourChangesOnTheOldClock) {
    const std::vector<TzImage::Type> types = {{7200, "EET"},  {9017, "LMT"},  {9079, "MMT"},
                                              {12679, "MST"}, {10800, "MSK"}, {14400, "MSD"}};
    const auto bytes = TzImage::build(
        types, {
                   {utc(1850, 1, 1, 0, 0, 0), 1},     // before 1860: only sets the first row
                   {utc(1916, 7, 2, 21, 29, 43), 2},  // +2:30:17 to +2:31:19: both round to 3
                   {utc(1917, 7, 1, 20, 28, 41), 3},  // old clock 23:00:00 -> +3:31:19, i.e. 4
                   {utc(1919, 7, 1, 0, 0, 0), 4},     // old clock 3:31:19 -> +3
                   {utc(1981, 3, 31, 21, 0, 0), 5},   // old clock 0:00 on 1 April -> +4
                   {utc(1981, 9, 30, 20, 0, 0), 4},   // old clock 24:00, i.e. 0:00 on 1 October
                   {utc(1991, 3, 30, 23, 0, 0), 4},   // no change of the offset at all
               });
    const TzFile zone = TzFile::parse(bytes);
    EXPECT_EQ(zone.footer, "MSK-3");
    const auto rows = TimeChangeTable::fromZone(zone);

    const struct {
        int day, month, year, hour, difference;
    } expected[] = {{1, 1, 1860, 0, 3},
                    {1, 7, 1917, 23, 4},
                    {1, 7, 1919, 3, 3},
                    {1, 4, 1981, 0, 4},
                    {1, 10, 1981, 0, 3}};
    ASSERT_EQ(rows.size(), std::size(expected));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const TimeChange& c = rows[i].change;
        EXPECT_EQ(c.day, expected[i].day) << i;
        EXPECT_EQ(c.month, expected[i].month) << i;
        EXPECT_EQ(c.year, expected[i].year) << i;
        EXPECT_EQ(c.hour, expected[i].hour) << i;
        EXPECT_EQ(c.difference, expected[i].difference) << i;
    }
    EXPECT_EQ(rows[0].exactOffset, 9017);
    EXPECT_EQ(rows[0].abbreviation, "LMT");

    // The table says how it rounded, and reads back as the same changes.
    const std::string text = TimeChangeTable::format(rows, "test zone");
    EXPECT_NE(text.find("#   +2:30:17 -> +3\n"), std::string::npos);
    EXPECT_NE(text.find("#   +3:31:19 -> +4\n"), std::string::npos);
    EXPECT_NE(text.find("1.7.1917\t23\t+4\t+3:31:19 MST\n"), std::string::npos);
    const auto parsed = TimeChangeTable::parse(text);
    ASSERT_EQ(parsed.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(parsed[i].text(), rows[i].change.text());
        EXPECT_EQ(parsed[i].difference, rows[i].change.difference);
    }
}

TEST(TimeChangeTableTest, RoundingToWholeHours) {
    EXPECT_EQ(TimeChangeTable::roundedHours(9017), 3);  // +2:30:17
    EXPECT_EQ(TimeChangeTable::roundedHours(9000), 3);  // +2:30 exactly, away from zero
    EXPECT_EQ(TimeChangeTable::roundedHours(8999), 2);
    EXPECT_EQ(TimeChangeTable::roundedHours(-9000), -3);
    EXPECT_EQ(TimeChangeTable::offsetText(9017), "+2:30:17");
    EXPECT_EQ(TimeChangeTable::offsetText(14400), "+4");
}

TEST(TimeChangeTableTest, DamagedZoneFilesAreRefused) {
    auto bytes = TzImage::build({{10800, "MSK"}}, {{0, 0}});
    EXPECT_NO_THROW(TzFile::parse(bytes));
    for (std::size_t cut : {1u, 20u, 40u}) {
        const std::vector<std::uint8_t> shorter(bytes.begin(),
                                                bytes.end() - static_cast<long>(cut) - 7);
        EXPECT_THROW(TzFile::parse(shorter), std::runtime_error) << cut;
    }
    auto badMagic = bytes;
    badMagic[0] = 'X';
    EXPECT_THROW(TzFile::parse(badMagic), std::runtime_error);
}

TEST(TimeChangeTableTest, MalformedLinesNameTheirLine) {
    const auto errorOf = [](const std::string& text) -> std::string {
        try {
            TimeChangeTable::parse(text);
        } catch (const TimeChangeTable::Error& error) {
            return error.what();
        }
        return "";
    };
    const std::string good = "# comment\n\n1.1.1860\t0\t+3\tnote\n21.6.1930\t0\t+3\n";
    EXPECT_EQ(errorOf(good), "");
    EXPECT_EQ(TimeChangeTable::parse(good).size(), 2u);
    EXPECT_EQ(errorOf(good + "1.4.1981\t0\n").rfind("line 5: ", 0), 0u);
    EXPECT_EQ(errorOf(good + "1-4-1981\t0\t+4\n").rfind("line 5: ", 0), 0u);
    EXPECT_EQ(errorOf(good + "31.4.1981\t0\t+4\n").rfind("line 5: ", 0), 0u);
    EXPECT_EQ(errorOf(good + "1.4.1981\t24\t+4\n").rfind("line 5: ", 0), 0u);
    EXPECT_EQ(errorOf(good + "1.4.1981\t0\t+7\n").rfind("line 5: ", 0), 0u);
    EXPECT_EQ(errorOf(good + "1.4.1981\tx\t+4\n").rfind("line 5: ", 0), 0u);
    EXPECT_EQ(errorOf(good + "1.4.1920\t0\t+4\n").rfind("line 5: ", 0), 0u);   // out of order
    EXPECT_EQ(errorOf(good + "21.6.1930\t0\t+4\n").rfind("line 5: ", 0), 0u);  // twice
}

}  // namespace
}  // namespace orvanta
