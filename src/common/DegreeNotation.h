#pragma once

namespace orvanta {

// How positions in a sign are written: decimal degrees ("22.10") or degrees and minutes
// ("22°06′"), a choice of the user kept in the program's settings.
enum class DegreeNotation { Decimal, DegreesMinutes };

}  // namespace orvanta
