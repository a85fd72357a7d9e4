#include <gtest/gtest.h>
#include <unistd.h>

#include <bit>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "CliRunner.h"
#include "cli/PlacesCommand.h"
#include "common/Windows1251.h"
#include "support/ScratchFolder.h"

namespace orvanta {
namespace {

struct CommandRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

CommandRun places(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    CommandRun run;
    run.exitCode = cli::PlacesCommand::run(arguments, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

struct Place {
    std::string name;
    double latitude;
    double longitude;
};

// A places file built field by field: count, then per place the name length, the
// Windows-1251 name, the longitude and the latitude, little-endian.
std::string placesFile(const std::vector<Place>& list) {
    std::string bytes;
    const auto int32 = [&bytes](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes += static_cast<char>(v >> (8 * i));
    };
    const auto float64 = [&bytes](double d) {
        const auto v = std::bit_cast<std::uint64_t>(d);
        for (int i = 0; i < 8; ++i) bytes += static_cast<char>(v >> (8 * i));
    };
    int32(static_cast<std::uint32_t>(list.size()));
    for (const auto& place : list) {
        const std::string name = *Windows1251::fromUtf8(place.name);
        int32(static_cast<std::uint32_t>(name.size()));
        bytes += name;
        float64(place.longitude);
        float64(place.latitude);
    }
    return bytes;
}

class PlacesCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        file_ = (folder_ / "Place.PLB").string();
        std::ofstream(file_, std::ios::binary)
            << placesFile({{"Москва", 55.75, 37.0 + 37.0 / 60.0},
                           {"Лондон", 51.5, -7.0 / 60.0},
                           {"Нижний Новгород", 56.0 + 20.0 / 60.0, 44.0},
                           {"Лима", -(12.0 + 3.0 / 60.0), -(77.0 + 3.0 / 60.0)}});
    }
    testing::ScratchFolder folder_;
    std::string file_;
};

TEST_F(PlacesCommandTest, ListsThePlacesInFileOrder) {
    const CommandRun run = places({"--file", file_});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "Место            Широта       Долгота\n"
              "Москва           55°45' С.Ш.  37°37' В.Д.\n"
              "Лондон           51°30' С.Ш.  0°07' З.Д.\n"
              "Нижний Новгород  56°20' С.Ш.  44°00' В.Д.\n"
              "Лима             12°03' Ю.Ш.  77°03' З.Д.\n");
}

TEST_F(PlacesCommandTest, FindsOnePlaceWithoutRegardToCase) {
    EXPECT_EQ(places({"--file", file_, "лима"}).out, "Лима: 12°03' Ю.Ш., 77°03' З.Д.\n");
    EXPECT_EQ(places({"--file", file_, "ЛОНДОН"}).out, "Лондон: 51°30' С.Ш., 0°07' З.Д.\n");
    // A name of several words, quoted or not.
    EXPECT_EQ(places({"--file", file_, "нижний", "новгород"}).out,
              "Нижний Новгород: 56°20' С.Ш., 44°00' В.Д.\n");
    const CommandRun unknown = places({"--file", file_, "Атлантида"});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_EQ(unknown.out, "Место \"Атлантида\" не найдено в базе\n");
}

TEST_F(PlacesCommandTest, MissingOrDamagedFileFails) {
    EXPECT_EQ(places({"--file", (folder_ / "none.PLB").string()}).exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "none.PLB"));
    std::ofstream(file_, std::ios::binary | std::ios::trunc) << std::string("\xff\xff\xff\xff", 4);
    const CommandRun damaged = places({"--file", file_});
    EXPECT_EQ(damaged.exitCode, 1);
    EXPECT_NE(damaged.err.find("поврежден"), std::string::npos);
    // A command ends here: the desktop's "work goes on with an empty base" would be untrue.
    EXPECT_EQ(damaged.err.rfind("orvanta-cli places: ", 0), 0u) << damaged.err;
    EXPECT_EQ(damaged.err.find("пустой базой"), std::string::npos) << damaged.err;
    EXPECT_EQ(places({"--file"}).exitCode, 2);
}

TEST(PlacesCommandDelivered, FindsAPlaceOfTheDeliveredBase) {
    // Saint Petersburg, Palace Square: 59° 57' N, 30° 19' E.
    const auto result = testing::runCli("places санкт-петербург");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "Санкт-Петербург: 59°57' С.Ш., 30°19' В.Д.\n");
}

}  // namespace
}  // namespace orvanta

namespace orvanta {
namespace {

TEST(PlacesCommandWorld, ListsAtlasCitiesMostPopulousFirst) {
    // GeoNames record 1486209: Yekaterinburg, 56.8519° N 60.6122° E.
    const auto json = testing::runCli("places --world екат --json");
    ASSERT_EQ(json.exitCode, 0) << json.err;
    EXPECT_EQ(json.out.rfind("{\"cities\":[{\"name\":\"Екатеринбург\",\"region\":\"Свердловская "
                             "область\",\"country\":\"Россия\",\"latitude\":56.85",
                             0),
              0U);
    EXPECT_NE(json.out.find("\"zone\":\"Asia/Yekaterinburg\""), std::string::npos);
    const auto table = testing::runCli("places --world Москва");
    ASSERT_EQ(table.exitCode, 0) << table.err;
    // Moscow (over ten million) comes before Moscow, Idaho.
    EXPECT_LT(table.out.find("Europe/Moscow"), table.out.find("США"));
    EXPECT_EQ(testing::runCli("places --world Щщщщ").exitCode, 1);
    EXPECT_EQ(testing::runCli("places --world").exitCode, 2);
}

}  // namespace
}  // namespace orvanta
