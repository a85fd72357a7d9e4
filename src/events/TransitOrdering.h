#pragma once

#include "events/TransitSituation.h"

namespace orvanta {

// Puts a list in ascending order of moment the way the program always has: walking the list
// in its order, a record in order stays after its predecessor (also when the two are equal),
// and a record earlier than its predecessor moves in front of the first record whose moment
// is equal to or greater than its own, that is ahead of the records it equals.
class TransitOrdering {
  public:
    static void sort(TransitList& list);
};

}  // namespace orvanta
