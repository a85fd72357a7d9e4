#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "events/TransitCalendar.h"
#include "support/SkySampling.h"
#include "support/SwissSky.h"

namespace orvanta {
namespace {

using testing::SwissSky;
using Kind = CalendarEvent::Kind;

constexpr double kSecond = 1.0 / 86400.0;

// Every hit stands on its target, and no meeting of a target in the period is missing: the
// counts match a sampling twenty times denser than the search's step.
void expectEveryHitFound(const SwissSky& sky, const CalendarRequest& request,
                         const std::vector<CalendarEvent>& events) {
    for (const int body : request.bodies) {
        const auto track = testing::sampledLongitudes(sky, body, request.from, request.to,
                                                      BodyTrack::stepFor(body) / 20.0);
        for (const auto& point : request.points) {
            for (const auto& aspect : request.aspects) {
                for (const int side : {1, -1}) {
                    if (side < 0 && (aspect.angle == 0.0 || aspect.angle == 180.0)) continue;
                    const double target = point.longitude + side * aspect.angle;
                    const auto found =
                        std::count_if(events.begin(), events.end(), [&](const auto& e) {
                            return e.kind == Kind::Aspect && e.body == body &&
                                   e.point == point.number && e.aspectAngle == aspect.angle &&
                                   e.side == side;
                        });
                    EXPECT_EQ(found, testing::meetings(track, target))
                        << "body " << body << " point " << point.number << " at " << target;
                }
            }
        }
    }
    for (const auto& e : events) {
        if (e.kind != Kind::Aspect) continue;
        const auto point = std::find_if(request.points.begin(), request.points.end(),
                                        [&](const auto& p) { return p.number == e.point; });
        const double target = point->longitude + e.side * e.aspectAngle;
        EXPECT_NEAR(testing::degreesPast(sky.body(e.body, e.time)->longitude, target), 0.0, 1e-5);
    }
}

std::vector<CalendarEvent> ofBody(const std::vector<CalendarEvent>& events, Kind kind, int body) {
    std::vector<CalendarEvent> chosen;
    for (const auto& e : events) {
        if (e.kind == kind && e.body == body) chosen.push_back(e);
    }
    return chosen;
}

// Saturn turned at the start of Aries in 2025: forward into Aries in May, retrograde in July,
// back into Pisces in September, direct in November, into Aries again in February 2026. A
// point at 29 Sagittarius is squared at 29 Pisces three times within one stay in an 8 degree
// orb (the loop spans 25 Pisces to 2 Aries).
TEST(TransitCalendarRealSkyTest, SaturnLoopGivesThreePassesTwoStationsAndIngressesBackAndForth) {
    const SwissSky sky;
    const CalendarRequest request{SwissSky::julianDay(1, 1, 2025),
                                  SwissSky::julianDay(1, 6, 2026),
                                  {Bodies::Saturn},
                                  {{1, 269.0}},
                                  {{90.0, 8.0}}};
    const auto events = TransitCalendar(sky, request).run();
    expectEveryHitFound(sky, request, events);

    const auto squares = ofBody(events, Kind::Aspect, Bodies::Saturn);
    ASSERT_EQ(squares.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(squares[static_cast<std::size_t>(i)].pass, i + 1);
        EXPECT_EQ(squares[static_cast<std::size_t>(i)].passes, 3);
        EXPECT_EQ(squares[static_cast<std::size_t>(i)].retrograde, i == 1);
    }
    const auto stations = ofBody(events, Kind::Station, Bodies::Saturn);
    ASSERT_EQ(stations.size(), 2u);
    EXPECT_TRUE(stations[0].retrograde);
    EXPECT_FALSE(stations[1].retrograde);
    for (const auto& station : stations) {
        EXPECT_LT(sky.body(Bodies::Saturn, station.time - kSecond)->speed *
                      sky.body(Bodies::Saturn, station.time + kSecond)->speed,
                  0.0);
    }
    const auto ingresses = ofBody(events, Kind::Ingress, Bodies::Saturn);
    ASSERT_EQ(ingresses.size(), 3u);
    const int signs[] = {1, 12, 1};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(ingresses[i].sign, signs[i]);
        EXPECT_EQ(ingresses[i].retrograde, i == 1);
        EXPECT_NEAR(testing::degreesPast(sky.body(Bodies::Saturn, ingresses[i].time)->longitude, 0),
                    0.0, 1e-5);
    }
    // Stations and ingresses in the order the loop makes them.
    EXPECT_LT(ingresses[0].time, stations[0].time);
    EXPECT_LT(stations[0].time, ingresses[1].time);
    EXPECT_LT(ingresses[1].time, stations[1].time);
    EXPECT_LT(stations[1].time, ingresses[2].time);
}

TEST(TransitCalendarRealSkyTest, MoonCrossesZeroAriesOnceAMonthOnTheDot) {
    const SwissSky sky;
    const CalendarRequest request{SwissSky::julianDay(1, 3, 2024),
                                  SwissSky::julianDay(1, 5, 2024),
                                  {Bodies::Moon},
                                  {{2, 0.0}},
                                  {{0.0, 6.0}}};
    const auto events = TransitCalendar(sky, request).run();
    expectEveryHitFound(sky, request, events);

    const auto hits = ofBody(events, Kind::Aspect, Bodies::Moon);
    ASSERT_GE(hits.size(), 2u);  // a sidereal month is 27.3 days
    std::vector<double> intoAries;
    for (const auto& e : ofBody(events, Kind::Ingress, Bodies::Moon)) {
        if (e.sign == 1) intoAries.push_back(e.time);
    }
    ASSERT_EQ(intoAries.size(), hits.size());
    for (std::size_t i = 0; i < hits.size(); ++i) {
        EXPECT_NEAR(intoAries[i], hits[i].time, 1e-3 * kSecond);
        // The Moon at 13 degrees a day takes half a day to cross 6 degrees either side.
        // (11.8 to 15.4 degrees a day: 0.78 to 1.02 days).
        EXPECT_GT(hits[i].orbTo - hits[i].orbFrom, 0.77);
        EXPECT_LT(hits[i].orbTo - hits[i].orbFrom, 1.03);
    }
}

// Without houses the chart's own bodies are the only points; the fast planets then hit every
// one of them on both sides of the five major aspects.
TEST(TransitCalendarRealSkyTest, ChartWithoutHousesFindsEveryHitOnItsBodies) {
    const SwissSky sky;
    ChartData natal;
    natal.housesUnavailable = 1;
    for (int number = 1; number <= Bodies::kLastCusp; ++number) {
        natal[number].longitude = std::fmod(number * 37.3, 360.0);
    }
    CalendarRequest request{SwissSky::julianDay(1, 1, 2030),
                            SwissSky::julianDay(1, 1, 2031),
                            {Bodies::Sun, Bodies::Mercury, Bodies::Mars},
                            CalendarRequest::pointsOf(natal),
                            {{0.0, 8.0}, {60.0, 4.0}, {90.0, 6.0}, {120.0, 6.0}, {180.0, 8.0}}};
    ASSERT_EQ(request.points.size(), 16u);
    const auto events = TransitCalendar(sky, request).run();
    expectEveryHitFound(sky, request, events);
}

}  // namespace
}  // namespace orvanta
