#pragma once

#include <QObject>
#include <QString>

#include "natal/NatalChart.h"

namespace orvanta {

// The two charts a bi-wheel window shows, whatever keeps them: two open documents for a
// synastry, or a chart and positions worked from it. The window draws inner() inside the
// wheel and down the table's side, outer() on the outer ring and across the top.
class TwoChartSource : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    virtual const NatalChart& first() const = 0;
    virtual const NatalChart& second() const = 0;
    // The window's title.
    virtual QString title() const = 0;

    const NatalChart& inner() const { return swapped_ ? second() : first(); }
    const NatalChart& outer() const { return swapped_ ? first() : second(); }
    bool isSwapped() const { return swapped_; }
    // Inside goes outside and the other way round.
    void swap();

  signals:
    // The positions or the title changed: the window repaints and retitles.
    void changed();

  private:
    bool swapped_ = false;
};

}  // namespace orvanta
