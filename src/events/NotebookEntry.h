#pragma once

#include <string>

#include "events/TransitSituation.h"

namespace orvanta {

// One observation of the notebook: the situation it was written against and its text (UTF-8,
// line breaks as CR LF).
struct NotebookEntry {
    TransitSituation situation;
    std::string text;

    // The same situation: the very same moment, transiting body, aspect and natal object.
    static bool sameSituation(const TransitSituation& a, const TransitSituation& b) {
        return a.moment == b.moment && a.body == b.body && a.aspectIndex == b.aspectIndex &&
               a.radix == b.radix;
    }
    bool isFor(const TransitSituation& other) const { return sameSituation(situation, other); }
};

}  // namespace orvanta
