// AAF files: whatever the reader makes of the bytes, each record it keeps gives birth data or
// a reason, never a crash, and birth data written back are read again as one record of the
// same moment.
#include "FuzzInput.h"
#include "birthdata/TimeChangeBase.h"
#include "doc/AafBirthData.h"
#include "doc/AafReader.h"
#include "doc/AafWriter.h"

using namespace orvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::silenceMessages();
    static const TimeChangeBase changes;
    const auto result = AafReader::read(fuzz::bytesOf(data, size));
    for (const auto& record : result.records) {
        const auto outcome = AafBirthData::fromRecord(record, nullptr, changes);
        fuzz::require(outcome.birth.has_value() != !outcome.refusal.empty());
        if (!outcome.birth) continue;
        const std::string text = AafWriter::record(*outcome.birth);
        const auto again =
            AafReader::read({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
        fuzz::require(again.records.size() == 1 && again.problems.empty());
        const auto back = AafBirthData::fromRecord(again.records[0], nullptr, changes);
        fuzz::require(back.birth && back.birth->gmtHour == outcome.birth->gmtHour &&
                      back.birth->gmtMinute == outcome.birth->gmtMinute &&
                      back.birth->gmtDay == outcome.birth->gmtDay);
    }
    return 0;
}
