#include <gtest/gtest.h>

#include "doc/IniFile.h"
#include "doc/LastFolders.h"
#include "doc/RecentFileList.h"
#include "doc/StatusClock.h"

namespace orvanta {
namespace {

TEST(StatusClock, DateAndTimePaneTexts) {
    EXPECT_EQ(StatusClock::dateText(1, 5, 2026), "1 мая 2026, Пт.");
    EXPECT_EQ(StatusClock::dateText(7, 12, 2026), "7 декабря 2026, Пн.");
    EXPECT_EQ(StatusClock::dateText(29, 2, 2024), "29 февраля 2024, Чт.");
    EXPECT_EQ(StatusClock::dateText(13, 12, 2026), "13 декабря 2026, Вс.");
    EXPECT_EQ(StatusClock::timeText(9, 5), "09:05   ");
    EXPECT_EQ(StatusClock::timeText(23, 59), "23:59   ");
    EXPECT_EQ(StatusClock::timeText(0, 0), "00:00   ");
}

TEST(RecentFileList, NewestFirstSixAtMostNoDuplicates) {
    RecentFileList list({"/a.map", "", "/b.map"});
    EXPECT_EQ(list.files(), (std::vector<std::string>{"/a.map", "/b.map"}));
    for (int i = 1; i <= 7; ++i) list.add("/" + std::to_string(i) + ".map");
    EXPECT_EQ(list.files().size(), 6u);
    EXPECT_EQ(list.files().front(), "/7.map");
    EXPECT_EQ(list.files().back(), "/2.map");
    list.add("/4.map");
    EXPECT_EQ(list.files().front(), "/4.map");
    EXPECT_EQ(list.files().size(), 6u);
    list.remove("/4.map");
    EXPECT_EQ(list.files().front(), "/7.map");
    EXPECT_EQ(list.files().size(), 5u);
}

TEST(RecentFileList, NamesOfTheSameFileGrowByTheirFoldersUntilTheyDiffer) {
    const RecentFileList list(
        {"/home/a/charts/sample.map", "/home/b/charts/sample.map", "/home/a/other.map"});
    EXPECT_EQ(list.displayNames(), (std::vector<std::string>{"a/charts/sample.map",
                                                             "b/charts/sample.map", "other.map"}));
    // Kept in the INI section and read back in the same order; empty slots are written empty.
    IniFile ini;
    list.writeTo(ini);
    EXPECT_EQ(ini.value("Recent File List", "File2", "?"), "/home/b/charts/sample.map");
    EXPECT_EQ(ini.value("Recent File List", "File4", "?"), "");
    RecentFileList read;
    read.readFrom(ini);
    EXPECT_EQ(read.files(), list.files());
}

TEST(LastFolders, TheFolderOfTheLastChosenFileIsKeptPerKind) {
    LastFolders folders;
    EXPECT_EQ(folders.folder(LastFolders::kCharts), "");
    folders.remember(LastFolders::kCharts, "/home/a/charts/sample.map");
    folders.remember("Pictures", "/home/a/pictures/sun.bmp");
    EXPECT_EQ(folders.folder(LastFolders::kCharts), "/home/a/charts");
    IniFile ini;
    folders.writeTo(ini);
    EXPECT_EQ(ini.value("Folders", "Charts", ""), "/home/a/charts");
    LastFolders read;
    read.readFrom(ini);
    EXPECT_EQ(read.folder(LastFolders::kCharts), "/home/a/charts");
}

}  // namespace
}  // namespace orvanta
