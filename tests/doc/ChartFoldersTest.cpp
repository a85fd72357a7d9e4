#include <gtest/gtest.h>

#include <filesystem>

#include "doc/ChartFolders.h"
#include "doc/IniFile.h"
#include "support/ScratchFolder.h"

namespace orvanta {
namespace {

using Change = ChartFolders::Change;
using Paths = std::vector<std::filesystem::path>;

// A home with the default chart folder and a few folders around it:
//   home/Карты (default)/family   home/clients/2024   home/clients2   home/archive
//   home/work -> clients (a link)
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

// Each row adds folders in turn to a fresh list; the added list is what ends up kept.
TEST(ChartFolders, DecidesWhatAnAddedFolderDoes) {
    struct Row {
        const char* what;
        std::vector<std::string> adds;  // relative to the home
        std::vector<Change> changes;
        std::vector<std::string> kept;
    };
    const Row rows[] = {
        {"a new folder", {"clients"}, {Change::Added}, {"clients"}},
        {"the same folder twice, once with a slash and a dot",
         {"clients", "clients/", "./clients"},
         {Change::Added, Change::AlreadyListed, Change::AlreadyListed},
         {"clients"}},
        {"a link to a listed folder",
         {"clients", "work"},
         {Change::Added, Change::AlreadyListed},
         {"clients"}},
        {"the default folder", {"Карты"}, {Change::AlreadyListed}, {}},
        {"inside the default folder", {"Карты/family"}, {Change::InsideListed}, {}},
        {"inside an added folder, also through a link",
         {"clients", "clients/2024", "work/2024"},
         {Change::Added, Change::InsideListed, Change::InsideListed},
         {"clients"}},
        {"around added folders: it takes their place",
         {"clients/2024", "archive", "clients"},
         {Change::Added, Change::Added, Change::Added},
         {"archive", "clients"}},
        {"a name that only starts like a listed one",
         {"clients", "clients2"},
         {Change::Added, Change::Added},
         {"clients", "clients2"}},
        {"no such folder", {"gone"}, {Change::NotAFolder}, {}},
    };
    for (const Row& row : rows) {
        Home h;
        for (std::size_t i = 0; i < row.adds.size(); ++i)
            EXPECT_EQ(h.folders.add(h.home / row.adds[i]), row.changes[i]) << row.what << i;
        Paths kept;
        for (const auto& name : row.kept) kept.push_back(h.home / name);
        EXPECT_EQ(h.folders.added(), kept) << row.what;
    }
}

TEST(ChartFolders, TheDefaultStaysAndRemovingLeavesTheFiles) {
    Home h;
    ASSERT_EQ(h.folders.add(h.home / "clients"), Change::Added);
    EXPECT_EQ(h.folders.remove(h.charts / ""), Change::DefaultStays);
    EXPECT_EQ(h.folders.remove(h.home / "archive"), Change::NotListed);
    EXPECT_EQ(h.folders.remove(h.home / "work"), Change::Removed);  // the link names it too
    EXPECT_EQ(h.folders.all(), Paths{h.charts});
    EXPECT_TRUE(std::filesystem::is_directory(h.home / "clients/2024"));
}

// A list read from a hand-edited file may hold nested folders and folders that are gone:
// each chart is listed once, and a gone folder stays in the list and is named.
TEST(ChartFolders, ListsEachChartOnceAndNamesTheFoldersThatAreGone) {
    Home h;
    IniFile ini;
    ini.setValue("Collection", "Folder1", (h.home / "clients/2024").string());
    ini.setValue("Collection", "Folder2", h.home.string());  // holds every other folder
    ini.setValue("Collection", "Folder3", (h.home / "unplugged").string());
    h.folders.readFrom(ini);
    EXPECT_EQ(h.folders.roots(), Paths{h.home});
    EXPECT_EQ(h.folders.missing(), Paths{h.home / "unplugged"});
    EXPECT_EQ(h.folders.all().size(), 4u);

    ChartFolders clients(h.home / "clients");
    ini.setValue("Collection", "Folder1", (h.home / "work").string());  // the same, by a link
    ini.setValue("Collection", "Folder2", "");  // a slot left empty by a shorter list
    ini.setValue("Collection", "Folder3", (h.home / "archive").string());
    clients.readFrom(ini);
    EXPECT_EQ(clients.roots(), (Paths{h.home / "clients", h.home / "archive"}));
}

// Kept as Folder1, Folder2... in section "Collection": a file without added folders is left
// byte for byte as it was, and a shorter list empties the slots it no longer uses.
TEST(ChartFolders, KeepsTheAddedFoldersInTheSettingsFile) {
    Home h;
    const std::string before = "[Last]\r\nf_MSSansSerif=MS Sans Serif\r\n";
    IniFile ini;
    ini.load(h.home / "none.ini");
    ini.setValue("Last", "f_MSSansSerif", "MS Sans Serif");
    ASSERT_EQ(ini.text(), before);
    h.folders.writeTo(ini);
    EXPECT_EQ(ini.text(), before);

    ASSERT_EQ(h.folders.add(h.home / "clients"), Change::Added);
    ASSERT_EQ(h.folders.add(h.home / "archive"), Change::Added);
    h.folders.writeTo(ini);
    EXPECT_EQ(ini.text(), before + "[Collection]\r\nFolder1=" + (h.home / "clients").string() +
                              "\r\nFolder2=" + (h.home / "archive").string() + "\r\n");
    ChartFolders read(h.charts);
    read.readFrom(ini);
    EXPECT_EQ(read.added(), h.folders.added());

    h.folders.remove(h.home / "clients");
    h.folders.writeTo(ini);
    read.readFrom(ini);
    EXPECT_EQ(read.added(), Paths{h.home / "archive"});
    EXPECT_EQ(ini.value("Collection", "Folder2"), "");

    // A folder the file's code page or value length cannot hold is refused, not cut.
    const auto longPath = h.home / std::string(200, 'x') / std::string(60, 'y');
    for (const auto& folder : {h.home / "日本", longPath}) {
        std::filesystem::create_directories(folder);
        EXPECT_EQ(h.folders.add(folder), Change::NotStorable) << folder;
    }
}

}  // namespace
}  // namespace orvanta
