#include <gtest/gtest.h>

#include <cmath>

#include "birthdata/TimeChangeBase.h"
#include "calc/Calendar.h"
#include "events/ComputeTransits.h"

namespace orvanta {
namespace {

// A hand-made sky for 15 June 2024: every body but the Sun and the Moon has a natal longitude
// of 390 (so it never transits, and its conjunction point lies at 30); the Sun moves 1 degree
// and the Moon 13 degrees a day in straight lines from 00:00 UT of 14 June.
const Date kChosen{15, 6, 2024};
const double kSpanStart = Calendar::hoursSinceBase({14, 6, 2024}, 0.0);
const double kChosenStart = Calendar::hoursSinceBase(kChosen, 0.0);

struct Sky {
    double sun0 = 99.0;  // at 00:00 UT on 14 June
    double moon0 = 45.0;

    BodyPositions positions() const {
        return [sky = *this](Date date, int hour, ChartData& out) {
            const double days = (Calendar::hoursSinceBase(date, hour) - kSpanStart) / 24.0;
            for (int b = 1; b <= 16; ++b) out[b].longitude = 200.0;
            out[1].longitude = std::fmod(sky.sun0 + days, 360.0);
            out[2].longitude = sky.moon0 + 13.0 * days;
            return true;
        };
    }
};

struct SkyChart {
    ChartData natal;
    TransitAspectTable aspects;
    TransitRequest request;

    SkyChart() {
        natal.housesUnavailable = 1;
        for (int b = 1; b <= 28; ++b) {
            natal[b].longitude = 390.0;
            natal.style[b].identifier = b;
        }
        natal[1].longitude = 100.5;  // the Sun's conjunction point
        natal[2].longitude = 50.0;   // the Moon's
        // Entry 0: conjunction with orb 10; the others oppositions with orb 0, never reached.
        aspects[0].orb = 10.0;
        for (int j = 1; j < 18; ++j) aspects[static_cast<std::size_t>(j)].angle = 180.0;
        request.natal = &natal;
        request.aspects = &aspects;
        request.start = kChosen;
        request.end = kChosen;
        request.autoGreenwich = false;
        request.greenwichDifference = 3.0;
        request.positions = Sky{}.positions();
    }

    TransitResults run() {
        TransitResults results;
        EXPECT_FALSE(ComputeTransits(request, results));
        EXPECT_EQ(results.dayCounter, 1);
        return results;
    }
};

// The Sun reaches 100.5 at 12:00 UT on 15 June; the Moon reaches 50 at 5/13 of 14 June.
TEST(ComputeTransits, PassagesInLocalTimeInOrderOfMomentAtOneAndAtTwentyFourSteps) {
    for (int precision : {0, 7}) {
        SCOPED_TRACE(precision);
        SkyChart setup;
        setup.request.precisionIndex = precision;
        const auto results = setup.run();
        ASSERT_EQ(results.situations.size(), 2u);
        const auto& moon = results.situations[0];
        const auto& sun = results.situations[1];
        EXPECT_EQ(moon.body, 2);
        EXPECT_EQ(moon.radix, 2);
        EXPECT_NEAR(moon.moment, kSpanStart + 24.0 * 5.0 / 13.0 + 3.0, 1e-9);
        EXPECT_NEAR(moon.duration, 10.0 * 27.33 * 24.0 / 360.0, 1e-9);
        EXPECT_EQ(sun.body, 1);
        EXPECT_EQ(sun.aspectIndex, 0);
        EXPECT_EQ(sun.aspectAngle, 0.0);
        EXPECT_EQ(sun.orb, 10.0);
        EXPECT_EQ(sun.point, 100.5);
        EXPECT_NEAR(sun.moment, kChosenStart + 12.0 + 3.0, 1e-9);
        EXPECT_NEAR(sun.duration, 243.5, 1e-9);
    }
}

TEST(ComputeTransits, OrbTransitsOfSlowBodiesAtEachMidnightWithAPlainDifference) {
    SkyChart setup;
    // The Moon stands within half its orb of 50 at 00:00 on 14 June but is never slow enough.
    auto results = setup.run();
    ASSERT_EQ(results.orbTransits.size(), 3u);
    for (int day = 0; day < 3; ++day) {
        const auto& record = results.orbTransits[static_cast<std::size_t>(day)];
        EXPECT_EQ(record.body, 1);
        EXPECT_EQ(record.radix, 1);
        EXPECT_EQ(record.moment, kSpanStart + 24.0 * day);  // no time offset
        EXPECT_EQ(record.point, 99.0 + day);                // the Sun's longitude at 00:00
        EXPECT_NEAR(record.duration, 243.5, 1e-9);
    }
    // A point at 359.9 and a Sun at 0.1 are 359.8 apart, not 0.2: no orb transit.
    setup.natal[1].longitude = 359.9;
    Sky sky;
    sky.sun0 = 0.1;
    setup.request.positions = sky.positions();
    results = setup.run();
    EXPECT_TRUE(results.orbTransits.empty());
}

// From 359.2 at 1 degree a day the Sun passes 359.9 at 16:48 UT on 14 June and 0.3 at 02:24
// UT on 15 June. With one step a day the first passage falls in the step across 0 Aries and is
// noted as -0.1; with 24 steps it falls in a step before 0 Aries and keeps 359.9.
TEST(ComputeTransits, AcrossZeroAriesThePointIsLoweredBy360) {
    SkyChart setup;
    setup.natal[1].longitude = 359.9;
    setup.natal[3].longitude = 0.3;
    setup.natal[2].longitude = 390.0;
    Sky sky;
    sky.sun0 = 359.2;
    setup.request.positions = sky.positions();
    for (int precision : {0, 7}) {
        setup.request.precisionIndex = precision;
        const auto results = setup.run();
        ASSERT_EQ(results.situations.size(), 2u);
        EXPECT_NEAR(results.situations[0].point, precision == 0 ? -0.1 : 359.9, 1e-9);
        EXPECT_NEAR(results.situations[0].moment, kSpanStart + 16.8 + 3.0, 1e-6);
        EXPECT_EQ(results.situations[1].radix, 3);
        EXPECT_NEAR(results.situations[1].moment, kChosenStart + 2.4 + 3.0, 1e-6);
    }
}

TEST(ComputeTransits, CuspsOnlyWithHousesAndSkippedTransitingBodies) {
    SkyChart setup;
    setup.natal[17].longitude = 100.75;  // the Sun passes it at 18:00 UT on 15 June
    EXPECT_EQ(setup.run().situations.size(), 2u);
    setup.natal.housesUnavailable = 0;
    const auto results = setup.run();
    ASSERT_EQ(results.situations.size(), 3u);
    EXPECT_EQ(results.situations[2].radix, 17);
    EXPECT_NEAR(results.situations[2].moment, kChosenStart + 18.0 + 3.0, 1e-9);
    // A natal Moon at 380 or more takes the Moon out as a transiting body (its point at 20
    // stays a point for the others).
    setup.natal[2].longitude = 380.0;
    for (const auto& record : setup.run().situations) EXPECT_NE(record.body, 2);
}

TEST(ComputeTransits, AutomaticGreenwichTakesTheChangeInForceAndKeepsTheLastOffsetBeforeAll) {
    SkyChart setup;
    TimeChangeBase changes;
    TimeChange change;
    change.day = 15;
    change.month = 6;
    change.year = 2024;
    change.hour = 10;
    change.difference = 4;
    changes.add(change);
    setup.request.timeChanges = &changes;
    setup.request.autoGreenwich = true;
    setup.request.moscowDifference = -1.5;
    // The Moon now passes 50 at 05:00 UT on 15 June, before the change; in the step of that
    // day it is noted after the Sun, whose passage at 12:00 UT follows the change.
    Sky sky;
    sky.moon0 = 50.0 - 13.0 * 29.0 / 24.0;
    setup.request.positions = sky.positions();
    const auto results = setup.run();
    ASSERT_EQ(results.situations.size(), 2u);
    EXPECT_NEAR(results.situations[1].moment, kChosenStart + 12.0 + 4.0 - 1.5, 1e-9);
    // Before every change: the offset of the record before it stays, not the Greenwich one.
    EXPECT_EQ(results.situations[0].body, 2);
    EXPECT_NEAR(results.situations[0].moment, kChosenStart + 5.0 + 4.0 - 1.5, 1e-9);

    // With only the Moon's record before the change, it keeps the Greenwich difference.
    setup.natal[1].longitude = 390.0;
    const auto alone = setup.run();
    ASSERT_EQ(alone.situations.size(), 1u);
    EXPECT_NEAR(alone.situations[0].moment, kChosenStart + 5.0 + 3.0, 1e-9);
}

TEST(ComputeTransits, DamagedTimeChangesPassedOverAreNamedOnce) {
    SkyChart setup;
    TimeChangeBase changes;
    // Day, month, year, hour, minute, second, reserved, instant, difference.
    changes.add({1, 1, 2024, 0, 0, 0, 0.0, 0.0, 3});
    changes.add({1, 3, 2024, 0, 0, 0, 0.0, 0.0, -100000});
    setup.request.timeChanges = &changes;
    setup.request.autoGreenwich = true;
    const auto results = setup.run();
    EXPECT_EQ(results.skippedTimeChanges, std::vector<int>{1});
    EXPECT_FALSE(results.situations.empty());
}

TEST(ComputeTransits, AnIndexOutsideTheListKeepsTheStepsOfTheRunBefore) {
    EXPECT_EQ(TransitRequest::stepsPerDay(5), 8);
    EXPECT_EQ(TransitRequest::stepsPerDay(8), 0);
    SkyChart setup;
    int computations = 0;
    const auto sky = Sky{}.positions();
    setup.request.positions = [&](Date date, int hour, ChartData& out) {
        ++computations;
        return sky(date, hour, out);
    };
    setup.request.precisionIndex = 4;  // 6 a day: 3 days of 6 steps and the first positions
    setup.run();
    EXPECT_EQ(computations, 19);
    computations = 0;
    setup.request.precisionIndex = -1;
    setup.run();
    EXPECT_EQ(computations, 19);
}

TEST(ComputeTransits, AStepWithoutPositionsEndsTheRun) {
    SkyChart setup;
    setup.request.positions = [](Date, int, ChartData&) { return false; };
    TransitResults results;
    EXPECT_FALSE(ComputeTransits(setup.request, results));
    EXPECT_TRUE(results.positionsFailed);
    EXPECT_TRUE(results.situations.empty());
}

}  // namespace
}  // namespace orvanta
