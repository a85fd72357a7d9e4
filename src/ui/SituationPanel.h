#pragma once

#include <QWidget>

#include "doc/CZodiacDoc.h"
#include "events/TransitSituation.h"

namespace orvanta {

// The selected-situation panel of the analysis window: the three pictures, 18 units high, on
// a white box; empty while nothing is selected.
class SituationPanel : public QWidget {
  public:
    SituationPanel(const CZodiacDoc& doc, const bool& pictograms, QWidget* parent);

    void showSituation(const TransitSituation* situation);
    bool isShowing() const { return shown_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const CZodiacDoc& doc_;
    const bool& pictograms_;
    TransitSituation situation_;
    bool shown_ = false;
};

}  // namespace orvanta
