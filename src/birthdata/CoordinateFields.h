#pragma once

namespace orvanta {

// A latitude or longitude as the birth-data entry shows it: whole degrees, minutes and the
// hemisphere button (south or west when `negative`).
struct CoordinateFields {
    int degrees = 0;
    int minutes = 0;
    bool negative = false;

    // Degrees truncated, minutes rounded half away from zero, so 55.9999 shows as 55° 60'.
    static CoordinateFields fromValue(double value);
    // (degrees + minutes / 60), negated for south or west.
    double toValue() const;

    friend bool operator==(const CoordinateFields&, const CoordinateFields&) = default;
};

}  // namespace orvanta
