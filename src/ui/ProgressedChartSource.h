#pragma once

#include <memory>

#include "calc/Ephemeris.h"
#include "doc/ForecastDate.h"
#include "doc/ProgressedChart.h"
#include "ui/OpenChart.h"
#include "ui/TwoChartSource.h"

namespace orvanta {

// The natal chart inside and its progressed or directed positions outside, for a target date
// "± шаг" moves. The moved chart is worked again when the date moves or the natal chart
// changes; aspects between the two take the natal aspect table's orbs.
class ProgressedChartSource : public TwoChartSource {
    Q_OBJECT
  public:
    using Method = ProgressedChart::Method;

    // Call recompute() before showing it: until then the outer chart is the natal one.
    ProgressedChartSource(std::shared_ptr<OpenChart> natal,
                          std::shared_ptr<const Ephemeris> ephemeris, Method method, Date target);

    const NatalChart& first() const override { return natal_->doc().natal(); }
    const NatalChart& second() const override { return moved_.chart; }
    // "Прогрессии на DD.MM.YYYY — NAME" or "Дирекции на DD.MM.YYYY — NAME".
    QString title() const override;

    Method method() const { return method_; }
    Date target() const { return date_.date(); }
    const ProgressedChart::Moved& moved() const { return moved_; }
    ForecastDate::Unit stepUnit() const { return unit_; }
    void setStepUnit(ForecastDate::Unit unit) { unit_ = unit; }

    // Works the moved chart out for the target date; false, the chart as it was, when the
    // ephemeris cannot.
    bool recompute();
    // Moves the target date by the step unit forward (direction > 0) or back and redraws;
    // false, nothing changed, past the allowed dates or when the new date cannot be computed.
    bool step(int direction);

  private:
    std::shared_ptr<OpenChart> natal_;
    std::shared_ptr<const Ephemeris> ephemeris_;
    Method method_;
    ForecastDate date_;
    ForecastDate::Unit unit_ = ForecastDate::Unit::Year;
    ProgressedChart::Moved moved_;
};

}  // namespace orvanta
