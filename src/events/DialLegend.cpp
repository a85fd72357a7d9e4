#include "events/DialLegend.h"

#include <array>
#include <cmath>

namespace orvanta {

std::string DialLegend::aspectText(const AspectSetting& aspect) {
    std::string text = std::to_string(static_cast<int>(std::lround(aspect.angle))) + "°";
    if (!aspect.label.empty() && aspect.label != AspectSetting::kDefaultLabel) {
        text += " — " + aspect.label;
    }
    return text;
}

std::vector<DialLegend::Row> DialLegend::rows(const TransitAspectTable& aspects,
                                              const TransitDay& day) {
    std::vector<Row> rows = {
        {false, 0, "Дуги: транзитные ситуации дня, от начала до конца действия, по часам"},
        {false, 0, "Секторы: ситуации транзитной Луны"},
        {false, 0, "Внешние кольца: орбисные транзиты дальних планет, весь день"},
        {false, 0, "Цвет — аспект:"},
    };
    std::array<bool, kAspectCount> present{};
    for (const auto* list : {&day.situations(), &day.moon(), &day.orbTransits()}) {
        for (const TransitSituation* record : *list) {
            if (record->aspectIndex >= 0 && record->aspectIndex < kAspectCount) {
                present[static_cast<std::size_t>(record->aspectIndex)] = true;
            }
        }
    }
    for (std::size_t i = 0; i < present.size(); ++i) {
        if (present[i]) rows.push_back({true, aspects[i].colour, aspectText(aspects[i])});
    }
    if (rows.size() == 4) rows.push_back({false, 0, "в этот день ситуаций нет"});
    return rows;
}

}  // namespace orvanta
