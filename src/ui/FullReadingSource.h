#pragma once

#include <optional>

#include "ui/OpenChart.h"
#include "ui/TextSource.h"

namespace orvanta {

// "Подробный разбор" of the chart, written from the text library. The document keeps no mark
// for it: the reading is out of date when the chart as it stands reads differently, which a
// build of well under 20 ms decides on every change. Saved as `text --full --cp1251` writes it.
class FullReadingSource : public TextSource {
  public:
    static constexpr const char* kUnsavedQuestion = "Текст разбора не сохранен. Сохранить?";

    explicit FullReadingSource(OpenChart& chart) : chart_(chart) {}

    bool isOutOfDate() const override;
    void refresh() override;
    const std::string& text() const override { return text_; }
    std::string fileText(const std::string& text, bool edited) const override;
    QString unsavedQuestion() const override { return kUnsavedQuestion; }

  private:
    struct Reading {
        std::string text;
        bool complete = false;
    };
    Reading build() const;

    OpenChart& chart_;
    bool written_ = false;
    std::string text_;
    // The reading that found the text out of date, kept for the refresh that follows.
    mutable std::optional<Reading> fresh_;
};

}  // namespace orvanta
