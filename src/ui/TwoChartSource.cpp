#include "ui/TwoChartSource.h"

namespace orvanta {

void TwoChartSource::swap() {
    swapped_ = !swapped_;
    emit changed();
}

}  // namespace orvanta
