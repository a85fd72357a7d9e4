#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "events/TransitCalendar.h"
#include "support/FakeSky.h"
#include "support/SkySampling.h"

namespace orvanta {
namespace {

using testing::FakeSky;
using Kind = CalendarEvent::Kind;

constexpr double kEpoch = FakeSky::kEpoch;
constexpr double kSecond = 1.0 / 86400.0;

CalendarRequest requestFor(std::vector<int> bodies, std::vector<CalendarRequest::Point> points,
                           std::vector<CalendarRequest::Aspect> aspects, double days) {
    return {kEpoch, kEpoch + days, std::move(bodies), std::move(points), std::move(aspects)};
}

std::vector<CalendarEvent> ofKind(const std::vector<CalendarEvent>& events, Kind kind) {
    std::vector<CalendarEvent> chosen;
    std::copy_if(events.begin(), events.end(), std::back_inserter(chosen),
                 [kind](const CalendarEvent& e) { return e.kind == kind; });
    return chosen;
}

// The loop body: 0.1 degree a day plus a loop of 5 degrees every 100 days. By hand: stations
// where cos(2 pi t / 100) = -0.1 * 100 / (2 pi 5) = -0.31831, t = 100 / (2 pi) * acos(-0.31831)
// = 30.1558 days and 100 - 30.1558 = 69.8442 days; the body stands at 107.755 and 102.245.
constexpr double kFirstStation = 30.1558;
constexpr double kSecondStation = 69.8442;

FakeSky loopSky(double start) {
    FakeSky sky;
    sky.set(Bodies::Saturn, start, 0.1, 5.0, 100.0);
    return sky;
}

TEST(TransitCalendarTest, StraightMotionHitsBothSidesOfASquareAndEntersEachSignOnce) {
    FakeSky sky;
    sky.set(Bodies::Sun, 5.0, 1.0);  // 5 degrees at the epoch, a degree a day
    const auto events =
        TransitCalendar(sky, requestFor({Bodies::Sun}, {{1, 100.0}}, {{90.0, 3.0}}, 200.0)).run();

    // By hand: the square points 10 and 190 are reached 5 and 185 days on, the orb of 3
    // degrees 3 days either side; the cusps 30 to 180 after 25, 55, ... 175 days.
    const auto aspects = ofKind(events, Kind::Aspect);
    ASSERT_EQ(aspects.size(), 2u);
    const double hits[] = {5.0, 185.0};
    const int sides[] = {-1, 1};
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_NEAR(aspects[i].time, kEpoch + hits[i], kSecond);
        EXPECT_EQ(aspects[i].side, sides[i]);
        EXPECT_NEAR(aspects[i].orbFrom, kEpoch + hits[i] - 3.0, 60 * kSecond);
        EXPECT_NEAR(aspects[i].orbTo, kEpoch + hits[i] + 3.0, 60 * kSecond);
        EXPECT_EQ(aspects[i].pass, 1);
        EXPECT_EQ(aspects[i].passes, 1);
        EXPECT_FALSE(aspects[i].retrograde);
    }
    const auto ingresses = ofKind(events, Kind::Ingress);
    ASSERT_EQ(ingresses.size(), 6u);
    for (std::size_t i = 0; i < ingresses.size(); ++i) {
        EXPECT_NEAR(ingresses[i].time, kEpoch + 25.0 + 30.0 * i, kSecond);
        EXPECT_EQ(ingresses[i].sign, static_cast<int>(i) + 2);
    }
    EXPECT_TRUE(ofKind(events, Kind::Station).empty());
    EXPECT_TRUE(std::is_sorted(events.begin(), events.end(),
                               [](const auto& a, const auto& b) { return a.time < b.time; }));
}

TEST(TransitCalendarTest, LoopGivesThreeNumberedPassesWithinOneStayAndTwoStations) {
    const FakeSky sky = loopSky(100.0);
    // Orb 3 around 105 holds the whole loop (102.245 to 107.755): one stay, three passes.
    const auto events =
        TransitCalendar(sky, requestFor({Bodies::Saturn}, {{1, 105.0}}, {{0.0, 3.0}}, 100.0)).run();
    const auto aspects = ofKind(events, Kind::Aspect);
    ASSERT_EQ(aspects.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const CalendarEvent& hit = aspects[static_cast<std::size_t>(i)];
        EXPECT_NEAR(std::remainder(sky.unwrapped(Bodies::Saturn, hit.time) - 105.0, 360.0), 0.0,
                    1e-5);
        EXPECT_EQ(hit.pass, i + 1);
        EXPECT_EQ(hit.passes, 3);
        EXPECT_EQ(hit.retrograde, i == 1);
        EXPECT_DOUBLE_EQ(hit.orbFrom, aspects[0].orbFrom);
        EXPECT_DOUBLE_EQ(hit.orbTo, aspects[0].orbTo);
    }
    // Entry at 102: 100 + 0.1 t + 5 sin(2 pi t / 100) = 102, solved by bisection on a pocket
    // calculator: t = 4.8870.
    EXPECT_NEAR(aspects[0].orbFrom, kEpoch + 4.8870, 60 * kSecond);

    const auto stations = ofKind(events, Kind::Station);
    ASSERT_EQ(stations.size(), 2u);
    EXPECT_NEAR(stations[0].time, kEpoch + kFirstStation, 1e-4);
    EXPECT_TRUE(stations[0].retrograde);
    EXPECT_NEAR(stations[1].time, kEpoch + kSecondStation, 1e-4);
    EXPECT_FALSE(stations[1].retrograde);
    // To the second: the speed has opposite signs a second either side.
    for (const auto& station : stations) {
        EXPECT_LT(sky.body(Bodies::Saturn, station.time - kSecond)->speed *
                      sky.body(Bodies::Saturn, station.time + kSecond)->speed,
                  0.0);
    }
}

// The passes are counted over the whole stay in orb, past the end of the period too; an orb
// smaller than the loop (102.245 to 107.755 round 105) makes each hit a stay of its own.
TEST(TransitCalendarTest, PassesAreCountedOverTheStayInOrb) {
    const struct {
        double days;
        double orb;
        std::vector<std::pair<int, int>> passes;
    } cases[] = {
        {60.0, 3.0, {{1, 3}, {2, 3}}},  // the third hit falls after the period
        {100.0, 1.0, {{1, 1}, {1, 1}, {1, 1}}},
    };
    const FakeSky sky = loopSky(100.0);
    for (const auto& c : cases) {
        const auto events =
            TransitCalendar(sky, requestFor({Bodies::Saturn}, {{1, 105.0}}, {{0.0, c.orb}}, c.days))
                .run();
        std::vector<std::pair<int, int>> passes;
        for (const auto& hit : ofKind(events, Kind::Aspect))
            passes.push_back({hit.pass, hit.passes});
        EXPECT_EQ(passes, c.passes) << c.days << " days, orb " << c.orb;
    }
}

// Ingresses back and forth over 0 Aries on a loop, and no hit missing for any target round
// the circle, for a slow looping body and a fast one: the counts match a sampling a hundred
// times denser than the search's step, and every hit stands on its target.
TEST(TransitCalendarTest, NoHitMissingRoundTheCircleAndAcrossZeroAries) {
    FakeSky sky;
    sky.set(Bodies::Saturn, 355.0, 0.1, 5.0, 100.0);
    sky.set(Bodies::Moon, 300.0, 13.2, 1.0, 27.0);
    std::vector<CalendarRequest::Point> points;
    for (int k = 0; k < 12; ++k) points.push_back({k + 1, 0.5 + 29.7 * k});
    const auto request = requestFor({Bodies::Moon, Bodies::Saturn}, points,
                                    {{0.0, 2.0}, {90.0, 2.0}, {120.0, 2.0}}, 120.0);
    const auto events = TransitCalendar(sky, request).run();

    for (const int body : {Bodies::Moon, Bodies::Saturn}) {
        const auto track = testing::sampledLongitudes(sky, body, request.from, request.to,
                                                      BodyTrack::stepFor(body) / 100.0);
        for (const auto& point : points) {
            for (const double offset : {0.0, 90.0, -90.0, 120.0, -120.0}) {
                const double target = std::fmod(point.longitude + offset + 360.0, 360.0);
                const auto found = std::count_if(events.begin(), events.end(), [&](const auto& e) {
                    return e.kind == Kind::Aspect && e.body == body && e.point == point.number &&
                           std::fabs(e.side * e.aspectAngle - offset) < 1e-9;
                });
                EXPECT_EQ(found, testing::meetings(track, target))
                    << "body " << body << " target " << target;
            }
        }
        for (int sign = 0; sign < 12; ++sign) {
            const auto found = std::count_if(events.begin(), events.end(), [&](const auto& e) {
                return e.kind == Kind::Ingress && e.body == body &&
                       std::fabs(testing::degreesPast(sky.body(body, e.time)->longitude,
                                                      30.0 * sign)) < 1e-5;
            });
            EXPECT_EQ(found, testing::meetings(track, 30.0 * sign));
        }
    }
    for (const auto& e : ofKind(events, Kind::Aspect)) {
        const double target =
            points[static_cast<std::size_t>(e.point - 1)].longitude + e.side * e.aspectAngle;
        EXPECT_NEAR(testing::degreesPast(sky.body(e.body, e.time)->longitude, target), 0.0, 1e-5);
    }
    // Saturn's loop from 355: forward into Aries, back into Pisces, forward into Aries again.
    std::vector<std::pair<int, bool>> saturnIngresses;
    for (const auto& e : ofKind(events, Kind::Ingress)) {
        if (e.body == Bodies::Saturn) saturnIngresses.push_back({e.sign, e.retrograde});
    }
    const std::vector<std::pair<int, bool>> expected = {{1, false}, {12, true}, {1, false}};
    EXPECT_EQ(saturnIngresses, expected);
}

TEST(TransitCalendarTest, MissingPositionIsReportedNotSkipped) {
    FakeSky sky;  // no motion set: the ephemeris knows no body
    TransitCalendar calendar(sky, requestFor({Bodies::Mars}, {{1, 10.0}}, {{0.0, 1.0}}, 10.0));
    EXPECT_THROW(calendar.run(), BodyTrack::Unavailable);
}

TEST(TransitCalendarTest, ProgressRisesToOneWithoutChangingTheResultAndFalseCancels) {
    FakeSky sky = loopSky(100.0);
    sky.set(Bodies::Sun, 5.0, 1.0);
    const auto request = requestFor({Bodies::Sun, Bodies::Saturn}, {{1, 105.0}, {2, 200.0}},
                                    {{0.0, 3.0}, {90.0, 2.0}}, 400.0);
    const auto plain = TransitCalendar(sky, request).run();

    std::vector<double> reports;
    TransitCalendar watched(sky, request);
    watched.setProgress([&reports](double done) {
        reports.push_back(done);
        return true;
    });
    const auto events = watched.run();
    ASSERT_EQ(events.size(), plain.size());
    for (std::size_t i = 0; i < events.size(); ++i) {
        EXPECT_EQ(events[i].time, plain[i].time);
        EXPECT_EQ(events[i].point, plain[i].point);
    }
    ASSERT_GT(reports.size(), 10u);
    EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end()));
    EXPECT_GT(reports.front(), 0.0);
    EXPECT_EQ(reports.back(), 1.0);

    // Stopped half-way: no list, and no report after the refusal.
    std::size_t asked = 0;
    TransitCalendar stopped(sky, request);
    stopped.setProgress([&asked](double done) {
        ++asked;
        return done < 0.5;
    });
    EXPECT_THROW(stopped.run(), TransitCalendar::Cancelled);
    EXPECT_LT(asked, reports.size());
}

}  // namespace
}  // namespace orvanta
