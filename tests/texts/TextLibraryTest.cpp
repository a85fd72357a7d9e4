#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScratchAppFolder.h"
#include "common/MessageSink.h"
#include "support/MessageRecorder.h"
#include "texts/TextLibrary.h"

namespace orvanta {
namespace {

// Records what the library reports instead of showing it.
class TextLibraryTest : public ::testing::Test {
  protected:
    ScratchAppFolder folder_;
    testing::MessageRecorder recorder_;
    std::vector<std::string>& messages_ = recorder_.messages;

  private:
};

TEST_F(TextLibraryTest, FolderAndFileNamesIgnoreLetterCase) {
    folder_.write("txt_or/CUP.TXT", cp1251("Астрологический портрет\r\n"));
    folder_.write("txt_or/short.TXT", cp1251("Вступление\r\nЛуна в Раке бережёт дом\r\n#\r\n"));
    const TextLibrary library;
    EXPECT_EQ(library.folder(), folder_.path() / "txt_or");

    std::string text;
    EXPECT_TRUE(library.appendWholeFile(TextLibrary::kOpening, text));
    EXPECT_EQ(text, "Астрологический портрет\r\n");

    const auto shortTraits = library.loadKeyedFile(TextLibrary::kShortTraits);
    ASSERT_TRUE(shortTraits);
    EXPECT_EQ(shortTraits->findEntry("Луна в Раке", TextLibrary::kShortTraitsCut),
              "Луна в Раке бережёт дом");
    EXPECT_TRUE(messages_.empty());
}

TEST_F(TextLibraryTest, WholeFileIsAppendedWithItsLineEndsAndBlankLines) {
    folder_.write("TXT_OR/midl2.txt", cp1251("АСПЕКТЫ\r\n\r\n   Связи между планетами.\r\n\r\n"));
    const TextLibrary library;
    std::string text = "начало\r\n";
    EXPECT_TRUE(library.appendWholeFile(TextLibrary::kAspectsIntroduction, text));
    EXPECT_EQ(text, "начало\r\nАСПЕКТЫ\r\n\r\n   Связи между планетами.\r\n\r\n");
}

TEST_F(TextLibraryTest, EmptyWholeFileAppendsNothingAndIsNoError) {
    folder_.write("TXT_OR/END.txt", "");
    std::string text = "текст";
    EXPECT_TRUE(TextLibrary().appendWholeFile(TextLibrary::kClosing, text));
    EXPECT_EQ(text, "текст");
    EXPECT_TRUE(messages_.empty());
}

TEST_F(TextLibraryTest, MissingFilesAreReportedOnlyForWholeTexts) {
    folder_.write("TXT_OR/cup.txt", "x");
    const TextLibrary library;
    std::string text = "текст";
    EXPECT_FALSE(library.appendWholeFile(TextLibrary::kAspectsIntroduction, text));
    EXPECT_FALSE(library.appendWholeFile(TextLibrary::kCosmogramClosing, text));
    EXPECT_EQ(text, "текст");
    EXPECT_EQ(messages_, (std::vector<std::string>{"Не найден файл 'midl2.txt'",
                                                   "Не найден файл 'kos_end.txt'"}));

    messages_.clear();
    EXPECT_FALSE(library.loadKeyedFile(TextLibrary::kPlanetTraits));
    EXPECT_TRUE(messages_.empty());
}

TEST_F(TextLibraryTest, MissingFolderMakesEveryFileMissing) {
    std::string text;
    EXPECT_FALSE(TextLibrary().appendWholeFile(TextLibrary::kOpening, text));
    EXPECT_EQ(messages_, std::vector<std::string>{"Не найден файл 'cup.txt'"});
    EXPECT_FALSE(TextLibrary().loadKeyedFile(TextLibrary::kAspects));
}

TEST_F(TextLibraryTest, TraitsEntriesKeepTheirCarriageReturn) {
    folder_.write(
        "TXT_OR/Pl_Zz.txt",
        cp1251("Черты характера\r\n#\r\nВ.Узел (Раху) в Овне зовёт к смелости.\r\n#\r\n"));
    const auto traits = TextLibrary().loadKeyedFile(TextLibrary::kPlanetTraits);
    ASSERT_TRUE(traits);
    EXPECT_EQ(traits->findEntry("В.Узел (Раху) в Овне", TextLibrary::kPlanetTraitsCut),
              "В.Узел (Раху) в Овне зовёт к смелости.\r");
}

}  // namespace
}  // namespace orvanta
