#include "texts/Interpretation.h"

#include "texts/NatalInterpretation.h"

namespace orvanta {

bool Interpretation::refresh(const TextLibrary& library, const NatalChart& natal) {
    if (!outOfDate_) return false;
    auto result = NatalInterpretation(library).build(natal.birth, natal.chart, natal.aspects);
    text_ = std::move(result.text);
    complete_ = result.complete;
    message_ = std::move(result.message);
    outOfDate_ = false;
    return true;
}

}  // namespace orvanta
