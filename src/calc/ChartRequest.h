#pragma once

namespace orvanta {

// One moment and place to compute a chart for.
struct ChartRequest {
    int day = 1;
    int month = 1;
    int year = 2000;
    int hour = 0;  // 0 to 24; 24 is the next day's midnight
    int minute = 0;
    double timeZone = 0.0;   // hours local time is ahead of Universal Time
    double latitude = 0.0;   // north positive
    double longitude = 0.0;  // east positive
    int houseSystem = 0;     // 0 to 11, or -1 for a chart without houses
};

}  // namespace orvanta
