#include <gtest/gtest.h>

#include <ctime>

#include "common/AppFolder.h"
#include "doc/AspectRecords.h"
#include "doc/CZodiacDoc.h"
#include "doc/ChartBarTexts.h"
#include "doc/MapFile.h"
#include "doc/OrientationFile.h"
#include "doc/PlanetRecords.h"
#include "events/Notebook.h"
#include "support/BitmapBuilder.h"
#include "support/MessageRecorder.h"
#include "support/ScratchFolder.h"

namespace orvanta {
namespace {

using testing::MessageRecorder;
using testing::ScratchFolder;

// Moscow, 12 April 1961, 9:07 local time (6:07 UT).
BirthData moscow1961() {
    BirthData b;
    b.entered = 1;
    b.day = 12;
    b.month = 4;
    b.year = 1961;
    b.hour = 9;
    b.minute = 7;
    b.gmtDay = 12;
    b.gmtMonth = 4;
    b.gmtYear = 1961;
    b.gmtHour = 6;
    b.gmtMinute = 7;
    b.name = "Юрий";
    b.place = "Москва";
    b.houseSystemName = "Placidus";
    b.diffGreenwich = 3;
    b.latitude = 55.75;
    b.longitude = 37.62;
    return b;
}

Date todayByTheClock() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
}

void writeOrientation(const ScratchFolder& folder, OrientationFile::Setting setting) {
    ASSERT_TRUE(OrientationFile::write(folder / "Default.rnd", setting));
}

TEST(CZodiacDoc, NewChartWithoutSettingsFilesKeepsTheRecordDefaults) {
    ScratchFolder folder;
    CZodiacDoc doc(folder.path());
    std::vector<int> hints;
    doc.subscribe([&](int hint) { hints.push_back(hint); });
    ASSERT_TRUE(doc.newChart(moscow1961(), 0, false, false));

    for (const AspectSetting& a : doc.natal().aspects) {
        EXPECT_EQ(a.angle, 0.0);
        EXPECT_EQ(a.orb, 0.0);
        EXPECT_EQ(a.included, 0);
        EXPECT_EQ(a.label, "<not defined>");
        EXPECT_TRUE(a.symbol.isEmpty());
    }
    for (int number = 1; number <= 28; ++number) {
        const ObjectStyle& o = doc.natal().chart.style[number];
        EXPECT_EQ(o.shown, 1);
        EXPECT_EQ(o.radixUse, 1);
        EXPECT_EQ(o.label, "<not defined>");
        EXPECT_TRUE(o.symbol.isEmpty());
    }
    EXPECT_EQ(doc.eventChart().bodies().style[16].name, "Лилит");
    EXPECT_EQ(doc.natal().orientation.direction, 0);
    EXPECT_EQ(doc.natal().orientation.fromAries, 1);
    EXPECT_EQ(doc.natal().orientation.angle, 0.0);
    // On 12 April the Sun stands about 22 degrees into Aries.
    EXPECT_GT(doc.natal().chart[1].longitude, 20.0);
    EXPECT_LT(doc.natal().chart[1].longitude, 24.0);
    EXPECT_EQ(doc.natal().chart.style[17].identifier, 17);
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(doc.interpretation().isOutOfDate());
    EXPECT_EQ(doc.eventChart().state().date, todayByTheClock());
    EXPECT_EQ(hints, std::vector<int>{CZodiacDoc::kHintNatal | CZodiacDoc::kHintEventChart});
}

TEST(CZodiacDoc, NewChartTakesTheDeliveredSettings) {
    CZodiacDoc doc(AppFolder::path());
    ASSERT_TRUE(doc.newChart(moscow1961(), 0, false, false));
    EXPECT_EQ(doc.natal().aspects[0].included, 1);
    EXPECT_FALSE(doc.natal().aspects[0].symbol.isEmpty());
    EXPECT_FALSE(doc.natal().chart.style[28].symbol.isEmpty());
    EXPECT_NE(doc.natal().chart.style[1].label, "<not defined>");
    EXPECT_NE(doc.eventChart().bodies().style[1].label, "<not defined>");
    EXPECT_EQ(doc.eventChart().aspects()[0].angle, 0.0);
    EXPECT_EQ(doc.natal().orientation.fromAscendant, 1);  // "Default.rnd": from the Ascendant

    // A chart without houses cannot count from the Ascendant: it counts from Aries.
    CZodiacDoc houseless(AppFolder::path());
    ASSERT_TRUE(houseless.newChart(moscow1961(), 0, true, false));
    EXPECT_EQ(houseless.natal().orientation.fromAscendant, 0);
    EXPECT_EQ(houseless.natal().orientation.fromAries, 1);
}

TEST(CZodiacDoc, OrientationFileAndSettingsNamesMatchWithoutLetterCase) {
    ScratchFolder folder;
    writeOrientation(folder, {1, OrientationFile::ArbitraryAngle, 30.0});
    AspectTable aspects;
    aspects[2].angle = 120;
    ASSERT_TRUE(AspectRecords::write(folder / "DEFAULT.ASP", aspects));
    CZodiacDoc doc(folder.path());
    ASSERT_TRUE(doc.newChart(moscow1961(), 0, false, false));
    EXPECT_EQ(doc.natal().orientation.direction, 1);
    EXPECT_EQ(doc.natal().orientation.fromAries, 0);
    EXPECT_EQ(doc.natal().orientation.fromAscendant, 0);
    EXPECT_EQ(doc.natal().orientation.angle, 30.0);
    EXPECT_EQ(doc.natal().aspects[2].angle, 120.0);
}

TEST(CZodiacDoc, SavedChartReopensWithItsStoredPositions) {
    ScratchFolder folder;
    ChartData settings;
    settings.style[1].label = "из настроек";
    ASSERT_TRUE(settings.style[1].symbol.assign(
        testing::packedBitmap(testing::markedTrueColour(2, 2, 0xFFFFFF))));
    ASSERT_TRUE(PlanetRecords::write(folder / "default.rxp", settings, 16));

    CZodiacDoc doc(folder.path());
    BirthData birth = moscow1961();
    birth.name = std::string(300, 'N');
    ASSERT_TRUE(doc.newChart(birth, 0, false, true));
    doc.natal().chart[1].setLongitude(123.0);  // as an older engine might have put it
    doc.natal().chart.style[1].label = "из карты";
    doc.natal().notebook = {1, 2, 3};
    const auto path = folder / "chart.map";
    ASSERT_TRUE(doc.save(path));
    EXPECT_FALSE(doc.isModified());
    const auto saved = ScratchFolder::read(path);

    CZodiacDoc reopened(folder.path());
    reopened.eventChart().state().date = {1, 1, 2000};
    ASSERT_TRUE(reopened.open(path).loaded());
    EXPECT_EQ(reopened.natal().chart[1].longitude, 123.0);
    EXPECT_EQ(reopened.natal().chart.style[1].label, "из карты");
    EXPECT_FALSE(reopened.natal().chart.style[1].symbol.isEmpty());
    EXPECT_EQ(reopened.natal().birth.name, birth.name);
    EXPECT_EQ(reopened.natal().autoGreenwich, 1);
    EXPECT_EQ(reopened.natal().notebook, (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(reopened.eventChart().state().date, todayByTheClock());
    EXPECT_EQ(reopened.path(), path);
    ASSERT_TRUE(reopened.save(folder / "again.map"));
    EXPECT_EQ(ScratchFolder::read(folder / "again.map"), saved);
}

TEST(CZodiacDoc, OpenRefusesWhatItCannotReadAndTreatsAnEmptyFileAsNew) {
    ScratchFolder folder;
    MessageRecorder recorder;
    CZodiacDoc doc(folder.path());
    const auto missing = doc.open(folder / "missing.map");
    EXPECT_EQ(missing.status, LoadStatus::Unreadable);
    EXPECT_EQ(missing.messages, std::vector<std::string>{"Файл невозможно открыть..."});

    ScratchFolder::write(folder / "empty.map", {});
    EXPECT_EQ(doc.open(folder / "empty.map").status, LoadStatus::Empty);
    EXPECT_EQ(doc.path(), folder / "empty.map");

    ASSERT_TRUE(doc.newChart(moscow1961(), 0, false, false));
    ASSERT_TRUE(doc.save(folder / "good.map"));
    const auto good = ScratchFolder::read(folder / "good.map");
    ScratchFolder::write(folder / "cut.map", {good.begin(), good.end() - 10});
    CZodiacDoc other(folder.path());
    ASSERT_TRUE(other.newChart(moscow1961(), 1, false, false));
    other.natal().birth.name = "Другой";
    const auto before = MapFile::serialize(other.natal());
    const auto cut = other.open(folder / "cut.map");
    EXPECT_EQ(cut.status, LoadStatus::Damaged);
    EXPECT_EQ(MapFile::serialize(other.natal()), before);
    ASSERT_EQ(cut.messages.size(), 1u);
    EXPECT_NE(cut.messages[0].find("cut.map"), std::string::npos);
    EXPECT_NE(cut.messages[0].find("повреждён"), std::string::npos);
    EXPECT_TRUE(recorder.messages.empty());  // the caller shows them
}

TEST(CZodiacDoc, FailedSaveLeavesTheOldFileAndSaysSo) {
    ScratchFolder folder;
    CZodiacDoc doc(folder.path());
    ASSERT_TRUE(doc.newChart(moscow1961(), 0, false, false));
    const auto path = folder / "chart.map";
    ASSERT_TRUE(doc.save(path));
    const auto before = ScratchFolder::read(path);

    MessageRecorder recorder;
    doc.natal().birth.name = "Юрий ☉";  // the Sun sign is not in the code page
    doc.setModified(true);
    EXPECT_FALSE(doc.save(path));
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(ScratchFolder::read(path), before);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_NE(recorder.messages[0].find("chart.map"), std::string::npos);

    recorder.messages.clear();
    doc.natal().birth.name = "Юрий";
    EXPECT_FALSE(doc.save(folder / "no-such-folder" / "chart.map"));
    EXPECT_EQ(recorder.messages.size(), 1u);
}

TEST(CZodiacDoc, NotebookTravelsThroughTheNotebookFile) {
    ScratchFolder folder;
    CZodiacDoc doc(folder.path());
    const auto file = folder / "NoteBook.NTF";

    EXPECT_TRUE(doc.exportNotebook());  // an empty copy gives an empty file
    EXPECT_TRUE(std::filesystem::exists(file));
    EXPECT_TRUE(ScratchFolder::read(file).empty());

    doc.natal().notebook = {7, 8, 9};
    EXPECT_TRUE(doc.exportNotebook());
    EXPECT_EQ(ScratchFolder::read(file), (std::vector<std::uint8_t>{7, 8, 9}));
    // The analysis window wrote its notebook: the document takes it byte for byte.
    Notebook written;
    TransitSituation square;
    square.moment = 1000.25;
    square.body = 5;
    square.radix = 10;
    square.aspectIndex = 3;
    written.store(square, "Поездка\r\nудалась");
    const auto bytes = written.serialize();
    ScratchFolder::write(file, bytes);
    EXPECT_TRUE(doc.importNotebook());
    EXPECT_EQ(doc.natal().notebook, bytes);
    EXPECT_TRUE(doc.isModified());

    // A notebook file that is gone or damaged does not take the chart's notebook with it.
    MessageRecorder recorder;
    ScratchFolder::write(file, {1, 2});
    EXPECT_FALSE(doc.importNotebook());
    std::filesystem::remove(file);
    EXPECT_FALSE(doc.importNotebook());
    EXPECT_EQ(doc.natal().notebook, bytes);
    EXPECT_EQ(recorder.messages.size(), 2u);
}

TEST(CZodiacDoc, ViewsReceiveHintsUntilTheyUnsubscribe) {
    CZodiacDoc doc;
    std::vector<int> first;
    std::vector<int> second;
    const int a = doc.subscribe([&](int hint) { first.push_back(hint); });
    int b = 0;
    b = doc.subscribe([&](int hint) {
        second.push_back(hint);
        doc.unsubscribe(b);  // a view may leave while it is told
    });
    doc.updateAllViews(CZodiacDoc::kHintEventChart);
    doc.updateAllViews(CZodiacDoc::kHintNatal);
    doc.unsubscribe(a);
    doc.updateAllViews(CZodiacDoc::kHintNatal);
    EXPECT_EQ(first, (std::vector<int>{2, 1}));
    EXPECT_EQ(second, (std::vector<int>{2}));
}

TEST(CZodiacDoc, ChangedBirthDataRecomputeAndRedrawEverything) {
    CZodiacDoc doc(AppFolder::path());
    ASSERT_TRUE(doc.newChart(moscow1961(), 0, false, false));
    doc.setModified(false);
    EXPECT_TRUE(doc.refreshInterpretation());
    EXPECT_FALSE(doc.interpretation().isOutOfDate());
    std::vector<int> hints;
    doc.subscribe([&](int hint) { hints.push_back(hint); });
    BirthData later = moscow1961();
    later.month = 10;  // in mid October the Sun is in Libra, sign 7
    later.gmtMonth = 10;
    ASSERT_TRUE(doc.changeBirthData(later, 0, false, false));
    EXPECT_EQ(doc.natal().chart[1].sign, 7);
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(doc.interpretation().isOutOfDate());
    EXPECT_FALSE(doc.eventChart().state().computed);  // never built, so not built now either
    EXPECT_EQ(hints, std::vector<int>{3});
}

TEST(CZodiacDoc, ReturnToBirthMomentUndoesEveryStepUntilNewBirthDataAreEntered) {
    CZodiacDoc doc(AppFolder::path());
    ASSERT_TRUE(doc.newChart(moscow1961(), 0, false, false));
    const double sunAtBirth = doc.natal().chart[1].longitude;
    EXPECT_FALSE(doc.returnToBirthMoment());  // never stepped: nothing to return to
    doc.step() = ChartStep{0, 3, 0, 0, 0};
    ASSERT_TRUE(doc.stepChart(ChartStepper::Direction::Forward, nullptr));
    ASSERT_TRUE(doc.stepChart(ChartStepper::Direction::Forward, nullptr));
    EXPECT_EQ(doc.natal().birth.month, 10);
    EXPECT_TRUE(doc.isStepped());
    doc.setModified(false);
    ASSERT_TRUE(doc.refreshInterpretation());

    ASSERT_TRUE(doc.returnToBirthMoment());
    const BirthData& birth = doc.natal().birth;
    EXPECT_EQ(std::vector<int>({birth.day, birth.month, birth.year, birth.hour, birth.minute}),
              std::vector<int>({12, 4, 1961, 9, 7}));
    EXPECT_EQ(std::vector<int>({birth.gmtDay, birth.gmtMonth, birth.gmtHour}),
              std::vector<int>({12, 4, 6}));
    EXPECT_DOUBLE_EQ(doc.natal().chart[1].longitude, sunAtBirth);
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(doc.interpretation().isOutOfDate());
    EXPECT_FALSE(doc.isStepped());

    // Birth data entered after a step are the new birth moment.
    ASSERT_TRUE(doc.stepChart(ChartStepper::Direction::Backward, nullptr));
    BirthData later = moscow1961();
    later.day = 20;
    later.gmtDay = 20;
    ASSERT_TRUE(doc.changeBirthData(later, 0, false, false));
    EXPECT_FALSE(doc.isStepped());
    EXPECT_FALSE(doc.returnToBirthMoment());
    EXPECT_EQ(doc.natal().birth.day, 20);
}

TEST(ChartBarTexts, DateAndTimeWithoutPaddingAndTheHouseSystem) {
    NatalChart natal;
    natal.birth.name = "Анна";
    natal.birth.day = 5;
    natal.birth.month = 3;
    natal.birth.year = 1980;
    natal.birth.hour = 7;
    natal.birth.minute = 5;
    natal.birth.houseSystemName = "Koch";
    EXPECT_EQ(ChartBarTexts::name(natal), "Анна");
    EXPECT_EQ(ChartBarTexts::birthMoment(natal), "5.3.1980 7:5  дома Koch");
    natal.chart.housesUnavailable = 1;
    EXPECT_EQ(ChartBarTexts::birthMoment(natal), "5.3.1980 7:5");
    EXPECT_EQ(ChartBarTexts::eventDate({1, 2, 2024}), "1.2.2024");
}

}  // namespace
}  // namespace orvanta
