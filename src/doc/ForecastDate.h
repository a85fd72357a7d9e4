#pragma once

#include "calc/Calendar.h"

namespace orvanta {

// The target date of a progressed or directed chart as "± шаг" moves it. A step of years or
// months keeps the day of the month the user chose, held to the month's length (31 January,
// a month on, is 28 or 29 February, and a month later 31 March again); a step of days moves
// the date by one day and makes the new day the one kept.
class ForecastDate {
  public:
    enum class Unit { Year, Month, Day };

    // Steps never go before `earliest` (the birth date) nor outside the calendar's years.
    ForecastDate(Date date, Date earliest);

    Date date() const { return date_; }
    // Moves by one unit forward (direction > 0) or back; false, the date unchanged, when the
    // step would leave the allowed dates.
    bool step(Unit unit, int direction);

  private:
    Date moved(Unit unit, int direction) const;

    Date date_;
    Date earliest_;
    int keptDay_;
};

}  // namespace orvanta
