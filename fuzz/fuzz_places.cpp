// "Place.PLB": every place read lies on the globe, and the base writes back to its bytes.
#include "FuzzInput.h"
#include "birthdata/PlaceBase.h"
#include "common/FormatError.h"

using namespace orvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::silenceMessages();
    std::vector<PlaceRecord> places;
    try {
        places = PlaceBase::fromBytes(fuzz::bytesOf(data, size));
    } catch (const FormatError&) {
        return 0;
    }
    PlaceBase base;
    for (const auto& place : places) {
        fuzz::require(place.latitude >= -90.0 && place.latitude <= 90.0);
        fuzz::require(place.longitude >= -180.0 && place.longitude <= 180.0);
        fuzz::require(base.append(place));
        base.find(place.name);
    }
    const auto written = base.toBytes();
    fuzz::require(written.has_value() && *written == std::vector<std::uint8_t>(data, data + size));
    return 0;
}
