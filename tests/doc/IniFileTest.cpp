#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>

#include "common/AppFolder.h"
#include "common/AtomicFile.h"
#include "doc/IniFile.h"
#include "doc/StartupSettings.h"
#include "support/ScratchFolder.h"

namespace orvanta {
namespace {

class IniFileTest : public ::testing::Test {
  protected:
    void TearDown() override { AppFolder::setOverride({}); }
    std::string fileText(const std::filesystem::path& path) {
        const auto bytes = AtomicFile::read(path);
        return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
    }
    testing::ScratchFolder scratch_;
    const std::filesystem::path folder_ = scratch_.path();
};

TEST_F(IniFileTest, ReadsSectionsAndKeysWithoutRegardToCaseInWindows1251) {
    const auto path = folder_ / "ORVANTA.INI";
    // "Place=Москва" in Windows-1251.
    AtomicFile::write(path,
                      std::string("; comment\r\n[Last]\r\nf_MSSansSerif = Arial \r\n"
                                  "Place=\xCC\xEE\xF1\xEA\xE2\xE0\r\n[Other]\r\nPlace=X\r\n"));
    IniFile ini;
    ASSERT_TRUE(ini.load(path));
    EXPECT_EQ(ini.value("last", "F_MSSANSSERIF"), "Arial");
    EXPECT_EQ(ini.value("Last", "Place"), "Москва");
    EXPECT_EQ(ini.value("Other", "Place"), "X");
    EXPECT_FALSE(ini.value("Last", "House").has_value());
    EXPECT_EQ(ini.value("Missing", "Key", "fallback"), "fallback");
}

TEST_F(IniFileTest, WritingKeepsOtherLinesAndAddsKeysToTheirSection) {
    const auto path = folder_ / "ORVANTA.INI";
    AtomicFile::write(path,
                      std::string("; keep me\r\n[Last]\r\nPlace=A\r\n\r\n[Tip]\r\nStartUp=0\r\n"));
    IniFile ini;
    ASSERT_TRUE(ini.load(path));
    ASSERT_TRUE(ini.setValue("Last", "Place", "Тверь"));
    ASSERT_TRUE(ini.setValue("Last", "House", "Koch"));
    ASSERT_TRUE(ini.setValue("New", "Key", "1"));
    ASSERT_TRUE(ini.save(path));
    EXPECT_EQ(fileText(path),
              "; keep me\r\n[Last]\r\nPlace=\xD2\xE2\xE5\xF0\xFC\r\nHouse=Koch\r\n\r\n[Tip]\r\n"
              "StartUp=0\r\n[New]\r\nKey=1\r\n");
    // A value the code page cannot hold is refused and nothing changes.
    EXPECT_FALSE(ini.setValue("Last", "Place", "東京"));
    EXPECT_EQ(ini.value("Last", "Place"), "Тверь");
}

TEST_F(IniFileTest, LongValuesAreCutTo259CharactersNotInsideALetter) {
    IniFile ini;
    ini.setValue("Last", "Place", std::string(300, 'x'));
    EXPECT_EQ(ini.value("Last", "Place")->size(), 259u);
    std::string cyrillic;
    for (int i = 0; i < 300; ++i) cyrillic += "ж";
    ini.setValue("Last", "Place", cyrillic);
    EXPECT_EQ(ini.value("Last", "Place")->size(), 259u * 2);
}

TEST_F(IniFileTest, FontNamesHaveDefaultsAndGoBackAtExit) {
    AppFolder::setOverride(folder_);
    StartupSettings settings = StartupSettings::load();
    EXPECT_EQ(settings.serifFace, "Times New Roman Cyr");
    EXPECT_EQ(settings.monospaceFace, "Courier New Cyr");
    EXPECT_EQ(settings.sansFace, "MS Sans Serif");
    ASSERT_TRUE(settings.store());
    EXPECT_EQ(
        fileText(folder_ / "ORVANTA.INI"),
        "[Last]\r\nf_TimesNewRomanCyr=Times New Roman Cyr\r\nf_CourierNewCyr=Courier New Cyr\r\n"
        "f_MSSansSerif=MS Sans Serif\r\n");

    // A configured name is kept, and a lower-case file name is found.
    std::filesystem::rename(folder_ / "ORVANTA.INI", folder_ / "orvanta.ini");
    IniFile ini;
    ini.load(folder_ / "orvanta.ini");
    ini.setValue("Last", "f_MSSansSerif", "Tahoma");
    ini.save(folder_ / "orvanta.ini");
    EXPECT_EQ(StartupSettings::load().sansFace, "Tahoma");
}

TEST_F(IniFileTest, DegreesAndMinutesAndTheCollectionAreWrittenOnlyOnceChosen) {
    AppFolder::setOverride(folder_);
    const std::string faces =
        "[Last]\r\nf_TimesNewRomanCyr=Times New Roman Cyr\r\nf_CourierNewCyr=Courier New Cyr\r\n"
        "f_MSSansSerif=MS Sans Serif\r\n";
    StartupSettings settings = StartupSettings::load();
    EXPECT_FALSE(settings.degreesMinutes);
    ASSERT_TRUE(settings.store());
    EXPECT_EQ(fileText(folder_ / "ORVANTA.INI"), faces);  // a file never changed stays as it was

    settings.degreesMinutes = true;
    ASSERT_TRUE(settings.store());
    EXPECT_EQ(fileText(folder_ / "ORVANTA.INI"), faces + "DegreesMinutes=1\r\n");
    EXPECT_TRUE(StartupSettings::load().degreesMinutes);

    // The collection at start-up likewise: off by default, kept once turned on, and off again.
    EXPECT_FALSE(settings.showCollection);
    settings.showCollection = true;
    ASSERT_TRUE(settings.store());
    EXPECT_TRUE(StartupSettings::load().showCollection);
    settings.showCollection = false;
    ASSERT_TRUE(settings.store());
    EXPECT_EQ(fileText(folder_ / "ORVANTA.INI"),
              faces + "DegreesMinutes=1\r\nShowCollection=0\r\n");
}

}  // namespace
}  // namespace orvanta
