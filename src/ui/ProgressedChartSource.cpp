#include "ui/ProgressedChartSource.h"

namespace orvanta {
namespace {

Date birthDate(const OpenChart& chart) {
    const BirthData& birth = chart.doc().natal().birth;
    return {birth.day, birth.month, birth.year};
}

}  // namespace

ProgressedChartSource::ProgressedChartSource(std::shared_ptr<OpenChart> natal,
                                             std::shared_ptr<const Ephemeris> ephemeris,
                                             Method method, Date target)
    : natal_(std::move(natal)),
      ephemeris_(std::move(ephemeris)),
      method_(method),
      date_(target, birthDate(*natal_)),
      moved_{natal_->doc().natal()} {
    connect(natal_.get(), &OpenChart::viewsUpdated, this, [this](int hint) {
        // A natal chart that can no longer be moved keeps the last moved positions.
        if (hint & CZodiacDoc::kHintNatal) recompute();
    });
}

QString ProgressedChartSource::title() const {
    const Date date = target();
    return QString("%1 на %2.%3.%4 — %5")
        .arg(method_ == Method::SolarArc ? "Дирекции" : "Прогрессии")
        .arg(date.day, 2, 10, QChar('0'))
        .arg(date.month, 2, 10, QChar('0'))
        .arg(date.year, 4, 10, QChar('0'))
        .arg(QString::fromStdString(first().birth.name));
}

bool ProgressedChartSource::recompute() {
    auto moved = ProgressedChart::of(*ephemeris_, first(), target(), method_);
    if (!moved) return false;
    moved_ = std::move(*moved);
    emit changed();
    return true;
}

bool ProgressedChartSource::step(int direction) {
    const ForecastDate before = date_;
    if (!date_.step(unit_, direction)) return false;
    if (recompute()) return true;
    date_ = before;
    return false;
}

}  // namespace orvanta
