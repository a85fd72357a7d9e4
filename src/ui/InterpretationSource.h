#pragma once

#include "ui/OpenChart.h"
#include "ui/TextSource.h"

namespace orvanta {

// The interpretation of the chart, kept by the document with its out-of-date mark. An unedited
// text is saved byte for byte; an edited one with CR LF.
class InterpretationSource : public TextSource {
  public:
    explicit InterpretationSource(OpenChart& chart) : chart_(chart) {}

    bool isOutOfDate() const override;
    void refresh() override;
    const std::string& text() const override;
    std::string fileText(const std::string& text, bool edited) const override;
    QString unsavedQuestion() const override;

  private:
    OpenChart& chart_;
};

}  // namespace orvanta
