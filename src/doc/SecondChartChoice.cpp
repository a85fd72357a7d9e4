#include "doc/SecondChartChoice.h"

#include "natal/CompositeChart.h"

namespace orvanta {

SecondChartChoice::SecondChartChoice(Purpose purpose, const BirthData& first,
                                     std::vector<Offer> others)
    : purpose_(purpose), first_(first), others_(std::move(others)) {}

std::string SecondChartChoice::dialogTitle() const {
    switch (purpose_) {
        case Purpose::Synastry:
            return "Синастрия";
        case Purpose::Composite:
            return "Композит";
        case Purpose::Davison:
            break;
    }
    return "Карта Дэвисона";
}

std::vector<std::string> SecondChartChoice::entries() const {
    std::vector<std::string> entries;
    entries.reserve(others_.size() + 1);
    for (const Offer& offer : others_) {
        const std::string& name = offer.birth.name;
        entries.push_back(name.empty() || name == offer.title ? offer.title
                                                              : offer.title + " — " + name);
    }
    entries.emplace_back(kFileEntry);
    return entries;
}

std::optional<std::size_t> SecondChartChoice::chartOf(std::size_t entry) const {
    if (entry >= others_.size()) return std::nullopt;
    return entry;
}

std::optional<std::string> SecondChartChoice::refusal(const BirthData& second) const {
    if (purpose_ != Purpose::Davison) return std::nullopt;
    if (CompositeChart::isComposite(first_) || CompositeChart::isComposite(second))
        return std::string(kNoMomentMessage);
    return std::nullopt;
}

}  // namespace orvanta
