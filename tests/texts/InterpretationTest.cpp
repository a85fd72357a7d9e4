#include <gtest/gtest.h>

#include "support/MessageRecorder.h"
#include "support/ScratchFolder.h"
#include "texts/Interpretation.h"

namespace orvanta {
namespace {

// The text is written only while it is out of date; a missing library file leaves it
// incomplete with the message for the user, which the caller shows, not the text part.
TEST(Interpretation, WritesOnlyWhenOutOfDateAndAnswersWithTheMissingFile) {
    const testing::ScratchFolder folder;
    const testing::MessageRecorder recorder;
    const TextLibrary emptyLibrary(folder.path());
    NatalChart natal;
    natal.chart.style.assignBodyNames();
    Interpretation text;

    ASSERT_TRUE(text.isOutOfDate());
    EXPECT_TRUE(text.refresh(emptyLibrary, natal));
    EXPECT_FALSE(text.isOutOfDate());
    EXPECT_FALSE(text.isComplete());
    EXPECT_TRUE(text.text().empty());
    // The first file the synthesis reads is the keyed "SHORT.txt".
    EXPECT_EQ(text.message(), "Не найден файл 'SHORT.txt'. Текст интерпретации не построен.");
    EXPECT_TRUE(recorder.messages.empty());

    EXPECT_FALSE(text.refresh(emptyLibrary, natal));
    text.markOutOfDate();
    EXPECT_TRUE(text.refresh(emptyLibrary, natal));
}

}  // namespace
}  // namespace orvanta
