#pragma once

#include <memory>

#include "ui/OpenChart.h"
#include "ui/TwoChartSource.h"

namespace orvanta {

// Two open charts side by side, as the synastry window shows them: it follows the natal
// hints and the titles of both.
class OpenChartPair : public TwoChartSource {
    Q_OBJECT
  public:
    OpenChartPair(std::shared_ptr<OpenChart> first, std::shared_ptr<OpenChart> second);

    const NatalChart& first() const override { return first_->doc().natal(); }
    const NatalChart& second() const override { return second_->doc().natal(); }
    // "Синастрия: A и B", the inner chart's name first.
    QString title() const override;

    const std::shared_ptr<OpenChart>& firstChart() const { return first_; }
    const std::shared_ptr<OpenChart>& secondChart() const { return second_; }
    bool pairs(const OpenChart& first, const OpenChart& second) const;

  private:
    void follow(OpenChart& chart);

    std::shared_ptr<OpenChart> first_;
    std::shared_ptr<OpenChart> second_;
};

}  // namespace orvanta
