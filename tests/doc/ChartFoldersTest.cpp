#include <gtest/gtest.h>

#include <filesystem>

#include "doc/ChartFolders.h"
#include "doc/IniFile.h"
#include "support/ScratchFolder.h"

namespace orvanta {
namespace {

using Change = ChartFolders::Change;
using Paths = std::vector<std::filesystem::path>;

// home/Карты (the default)/family, home/clients/2024, home/clients2, home/archive, and
// home/work, a link to home/clients.
struct Home {
    testing::ScratchFolder scratch;
    std::filesystem::path home = scratch.path();
    std::filesystem::path charts = home / "Карты";
    ChartFolders folders{charts};

    Home() {
        for (const char* folder : {"Карты/family", "clients/2024", "clients2", "archive"})
            std::filesystem::create_directories(home / folder);
        std::filesystem::create_directory_symlink(home / "clients", home / "work");
    }
};

// Each row adds folders in turn to a fresh list and ends with the added folders kept.
TEST(ChartFolders, DecidesWhatAnAddedFolderDoes) {
    struct Row {
        std::vector<std::string> adds;  // under the home
        std::vector<Change> changes;
        std::vector<std::string> kept;
    };
    const Row rows[] = {
        {{"clients", "clients/", "./clients", "work"},
         {Change::Added, Change::AlreadyListed, Change::AlreadyListed, Change::AlreadyListed},
         {"clients"}},
        {{"Карты", "Карты/family", "gone"},
         {Change::AlreadyListed, Change::InsideListed, Change::NotAFolder},
         {}},
        {{"clients", "work/2024", "clients2"},
         {Change::Added, Change::InsideListed, Change::Added},
         {"clients", "clients2"}},
        // A folder around added ones takes their place.
        {{"clients/2024", "archive", "clients"},
         {Change::Added, Change::Added, Change::Added},
         {"archive", "clients"}},
    };
    for (const Row& row : rows) {
        Home h;
        for (std::size_t i = 0; i < row.adds.size(); ++i)
            EXPECT_EQ(h.folders.add(h.home / row.adds[i]), row.changes[i]) << row.adds[i];
        Paths kept;
        for (const auto& name : row.kept) kept.push_back(h.home / name);
        EXPECT_EQ(h.folders.added(), kept) << row.adds.front();
    }
    // A name the file's code page or value length cannot hold is refused, not cut.
    Home h;
    for (const auto& folder :
         {h.home / "日本", h.home / std::string(200, 'x') / std::string(60, 'y')}) {
        std::filesystem::create_directories(folder);
        EXPECT_EQ(h.folders.add(folder), Change::NotStorable);
    }
}

TEST(ChartFolders, RemovesAnAddedFolderButNeverTheDefault) {
    Home h;
    ASSERT_EQ(h.folders.add(h.home / "clients"), Change::Added);
    EXPECT_EQ(h.folders.remove(h.charts / ""), Change::DefaultStays);
    EXPECT_EQ(h.folders.remove(h.home / "archive"), Change::NotListed);
    EXPECT_EQ(h.folders.remove(h.home / "work"), Change::Removed);  // the link names it too
    EXPECT_EQ(h.folders.all(), Paths{h.charts});
}

// A hand-edited list may hold nested folders, one folder twice and folders that are gone:
// each chart is listed once, and a gone folder stays in the list and is named.
TEST(ChartFolders, ListsEachChartOnceAndNamesTheFoldersThatAreGone) {
    Home h;
    IniFile ini;
    const std::vector<std::string> written = {"clients/2024", "", "work", "clients", "unplugged"};
    for (std::size_t i = 0; i < written.size(); ++i) {
        ini.setValue("Collection", "Folder" + std::to_string(i + 1),
                     written[i].empty() ? "" : (h.home / written[i]).string());
    }
    h.folders.readFrom(ini);
    EXPECT_EQ(h.folders.all().size(), 5u);  // the empty slot is skipped
    EXPECT_EQ(h.folders.roots(), (Paths{h.charts, h.home / "work", h.home / "unplugged"}));
    EXPECT_EQ(h.folders.missing(), Paths{h.home / "unplugged"});
}

// Kept as Folder1, Folder2... in section "Collection": a file without added folders is left
// byte for byte as it was, and a shorter list empties the slots it no longer uses.
TEST(ChartFolders, KeepsTheAddedFoldersInTheSettingsFile) {
    Home h;
    IniFile ini;
    ini.setValue("Last", "f_MSSansSerif", "MS Sans Serif");
    const std::string before = "[Last]\r\nf_MSSansSerif=MS Sans Serif\r\n";
    h.folders.writeTo(ini);
    EXPECT_EQ(ini.text(), before);

    h.folders.add(h.home / "clients");
    h.folders.add(h.home / "archive");
    h.folders.writeTo(ini);
    EXPECT_EQ(ini.text(), before + "[Collection]\r\nFolder1=" + (h.home / "clients").string() +
                              "\r\nFolder2=" + (h.home / "archive").string() + "\r\n");
    h.folders.remove(h.home / "clients");
    h.folders.writeTo(ini);
    EXPECT_EQ(ini.value("Collection", "Folder2"), "");
    ChartFolders read(h.charts);
    read.readFrom(ini);
    EXPECT_EQ(read.added(), Paths{h.home / "archive"});
}

}  // namespace
}  // namespace orvanta
