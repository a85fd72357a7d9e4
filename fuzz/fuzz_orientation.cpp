// "Default.rnd": one line in 100 bytes.
#include <cmath>

#include "FuzzInput.h"
#include "common/FormatError.h"
#include "doc/OrientationFile.h"

using namespace orvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::silenceMessages();
    OrientationFile::Setting setting;
    try {
        setting = OrientationFile::parse(fuzz::bytesOf(data, size));
    } catch (const FormatError&) {
        return 0;
    }
    fuzz::require(setting.direction == 0 || setting.direction == 1);
    fuzz::require(setting.start >= 0 && setting.start <= 2 && std::isfinite(setting.angle));
    try {
        OrientationFile::format(setting);
    } catch (const FormatError&) {
        // An angle too long for the file is refused when writing, as it should be.
    }
    return 0;
}
