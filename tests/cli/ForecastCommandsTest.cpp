#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <sstream>

#include "CliRunner.h"
#include "cli/InterAspectJson.h"
#include "cli/SynastryCommand.h"
#include "doc/CZodiacDoc.h"
#include "support/HandMadeChart.h"
#include "support/ScratchFolder.h"

namespace orvanta {
namespace {

using testing::runCli;

const std::string kSample = ORVANTA_SAMPLE_MAP;

QJsonObject jsonOf(const std::string& text) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(text)).object();
}

double distance(double a, double b) {
    return std::fabs(std::remainder(a - b, 360.0));
}

double longitudeOf(const QJsonObject& answer, int number) {
    return answer["objects"].toArray()[number - 1].toObject()["longitude"].toDouble();
}

// Hours of the local moment "2014-03-01T15:36:09+04:00" less those of the Universal one,
// across midnight either way.
double localLead(const QJsonObject& answer) {
    const auto hours = [](const QString& iso) {
        return iso.mid(8, 2).toInt() * 24.0 + iso.mid(11, 2).toInt() +
               iso.mid(14, 2).toInt() / 60.0;
    };
    // Within a day of each other; a month's end against the next month's start wraps.
    return std::remainder(
        hours(answer["moment_local"].toString()) - hours(answer["moment_ut"].toString()), 24.0);
}

// The sample chart: born in Moscow on 12 April 1961 at 09:07, 06:07 Universal Time.
class ForecastCommands : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(natal_.open(kSample).loaded()); }
    double natal(int number) const { return natal_.natal().chart[number].longitude; }

    CZodiacDoc natal_;
};

// 12 April 1961 to 12 April 2027 is 66 * 365 + 16 days (the leap days of 1964 to 2024),
// 24106 days; / 365.2422 = 66 days + 0.0148 / 365.2422 of a day = 66 days 3.50 s, so the
// progressed moment is 17 June 1961 06:07:04 UT (18 days of April, 31 of May, 17 of June).
TEST_F(ForecastCommands, ProgressionsGiveTheMomentAndAspectsWithTheNatalOrbs) {
    const auto run = runCli("progress " + kSample + " --date 12.04.2027 --json");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QJsonObject answer = jsonOf(run.out);
    EXPECT_EQ(answer["moment_ut"].toString(), "1961-06-17T06:07:04Z");
    EXPECT_EQ(answer["objects"].toArray().size(), 28);
    const NatalAspectTable& table = natal_.natal().aspects;
    const QJsonArray aspects = answer["aspects"].toArray();
    ASSERT_FALSE(aspects.isEmpty());
    for (const auto& item : aspects) {
        const QJsonObject aspect = item.toObject();
        const double angle = aspect["aspect"].toDouble();
        const double separation = distance(longitudeOf(answer, aspect["body_a"].toInt()),
                                           natal(aspect["body_b"].toInt()));
        EXPECT_NEAR(separation - angle, aspect["orb"].toDouble(), 1e-9);
        for (const AspectSetting& setting : table) {
            if (setting.angle == angle) {
                EXPECT_LT(std::fabs(aspect["orb"].toDouble()), setting.orb);
            }
        }
    }

    // Directions move every natal object by the arc the progressed Sun has gone.
    const auto directed = runCli("progress " + kSample + " --date 12.04.2027 --solar-arc --json");
    ASSERT_EQ(directed.exitCode, 0) << directed.err;
    const QJsonObject arcAnswer = jsonOf(directed.out);
    EXPECT_FALSE(arcAnswer.contains("moment_ut"));
    const double arc = arcAnswer["solar_arc"].toDouble();
    EXPECT_LT(distance(arc, longitudeOf(answer, 1) - natal(1)), 1e-6);
    for (const int number : {1, 2, 11, 17, 26}) {
        EXPECT_LT(distance(longitudeOf(arcAnswer, number), natal(number) + arc), 1e-9) << number;
    }
}

// Moscow is three hours ahead of Greenwich in 2027. The saved chart holds the local minute.
TEST_F(ForecastCommands, SolarReturnMeetsTheNatalSunAndSavesAsAChart) {
    testing::ScratchFolder folder;
    const std::string saved = (folder / "solar.map").string();
    const auto run = runCli("return " + kSample + " --year 2027 --json -o " + saved);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QJsonObject answer = jsonOf(run.out);
    EXPECT_EQ(answer["name"].toString(), "Соляр 2027 — Образец");
    EXPECT_LT(distance(longitudeOf(answer, 1), natal(1)), 1e-5);
    EXPECT_TRUE(answer["moment_ut"].toString().startsWith("2027-04-1"));
    EXPECT_DOUBLE_EQ(localLead(answer), 3.0);

    CZodiacDoc cast;
    ASSERT_TRUE(cast.open(saved).loaded());
    const BirthData& birth = cast.natal().birth;
    EXPECT_EQ(birth.name, "Соляр 2027 — Образец");
    EXPECT_DOUBLE_EQ(birth.diffGreenwich, 3.0);
    const QString local = answer["moment_local"].toString();
    const int seconds = local.mid(17, 2).toInt();
    EXPECT_EQ(birth.minute, (local.mid(14, 2).toInt() + (seconds >= 30 ? 1 : 0)) % 60)
        << local.toStdString();
    EXPECT_LT(distance(cast.natal().chart[1].longitude, natal(1)), 1e-5);
}

// Moscow's clock went back from four hours ahead of Greenwich to three on 26 October 2014:
// a lunar return in March 2014 is told at +4, one in December at +3, in the birth place's
// own zone and in that of the atlas city alike; a place given by numbers keeps its zone.
TEST_F(ForecastCommands, LunarReturnsFollowTheHistoryOfThePlacesClock) {
    struct Case {
        const char* options;
        const char* monthPrefix;
        double lead;
    };
    const Case cases[] = {
        {"--month 3", "2014-03-", 4.0},
        {"--month 12 --place Москва", "2014-12-", 3.0},
        {"--month 12 --zone 5 --lat 10 --lon 20", "2014-12-", 5.0},
    };
    for (const Case& c : cases) {
        const auto run =
            runCli("return " + kSample + " --year 2014 --lunar " + c.options + " --json");
        ASSERT_EQ(run.exitCode, 0) << c.options << run.err;
        const QJsonObject answer = jsonOf(run.out);
        EXPECT_LT(distance(longitudeOf(answer, 2), natal(2)), 1e-5) << c.options;
        EXPECT_DOUBLE_EQ(localLead(answer), c.lead) << c.options;
        EXPECT_DOUBLE_EQ(answer["zone"].toObject()["offset_hours"].toDouble(), c.lead);
        EXPECT_TRUE(answer["moment_local"].toString().startsWith(c.monthPrefix)) << c.options;
    }
}

// The progress command writes its aspects apart from synastry --json: the two stay the same.
TEST(InterAspectJson, WritesTheAspectsAsSynastryDoes) {
    const ChartData first = testing::chartWith({{Bodies::Sun, 10.0}, {26, 100.5}});
    const ChartData second = testing::chartWith({{Bodies::Moon, 12.0}, {Bodies::Mars, 200.0}});
    NatalAspectTable table{};
    testing::includeAspect(table, 0, 0.0, 5.0);
    testing::includeAspect(table, 1, 90.0, 5.0);
    const auto aspects = InterAspects::all(first, second, table);
    ASSERT_EQ(aspects.size(), 2u);  // Sun-Moon 2° past the conjunction, cusp 10-Moon the square
    cli::JsonWriter json;
    json.beginObject();
    cli::InterAspectJson::write(json, aspects, first, second, table);
    json.endObject();
    EXPECT_EQ(json.text() + "\n", cli::SynastryCommand::formatJson(aspects, first, second, table));
}

TEST_F(ForecastCommands, BadArgumentsExitTwoAndAnUnreadableChartOne) {
    const std::string bad[] = {
        "progress " + kSample,
        "progress " + kSample + " --date 31.02.2027",
        "progress " + kSample + " " + kSample + " --date 1.1.2027",
        "return " + kSample,
        "return " + kSample + " --year 1700",
        "return " + kSample + " --year 2027 --month 3",
        "return " + kSample + " --year 2027 --lunar",
        "return " + kSample + " --year 2027 --lunar --month 13",
        "return " + kSample + " --year 2027 --place Москва --zone 3 --lat 1 --lon 2",
        "return " + kSample + " --year 2027 --zone 3",
        "return " + kSample + " --year 2027 --place Нетакогоместа",
    };
    for (const auto& arguments : bad) {
        const auto run = runCli(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments;
        EXPECT_FALSE(run.err.empty()) << arguments;
    }
    EXPECT_EQ(runCli("progress /nonexistent.map --date 1.1.2027").exitCode, 1);
    EXPECT_EQ(runCli("return /nonexistent.map --year 2027").exitCode, 1);
}

}  // namespace
}  // namespace orvanta
