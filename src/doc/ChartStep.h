#pragma once

namespace orvanta {

// The step by which the natal chart is moved forward or back; one day at first.
struct ChartStep {
    int years = 0;
    int months = 0;
    int days = 1;
    int hours = 0;
    int minutes = 0;
};

}  // namespace orvanta
