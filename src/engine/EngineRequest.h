#pragma once

namespace orvanta::engine {

// A request after its texts have been read and checked.
struct EngineRequest {
    int houseSystem = 0;  // 0 to 11
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    double hoursToUniversal = 0.0;  // added to local time to give Universal Time
    double longitude = 0.0;         // east positive
    double latitude = 0.0;          // north positive
};

}  // namespace orvanta::engine
