// "default.asp" and "default.ta": eighteen records, written back and read again unchanged.
#include "FuzzInput.h"
#include "common/FormatError.h"
#include "doc/AspectRecords.h"

using namespace orvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::silenceMessages();
    std::vector<AspectSetting> records;
    try {
        records = AspectRecords::parse(fuzz::bytesOf(data, size));
    } catch (const FormatError&) {
        return 0;
    }
    fuzz::require(records.size() == kAspectCount);
    AspectTable table;
    for (std::size_t i = 0; i < records.size(); ++i) {
        fuzz::require(records[i].lineStyle >= 0 && records[i].lineStyle <= 4);
        table[i] = std::move(records[i]);
    }
    const auto written = AspectRecords::serialize(table);
    auto reread = AspectRecords::parse(written);
    AspectTable again;
    for (std::size_t i = 0; i < reread.size(); ++i) again[i] = std::move(reread[i]);
    fuzz::require(AspectRecords::serialize(again) == written);
    return 0;
}
