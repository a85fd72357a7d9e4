#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <sstream>

#include "CliRunner.h"
#include "cli/TransitsCommand.h"
#include "common/AppFolder.h"
#include "doc/CZodiacDoc.h"
#include "support/ByteLayout.h"
#include "support/ScratchFolder.h"

namespace orvanta {
namespace {

using testing::runCli;

QJsonObject runJson(const std::string& options) {
    const auto result =
        runCli(std::string("transits ") + ORVANTA_SAMPLE_MAP + " " + options + " --json");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    return QJsonDocument::fromJson(QByteArray::fromStdString(result.out)).object();
}

// The printed lists are the document's own, every number read back to the same double.
TEST(TransitsCommand, JsonListsAreTheDocumentsListsAndTheDayListsTheirShownRecordsOfTheDay) {
    const QJsonObject json =
        runJson("--date 15.6.2024 --steps 24 --moscow -1.5 --manual --greenwich 2");
    EXPECT_EQ(json["date"].toString(), "15.6.2024");
    EXPECT_EQ(json["steps"].toInt(), 24);

    AppFolder::setOverride(ORVANTA_APP_DIR);
    EventChartSettings settings{{15, 6, 2024}, -1.5, 2.0, 0, 7};
    CZodiacDoc doc;
    std::ostringstream err;
    ASSERT_TRUE(cli::TransitsCommand::build(ORVANTA_SAMPLE_MAP, settings, doc, "transits", err));
    const auto& state = doc.eventChart().state();
    const double dayStart = Calendar::hoursSinceBase({15, 6, 2024}, 0.0);
    EXPECT_EQ(json["day_start"].toDouble(), dayStart);

    const auto sameList = [](const QJsonArray& printed, const TransitList& list) {
        ASSERT_EQ(printed.size(), static_cast<qsizetype>(list.size()));
        for (std::size_t i = 0; i < list.size(); ++i) {
            const QJsonObject r = printed[static_cast<qsizetype>(i)].toObject();
            EXPECT_EQ(r["moment"].toDouble(), list[i].moment);
            EXPECT_EQ(r["point"].toDouble(), list[i].point);
            EXPECT_EQ(r["duration"].toDouble(), list[i].duration);
            EXPECT_EQ(r["orb"].toDouble(), list[i].orb);
            EXPECT_EQ(r["angle"].toDouble(), list[i].aspectAngle);
            EXPECT_EQ(r["body"].toInt(), list[i].body);
            EXPECT_EQ(r["radix"].toInt(), list[i].radix);
            EXPECT_EQ(r["aspect"].toInt(), list[i].aspectIndex);
        }
    };
    sameList(json["situations"].toArray(), state.situations);
    sameList(json["orb_transits"].toArray(), state.orbTransits);

    const QJsonObject day = json["day"].toObject();
    std::size_t shownOfTheDay = 0;
    for (const auto& record : state.situations) {
        shownOfTheDay +=
            record.orb > 0 && record.moment >= dayStart && record.moment < dayStart + 24;
    }
    EXPECT_EQ(
        static_cast<std::size_t>(day["situations"].toArray().size() + day["moon"].toArray().size()),
        shownOfTheDay);
    for (const char* key : {"situations", "moon", "orb"}) {
        for (const auto& value : day[key].toArray()) {
            const QJsonObject r = value.toObject();
            EXPECT_GT(r["orb"].toDouble(), 0.0);
            EXPECT_GE(r["moment"].toDouble(), dayStart);
            EXPECT_LT(r["moment"].toDouble(), dayStart + 24.0);
            if (key != std::string("orb")) {
                EXPECT_EQ(r["body"].toInt() == 2, key == std::string("moon"));
            }
        }
    }
}

// Each record of the day lists carries its phrase: the time of day first (computed here from
// the moment), then the pieces with their CR LF, ending with the natal object's label.
TEST(TransitsCommand, DayRecordsCarryTheirPhrases) {
    const auto result = runCli(std::string("transits ") + ORVANTA_SAMPLE_MAP +
                               " --date 15.6.2024 --steps 24 --json");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("\\r\\n  "), std::string::npos);  // CR LF kept escaped
    const QJsonObject day =
        QJsonDocument::fromJson(QByteArray::fromStdString(result.out)).object()["day"].toObject();
    AppFolder::setOverride(ORVANTA_APP_DIR);
    CZodiacDoc doc;
    ASSERT_TRUE(doc.open(ORVANTA_SAMPLE_MAP).loaded());
    const double dayStart = Calendar::hoursSinceBase({15, 6, 2024}, 0.0);
    int checked = 0;
    for (const char* key : {"situations", "moon", "orb"}) {
        for (const auto& value : day[key].toArray()) {
            const QJsonObject r = value.toObject();
            const QString phrase = r["phrase"].toString();
            const QString radixLabel =
                QString::fromStdString(doc.natal().chart.style[r["radix"].toInt()].label);
            EXPECT_TRUE(phrase.endsWith("\r\n  " + radixLabel)) << key;
            if (key == std::string("orb")) {
                EXPECT_TRUE(phrase.startsWith("В течение продолжительного времени порядка "));
            } else {
                const int minutes = qRound((r["moment"].toDouble() - dayStart) * 60.0);
                const QString time = QString("%1ч%2м")
                                         .arg(minutes / 60, 2, 10, QChar('0'))
                                         .arg(minutes % 60, 2, 10, QChar('0'));
                EXPECT_TRUE(phrase.startsWith(time + " - время середины диапазона")) << key;
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 0);
}

TEST(TransitsCommand, ReadableListsAndExitCodes) {
    const auto text = runCli(std::string("transits ") + ORVANTA_SAMPLE_MAP + " --date 1.3.2000");
    ASSERT_EQ(text.exitCode, 0) << text.err;
    EXPECT_NE(text.out.find("Карта событий на 1.3.2000, шагов в день: 1"), std::string::npos);
    const auto moon = text.out.find("Транзиты Луны:");
    EXPECT_LT(text.out.find("Транзиты \"не Луны\":"), moon);
    EXPECT_LT(moon, text.out.find("Фоновые:"));

    for (const char* bad :
         {"--date 30.2.2001", "--date 1.3.2000 --steps 5", "--date 1.3.2000 --moscow x",
          "--steps 24", "--date 1.3.2000 --greenwich 49"}) {
        EXPECT_EQ(runCli(std::string("transits ") + ORVANTA_SAMPLE_MAP + " " + bad).exitCode, 2)
            << bad;
    }
    EXPECT_EQ(runCli("transits /nonexistent/chart.map --date 1.3.2000").exitCode, 1);
}

TEST(TransitsCommand, ADamagedTimeChangeBaseIsRefused) {
    // A count of 2 and one whole record: the base has lost its end.
    const testing::ScratchFolder folder;
    testing::ByteLayout base;
    base.i32(2).i32(27).i32(3).i32(1999).i32(2).i32(0).i32(0).f64(0.0).i32(4);
    testing::ScratchFolder::write(folder / "Timechg.tch", base.bytes());
    const auto result = runCli(std::string("transits ") + ORVANTA_SAMPLE_MAP + " --date 1.3.2000",
                               "ORVANTA_HOME=" + folder.path().string());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("Timechg.tch"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("поврежден"), std::string::npos) << result.err;
    EXPECT_TRUE(result.out.empty());
}

// The dial of the day as a PNG: the yellow disc around the centre of an
// 800 x 800 picture, the white centre disc, and the wrong option mixes refused.
TEST(TransitsCommand, RenderDialDrawsTheDayOfTheChart) {
    const std::string out = "/tmp/orvanta-dial-" + std::to_string(getpid()) + ".png";
    const auto result = runCli(std::string("render ") + ORVANTA_SAMPLE_MAP + " --dial " + out +
                               " --date 15.6.2024 --steps 24 --size 800x800");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    QImage image(QString::fromStdString(out));
    std::remove(out.c_str());
    ASSERT_EQ(image.size(), QSize(800, 800));
    EXPECT_EQ(image.pixelColor(400, 400), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(150, 380), QColor(200, 200, 0));  // near 18 h, inside the rings
    EXPECT_EQ(runCli(std::string("render ") + ORVANTA_SAMPLE_MAP + " --dial " + out).exitCode, 2);
    EXPECT_EQ(runCli(std::string("render ") + ORVANTA_SAMPLE_MAP + " --dial " + out +
                     " --wheel --date 1.1.2000")
                  .exitCode,
              2);
}

}  // namespace
}  // namespace orvanta
