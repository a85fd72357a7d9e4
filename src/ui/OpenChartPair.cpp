#include "ui/OpenChartPair.h"

#include "natal/DavisonChart.h"

namespace orvanta {

OpenChartPair::OpenChartPair(std::shared_ptr<OpenChart> first, std::shared_ptr<OpenChart> second)
    : first_(std::move(first)), second_(std::move(second)) {
    follow(*first_);
    follow(*second_);
}

void OpenChartPair::follow(OpenChart& chart) {
    connect(&chart, &OpenChart::viewsUpdated, this, [this](int hint) {
        if (hint & CZodiacDoc::kHintNatal) emit changed();
    });
    connect(&chart, &OpenChart::titleChanged, this, &TwoChartSource::changed);
}

QString OpenChartPair::title() const {
    return "Синастрия: " +
           QString::fromStdString(DavisonChart::bothNames(inner().birth, outer().birth));
}

bool OpenChartPair::pairs(const OpenChart& first, const OpenChart& second) const {
    return (first_.get() == &first && second_.get() == &second) ||
           (first_.get() == &second && second_.get() == &first);
}

}  // namespace orvanta
