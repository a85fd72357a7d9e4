#include "doc/PlanetRecords.h"

#include <algorithm>
#include <cctype>

#include "common/ValueCheck.h"
#include "doc/FileText.h"
#include "doc/MapFileLimits.h"
#include "doc/PictureSlot.h"
#include "doc/RecordSequence.h"

namespace orvanta {

PlanetRecords::Record PlanetRecords::readRecord(BinaryReader& reader) {
    Record record;
    ObjectPosition& position = record.position;
    ObjectStyle& style = record.style;
    position.longitude = reader.readDouble();
    position.degreeInSign = reader.readDouble();
    position.minutes = reader.readDouble();
    position.retrograde = reader.readInt32();
    style.shown = reader.readInt32();
    style.transitUse = reader.readInt32();
    style.radixUse = reader.readInt32();
    style.identifier = reader.readInt32();
    position.sign = reader.readInt32();
    style.name = FileText::readCounted(reader);
    style.label = FileText::readCounted(reader);
    PictureSlot::read(reader, style.symbol);
    PictureSlot::read(reader, style.pictogram);
    // Positions are not taken from the file, but a program that wrote them had them from a
    // chart: a contradiction or an impossible value is damage.
    MapFileLimits::checkPosition(position);
    MapFileLimits::checkSignAgreement(position);
    ValueCheck::flag("признак показа", style.shown);
    ValueCheck::flag("признак учёта в транзитах", style.transitUse);
    ValueCheck::flag("признак учёта в радиксе", style.radixUse);
    return record;
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

std::vector<PlanetRecords::Record> PlanetRecords::parse(std::span<const std::uint8_t> bytes,
                                                        Kind kind) {
    const std::size_t largest = kind == Kind::Radix ? kLargestCount : kBodyCount;
    auto records = RecordSequence::parse<Record>(bytes, largest, "запись объекта", &readRecord);
    checkCount(records.size(), kind);
    return records;
}

void PlanetRecords::writeRecord(BinaryWriter& writer, const ObjectPosition& position,
                                const ObjectStyle& style) {
    writer.writeDouble(position.longitude);
    writer.writeDouble(position.degreeInSign);
    writer.writeDouble(position.minutes);
    writer.writeInt32(position.retrograde);
    writer.writeInt32(style.shown);
    writer.writeInt32(style.transitUse);
    writer.writeInt32(style.radixUse);
    writer.writeInt32(style.identifier);
    writer.writeInt32(position.sign);
    FileText::writeCounted(writer, style.name);
    FileText::writeCounted(writer, style.label);
    PictureSlot::write(writer, style.symbol);
    PictureSlot::write(writer, style.pictogram);
}

std::vector<std::uint8_t> PlanetRecords::serialize(const ChartData& chart, int count) {
    BinaryWriter writer;
    for (int number = 1; number <= count; ++number) {
        writeRecord(writer, chart[number], chart.style[number]);
    }
    return writer.take();
}

void PlanetRecords::applyRecord(Record& record, ObjectStyle& target) {
    ObjectStyle& style = record.style;
    target.shown = style.shown;
    target.transitUse = style.transitUse;
    target.radixUse = style.radixUse;
    target.name = std::move(style.name);
    target.label = std::move(style.label);
    target.symbol = std::move(style.symbol);
    target.pictogram = std::move(style.pictogram);
}

LoadResult PlanetRecords::read(const std::filesystem::path& path, ChartData& chart, int count) {
    const auto parseKind = [kind = kindOf(path)](std::span<const std::uint8_t> bytes) {
        return parse(bytes, kind);
    };
    return RecordSequence::read<Record>(path, parseKind, [&chart, count](auto& records) {
        const int available = std::min(count, static_cast<int>(records.size()));
        for (int number = 1; number <= available; ++number) {
            applyRecord(records[static_cast<std::size_t>(number - 1)], chart.style[number]);
        }
    });
}

bool PlanetRecords::write(const std::filesystem::path& path, const ChartData& chart, int count,
                          std::string* error) {
    return RecordSequence::write(
        path, [&chart, count] { return serialize(chart, count); }, error);
}

}  // namespace orvanta
