#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <filesystem>

#include "CliRunner.h"
#include "doc/CZodiacDoc.h"
#include "natal/CompositeChart.h"
#include "natal/paint/TwoChartImage.h"
#include "support/ScratchFolder.h"

namespace orvanta {
namespace {

using testing::runCli;

QJsonObject jsonOf(const std::string& text) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(text)).object();
}

class TwoChartCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::copy_file(ORVANTA_SAMPLE_MAP, a_);
        const auto made = runCli(
            "chart --date 20.07.1969 --time 20:00 --zone -4 --lat 40.7 --lon -74 --name Борис -o " +
            b_);
        ASSERT_EQ(made.exitCode, 0) << made.err;
        ASSERT_TRUE(first_.open(a_).loaded());
        ASSERT_TRUE(second_.open(b_).loaded());
    }
    std::string path(const char* name) const { return (folder_ / name).string(); }

    testing::ScratchFolder folder_;
    std::string a_ = path("a.map");
    std::string b_ = path("b.map");
    CZodiacDoc first_;
    CZodiacDoc second_;
};

TEST_F(TwoChartCommandsTest, SynastryJsonListsEveryPairWithinItsOrb) {
    const auto result = runCli("synastry " + a_ + " " + b_ + " --json");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const QJsonArray aspects = jsonOf(result.out)["aspects"].toArray();
    ASSERT_FALSE(aspects.isEmpty());

    // Counted here pair by pair: the first chart's 28 objects against the second's 16 bodies.
    const ChartData& a = first_.natal().chart;
    const ChartData& b = second_.natal().chart;
    const NatalAspectTable& table = first_.natal().aspects;
    int expected = 0;
    for (const AspectSetting& aspect : table) {
        for (int i = 1; i <= 28; ++i) {
            for (int j = 1; j <= 16; ++j) {
                double s = std::fabs(a[i].longitude - b[j].longitude);
                if (s > 180.0) s = 360.0 - s;
                if (aspect.included && a.style[i].shown && b.style[j].shown &&
                    std::fabs(s - aspect.angle) < aspect.orb) {
                    ++expected;
                }
            }
        }
    }
    EXPECT_EQ(aspects.size(), expected);
    for (const auto& entry : aspects) {
        const QJsonObject aspect = entry.toObject();
        const int i = aspect["body_a"].toInt();
        const int j = aspect["body_b"].toInt();
        EXPECT_EQ(aspect["name_b"].toString().toStdString(), b.style[j].name);
        double s = std::fabs(a[i].longitude - b[j].longitude);
        if (s > 180.0) s = 360.0 - s;
        EXPECT_NEAR(aspect["orb"].toDouble(), s - aspect["aspect"].toDouble(), 1e-6);
    }
}

TEST_F(TwoChartCommandsTest, CommandsRefuseBadArgumentsWithTwoAndMissingFilesWithOne) {
    const std::string missing = path("missing.map");
    const std::string out = path("out.png");
    const struct {
        std::string arguments;
        int exitCode;
    } cases[] = {
        {"synastry " + a_, 2},
        {"synastry " + a_ + " " + b_ + " --orb 3", 2},
        {"synastry " + a_ + " " + missing, 1},
        {"composite " + a_, 2},
        {"composite " + missing + " " + b_ + " --davison", 1},
        {"render " + a_ + " --biwheel " + b_ + " --synastry-table " + b_ + " " + out, 2},
        {"render " + a_ + " --biwheel " + b_ + " --wheel " + out, 2},
        {"render " + a_ + " --biwheel " + missing + " " + out, 1},
        {"render " + a_ + " --synastry-table " + b_ + " " + out + " --size 0x10", 2},
    };
    for (const auto& c : cases) {
        const auto result = runCli(c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.arguments << "\n" << result.err;
        EXPECT_FALSE(result.err.empty()) << c.arguments;
    }
}

TEST_F(TwoChartCommandsTest, CompositePrintsAsChartDoesAndSavesAChartFile) {
    const std::string saved = path("composite.map");
    const auto result = runCli("composite " + a_ + " " + b_ + " --json -o " + saved);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const QJsonArray objects = jsonOf(result.out)["objects"].toArray();
    ASSERT_EQ(objects.size(), 28);
    const double sun = objects[0].toObject()["longitude"].toDouble();
    EXPECT_NEAR(sun,
                CompositeChart::midpoint(first_.natal().chart[Bodies::Sun].longitude,
                                         second_.natal().chart[Bodies::Sun].longitude),
                1e-6);
    CZodiacDoc reopened;
    ASSERT_TRUE(reopened.open(saved).loaded());
    EXPECT_TRUE(CompositeChart::isComposite(reopened.natal().birth));
    EXPECT_NEAR(reopened.natal().chart[Bodies::Sun].longitude, sun, 1e-6);

    const auto text = runCli("composite " + a_ + " " + b_ + " --davison");
    ASSERT_EQ(text.exitCode, 0) << text.err;
    EXPECT_EQ(text.out.rfind("Имя: Дэвисон: ", 0), 0u) << text.out;
}

TEST_F(TwoChartCommandsTest, BiWheelPictureHoldsTheWholeOuterRing) {
    const std::string wheel = path("biwheel.png");
    const auto drawn = runCli("render " + a_ + " --biwheel " + b_ + " " + wheel);
    ASSERT_EQ(drawn.exitCode, 0) << drawn.err;
    QImage image(QString::fromStdString(wheel));
    const auto placement = TwoChartImage::placement(TwoChartImage::Kind::BiWheel, first_.natal(),
                                                    second_.natal(), QSize(1000, 1000));
    ASSERT_EQ(image.size(), placement.size);
    const QPoint origin = placement.origin;
    // Centre (500, 525): the centre dot. Straight up at radius 491, between the outer
    // symbols (up to Rs + G2/2 = 488) and Ro = 495: the outer ring's tint.
    EXPECT_EQ(QColor(image.pixel(origin + QPoint(500, 525))).lightness(), 0);
    EXPECT_EQ(image.pixel(origin + QPoint(500, 525 - 491)), qRgb(255, 250, 215));
}

}  // namespace
}  // namespace orvanta
