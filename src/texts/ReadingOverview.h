#pragma once

#include <string>
#include <utility>
#include <vector>

#include "calc/ChartData.h"
#include "natal/ChartSummary.h"
#include "texts/ReadingTexts.h"
#include "texts/ReadingWords.h"

namespace orvanta {

// The overview of the full reading: the balance of elements and modes, the dominant planets
// with the reasons that make them so, the shape, the patterns and the retrograde planets.
class ReadingOverview {
  public:
    ReadingOverview(const ReadingTexts& texts, const ChartData& chart, const ChartSummary& summary,
                    const ReadingWords& words);

    // The paragraphs, LF-wrapped and each followed by a blank line.
    std::string text();

  private:
    void paragraph(const std::string& text);
    void writeBalance();
    bool balanceNote(const std::string& key, const std::vector<int>& planets, int strong);
    void writeDominants();
    std::vector<std::string> reasonsOf(int planet) const;
    void writeShape();
    std::pair<int, int> occupiedArc(std::vector<int> planets) const;
    void writePatterns();
    std::string patternText(const AspectPattern& pattern) const;
    void writeRetrogrades();

    const ReadingTexts& texts_;
    const ChartData& chart_;
    const ChartSummary& summary_;
    const ReadingWords& words_;
    std::string out_;
};

}  // namespace orvanta
