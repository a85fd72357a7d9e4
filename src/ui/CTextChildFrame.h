#pragma once

#include <QWidget>
#include <memory>

#include "ui/OpenChart.h"

namespace orvanta {

class CTextView;

// The interpretation text window of a chart: a frame around its one text view.
class CTextChildFrame : public QWidget {
    Q_OBJECT
  public:
    explicit CTextChildFrame(std::shared_ptr<OpenChart> chart, QWidget* parent = nullptr);

    OpenChart& chart() { return *chart_; }
    std::shared_ptr<OpenChart> sharedChart() const { return chart_; }
    CTextView* view() const { return view_; }

  private:
    std::shared_ptr<OpenChart> chart_;
    CTextView* view_ = nullptr;
};

}  // namespace orvanta
