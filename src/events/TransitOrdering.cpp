#include "events/TransitOrdering.h"

#include <algorithm>
#include <iterator>

namespace orvanta {

void TransitOrdering::sort(TransitList& list) {
    // Everything ahead of `next` is already in order. The list once started behind a head
    // record of moment 0; that head never moved the first record, so the first stays first.
    for (auto next = list.begin(); next != list.end(); ++next) {
        if (next == list.begin() || !(next->moment < std::prev(next)->moment)) continue;
        const auto place = std::lower_bound(
            list.begin(), next, next->moment,
            [](const TransitSituation& record, double moment) { return record.moment < moment; });
        std::rotate(place, next, std::next(next));
    }
}

}  // namespace orvanta
