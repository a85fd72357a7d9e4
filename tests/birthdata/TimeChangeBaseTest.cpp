#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>

#include "birthdata/TimeChangeBase.h"
#include "common/MessageSink.h"
#include "support/ByteLayout.h"
#include "support/MessageRecorder.h"
#include "support/ScratchFolder.h"

namespace orvanta {
namespace {

using testing::ByteLayout;
using testing::ScratchFolder;

TimeChange change(int day, int month, int year, int hour, int difference) {
    TimeChange c;
    c.day = day;
    c.month = month;
    c.year = year;
    c.hour = hour;
    c.difference = difference;
    return c;
}

ByteLayout& record(ByteLayout& bytes, int day, int month, int year, int hour, int minute,
                   int second, double reserved, int difference) {
    return bytes.i32(day).i32(month).i32(year).i32(hour).i32(minute).i32(second).f64(reserved).i32(
        difference);
}

// Collects what the base reports for a message box.
// What the code reported, as texts.
struct Messages : testing::MessageRecorder {
    std::vector<std::string>& texts = messages;
};

TEST(TimeChangeBaseTest, FileImageMatchesTheLayoutFieldForField) {
    TimeChangeBase base;
    TimeChange spring = change(27, 3, 1999, 2, 4);
    spring.reserved = 0.5;
    base.add(spring);
    base.add(change(31, 10, 1999, 3, 3));
    base.add(TimeChange{});  // a blank record sorts first

    ByteLayout expected;
    expected.i32(3);
    record(expected, 0, 0, 0, 0, 0, 0, 0.0, 0);
    record(expected, 27, 3, 1999, 2, 0, 0, 0.5, 4);
    record(expected, 31, 10, 1999, 3, 0, 0, 0.0, 3);
    EXPECT_EQ(base.toBytes(), expected.bytes());
    EXPECT_EQ(expected.bytes().size(), 4u + 3u * TimeChangeBase::kRecordSize);

    // Read back and written again, the file is the same byte for byte.
    ScratchFolder folder;
    testing::ScratchFolder::write(folder / "Timechg.tch", expected.bytes());
    TimeChangeBase loaded;
    ASSERT_EQ(loaded.load(folder / "Timechg.tch"), LoadStatus::Loaded);
    ASSERT_EQ(loaded.size(), 3);
    EXPECT_EQ(loaded.records()[1].reserved, 0.5);
    EXPECT_EQ(loaded.records()[2].difference, 3);
    ASSERT_TRUE(loaded.save(folder / "copy.tch"));
    EXPECT_EQ(testing::ScratchFolder::read(folder / "copy.tch"), expected.bytes());
}

TEST(TimeChangeBaseTest, InstantCountsHoursFrom1860) {
    // Reference: day counts of the proleptic Gregorian calendar.
    using namespace std::chrono;
    const auto hoursFrom1860 = [](year_month_day date, int hour) {
        return 24.0 * (sys_days{date} - sys_days{year{1860} / 1 / 1}).count() + hour;
    };
    const struct {
        int day, month, year, hour;
    } cases[] = {{1, 1, 1860, 0},  {2, 1, 1860, 5},   {1, 3, 1864, 0}, {1, 3, 1900, 12},
                 {27, 3, 1999, 2}, {28, 2, 2100, 23}, {1, 3, 2100, 0}};
    for (const auto& c : cases) {
        TimeChange t = change(c.day, c.month, c.year, c.hour, 3);
        t.computeInstant();
        EXPECT_DOUBLE_EQ(t.instant, hoursFrom1860(year{c.year} / c.month / c.day, c.hour))
            << c.day << "." << c.month << "." << c.year;
    }
}

TEST(TimeChangeBaseTest, LookupAnswersTheChangeInForceAtTheHour) {
    TimeChangeBase base;
    base.add(change(27, 3, 1999, 2, 4));
    base.add(change(31, 10, 1999, 3, 3));

    EXPECT_EQ(base.lookup(15, 6, 1999, 12, 40)->difference, 4);
    EXPECT_EQ(base.lookup(31, 10, 1999, 3, 10)->difference, 3);
    EXPECT_EQ(base.lookup(31, 10, 1999, 2, 59)->difference, 4);
    EXPECT_EQ(base.lookup(27, 3, 1999, 2, 0)->difference, 4);  // the change's own hour
    EXPECT_EQ(base.lookup(1, 1, 2130, 0, 0)->difference, 3);
    // Earlier than every record, or outside the years a record can hold.
    EXPECT_FALSE(base.lookup(27, 3, 1999, 1, 59));
    EXPECT_FALSE(base.lookup(1, 1, 1860, 0, 0));
    EXPECT_FALSE(base.lookup(1, 1, -2000000000, 0, 0));
    // A query far beyond 2130 is after every record and answers at once.
    EXPECT_EQ(base.lookup(1, 1, 2000000000, 0, 0)->difference, 3);
    // What is no date has no answer.
    EXPECT_FALSE(base.lookup(1, 13, 2000, 0, 0));
    EXPECT_FALSE(base.lookup(0, 1, 2000, 0, 0));

    EXPECT_FALSE(TimeChangeBase{}.lookup(15, 6, 1999, 12, 0));
}

TEST(TimeChangeBaseTest, LookupScansTheArrayAsItStandsUntilItIsSorted) {
    // A file whose records are out of order: the backward scan takes the first record from the
    // end that is not later than the query, which here is the spring one.
    ScratchFolder folder;
    ByteLayout bytes;
    bytes.i32(2);
    record(bytes, 31, 10, 1999, 3, 0, 0, 0.0, 3);
    record(bytes, 27, 3, 1999, 2, 0, 0, 0.0, 4);
    testing::ScratchFolder::write(folder / "t.tch", bytes.bytes());
    TimeChangeBase base;
    ASSERT_EQ(base.load(folder / "t.tch"), LoadStatus::Loaded);
    EXPECT_EQ(base.records()[0].year, 1999);  // loading keeps the file's order
    EXPECT_EQ(base.records()[0].month, 10);
    EXPECT_EQ(base.lookup(15, 12, 1999, 0, 0)->difference, 4);

    base.sort(0);
    EXPECT_EQ(base.lookup(15, 12, 1999, 0, 0)->difference, 3);
}

TEST(TimeChangeBaseTest, InvalidRecordsAreKeptListedInBracketsAndNeverMatch) {
    TimeChangeBase base;
    base.add(change(1, 1, 1990, 0, 3));
    base.add(change(29, 2, 1900, 0, 5));       // 1900 is no leap year
    base.add(change(31, 4, 1995, 0, 6));       // April has 30 days
    base.add(change(1, 13, 1995, 0, 6));       // no 13th month
    base.add(change(1, 6, 1995, 24, 6));       // no hour 24
    base.add(change(1, 6, 2131, 0, 6));        // beyond the last year
    base.add(change(1, 1, 1996, 0, -100000));  // the editor takes 0 to 6 hours
    base.add(change(1, 1, 1997, 0, 7));
    base.add(change(29, 2, 2100, 0, 2));  // 2100 is no leap year either
    base.add(change(1, 3, 2100, 0, 2));

    EXPECT_EQ(base.lookup(1, 12, 1999, 0, 0)->difference, 3);
    EXPECT_EQ(base.lookup(1, 1, 1901, 0, 0), std::nullopt);
    EXPECT_EQ(base.lookup(1, 3, 2100, 0, 0)->difference, 2);
    EXPECT_EQ(base.lookup(2, 1, 1996, 0, 0)->difference, 3);
    EXPECT_EQ(base.lookup(2, 1, 1997, 0, 0)->difference, 3);
    EXPECT_TRUE(change(1, 1, 1996, 0, 0).isValid());
    EXPECT_TRUE(change(1, 1, 1996, 0, 6).isValid());

    const auto lines = base.listLines();
    EXPECT_EQ(lines[0], "с [29.2.1900, 0:00], разн. +5ч.");
    EXPECT_EQ(lines[1], "с 1.1.1990, 0:00, разн. +3ч.");
    EXPECT_EQ(lines[5], "с [1.1.1996, 0:00], разн. +-100000ч.");

    // A damaged year does not send the instant (or the program) anywhere.
    TimeChange far = change(1, 1, std::numeric_limits<int>::max(), 0, 3);
    far.computeInstant();
    EXPECT_EQ(far.instant, 0.0);
}

TEST(TimeChangeBaseTest, SearchNamesTheDamagedRecordsItPassedOver) {
    // In the file's order: a valid record, one with an impossible difference, a later one.
    ScratchFolder folder;
    ByteLayout bytes;
    bytes.i32(3);
    record(bytes, 1, 1, 1990, 0, 0, 0, 0.0, 3);
    record(bytes, 1, 1, 1996, 0, 0, 0, 0.0, -100000);
    record(bytes, 1, 1, 1997, 0, 0, 0, 0.0, 4);
    testing::ScratchFolder::write(folder / "t.tch", bytes.bytes());
    TimeChangeBase base;
    ASSERT_EQ(base.load(folder / "t.tch"), LoadStatus::Loaded);

    const auto passedOver = base.find(2, 1, 1996, 0, 0);
    EXPECT_EQ(passedOver.change->difference, 3);
    EXPECT_EQ(passedOver.skipped, std::vector<int>{1});
    EXPECT_EQ(base.skippedWarning(passedOver.skipped),
              "В базе разниц времени пропущена повреждённая запись 2 (с [1.1.1996, 0:00], "
              "разн. +-100000ч.)");
    // A search answered before it reaches the damaged record skips nothing.
    EXPECT_TRUE(base.find(2, 1, 1998, 0, 0).skipped.empty());

    // The Moscow difference of a birth collects what both of its searches skipped.
    BirthData birth;
    birth.gmtDay = 2, birth.gmtMonth = 1, birth.gmtYear = 1996, birth.gmtHour = 12;
    std::vector<int> skipped;
    EXPECT_EQ(base.moscowAheadOfGreenwich(birth, &skipped), 3);
    EXPECT_EQ(skipped, std::vector<int>{1});
}

TEST(TimeChangeBaseTest, RecordTextAndListLine) {
    const TimeChange spring = change(27, 3, 1999, 2, 4);
    EXPECT_EQ(spring.text(), "27.3.1999, 2:00");
    EXPECT_EQ(spring.listLine(), "с 27.3.1999, 2:00, разн. +4ч.");
    EXPECT_EQ(TimeChange{}.listLine(), "с [0.0.0, 0:00], разн. +0ч.");
}

TEST(TimeChangeBaseTest, BlankRecordSortsFirstAndIsSavedAsZeros) {
    TimeChangeBase base;
    base.add(change(1, 1, 1990, 0, 3));
    EXPECT_EQ(base.add(TimeChange{}), 0);
    EXPECT_FALSE(base.lookup(1, 1, 1900, 0, 0));

    ByteLayout expected;
    expected.i32(2).zeros(TimeChangeBase::kRecordSize);
    record(expected, 1, 1, 1990, 0, 0, 0, 0.0, 3);
    EXPECT_EQ(base.toBytes(), expected.bytes());
}

TEST(TimeChangeBaseTest, SortTracksTheEditedRecordAndKeepsEqualRecordsInOrder) {
    TimeChangeBase base;
    // Appended without sorting through a file image: C, B1, B2, A, where B1 and B2 carry the
    // same moment. A plain exchange sort would turn B1 and B2 round; the order must hold.
    ByteLayout bytes;
    bytes.i32(4);
    record(bytes, 1, 1, 2000, 0, 0, 0, 0.0, 1);  // C
    record(bytes, 1, 1, 1990, 0, 0, 0, 0.0, 2);  // B1
    record(bytes, 1, 1, 1990, 0, 0, 0, 0.0, 3);  // B2
    record(bytes, 1, 1, 1980, 0, 0, 0, 0.0, 4);  // A
    ScratchFolder folder;
    testing::ScratchFolder::write(folder / "t.tch", bytes.bytes());
    ASSERT_EQ(base.load(folder / "t.tch"), LoadStatus::Loaded);

    EXPECT_EQ(base.sort(2), 2);  // B2 ends up third
    std::vector<int> differences;
    for (const auto& c : base.records()) differences.push_back(c.difference);
    EXPECT_EQ(differences, (std::vector<int>{4, 2, 3, 1}));
    // Later records with the same moment win the backward scan.
    EXPECT_EQ(base.lookup(1, 6, 1990, 0, 0)->difference, 3);

    // Editing a record in place and sorting moves it to its new position.
    base.recordAt(0)->year = 2010;
    EXPECT_EQ(base.sort(0), 3);
    EXPECT_EQ(base.records()[3].difference, 4);
    EXPECT_EQ(base.sort(7), 7);  // a position outside the array is handed back unchanged
    // Equal dates are ordered by minute, second and finally the reserved value.
    TimeChange later = change(1, 1, 2020, 0, 5);
    later.reserved = std::nan("");
    TimeChange earlier = change(1, 1, 2020, 0, 6);
    earlier.reserved = 1.0;
    base.add(later);
    base.add(earlier);
    EXPECT_EQ(base.records()[4].difference, 6);
    EXPECT_EQ(base.records()[5].difference, 5);
}

TEST(TimeChangeBaseTest, RemoveClosesTheGapAndIgnoresPositionsOutside) {
    TimeChangeBase base;
    for (int year : {1981, 1982, 1983}) base.add(change(1, 4, year, 0, 4));
    base.remove(-1);
    base.remove(3);
    EXPECT_EQ(base.size(), 3);
    base.remove(1);
    ASSERT_EQ(base.size(), 2);
    EXPECT_EQ(base.records()[0].year, 1981);
    EXPECT_EQ(base.records()[1].year, 1983);
    EXPECT_EQ(base.recordAt(2), nullptr);
}

TEST(TimeChangeBaseTest, MissingFileBecomesAnEmptyFileSilentlyAtStartup) {
    ScratchFolder folder;
    Messages messages;
    TimeChangeBase base;
    EXPECT_EQ(base.loadAtStartup(folder / "Timechg.tch"), LoadStatus::Missing);
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(testing::ScratchFolder::read(folder / "Timechg.tch"), ByteLayout().i32(0).bytes());
    EXPECT_EQ(base.loadAtStartup(folder / "Timechg.tch"), LoadStatus::Loaded);
    EXPECT_EQ(base.size(), 0);
}

TEST(TimeChangeBaseTest, DamagedFileIsReportedAndLeftAsItWas) {
    const auto withCount = [](int count) {
        ByteLayout bytes;
        bytes.i32(count);
        return record(bytes, 27, 3, 1999, 2, 0, 0, 0.0, 4);
    };
    const struct {
        const char* what;
        std::vector<std::uint8_t> bytes;
    } damaged[] = {
        {"shorter than the count", {0x01, 0x00}},
        {"negative count", ByteLayout().i32(-1).bytes()},
        {"count beyond the bytes", ByteLayout().i32(0x7fffffff).zeros(36).bytes()},
        {"ends inside a record", withCount(1).cut(10).bytes()},
        {"second record missing", withCount(2).bytes()},
        {"bytes after the records", withCount(1).zeros(3).bytes()},
    };
    for (const auto& c : damaged) {
        SCOPED_TRACE(c.what);
        const std::vector<std::uint8_t>& bytes = c.bytes;
        ScratchFolder folder;
        const auto path = folder / "Timechg.tch";
        testing::ScratchFolder::write(path, bytes);
        Messages messages;
        TimeChangeBase base;
        base.add(change(1, 1, 2000, 0, 3));  // whatever was there before goes
        EXPECT_EQ(base.loadAtStartup(path), LoadStatus::Damaged);
        EXPECT_EQ(base.size(), 0);
        ASSERT_EQ(messages.texts.size(), 1u);
        EXPECT_NE(messages.texts[0].find("поврежден"), std::string::npos);
        EXPECT_NE(messages.texts[0].find(path.string()), std::string::npos);
        EXPECT_EQ(testing::ScratchFolder::read(path), bytes);

        // Once the user stores the base, the damaged file is replaced.
        base.add(change(1, 1, 2000, 0, 3));
        ASSERT_TRUE(base.save(path));
        EXPECT_EQ(testing::ScratchFolder::read(path).size(), 4u + TimeChangeBase::kRecordSize);
    }
}

TEST(TimeChangeBaseTest, UnreadableFileIsReportedAndNotReplaced) {
    ScratchFolder folder;
    const auto path = folder / "Timechg.tch";
    std::filesystem::create_directory(path);  // there, but no file that can be read
    Messages messages;
    TimeChangeBase base;
    EXPECT_EQ(base.loadAtStartup(path), LoadStatus::Unreadable);
    EXPECT_EQ(messages.texts.size(), 1u);
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

}  // namespace
}  // namespace orvanta
