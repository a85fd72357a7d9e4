#include <gtest/gtest.h>

#include "doc/AspectPageModel.h"
#include "doc/AspectRecords.h"
#include "doc/BornSheetModel.h"
#include "doc/LineStyleValues.h"
#include "doc/OrientationPageModel.h"
#include "doc/PlanetPageModel.h"
#include "doc/PlanetRecords.h"
#include "doc/SettingsDefaults.h"
#include "doc/TranzitSheetModel.h"
#include "support/ByteLayout.h"
#include "support/MessageRecorder.h"
#include "support/ScratchFolder.h"

namespace orvanta {
namespace {

using testing::ByteLayout;
using testing::MessageRecorder;
using testing::ScratchFolder;

// Row i of a table that stands out from the record defaults: angle 10·i, orb i/2, every
// third aspect used.
void fillAspects(AspectTable& table) {
    for (int i = 0; i < kAspectCount; ++i) {
        AspectSetting& a = table[static_cast<std::size_t>(i)];
        a.angle = 10.0 * i;
        a.orb = i / 2.0;
        a.included = i % 3 == 0 ? 1 : 0;
        a.colour = 0x0000FFu + static_cast<std::uint32_t>(i);
        a.lineWidth = i % 4;
        a.lineStyle = i % 5;
        a.label = "аспект " + std::to_string(i);
    }
}

TEST(AspectPageModel, CopiesTheTableAndGivesItBackOnlyWhenApplied) {
    ScratchFolder folder;
    CZodiacDoc doc(folder.path());
    fillAspects(doc.natal().aspects);
    AspectPageModel page(doc, doc.natal().aspects, "default.asp", CZodiacDoc::kHintNatal);
    EXPECT_EQ(page.rows()[9].angle, 90.0);
    EXPECT_EQ(page.rows()[9].orb, 4.5);
    EXPECT_TRUE(page.rows()[9].included);
    EXPECT_EQ(page.texts()[9].angle, "90");
    EXPECT_EQ(page.texts()[9].orb, "4.5");

    auto texts = page.texts();
    texts[9] = {false, " 120 ", "2,5"};
    ASSERT_FALSE(page.take(texts));
    EXPECT_EQ(doc.natal().aspects[9].angle, 90.0) << "the table waits for OK";
    page.applyToTable();
    EXPECT_EQ(doc.natal().aspects[9].angle, 120.0);
    EXPECT_EQ(doc.natal().aspects[9].orb, 2.5);
    EXPECT_EQ(doc.natal().aspects[9].included, 0);
    EXPECT_EQ(doc.natal().aspects[9].label, "аспект 9") << "labels are not the page's";
}

TEST(AspectPageModel, RefusedFieldTakesNothing) {
    struct Case {
        int row;
        std::string angle, orb;
        FieldRefusal::Field field;
        std::string message;
    };
    const std::vector<Case> cases = {
        {0, "abc", "1", FieldRefusal::Field::Angle, "Введите число."},
        {4, "180.5", "1", FieldRefusal::Field::Angle, "Введите число от 0 до 180."},
        {17, "-1", "1", FieldRefusal::Field::Angle, "Введите число от 0 до 180."},
        {9, "90", "", FieldRefusal::Field::Orb, "Введите число."},
        {3, "60", "5°", FieldRefusal::Field::Orb, "Введите число."},
        {5, "60", "1e5", FieldRefusal::Field::Orb, "Введите число от 0 до 180."},
        {6, "60", "-1", FieldRefusal::Field::Orb, "Введите число от 0 до 180."},
        {7, "60", "180.01", FieldRefusal::Field::Orb, "Введите число от 0 до 180."},
    };
    ScratchFolder folder;
    CZodiacDoc doc(folder.path());
    fillAspects(doc.natal().aspects);
    AspectPageModel page(doc, doc.natal().aspects, "default.asp", CZodiacDoc::kHintNatal);
    for (const Case& c : cases) {
        auto texts = page.texts();
        texts[0] = {false, "0", "0"};  // the edges of the ranges are accepted
        texts[1].orb = "180";
        texts[17].angle = "180";
        texts[static_cast<std::size_t>(c.row)].angle = c.angle;
        texts[static_cast<std::size_t>(c.row)].orb = c.orb;
        const auto refusal = page.take(texts);
        ASSERT_TRUE(refusal) << c.angle << " / " << c.orb;
        EXPECT_EQ(refusal->row, c.row);
        EXPECT_EQ(refusal->field, c.field);
        EXPECT_EQ(refusal->message, c.message);
        EXPECT_EQ(page.rows()[1].orb, 0.5) << "no row taken before the refused one";
        EXPECT_TRUE(page.rows()[0].included);
    }
}

// One aspect record laid out from its fields, both pictures empty.
void appendRecord(ByteLayout& out, const AspectSetting& a) {
    out.u32(a.colour).i32(a.lineWidth).i32(a.lineStyle).f64(a.angle).f64(a.orb).i32(a.included);
    out.counted(a.label).raw("No").raw("No");
}

TEST(AspectPageModel, RememberWritesEighteenRecordsThatRestoreGivesBackUnchanged) {
    ScratchFolder folder;
    CZodiacDoc doc(folder.path());
    fillAspects(doc.eventChart().aspects());
    int hints = 0;
    doc.subscribe([&](int hint) { hints |= hint; });
    AspectPageModel page(doc, doc.eventChart().aspects(), "default.ta",
                         CZodiacDoc::kHintEventChart);
    auto texts = page.texts();
    texts[11] = {true, "150", "3"};
    ASSERT_FALSE(page.remember(texts));
    EXPECT_EQ(hints, CZodiacDoc::kHintEventChart);
    EXPECT_EQ(doc.eventChart().aspects()[11].angle, 150.0);

    ByteLayout expected;
    for (int i = 0; i < kAspectCount; ++i) {
        AspectSetting a;
        a.colour = 0x0000FFu + static_cast<std::uint32_t>(i);
        a.lineWidth = i % 4;
        a.lineStyle = i % 5;
        a.angle = i == 11 ? 150.0 : 10.0 * i;
        a.orb = i == 11 ? 3.0 : i / 2.0;
        a.included = i == 11 || i % 3 == 0 ? 1 : 0;
        a.label = "аспект " + std::to_string(i);
        appendRecord(expected, a);
    }
    EXPECT_EQ(ScratchFolder::read(folder / "default.ta"), expected.bytes());

    ASSERT_TRUE(page.restore());
    ByteLayout again;
    for (const AspectSetting& a : doc.eventChart().aspects()) appendRecord(again, a);
    EXPECT_EQ(again.bytes(), expected.bytes());
    EXPECT_EQ(page.rows()[11].angle, 150.0);
}

TEST(AspectPageModel, RefusedAngleWritesNothingAndChangesNothing) {
    ScratchFolder folder;
    CZodiacDoc doc(folder.path());
    const std::vector<std::uint8_t> stored = {1, 2, 3};
    ScratchFolder::write(folder / "default.asp", stored);
    AspectPageModel page(doc, doc.natal().aspects, "default.asp", CZodiacDoc::kHintNatal);
    auto texts = page.texts();
    texts[0] = {true, "45", "2"};
    texts[5].angle = "200";
    const auto refusal = page.remember(texts);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->row, 5);
    EXPECT_EQ(ScratchFolder::read(folder / "default.asp"), stored);
    EXPECT_EQ(doc.natal().aspects[0].angle, 0.0);
    EXPECT_EQ(doc.natal().aspects[0].included, 0);
}

TEST(AspectPageModel, RestoreWithoutTheFileSaysSoAndKeepsTheTable) {
    ScratchFolder folder;
    CZodiacDoc doc(folder.path());
    fillAspects(doc.natal().aspects);
    AspectPageModel page(doc, doc.natal().aspects, "default.asp", CZodiacDoc::kHintNatal);
    MessageRecorder recorder;
    EXPECT_FALSE(page.restore());
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0], SettingsDefaults::cannotOpenMessage("default.asp"));
    EXPECT_EQ(doc.natal().aspects[3].angle, 30.0);
}

TEST(PlanetPageModel, RadixPageWritesTwentyEightRecordsThatTheNatalPageRestores) {
    ScratchFolder folder;
    CZodiacDoc doc(folder.path());
    PlanetPageModel radix(doc, PlanetPageModel::Kind::RadixObjects);
    ASSERT_EQ(radix.count(), 28);
    radix.setFlag(2, false);
    radix.setFlag(20, false);
    doc.natal().chart.style[2].label = "Луна: чувства";
    doc.natal().chart.style[2].shown = 0;
    ASSERT_TRUE(radix.remember());
    EXPECT_EQ(doc.natal().chart.style[20].radixUse, 0);

    const auto written = PlanetRecords::parse(ScratchFolder::read(folder / "default.rxp"));
    ASSERT_EQ(written.size(), 28u);
    EXPECT_EQ(written[19].style.radixUse, 0);

    doc.natal().chart.style[2].label = "другое";
    doc.natal().chart.style[2].shown = 1;
    doc.natal().chart.style[2].radixUse = 1;
    PlanetPageModel natal(doc, PlanetPageModel::Kind::NatalPlanets);
    ASSERT_TRUE(natal.restore());
    EXPECT_EQ(doc.natal().chart.style[2].label, "Луна: чувства");
    EXPECT_EQ(doc.natal().chart.style[2].radixUse, 0);
    EXPECT_FALSE(natal.flag(2));

    // The natal page stores the sixteen bodies and leaves the cusp records as they were.
    const auto before = ScratchFolder::read(folder / "default.rxp");
    const std::size_t bodyBytes = PlanetRecords::serialize(doc.natal().chart, 16).size();
    natal.setFlag(5, false);
    ASSERT_TRUE(natal.remember());
    const auto after = ScratchFolder::read(folder / "default.rxp");
    ASSERT_EQ(after.size(), before.size());
    EXPECT_TRUE(std::equal(after.begin() + static_cast<std::ptrdiff_t>(bodyBytes), after.end(),
                           before.begin() + static_cast<std::ptrdiff_t>(bodyBytes)));
    EXPECT_EQ(PlanetRecords::parse(after)[4].style.shown, 0);

    // Without cusp records in the file, sixteen records are all there is.
    std::filesystem::remove(folder / "default.rxp");
    ASSERT_TRUE(natal.remember());
    EXPECT_EQ(PlanetRecords::parse(ScratchFolder::read(folder / "default.rxp")).size(), 16u);
}

TEST(PlanetPageModel, HouseRowsOfAChartWithoutHousesStayUnticked) {
    ScratchFolder folder;
    CZodiacDoc doc(folder.path());
    doc.natal().chart.housesUnavailable = 1;
    PlanetPageModel radix(doc, PlanetPageModel::Kind::RadixObjects);
    EXPECT_TRUE(radix.canTick(16));
    EXPECT_FALSE(radix.canTick(17));
    EXPECT_FALSE(radix.flag(17)) << "cusps use the radix by default, but not without houses";
    radix.setFlag(17, true);
    radix.applyToObjects();
    EXPECT_EQ(doc.natal().chart.style[17].radixUse, 0);

    ASSERT_TRUE(PlanetRecords::write(folder / "default.rxp", doc.natal().chart, 28));
    doc.natal().chart.style[28].radixUse = 1;
    ASSERT_TRUE(radix.restore());
    EXPECT_EQ(doc.natal().chart.style[28].radixUse, 0);
}

TEST(OrientationPageModel, PageValuesFollowTheSwitchesWithAndWithoutHouses) {
    ScratchFolder folder;
    CZodiacDoc doc(folder.path());
    ZodiacOrientation& o = doc.natal().orientation;
    o = {1, 0, 0, 30.0};  // clockwise, arbitrary angle
    OrientationPageModel page(doc);
    EXPECT_EQ(page.values().direction, 1);
    EXPECT_EQ(page.values().start, 2);
    EXPECT_EQ(page.angleText(), "30");
    EXPECT_TRUE(page.canStartFromAscendant());
    EXPECT_EQ(page.arbitraryStartCaption(), "Произвольно от Асцендента");

    page.chooseStart(0);
    EXPECT_EQ(page.values().angle, 0.0);
    EXPECT_FALSE(page.angleEditable());
    page.applyToChart();
    EXPECT_EQ(o.fromAscendant, 1);
    EXPECT_EQ(o.fromAries, 0);

    page.chooseStart(2);
    ASSERT_TRUE(page.takeAngle("x"));
    ASSERT_FALSE(page.remember("15"));
    EXPECT_EQ(o.fromAscendant, 0);
    EXPECT_EQ(o.fromAries, 0);
    EXPECT_EQ(o.angle, 15.0);
    // "1 2 15.000000 " and zeros up to 100 bytes.
    auto stored = ScratchFolder::read(folder / "Default.rnd");
    ASSERT_EQ(stored.size(), 100u);
    EXPECT_EQ(std::string(stored.begin(), stored.begin() + 14), "1 2 15.000000 ");

    page.chooseStart(1);
    page.restore();
    EXPECT_EQ(page.values().start, 2) << "restore shows the chart's orientation again";

    doc.natal().chart.housesUnavailable = 1;
    EXPECT_FALSE(page.canStartFromAscendant());
    EXPECT_EQ(page.arbitraryStartCaption(), "Произвольно от Овна");
}

TEST(LineStyleValues, SpinKeepsTheWidthWithinTheRangeAndUnknownStylesAreSolid) {
    AspectSetting aspect;
    aspect.lineWidth = 10;
    aspect.lineStyle = 7;
    LineStyleValues values(aspect);
    EXPECT_EQ(values.style, 0);
    values.step(+1);
    EXPECT_EQ(values.width, 10);
    values.width = 1;
    values.step(-1);
    values.step(-1);
    EXPECT_EQ(values.width, 0);
    values.width = 25;  // typed
    values.step(-1);
    EXPECT_EQ(values.width, 10);
    values.style = 3;
    values.colour = 0x123456;
    values.writeTo(aspect);
    EXPECT_EQ(aspect.lineStyle, 3);
    EXPECT_EQ(aspect.colour, 0x123456u);
    for (int stored : {-1, 0, 5}) EXPECT_EQ(LineStyleValues::shownStyle(stored), 0);
    EXPECT_EQ(LineStyleValues::shownStyle(4), 4);
}

TEST(BornSheetModel, OkGivesThePagesToTheChartAndCancelReturnsToTheDefaultsFiles) {
    ScratchFolder folder;
    CZodiacDoc doc(folder.path());
    fillAspects(doc.natal().aspects);
    ASSERT_TRUE(AspectRecords::write(folder / "default.asp", doc.natal().aspects));
    ASSERT_TRUE(PlanetRecords::write(folder / "default.rxp", doc.natal().chart, 16));
    {
        BornSheetModel sheet(doc);
        sheet.planets.setFlag(5, false);
        auto texts = sheet.aspects.texts();
        texts[1].angle = "33";
        ASSERT_FALSE(sheet.aspects.take(texts));
        sheet.orientation.chooseStart(2);
        ASSERT_FALSE(sheet.orientation.takeAngle("12"));
        sheet.confirm();
    }
    EXPECT_EQ(doc.natal().chart.style[5].shown, 0);
    EXPECT_EQ(doc.natal().aspects[1].angle, 33.0);
    EXPECT_EQ(doc.natal().orientation.angle, 12.0);
    EXPECT_TRUE(doc.isModified());

    BornSheetModel sheet(doc);
    doc.natal().aspects[2].colour = 0xABCDEF;  // edited in the table by the line dialog
    doc.natal().chart.style[3].label = "изменено";
    sheet.cancel({BornSheetModel::Planets, BornSheetModel::Aspects});
    EXPECT_EQ(doc.natal().aspects[2].colour, 0x0000FFu + 2) << "as stored, not as before";
    EXPECT_EQ(doc.natal().aspects[1].angle, 10.0) << "as stored, not as before";
    EXPECT_EQ(doc.natal().chart.style[3].label, "<not defined>");
    EXPECT_EQ(doc.natal().chart.style[5].shown, 1);
}

TEST(TranzitSheetModel, OkBuildsTheEventChartAgainAndCancelDoesNot) {
    ScratchFolder folder;
    CZodiacDoc doc(folder.path());
    doc.eventChart().state().computed = true;
    TranzitSheetModel cancelled(doc);
    cancelled.transitPlanets.setFlag(2, false);
    cancelled.cancel({});
    EXPECT_FALSE(doc.eventChart().state().builtFor.has_value());
    EXPECT_EQ(doc.eventChart().bodies().style[2].transitUse, 1)
        << "a page never shown keeps its objects";

    // A colour changed in the table and a sheet cancelled with the aspects page shown: the
    // colour stored in "default.ta" comes back, and the event chart is not built again.
    fillAspects(doc.eventChart().aspects());
    ASSERT_TRUE(AspectRecords::write(folder / "default.ta", doc.eventChart().aspects()));
    TranzitSheetModel coloured(doc);
    doc.eventChart().aspects()[4].colour = 0x00123456;
    coloured.cancel({TranzitSheetModel::Aspects});
    EXPECT_EQ(doc.eventChart().aspects()[4].colour, 0x0000FFu + 4);
    EXPECT_FALSE(doc.eventChart().state().builtFor.has_value());

    TranzitSheetModel sheet(doc);
    sheet.transitPlanets.setFlag(2, false);
    sheet.radixPlanets.setFlag(21, false);
    sheet.confirm();
    EXPECT_TRUE(doc.eventChart().state().builtFor.has_value());
    EXPECT_EQ(doc.eventChart().bodies().style[2].transitUse, 0);
    EXPECT_EQ(doc.natal().chart.style[21].radixUse, 0);
}

}  // namespace
}  // namespace orvanta
