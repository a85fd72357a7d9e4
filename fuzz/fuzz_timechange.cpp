// "Timechg.tch": what the lookup answers is a valid change with a difference of 0 to 6 hours.
#include "FuzzInput.h"
#include "birthdata/TimeChangeBase.h"
#include "common/FormatError.h"

using namespace orvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::silenceMessages();
    TimeChangeBase base;
    const auto path = fuzz::scratchFile("Timechg.tch", data, size);
    if (base.load(path) != LoadStatus::Loaded) return 0;
    fuzz::require(base.toBytes() == std::vector<std::uint8_t>(data, data + size));
    base.listLines();
    for (const int year : {1860, 1930, 1991, 2011, 2130}) {
        const auto answer = base.find(15, 6, year, 12, 0);
        if (answer.change) {
            fuzz::require(answer.change->isValid() && answer.change->difference <= 6);
        }
        for (const int index : answer.skipped)
            fuzz::require(!base.records()[static_cast<std::size_t>(index)].isValid());
        base.skippedWarning(answer.skipped);
    }
    base.sort(0);
    if (base.size() > 0) base.remove(base.size() / 2);
    return 0;
}
