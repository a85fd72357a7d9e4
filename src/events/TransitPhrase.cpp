#include "events/TransitPhrase.h"

#include "calc/Calendar.h"
#include "events/TransitDay.h"

namespace orvanta {
namespace {

constexpr std::string_view kAroundDuration = " - время середины диапазона длительностью около ";
constexpr std::string_view kAttractsSphere =
    ", когда Ваше внимание притягивает сфера жизни, которая описывается словами:\r\n  ";
constexpr std::string_view kLeadsToState =
    "\r\n  Если Вы целиком погрузитесь в эту сферу, то Вам не избежать состояния, "
    "характеризующегося как:\r\n  ";
constexpr std::string_view kAffectsOtherSphere =
    "\r\n  Это состояние способно повлиять на дела другой сферы Вашей жизни, определяемой "
    "как:\r\n  ";
constexpr std::string_view kEventsBringState =
    ", когда текущие события жизни погружают Вас в состояние, характеризующееся как:\r\n  ";
constexpr std::string_view kAffectsSphere =
    "\r\n  Это состояние способно повлиять на дела в сфере Вашей жизни, определяемой как:\r\n  ";
constexpr std::string_view kForALongTime = "В течение продолжительного времени порядка ";
constexpr std::string_view kAttractsSphereLong =
    " Ваше внимание притягивает сфера жизни, которая описывается словами:\r\n  ";

}  // namespace

std::string TransitPhrase::timeOfDay(double moment) {
    return TransitDay::timeText(Calendar::dateFromHours(moment).hours);
}

std::string TransitPhrase::build(SituationKind kind, const TransitSituation& situation,
                                 const Labels& labels) {
    const std::string duration = Calendar::durationWords(situation.duration);
    std::string text;
    switch (kind) {
        case SituationKind::Day:
            text = timeOfDay(situation.moment);
            text.append(kAroundDuration).append(duration).append(kAttractsSphere);
            text.append(labels.body).append(kLeadsToState);
            break;
        case SituationKind::Moon:
            // The Moon's own label is not part of its phrase.
            text = timeOfDay(situation.moment);
            text.append(kAroundDuration).append(duration).append(kEventsBringState);
            text.append(labels.aspect).append(kAffectsSphere).append(labels.radix);
            return text;
        case SituationKind::Orb:
            // An orb transit holds for long, so its phrase names no time of day.
            text.append(kForALongTime).append(duration).append(kAttractsSphereLong);
            text.append(labels.body).append(kLeadsToState);
            break;
    }
    text.append(labels.aspect).append(kAffectsOtherSphere).append(labels.radix);
    return text;
}

TransitPhrase::Labels TransitPhrase::labelsOf(const TransitSituation& situation,
                                              const ChartData& transitBodies,
                                              const TransitAspectTable& aspects,
                                              const ChartData& natal) {
    return {transitBodies.style[situation.body].label,
            aspects[static_cast<std::size_t>(situation.aspectIndex)].label,
            natal.style[situation.radix].label};
}

std::string_view TransitPhrase::colourCaption(SituationKind kind) {
    switch (kind) {
        case SituationKind::Day:
            return "- цвет дуги на карте дня";
        case SituationKind::Moon:
            return "- цвет сектора на карте дня";
        case SituationKind::Orb:
            return "- цвет кольца на карте дня";
    }
    return {};
}

}  // namespace orvanta
