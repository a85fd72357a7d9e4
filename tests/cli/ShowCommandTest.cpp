#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "calc/Calendar.h"
#include "cli/CliCommands.h"
#include "common/AppFolder.h"
#include "doc/CZodiacDoc.h"
#include "doc/MapFile.h"
#include "events/Notebook.h"
#include "support/ScratchFolder.h"

namespace orvanta {
namespace {

using testing::ScratchFolder;

struct CliRun {
    int code = 0;
    std::string out;
    std::string err;
};

CliRun cli(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    CliRun run;
    run.code = cli::CliCommands::dispatch(arguments, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

std::vector<std::string> gagarin(const std::string& houses, const std::string& file) {
    return {"chart",        "--date",  "12.04.1961", "--time", "9:07",     "--zone", "3",
            "--lat",        "55.75",   "--lon",      "37.62",  "--houses", houses,   "--name",
            "Юрий Гагарин", "--place", "Москва",     "-o",     file};
}

TEST(OrvantaCli, ChartSavesAMapBuiltAsANewChart) {
    ScratchFolder folder;
    const auto file = (folder / "g.map").string();
    const CliRun run = cli(gagarin("Koch", file));
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("Солнце"), std::string::npos);

    const auto content = MapFile::parse(ScratchFolder::read(file));
    EXPECT_EQ(content.birth.entered, 1);
    EXPECT_EQ(content.birth.name, "Юрий Гагарин");
    EXPECT_EQ(content.birth.place, "Москва");
    EXPECT_EQ(content.birth.houseSystemName, "Koch");
    EXPECT_EQ(content.houseSystem, 1);
    // Greenwich time is the local time less the zone: 9:07 - 3 h.
    EXPECT_EQ(content.birth.gmtHour, 6);
    EXPECT_EQ(content.birth.gmtMinute, 7);
    EXPECT_EQ(content.birth.gmtDay, 12);
    EXPECT_EQ(content.birth.diffGreenwich, 3.0);
    // Moscow kept its standard three hours in 1961: a zone of 3 is Moscow time.
    EXPECT_EQ(content.birth.diffMoscow, 0.0);
    EXPECT_EQ(content.orientation.fromAscendant, 1);  // the delivered "Default.rnd"
    EXPECT_NE(content.chart.style[1].label, "<not defined>");
    EXPECT_EQ(content.chart[0].longitude, 0.0);

    const CliRun houseless = cli(gagarin("none", file));
    ASSERT_EQ(houseless.code, 0) << houseless.err;
    const auto cosmogram = MapFile::parse(ScratchFolder::read(file));
    EXPECT_EQ(cosmogram.chart.housesUnavailable, 1);
    EXPECT_EQ(cosmogram.orientation.fromAries, 1);
    EXPECT_EQ(cosmogram.orientation.fromAscendant, 0);

    const CliRun nowhere = cli(gagarin("Koch", (folder / "no" / "g.map").string()));
    EXPECT_EQ(nowhere.code, 1);
    EXPECT_FALSE(nowhere.err.empty());
}

TEST(OrvantaCli, ShowPrintsChartsAsJsonWithTheDocumentedKeys) {
    ScratchFolder folder;
    const auto file = (folder / "g.map").string();
    ASSERT_EQ(cli(gagarin("Placidus", file)).code, 0);
    const CliRun run = cli({"show", file, "--json"});
    ASSERT_EQ(run.code, 0) << run.err;
    for (const char* key :
         {"\"birth\":{\"name\":\"Юрий "
          "Гагарин\",\"place\":\"Москва\",\"house_system_name\":\"Placidus\"",
          "\"day\":12,\"month\":4,\"year\":1961,\"hour\":9,\"minute\":7,\"gmt_day\":12,"
          "\"gmt_month\":4,\"gmt_year\":1961,\"gmt_hour\":6,\"gmt_minute\":7,\"diff_greenwich\":3,"
          "\"diff_moscow\":0,\"latitude\":55.75,\"longitude\":37.62,\"entered\":1}",
          "\"objects\":[{\"number\":0,\"name\":\"\",\"longitude\":0,\"degree\":0,\"minutes\":0,"
          "\"seconds\":0,\"retrograde\":0,\"identifier\":0,\"sign\":0,\"label\":",
          "{\"number\":32,",
          "\"houses_unavailable\":0,\"orientation\":{\"direction\":0,"
          "\"from_aries\":0,\"from_ascendant\":1,\"angle\":0},\"house_system\":0,"
          "\"auto_greenwich\":0,\"notebook_bytes\":0,\"notebook\":[],\"patterns\":["}) {
        EXPECT_NE(run.out.find(key), std::string::npos) << key;
    }
    const CliRun table = cli({"show", file});
    EXPECT_EQ(table.code, 0);
    EXPECT_NE(table.out.find("Имя: Юрий Гагарин"), std::string::npos);
}

// A grand trine across 0 degrees Aries (355, 115, 236) and the seven other planets bunched in
// Taurus at 35 to 41 degrees, out of every delivered orb of the three: the trine and the
// stellium, worked by hand, and nothing else.
TEST(OrvantaCli, ShowListsTheAspectPatternsOfAChart) {
    ScratchFolder folder;
    const auto file = (folder / "trine.map").string();
    NatalChart natal;
    natal.chart.style.assignBodyNames();
    natal.chart.housesUnavailable = 1;
    natal.houseSystem = -1;
    for (const auto& [body, longitude] : {std::pair{1, 355.0}, {2, 115.0}, {4, 236.0}})
        natal.chart[body].setLongitude(longitude);
    double cluster = 35.0;
    for (int body : {3, 5, 6, 7, 9, 10, 11}) natal.chart[body].setLongitude(cluster++);
    const auto bytes = MapFile::serialize(natal);
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));

    const CliRun run = cli({"show", file, "--json"});
    ASSERT_EQ(run.code, 0) << run.err;
    const std::string expected =
        "\"patterns\":[{\"kind\":\"stellium\",\"bodies\":[3,5,6,7,9,10,11]},"
        "{\"kind\":\"grand_trine\",\"bodies\":[1,2,4]}]}\n";
    ASSERT_GE(run.out.size(), expected.size());
    EXPECT_EQ(run.out.substr(run.out.size() - expected.size()), expected);
}

// The observations stored with a chart, in file order, and a damaged notebook block refused.
TEST(OrvantaCli, ShowListsTheNotebookOfAChart) {
    ScratchFolder folder;
    const auto file = (folder / "g.map").string();
    ASSERT_EQ(cli(gagarin("Placidus", file)).code, 0);
    Notebook book;
    TransitSituation square;
    square.moment = Calendar::hoursSinceBase({15, 6, 2024}, 7.0 + 5.0 / 60.0);
    square.body = 5;
    square.radix = 10;
    square.aspectIndex = 3;
    book.store(square, "Поездка\r\nудалась");
    TransitSituation earlier = square;
    earlier.moment -= 48.0;  // 13.06.2024, the same time of day
    earlier.body = 2;
    book.store(earlier, "Спор");
    CZodiacDoc doc;
    ASSERT_TRUE(doc.open(file).loaded());
    doc.natal().notebook = book.serialize();
    ASSERT_TRUE(doc.save(file));

    const CliRun run = cli({"show", file, "--json"});
    ASSERT_EQ(run.code, 0) << run.err;
    const auto first =
        run.out.find("\"body\":5,\"radix\":10,\"aspect\":3,\"text\":\"Поездка\\r\\nудалась\"}");
    const auto second = run.out.find("\"body\":2,\"radix\":10,\"aspect\":3,\"text\":\"Спор\"}");
    EXPECT_NE(first, std::string::npos);
    EXPECT_LT(first, second);
    const CliRun table = cli({"show", file});
    EXPECT_NE(table.out.find("07ч05м 15.06.2024"), std::string::npos) << table.out;
    EXPECT_NE(table.out.find("07ч05м 13.06.2024"), std::string::npos);

    doc.natal().notebook = {1, 0, 0, 0};  // one entry announced, none there
    ASSERT_TRUE(doc.save(file));
    EXPECT_EQ(cli({"show", file, "--json"}).code, 1);
}

TEST(OrvantaCli, ShowPrintsSettingsFilesWithPictureSizes) {
    const CliRun aspects = cli({"show", AppFolder::find("default.asp").string(), "--json"});
    ASSERT_EQ(aspects.code, 0) << aspects.err;
    EXPECT_EQ(aspects.out.rfind("{\"file\":\"aspects\",\"records\":[{\"number\":0,", 0), 0u);
    EXPECT_NE(aspects.out.find("\"number\":17,"), std::string::npos);
    EXPECT_NE(aspects.out.find("\"symbol\":{\"present\":true,\"width\":96,\"height\":96"),
              std::string::npos);
    const CliRun planets = cli({"show", AppFolder::find("default.rxp").string(), "--json"});
    EXPECT_NE(planets.out.find("\"number\":28,"), std::string::npos);
    const CliRun orientation = cli({"show", AppFolder::find("Default.rnd").string(), "--json"});
    EXPECT_EQ(orientation.out,
              "{\"file\":\"orientation\",\"direction\":0,\"start\":0,\"angle\":0}\n");
}

TEST(OrvantaCli, ShowNamesTheRecordOfAPictureThatCannotBeRead) {
    ScratchFolder folder;
    auto bytes = ScratchFolder::read(AppFolder::find("default.asp"));
    // The first embedded picture ("Ok", then its file header "BM") loses its mark.
    const std::string mark = "OkBM";
    const auto at = std::search(bytes.begin(), bytes.end(), mark.begin(), mark.end());
    ASSERT_NE(at, bytes.end());
    at[2] = 'X';
    ScratchFolder::write(folder / "bad.asp", bytes);
    const CliRun run = cli({"show", (folder / "bad.asp").string()});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("bad.asp: запись аспекта 1: рисунок не читается"), std::string::npos)
        << run.err;
    EXPECT_EQ(run.err.find("DIB"), std::string::npos) << run.err;
}

TEST(OrvantaCli, ShowRefusesDamagedMissingAndUnknownFiles) {
    ScratchFolder folder;
    const auto file = folder / "g.map";
    ASSERT_EQ(cli(gagarin("Placidus", file.string())).code, 0);
    auto bytes = ScratchFolder::read(file);
    bytes.push_back(0);
    ScratchFolder::write(folder / "long.map", bytes);
    const CliRun damaged = cli({"show", (folder / "long.map").string()});
    EXPECT_EQ(damaged.code, 1);
    EXPECT_NE(damaged.err.find("повреждён"), std::string::npos);
    EXPECT_NE(damaged.err.find("лишние"), std::string::npos);

    ScratchFolder::write(folder / "cut.asp", {'a', 'b', 'c'});
    EXPECT_EQ(cli({"show", (folder / "cut.asp").string()}).code, 1);
    EXPECT_EQ(cli({"show", (folder / "none.map").string()}).code, 1);
    EXPECT_EQ(cli({"show", (folder / "chart.txt").string()}).code, 2);
    EXPECT_EQ(cli({"show"}).code, 2);
}

}  // namespace
}  // namespace orvanta
