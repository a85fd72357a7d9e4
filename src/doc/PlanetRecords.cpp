#include "doc/PlanetRecords.h"

#include <algorithm>

#include "doc/FileText.h"
#include "doc/PictureSlot.h"
#include "doc/RecordSequence.h"

namespace orvanta {

ChartObject PlanetRecords::readRecord(BinaryReader& reader) {
    ChartObject object;
    object.longitude = reader.readDouble();
    object.degreeInSign = reader.readDouble();
    object.minutes = reader.readDouble();
    object.retrograde = reader.readInt32();
    object.shown = reader.readInt32();
    object.transitUse = reader.readInt32();
    object.radixUse = reader.readInt32();
    object.identifier = reader.readInt32();
    object.sign = reader.readInt32();
    object.name = FileText::readCounted(reader);
    object.label = FileText::readCounted(reader);
    PictureSlot::read(reader, object.symbol);
    PictureSlot::read(reader, object.pictogram);
    return object;
}

std::vector<ChartObject> PlanetRecords::parse(std::span<const std::uint8_t> bytes) {
    return RecordSequence::parse<ChartObject>(bytes, kLargestCount, "запись объекта", &readRecord);
}

void PlanetRecords::writeRecord(BinaryWriter& writer, const ChartObject& object) {
    writer.writeDouble(object.longitude);
    writer.writeDouble(object.degreeInSign);
    writer.writeDouble(object.minutes);
    writer.writeInt32(object.retrograde);
    writer.writeInt32(object.shown);
    writer.writeInt32(object.transitUse);
    writer.writeInt32(object.radixUse);
    writer.writeInt32(object.identifier);
    writer.writeInt32(object.sign);
    FileText::writeCounted(writer, object.name);
    FileText::writeCounted(writer, object.label);
    PictureSlot::write(writer, object.symbol);
    PictureSlot::write(writer, object.pictogram);
}

std::vector<std::uint8_t> PlanetRecords::serialize(const ChartData& chart, int count) {
    BinaryWriter writer;
    for (int number = 1; number <= count; ++number) writeRecord(writer, chart[number]);
    return writer.take();
}

void PlanetRecords::applyRecord(ChartObject& record, ChartObject& target) {
    target.shown = record.shown;
    target.transitUse = record.transitUse;
    target.radixUse = record.radixUse;
    target.name = std::move(record.name);
    target.label = std::move(record.label);
    target.symbol = std::move(record.symbol);
    target.pictogram = std::move(record.pictogram);
}

SettingsFile::Outcome PlanetRecords::read(const std::filesystem::path& path, ChartData& chart,
                                          int count) {
    return RecordSequence::read<ChartObject>(path, &parse, [&chart, count](auto& records) {
        const int available = std::min(count, static_cast<int>(records.size()));
        for (int number = 1; number <= available; ++number) {
            applyRecord(records[static_cast<std::size_t>(number - 1)], chart[number]);
        }
    });
}

bool PlanetRecords::write(const std::filesystem::path& path, const ChartData& chart, int count,
                          std::string* error) {
    return RecordSequence::write(
        path, [&chart, count] { return serialize(chart, count); }, error);
}

}  // namespace orvanta
