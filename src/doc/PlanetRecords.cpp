#include "doc/PlanetRecords.h"

#include <algorithm>
#include <cctype>

#include "common/ValueCheck.h"
#include "doc/FileText.h"
#include "doc/MapFileLimits.h"
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
    // Positions are not taken from the file, but a program that wrote them had them from a
    // chart: a contradiction or an impossible value is damage.
    MapFileLimits::checkPosition(object);
    MapFileLimits::checkSignAgreement(object);
    ValueCheck::flag("признак показа", object.shown);
    ValueCheck::flag("признак учёта в транзитах", object.transitUse);
    ValueCheck::flag("признак учёта в радиксе", object.radixUse);
    return object;
}

PlanetRecords::Kind PlanetRecords::kindOf(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".trp" ? Kind::Transit : Kind::Radix;
}

void PlanetRecords::checkCount(std::size_t count, Kind kind) {
    // The pages write whole files: 16 bodies, or 28 objects from the radix page.
    const bool fits = count == kBodyCount || (kind == Kind::Radix && count == kLargestCount);
    if (fits) return;
    throw FileDamage("записей " + std::to_string(count) + ", а файл этого вида содержит " +
                     (kind == Kind::Radix ? "16 или 28" : "16"));
}

std::vector<ChartObject> PlanetRecords::parse(std::span<const std::uint8_t> bytes, Kind kind) {
    const std::size_t largest = kind == Kind::Radix ? kLargestCount : kBodyCount;
    auto records =
        RecordSequence::parse<ChartObject>(bytes, largest, "запись объекта", &readRecord);
    checkCount(records.size(), kind);
    return records;
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

LoadResult PlanetRecords::read(const std::filesystem::path& path, ChartData& chart, int count) {
    const auto parseKind = [kind = kindOf(path)](std::span<const std::uint8_t> bytes) {
        return parse(bytes, kind);
    };
    return RecordSequence::read<ChartObject>(path, parseKind, [&chart, count](auto& records) {
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
