// The chart file ".map": whatever the reader accepts is written back and read again to the
// same bytes, and holds only values within the chart file's limits.
#include "FuzzInput.h"
#include "common/FormatError.h"
#include "doc/MapFile.h"
#include "doc/MapFileLimits.h"

using namespace orvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::silenceMessages();
    MapFile::Content content;
    try {
        content = MapFile::parse(fuzz::bytesOf(data, size));
    } catch (const FormatError&) {
        return 0;
    }
    MapFileLimits::checkBirth(content.birth);  // throws, and so aborts, on a value let past
    for (const auto& object : content.chart.objects) MapFileLimits::checkObject(object);
    for (int number = 1; number < Bodies::kObjectCount; ++number) {
        MapFileLimits::checkSignAgreement(content.chart[number]);
    }
    NatalChart natal;
    std::move(content).applyTo(natal);
    const auto written = MapFile::serialize(natal);
    NatalChart again;
    MapFile::parse(written).applyTo(again);
    fuzz::require(MapFile::serialize(again) == written);
    return 0;
}
