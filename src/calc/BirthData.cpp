#include "calc/BirthData.h"

#include "calc/Calendar.h"

namespace orvanta {

void BirthData::deriveGreenwich(double zoneHours) {
    const DateTime ut = Calendar::hourShift(-zoneHours, {hour, minute, day, month, year});
    gmtDay = ut.day;
    gmtMonth = ut.month;
    gmtYear = ut.year;
    gmtHour = ut.hour;
    gmtMinute = ut.minute;
    diffGreenwich = zoneHours;
}

}  // namespace orvanta
