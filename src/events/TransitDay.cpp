#include "events/TransitDay.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "calc/Bodies.h"

namespace orvanta {

TransitDay::TransitDay(const TransitList& situations, const TransitList& orbTransits, Date date)
    : start_(Calendar::hoursSinceBase(date, 0.0)) {
    for (const TransitSituation& record : run(situations, start_)) {
        if (!record.isShown()) continue;
        (record.body == Bodies::Moon ? moon_ : situations_).push_back(&record);
    }
    for (const TransitSituation& record : run(orbTransits, start_)) {
        if (record.isShown()) orbTransits_.push_back(&record);
    }
}

std::span<const TransitSituation> TransitDay::run(const TransitList& list, double dayStart) {
    const auto atOrAfter = [&](double moment) {
        return std::find_if(list.begin(), list.end(),
                            [moment](const TransitSituation& r) { return r.moment >= moment; });
    };
    const auto first = atOrAfter(dayStart);
    const auto last = std::find_if(first, list.end(), [dayStart](const TransitSituation& r) {
        return r.moment >= dayStart + 24.0;
    });
    return {first, last};
}

std::string TransitDay::timeText(double hoursIntoDay) {
    int hours = static_cast<int>(hoursIntoDay);
    int minutes = Calendar::round((hoursIntoDay - hours) * 60.0);
    if (minutes == 60) {
        ++hours;
        minutes = 0;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%02dч%02dм", hours, minutes);
    return text;
}

}  // namespace orvanta
