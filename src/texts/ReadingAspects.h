#pragma once

#include <array>
#include <string>

#include "calc/AspectSetting.h"
#include "calc/ChartData.h"
#include "natal/ChartSummary.h"
#include "texts/ReadingTexts.h"
#include "texts/ReadingWords.h"

namespace orvanta {

// The aspect part of the full reading: the aspects strongest first, each with its orb, the
// theme of its pair and a sentence of its family (harmonious, tense, conjunction) whose
// variants take turns, so that no sentence comes twice.
class ReadingAspects {
  public:
    enum class Family { Harmonious, Tense, Conjunction };

    ReadingAspects(const ReadingTexts& texts, const ChartData& chart,
                   const NatalAspectTable& aspects, const ChartSummary& summary,
                   const ReadingWords& words);

    static Family familyOf(double angle);

    // "квадратура"; an angle the library does not name reads as "аспект 51°25′".
    std::string aspectName(const RankedAspect& aspect) const;
    // What the pair of objects speaks of, from the pair's own entry or else from the two
    // objects' own themes.
    std::string pairTheme(int first, int second) const;
    int count(Family family) const;

    // The paragraphs of the section, LF-wrapped, without its heading.
    std::string section();

  private:
    std::string describe(const RankedAspect& aspect);
    std::string listed(const RankedAspect& aspect) const;

    const ReadingTexts& texts_;
    const ChartData& chart_;
    const NatalAspectTable& aspects_;
    const ChartSummary& summary_;
    const ReadingWords& words_;
    std::array<int, 3> used_{};                      // by family
    std::array<std::array<int, 3>, 2> angleUsed_{};  // Ascendant and Midheaven, by family
    int generationUsed_ = 0;
};

}  // namespace orvanta
