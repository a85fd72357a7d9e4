// "default.rxp" and "default.trp": 16 or 28 records, and 16 for a transit file.
#include "FuzzInput.h"
#include "common/FormatError.h"
#include "doc/PlanetRecords.h"

using namespace orvanta;

namespace {

void readAs(PlanetRecords::Kind kind, const std::uint8_t* data, std::size_t size) {
    std::vector<PlanetRecords::Record> records;
    try {
        records = PlanetRecords::parse(fuzz::bytesOf(data, size), kind);
    } catch (const FormatError&) {
        return;
    }
    const int count = static_cast<int>(records.size());
    fuzz::require(count == 16 || (count == 28 && kind == PlanetRecords::Kind::Radix));
    ChartData chart;
    for (int number = 1; number <= count; ++number) {
        auto& record = records[static_cast<std::size_t>(number - 1)];
        chart[number] = record.position;
        chart.style[number] = std::move(record.style);
        fuzz::require(chart.style[number].shown == 0 || chart.style[number].shown == 1);
    }
    const auto written = PlanetRecords::serialize(chart, count);
    fuzz::require(PlanetRecords::parse(written, kind).size() == records.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::silenceMessages();
    readAs(PlanetRecords::Kind::Radix, data, size);
    readAs(PlanetRecords::Kind::Transit, data, size);
    return 0;
}
