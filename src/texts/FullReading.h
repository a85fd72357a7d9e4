#pragma once

#include <string>

#include "calc/AspectSetting.h"
#include "calc/BirthData.h"
#include "calc/ChartData.h"
#include "texts/TextLibrary.h"

namespace orvanta {

// "Подробный разбор": a reading of the natal chart assembled from the files FULL.txt,
// FULL_PL.txt and FULL_ASP.txt of the text library. The birth data and positions come first,
// then the overview (elements and modes, dominant planets, shape, patterns, retrograde
// planets, main themes), the angles, each planet in its sign and house, the nodal axis and
// the aspects ranked by strength. Every sentence states only what the chart shows: texts
// that depend on a fact are chosen by the program, never left for the reader to check.
class FullReading {
  public:
    struct Result {
        std::string text;       // UTF-8, LF line ends
        bool complete = false;  // false after a missing library file
        std::string message;    // when not complete: what the user is told of the missing file
    };

    // Major aspects described in full, and minor ones; the rest are only listed.
    static constexpr int kDescribedMajor = 12;
    static constexpr int kDescribedMinor = 3;

    explicit FullReading(const TextLibrary& library);

    Result build(const BirthData& birth, const ChartData& chart,
                 const NatalAspectTable& aspects) const;

    // The reading as a Windows-1251 file takes it: CR LF, and the minute sign, which the code
    // page lacks, as an apostrophe ("10°48'").
    static std::string forCodePage(const std::string& text);

  private:
    const TextLibrary& library_;
};

}  // namespace orvanta
