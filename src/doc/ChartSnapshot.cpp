#include "doc/ChartSnapshot.h"

#include "common/FormatError.h"
#include "doc/MapFile.h"

namespace orvanta {

std::vector<std::uint8_t> ChartSnapshot::of(const CZodiacDoc& doc) {
    try {
        return MapFile::serialize(doc.natal());
    } catch (const FormatError&) {
        return {};
    }
}

}  // namespace orvanta
