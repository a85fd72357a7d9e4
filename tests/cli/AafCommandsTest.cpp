#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "CliRunner.h"
#include "common/AtomicFile.h"
#include "doc/MapFile.h"
#include "support/ScratchFolder.h"

namespace orvanta {
namespace {

using testing::runCli;
using testing::ScratchFolder;

std::string quoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

void writeText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

BirthData birthIn(const std::filesystem::path& map) {
    const auto bytes = AtomicFile::read(map);
    EXPECT_TRUE(bytes) << map;
    return MapFile::parse(*bytes).birth;
}

// Each record a chart named after the person, a second of the same name beside it; a record
// without #B93 is placed and zoned from the atlas; the bad ones reported by line.
TEST(AafCommands, ImportMakesAChartPerRecordAndReportsTheRest) {
    ScratchFolder folder;
    writeText(folder / "in.aaf",
              "#A93:Гагарин,Юрий,m,9.3.1934,10:30,*,*\n"
              "#B93:*,54n42,35e02,3he00,0\n"
              "#A93:Гагарин,Юрий,m,12.4.1961,9:07,Москва,*\n"
              "#A93:Nobody,*,m,1.1.1990,12:00,Nowhere Town,*\n"
              "#A93:Feb,*,m,31.02.1970,10:00,X,*\n"
              "#A93:Rio,*,f,1.1.1990,12:00,Rio,BR\n"
              "#B93:2447893.125000,22s54,43w14,3hw00,0\n"
              "#SRC:birth certificate\n");
    std::filesystem::create_directories(folder / "out");
    writeText(folder / "out" / "Rio.map", "");  // never overwritten
    const auto result =
        runCli("import " + quoted(folder / "in.aaf") + " -d " + quoted(folder / "out"));
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("Кодировка: UTF-8"), std::string::npos);
    EXPECT_NE(result.out.find("Карт создано: 3 из 5"), std::string::npos) << result.out;
    EXPECT_NE(result.err.find("in.aaf:4: место «Nowhere Town» не найдено"), std::string::npos)
        << result.err;
    EXPECT_NE(result.err.find("in.aaf:5: даты 31.02.1970 нет"), std::string::npos);
    EXPECT_NE(result.err.find("in.aaf:6: в карте нет места для #SRC (строка 8)"),
              std::string::npos);
    EXPECT_EQ(std::filesystem::file_size(folder / "out" / "Rio.map"), 0u);

    const BirthData first = birthIn(folder / "out" / "Гагарин Юрий.map");
    EXPECT_EQ(first.year, 1934);
    const BirthData moscow = birthIn(folder / "out" / "Гагарин Юрий (2).map");
    // Moscow kept UTC+3 all of 1961; the atlas puts the city at 55°45' N, 37°37' E.
    EXPECT_DOUBLE_EQ(moscow.diffGreenwich, 3.0);
    EXPECT_EQ(moscow.gmtHour * 60 + moscow.gmtMinute, 6 * 60 + 7);
    EXPECT_NEAR(moscow.latitude, 55.75, 0.05);
    EXPECT_NEAR(moscow.longitude, 37.62, 0.05);
    const BirthData rio = birthIn(folder / "out" / "Rio (2).map");
    EXPECT_EQ(rio.hour, 12);
    EXPECT_DOUBLE_EQ(rio.diffGreenwich, -3.0);
}

// Charts made by the chart command come back from export and import with the same birth
// data, to the minute of arc AAF keeps for the coordinates.
TEST(AafCommands, ExportThenImportGivesTheSameCharts) {
    ScratchFolder folder;
    const std::string charts[] = {
        "--date 12.04.1961 --time 09:07 --zone 3 --lat 55.75 --lon 37.6167 --name 'Юрий Гагарин' "
        "--place 'Москва, СССР'",
        "--date 31.12.1999 --time 23:59 --zone -3 --lat -33.8688 --lon -70.65 --name Santiago",
        "--date 01.06.1900 --time 00:05 --zone 5.5 --lat 19.07 --lon 72.88",
    };
    std::string maps;
    for (int i = 0; i < 3; ++i) {
        const auto path = folder / ("c" + std::to_string(i) + ".map");
        ASSERT_EQ(runCli("chart " + charts[i] + " -o " + quoted(path)).exitCode, 0);
        maps += quoted(path) + " ";
    }
    const auto exported = runCli("export " + maps + "-o " + quoted(folder / "all.aaf"));
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    const auto imported =
        runCli("import " + quoted(folder / "all.aaf") + " -d " + quoted(folder / "back"));
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(imported.err, "");
    const char* names[] = {"Юрий Гагарин.map", "Santiago.map", "Без имени.map"};
    for (int i = 0; i < 3; ++i) {
        const BirthData before = birthIn(folder / ("c" + std::to_string(i) + ".map"));
        const BirthData after = birthIn(folder / "back" / names[i]);
        EXPECT_EQ(after.name, before.name);
        EXPECT_EQ(after.place, before.place);
        EXPECT_EQ((std::tuple{after.day, after.month, after.year, after.hour, after.minute}),
                  (std::tuple{before.day, before.month, before.year, before.hour, before.minute}));
        EXPECT_EQ((std::tuple{after.gmtDay, after.gmtMonth, after.gmtYear, after.gmtHour,
                              after.gmtMinute}),
                  (std::tuple{before.gmtDay, before.gmtMonth, before.gmtYear, before.gmtHour,
                              before.gmtMinute}));
        EXPECT_DOUBLE_EQ(after.diffGreenwich, before.diffGreenwich);
        EXPECT_NEAR(after.latitude, before.latitude, 1.0 / 120.0 + 1e-9);
        EXPECT_NEAR(after.longitude, before.longitude, 1.0 / 120.0 + 1e-9);
    }
}

// One document computes every chart of a file: nothing of a chart may reach the next.
TEST(AafCommands, AChartImportedAfterOthersIsTheChartImportedAlone) {
    ScratchFolder folder;
    const std::string last = "#A93:B,*,*,2.2.1907,1:13,X,*\n#B93:*,50n00,10w07,3hw00,0\n";
    writeText(folder / "two.aaf",
              "#A93:A,*,*,1.1.1950,10:00,X,*\n#B93:*,70n00,20e07,2he00,0\n" + last);
    writeText(folder / "one.aaf", last);
    ASSERT_EQ(
        runCli("import " + quoted(folder / "two.aaf") + " -d " + quoted(folder / "two")).exitCode,
        0);
    ASSERT_EQ(
        runCli("import " + quoted(folder / "one.aaf") + " -d " + quoted(folder / "one")).exitCode,
        0);
    EXPECT_EQ(*AtomicFile::read(folder / "two" / "B.map"),
              *AtomicFile::read(folder / "one" / "B.map"));
}

TEST(AafCommands, ExitCodesForArgumentsAndFiles) {
    ScratchFolder folder;
    writeText(folder / "bad.map", "not a chart");
    ASSERT_EQ(runCli("chart --date 1.1.2000 --time 12:00 --zone 0 --lat 0 --lon 0 -o " +
                     quoted(folder / "good.map"))
                  .exitCode,
              0);
    EXPECT_EQ(runCli("import").exitCode, 2);
    EXPECT_EQ(runCli("import a.aaf b.aaf").exitCode, 2);
    EXPECT_EQ(runCli("export " + quoted(folder / "good.map")).exitCode, 2);  // no -o
    EXPECT_EQ(runCli("import " + quoted(folder / "missing.aaf")).exitCode, 1);
    const auto partly = runCli("export " + quoted(folder / "bad.map") + " " +
                               quoted(folder / "good.map") + " -o " + quoted(folder / "x.aaf"));
    EXPECT_EQ(partly.exitCode, 1);
    EXPECT_NE(partly.err.find("bad.map"), std::string::npos);
    EXPECT_NE(partly.out.find("Карт записано: 1"), std::string::npos);
    EXPECT_EQ(runCli("export " + quoted(folder / "good.map") + " -o " +
                     quoted(folder / "no" / "such" / "x.aaf"))
                  .exitCode,
              1);
}

}  // namespace
}  // namespace orvanta
