#pragma once

#include <QWidget>

#include "ui/OpenChart.h"

namespace orvanta {

// The legend beside the event chart's dial, redrawn from the document with the dial.
class DialLegendView : public QWidget {
    Q_OBJECT
  public:
    explicit DialLegendView(OpenChart& chart, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {230, 200}; }

    // Whether event chart windows show the legend; the choice outlives the windows.
    static bool shown() { return shown_; }
    static void setShown(bool shown) { shown_ = shown; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    OpenChart& chart_;
    static inline bool shown_ = true;
};

}  // namespace orvanta
