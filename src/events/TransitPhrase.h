#pragma once

#include <string>
#include <string_view>

#include "calc/AspectSetting.h"
#include "calc/ChartData.h"
#include "events/TransitSituation.h"

namespace orvanta {

// The three lists of the analysis window a situation can be selected from.
enum class SituationKind { Day = 1, Moon = 2, Orb = 3 };

// The interpretation of a selected transit situation, assembled from fixed Russian sentence
// pieces, the time of the middle of the range, the duration in words and three labels from
// the event chart settings. Texts are UTF-8 with the CR LF line breaks of the pieces.
class TransitPhrase {
  public:
    struct Labels {
        std::string body;    // the transiting body: a sphere of life
        std::string aspect;  // the aspect: a state
        std::string radix;   // the natal object: another sphere of life
    };

    static std::string build(SituationKind kind, const TransitSituation& situation,
                             const Labels& labels);
    // The labels of the situation's transiting body, aspect and natal object.
    static Labels labelsOf(const TransitSituation& situation, const ChartData& transitBodies,
                           const TransitAspectTable& aspects, const ChartData& natal);

    // Where the situation's colour is used on the event chart.
    static std::string_view colourCaption(SituationKind kind);

    // "09ч05м": the hours of the day at the moment; minutes that round to 60 count as the
    // next hour.
    static std::string timeOfDay(double moment);
};

}  // namespace orvanta
