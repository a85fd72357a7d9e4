#include <gtest/gtest.h>

#include <cmath>

#include "calc/ChartComputation.h"
#include "common/AppFolder.h"
#include "doc/CZodiacDoc.h"
#include "events/EventChart.h"

namespace orvanta {
namespace {

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
    b.houseSystemName = "Placidus";
    b.diffGreenwich = 3;
    b.latitude = 55.75;
    b.longitude = 37.62;
    return b;
}

double longitudeAt(int body, double universalHours) {
    const DateAndHours when = Calendar::dateFromHours(universalHours);
    int minutes = static_cast<int>(std::lround(when.hours * 60.0));
    ChartRequest request;
    request.day = when.date.day;
    request.month = when.date.month;
    request.year = when.date.year;
    request.hour = minutes / 60;
    request.minute = minutes % 60;
    request.houseSystem = -1;
    ChartData positions;
    EXPECT_TRUE(ChartComputation::shared().compute(request, positions));
    return positions[body].longitude;
}

// Independent of the stepping: at every passage found with 24 steps a day, the engine puts
// the transiting body on its aspect point (to the minute the request can say).
TEST(EventChartOfARealChart, EveryBodyStandsOnItsAspectPointAtTheMoment) {
    CZodiacDoc doc(AppFolder::path());
    ASSERT_TRUE(doc.newChart(moscow1961(), 0, false, false));
    auto& state = doc.eventChart().state();
    state.date = {15, 6, 2024};
    state.autoGreenwich = 0;
    state.greenwichDifference = 0.0;  // moments are Universal Time
    state.precisionIndex = 7;
    ASSERT_TRUE(doc.rebuildEventChart());
    EXPECT_EQ(state.dayCounter, 1);
    ASSERT_GT(state.situations.size(), 50u);
    const double first = Calendar::hoursSinceBase({14, 6, 2024}, 0.0);
    double previous = first;
    for (const auto& record : state.situations) {
        SCOPED_TRACE(testing::Message() << "body " << record.body << " radix " << record.radix
                                        << " aspect " << record.aspectIndex);
        EXPECT_GE(record.moment, previous);
        EXPECT_LT(record.moment, first + 72.0);
        previous = record.moment;
        const double off =
            std::remainder(longitudeAt(record.body, record.moment) - record.point, 360.0);
        EXPECT_LT(std::fabs(off), 0.1);
    }
    for (const auto& record : state.orbTransits) {
        EXPECT_NE(record.body, 2);  // the Moon is never slow enough
        EXPECT_GT(record.duration, 48.0);
    }
}

TEST(EventChartOfARealChart, BuiltOnceForADateRebuiltForAnotherAndAfterChangedBirthData) {
    CZodiacDoc doc(AppFolder::path());
    ASSERT_TRUE(doc.newChart(moscow1961(), 0, false, false));
    std::vector<int> hints;
    doc.subscribe([&](int hint) { hints.push_back(hint); });
    auto& state = doc.eventChart().state();
    state.date = {1, 3, 2000};
    EXPECT_TRUE(doc.ensureEventChart());
    EXPECT_FALSE(doc.ensureEventChart());
    ASSERT_FALSE(state.situations.empty());

    // The date selection's OK without a change does nothing; with one, it discards.
    EXPECT_FALSE(doc.applyEventChartSettings(state.settings()));
    EXPECT_TRUE(hints.empty());
    auto settings = state.settings();
    settings.moscowDifference = -1.5;
    EXPECT_TRUE(doc.applyEventChartSettings(settings));
    EXPECT_EQ(hints, std::vector<int>{CZodiacDoc::kHintEventChart});
    EXPECT_TRUE(doc.ensureEventChart());

    // Changed birth data rebuild the event chart that exists.
    const auto before = state.situations;
    BirthData later = moscow1961();
    later.month = later.gmtMonth = 10;
    ASSERT_TRUE(doc.changeBirthData(later, 0, false, false));
    EXPECT_TRUE(state.builtFor.has_value());
    EXPECT_NE(state.situations, before);

    // Switching the Sun off as a transiting body switches its records off.
    doc.eventChart().bodies().style[1].transitUse = 0;
    doc.eventChart().mark(doc.natal().chart);
    for (const auto& record : state.situations)
        EXPECT_EQ(record.isShown(), record.body != 1 && record.orb > 0);
}

TEST(EventChart, DayStepsStayWithin1860And2130) {
    EventChart events;
    auto& state = events.state();
    state.date = {31, 12, 2130};
    events.shiftDay(1);
    EXPECT_EQ(state.date, (Date{31, 12, 2130}));
    state.date = {1, 1, 1860};
    events.shiftDay(-1);
    EXPECT_EQ(state.date, (Date{1, 1, 1860}));
    events.shiftDay(1);
    EXPECT_EQ(state.date, (Date{2, 1, 1860}));
    EXPECT_FALSE(state.builtFor.has_value());
}

}  // namespace
}  // namespace orvanta
