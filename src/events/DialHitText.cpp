#include "events/DialHitText.h"

#include <algorithm>
#include <cmath>

#include "calc/Calendar.h"

namespace orvanta {
namespace {

std::string nameOf(const ChartData& objects, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= objects.objects.size()) return "?";
    return objects.style[index].name;
}

std::string degrees(double angle) {
    return std::to_string(static_cast<int>(std::lround(angle))) + "°";
}

}  // namespace

std::string DialHitText::situationLine(const TransitSituation& record, const Names& names) {
    std::string aspect = "аспект " + degrees(record.aspectAngle);
    if (record.aspectIndex >= 0 && record.aspectIndex < kAspectCount) {
        const std::string& label =
            names.aspects[static_cast<std::size_t>(record.aspectIndex)].label;
        if (!label.empty()) aspect += " (" + label + ")";
    }
    return "Транзит: " + nameOf(names.transitBodies, record.body) + " · " + aspect +
           " · натальная точка: " + nameOf(names.natal, record.radix);
}

// The range shown on the dial: the exact moment minus and plus half the duration, within the day.
std::string DialHitText::spanLine(const TransitSituation& record, const TransitDay& day) {
    const double middle = record.moment - day.start();
    const double from = std::clamp(middle - record.duration / 2.0, 0.0, 24.0);
    const double to = std::clamp(middle + record.duration / 2.0, 0.0, 24.0);
    return "Точно в " + TransitDay::timeText(middle) + ", с " + TransitDay::timeText(from) +
           " до " + TransitDay::timeText(to) + " (" + Calendar::durationWords(record.duration) +
           ")";
}

std::string DialHitText::describe(const DialLayout::Hit& hit, const TransitDay& day,
                                  const Names& names) {
    using Kind = DialLayout::Hit::Kind;
    const auto& list = hit.kind == Kind::Situation ? day.situations()
                       : hit.kind == Kind::Moon    ? day.moon()
                                                   : day.orbTransits();
    if (hit.record < 0 || static_cast<std::size_t>(hit.record) >= list.size()) return {};
    const TransitSituation& record = *list[static_cast<std::size_t>(hit.record)];
    if (hit.kind != Kind::Orb) return situationLine(record, names) + "\n" + spanLine(record, day);
    // A ring holds every orb transit of its aspect.
    std::string text = "В орбисе весь день:";
    for (const TransitSituation* other : list) {
        if (other->aspectIndex == record.aspectIndex) text += "\n" + situationLine(*other, names);
    }
    return text;
}

}  // namespace orvanta
