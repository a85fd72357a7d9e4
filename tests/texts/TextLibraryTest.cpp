#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "ScratchAppFolder.h"
#include "common/AppFolder.h"
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
    EXPECT_EQ(library.pathOf(TextLibrary::kOpening), folder_.path() / "txt_or" / "CUP.TXT");

    std::string text;
    EXPECT_TRUE(library.appendWholeFile(TextLibrary::kOpening, text).loaded());
    EXPECT_EQ(text, "Астрологический портрет\r\n");

    std::optional<KeyedTextFile> shortTraits;
    ASSERT_TRUE(library.loadKeyedFile(TextLibrary::kShortTraits, shortTraits));
    EXPECT_EQ(shortTraits->findEntry("Луна в Раке", TextLibrary::kShortTraitsCut),
              "Луна в Раке бережёт дом");
    EXPECT_TRUE(messages_.empty());
}

TEST_F(TextLibraryTest, WholeFileIsAppendedWithItsLineEndsAndBlankLines) {
    folder_.write("TXT_OR/midl2.txt", cp1251("АСПЕКТЫ\r\n\r\n   Связи между планетами.\r\n\r\n"));
    const TextLibrary library;
    std::string text = "начало\r\n";
    EXPECT_TRUE(library.appendWholeFile(TextLibrary::kAspectsIntroduction, text).loaded());
    EXPECT_EQ(text, "начало\r\nАСПЕКТЫ\r\n\r\n   Связи между планетами.\r\n\r\n");
}

TEST_F(TextLibraryTest, EmptyWholeFileAppendsNothingAndIsNoError) {
    folder_.write("TXT_OR/END.txt", "");
    std::string text = "текст";
    EXPECT_TRUE(TextLibrary().appendWholeFile(TextLibrary::kClosing, text).loaded());
    EXPECT_EQ(text, "текст");
    EXPECT_TRUE(messages_.empty());
}

TEST_F(TextLibraryTest, MissingFilesAnswerWithTheMessageTheCallerShows) {
    folder_.write("TXT_OR/cup.txt", "x");
    const TextLibrary library;
    std::string text = "текст";
    EXPECT_EQ(library.appendWholeFile(TextLibrary::kAspectsIntroduction, text).messages,
              std::vector<std::string>{"Не найден файл 'midl2.txt'"});
    EXPECT_EQ(library.appendWholeFile(TextLibrary::kCosmogramClosing, text).messages,
              std::vector<std::string>{"Не найден файл 'kos_end.txt'"});
    EXPECT_EQ(text, "текст");

    std::optional<KeyedTextFile> traits;
    const auto loaded = library.loadKeyedFile(TextLibrary::kPlanetTraits, traits);
    EXPECT_EQ(loaded.status, LoadStatus::Missing);
    EXPECT_EQ(loaded.messages, std::vector<std::string>{"Не найден файл 'Pl_Zz.txt'"});
    EXPECT_FALSE(traits);
    EXPECT_TRUE(messages_.empty());  // the caller decides what to show
}

TEST_F(TextLibraryTest, MissingFolderMakesEveryFileMissing) {
    std::string text;
    EXPECT_EQ(TextLibrary().appendWholeFile(TextLibrary::kOpening, text).messages,
              std::vector<std::string>{"Не найден файл 'cup.txt'"});
    std::optional<KeyedTextFile> aspects;
    EXPECT_FALSE(TextLibrary().loadKeyedFile(TextLibrary::kAspects, aspects));
}

TEST_F(TextLibraryTest, TraitsEntriesKeepTheirCarriageReturn) {
    folder_.write(
        "TXT_OR/Pl_Zz.txt",
        cp1251("Черты характера\r\n#\r\nВ.Узел (Раху) в Овне зовёт к смелости.\r\n#\r\n"));
    std::optional<KeyedTextFile> traits;
    ASSERT_TRUE(TextLibrary().loadKeyedFile(TextLibrary::kPlanetTraits, traits));
    EXPECT_EQ(traits->findEntry("В.Узел (Раху) в Овне", TextLibrary::kPlanetTraitsCut),
              "В.Узел (Раху) в Овне зовёт к смелости.\r");
}

// XDG_DATA_HOME set for the life of the object.
struct UserDataHome {
    explicit UserDataHome(const std::filesystem::path& folder) {
        setenv("XDG_DATA_HOME", folder.c_str(), 1);
    }
    ~UserDataHome() { unsetenv("XDG_DATA_HOME"); }
};

// Installed: the delivered library beside the marker, the user's texts under XDG_DATA_HOME.
TEST_F(TextLibraryTest, AUsersFileReplacesOnlyThatFileOfTheDeliveredLibrary) {
    folder_.write(AppFolder::kInstalledMarker, "");
    folder_.write("TXT_OR/cup.txt", cp1251("Портрет из поставки\r\n"));
    folder_.write("TXT_OR/END.txt", cp1251("Конец из поставки\r\n"));
    folder_.write("TXT_OR/ASP.txt", cp1251("Аспекты\r\nСолнце трин Луна поставка\r\n#\r\n"));
    const auto xdg = folder_.path() / "xdg";
    const UserDataHome home(xdg);
    // The user's folder names the folder and the file in other letter cases.
    folder_.write("xdg/orvanta/txt_or/Cup.TXT", cp1251("Мой портрет\r\n"));
    folder_.write("xdg/orvanta/txt_or/asp.txt",
                  cp1251("Аспекты\r\nСолнце трин Луна свой\r\n#\r\n"));

    const TextLibrary library;
    std::string text;
    EXPECT_TRUE(library.appendWholeFile(TextLibrary::kOpening, text).loaded());
    EXPECT_TRUE(library.appendWholeFile(TextLibrary::kClosing, text).loaded());
    EXPECT_EQ(text, "Мой портрет\r\nКонец из поставки\r\n");
    std::optional<KeyedTextFile> aspects;
    ASSERT_TRUE(library.loadKeyedFile(TextLibrary::kAspects, aspects));
    EXPECT_EQ(aspects->findEntry("Солнце трин Луна", TextLibrary::kAspectsCut),
              "Солнце трин Луна свой");

    // Removing the user's file brings the delivered one back.
    std::filesystem::remove(xdg / "orvanta" / "txt_or" / "Cup.TXT");
    text.clear();
    EXPECT_TRUE(library.appendWholeFile(TextLibrary::kOpening, text).loaded());
    EXPECT_EQ(text, "Портрет из поставки\r\n");
    EXPECT_TRUE(messages_.empty());
}

}  // namespace
}  // namespace orvanta
