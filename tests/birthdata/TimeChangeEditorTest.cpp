#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "birthdata/TimeChangeEditor.h"
#include "common/MessageSink.h"
#include "support/ByteLayout.h"
#include "support/MessageRecorder.h"
#include "support/ScratchFolder.h"

namespace orvanta {
namespace {

using Fields = TimeChangeEditor::Fields;
using testing::ByteLayout;
using testing::ScratchFolder;

// What the code reported, as texts.
struct Messages : testing::MessageRecorder {
    std::vector<std::string>& texts = messages;
};

TimeChange change(int day, int month, int year, int hour, int difference) {
    TimeChange c;
    c.day = day;
    c.month = month;
    c.year = year;
    c.hour = hour;
    c.difference = difference;
    return c;
}

// The summer time of Moscow in 1981, 1982 and 1999, from the decrees that set it.
TimeChangeBase threeSummers() {
    TimeChangeBase base;
    base.add(change(1, 4, 1981, 0, 4));
    base.add(change(1, 4, 1982, 0, 4));
    base.add(change(28, 3, 1999, 2, 4));
    return base;
}

Fields fields(const char* day, int month, const char* year, const char* hour,
              const char* difference) {
    return {day, month, year, hour, difference};
}

TEST(TimeChangeEditorTest, OpensOnTheFirstRecord) {
    TimeChangeBase base = threeSummers();
    TimeChangeEditor editor(base);
    EXPECT_EQ(editor.selected(), 0);
    EXPECT_EQ(editor.fields(), fields("1", 3, "1981", "0", "4"));
    EXPECT_EQ(editor.lines(), (std::vector<std::string>{"с 1.4.1981, 0:00, разн. +4ч.",
                                                        "с 1.4.1982, 0:00, разн. +4ч.",
                                                        "с 28.3.1999, 2:00, разн. +4ч."}));
    editor.select(2);
    EXPECT_EQ(editor.fields(), fields("28", 2, "1999", "2", "4"));
    // Nothing selected by the user changes nothing.
    editor.select(-1);
    editor.select(3);
    EXPECT_EQ(editor.selected(), 2);

    TimeChangeBase empty;
    TimeChangeEditor none(empty);
    EXPECT_EQ(none.selected(), -1);
    EXPECT_TRUE(none.lines().empty());
}

TEST(TimeChangeEditorTest, EditingMovesTheRecordToItsPlaceAndKeepsItSelected) {
    TimeChangeBase base = threeSummers();
    TimeChangeEditor editor(base);
    // The 1981 record becomes 1 October 1990, 3:00, difference 3: it now sorts between 1982
    // and 1999.
    ASSERT_TRUE(editor.edit(fields("1", 9, "1990", "3", "3")));
    EXPECT_EQ(editor.selected(), 1);
    EXPECT_EQ(editor.lines(), (std::vector<std::string>{"с 1.4.1982, 0:00, разн. +4ч.",
                                                        "с 1.10.1990, 3:00, разн. +3ч.",
                                                        "с 28.3.1999, 2:00, разн. +4ч."}));

    // Typing a year digit by digit sends the record through the list and back.
    ASSERT_TRUE(editor.edit(fields("1", 9, "2", "3", "3")));
    EXPECT_EQ(editor.selected(), 0);
    EXPECT_EQ(editor.lines()[0], "с [1.10.2, 3:00], разн. +3ч.");
    ASSERT_TRUE(editor.edit(fields("1", 9, "2005", "3", "3")));
    EXPECT_EQ(editor.selected(), 2);

    // The minute, second and reserved value of a record are not touched.
    base.recordAt(2)->reserved = 0.25;
    ASSERT_TRUE(editor.edit(fields("2", 9, "2005", "3", "3")));
    EXPECT_EQ(base.records()[2].reserved, 0.25);
    EXPECT_EQ(base.records()[2].day, 2);

    // The lookup sees the edited base at once.
    const auto found = base.lookup(15, 12, 2005, 12, 0);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->difference, 3);
}

TEST(TimeChangeEditorTest, FieldsThatFailTheirCheckAreReportedAndChangeNothing) {
    TimeChangeBase base = threeSummers();
    TimeChangeEditor editor(base);
    const std::vector<std::uint8_t> before = base.toBytes();
    {
        Messages messages;
        EXPECT_FALSE(editor.edit(fields("1", 3, "1981", "0", "7")));
        EXPECT_EQ(messages.texts, std::vector<std::string>{"Введите целое число от 0 до 6."});
    }
    for (const Fields& typed : {fields("", 3, "1981", "0", "4"), fields("1", 3, "", "0", "4"),
                                fields("1", 3, "1981", "", "4"), fields("1", 3, "1981", "0", "")}) {
        Messages messages;
        EXPECT_FALSE(editor.edit(typed));
        EXPECT_EQ(messages.texts, std::vector<std::string>{"Введите целое число."});
    }
    EXPECT_EQ(base.toBytes(), before);
    // The typed texts stay in the fields for the user to mend.
    EXPECT_EQ(editor.fields().hour, "0");
    EXPECT_EQ(editor.fields().difference, "");
    EXPECT_EQ(editor.selected(), 0);

    // 0 and 6 are both accepted.
    Messages messages;
    EXPECT_TRUE(editor.edit(fields("1", 3, "1981", "0", "0")));
    EXPECT_TRUE(editor.edit(fields("1", 3, "1981", "0", "6")));
    EXPECT_TRUE(messages.texts.empty());
}

TEST(TimeChangeEditorTest, AddRemoveAndEditWithoutSelection) {
    TimeChangeBase base = threeSummers();
    TimeChangeEditor editor(base);
    editor.select(2);
    editor.add();
    // A blank record is invalid and sorts before every dated one.
    EXPECT_EQ(editor.selected(), 0);
    EXPECT_EQ(editor.lines()[0], "с [0.0.0, 0:00], разн. +0ч.");
    EXPECT_EQ(editor.fields(), fields("0", -1, "0", "0", "0"));
    EXPECT_EQ(base.size(), 4);
    // Left unedited, it is never the answer of a lookup.
    EXPECT_FALSE(base.lookup(1, 1, 1970, 0, 0).has_value());

    // The user types the real date into it.
    ASSERT_TRUE(editor.edit(fields("27", 2, "1983", "0", "4")));
    EXPECT_EQ(editor.selected(), 2);
    EXPECT_EQ(editor.lines()[2], "с 27.3.1983, 0:00, разн. +4ч.");

    editor.remove();
    EXPECT_EQ(editor.selected(), -1);
    EXPECT_EQ(base.size(), 3);
    EXPECT_EQ(editor.lines()[2], "с 28.3.1999, 2:00, разн. +4ч.");

    // Without a selection, removing does nothing and typing resets the fields to zero.
    editor.remove();
    EXPECT_EQ(base.size(), 3);
    EXPECT_FALSE(editor.edit(fields("5", 4, "1990", "1", "3")));
    EXPECT_EQ(editor.fields(), fields("0", -1, "0", "0", "0"));
    EXPECT_EQ(base.toBytes(), threeSummers().toBytes());
}

TEST(TimeChangeEditorTest, OkSavesTheFileAndCancelRestoresTheBase) {
    ScratchFolder folder;
    const auto file = folder / "Timechg.tch";

    TimeChangeBase base = threeSummers();
    {
        TimeChangeEditor editor(base);
        editor.add();
        ASSERT_TRUE(editor.save(file));
    }
    // The blank record is written as 36 zero bytes before the three dated ones.
    ByteLayout expected;
    expected.i32(4).zeros(36);
    for (const auto& [day, month, year, hour] :
         std::vector<std::array<int, 4>>{{1, 4, 1981, 0}, {1, 4, 1982, 0}, {28, 3, 1999, 2}}) {
        expected.i32(day).i32(month).i32(year).i32(hour).i32(0).i32(0).f64(0.0).i32(4);
    }
    EXPECT_EQ(testing::ScratchFolder::read(file), expected.bytes());

    // "Отмена" puts the base back as the editor found it and leaves the file alone.
    const std::vector<std::uint8_t> opened = base.toBytes();
    {
        TimeChangeEditor editor(base);
        editor.remove();
        editor.select(1);
        ASSERT_TRUE(editor.edit(fields("1", 0, "2010", "0", "3")));
        editor.add();
        editor.cancel();
    }
    EXPECT_EQ(base.toBytes(), opened);
    EXPECT_EQ(testing::ScratchFolder::read(file), expected.bytes());
    // The instants are those of the restored records.
    const auto found = base.lookup(1, 6, 1999, 0, 0);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->year, 1999);

    // A file that cannot be written is reported, and the old one stays.
    Messages messages;
    TimeChangeEditor editor(base);
    EXPECT_FALSE(editor.save(folder / "no such folder" / "Timechg.tch"));
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts[0].find("Не удается сохранить базу изменений времени"),
              std::string::npos);
}

}  // namespace
}  // namespace orvanta
