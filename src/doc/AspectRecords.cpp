#include "doc/AspectRecords.h"

#include <cstdint>

#include "common/ValueCheck.h"
#include "doc/FileText.h"
#include "doc/PictureSlot.h"
#include "doc/RecordSequence.h"

namespace orvanta {

AspectSetting AspectRecords::readRecord(BinaryReader& reader) {
    AspectSetting aspect;
    aspect.colour = reader.readUInt32();
    aspect.lineWidth = reader.readInt32();
    aspect.lineStyle = reader.readInt32();
    aspect.angle = reader.readDouble();
    aspect.orb = reader.readDouble();
    aspect.included = reader.readInt32();
    aspect.label = FileText::readCounted(reader);
    PictureSlot::read(reader, aspect.symbol);
    PictureSlot::read(reader, aspect.pictogram);
    checkValues(aspect);
    return aspect;
}

void AspectRecords::checkValues(const AspectSetting& aspect) {
    // The line dialog holds the width at 0 and above and offers five styles; the aspects
    // page takes angles and orbs from 0 to 180.
    ValueCheck::inRange("толщина линии", aspect.lineWidth, 0, INT32_MAX);
    ValueCheck::inRange("тип линии", aspect.lineStyle, 0, 4);
    ValueCheck::inRange("угол аспекта", aspect.angle, 0.0, AspectSetting::kLargestAngle);
    ValueCheck::inRange("орбис", aspect.orb, 0.0, AspectSetting::kLargestOrb);
    ValueCheck::flag("признак учёта", aspect.included);
}

std::vector<AspectSetting> AspectRecords::parse(std::span<const std::uint8_t> bytes) {
    auto records =
        RecordSequence::parse<AspectSetting>(bytes, kAspectCount, "запись аспекта", &readRecord);
    // The program always writes all eighteen: a shorter file has lost its end.
    if (records.size() != kAspectCount) {
        throw FileDamage("записей аспектов " + std::to_string(records.size()) + ", а не " +
                         std::to_string(kAspectCount));
    }
    return records;
}

void AspectRecords::writeRecord(BinaryWriter& writer, const AspectSetting& aspect) {
    writer.writeUInt32(aspect.colour);
    writer.writeInt32(aspect.lineWidth);
    writer.writeInt32(aspect.lineStyle);
    writer.writeDouble(aspect.angle);
    writer.writeDouble(aspect.orb);
    writer.writeInt32(aspect.included);
    FileText::writeCounted(writer, aspect.label);
    PictureSlot::write(writer, aspect.symbol);
    PictureSlot::write(writer, aspect.pictogram);
}

std::vector<std::uint8_t> AspectRecords::serialize(const AspectTable& table) {
    BinaryWriter writer;
    for (const auto& aspect : table) writeRecord(writer, aspect);
    return writer.take();
}

LoadResult AspectRecords::read(const std::filesystem::path& path, AspectTable& table) {
    return RecordSequence::read<AspectSetting>(path, &parse, [&table](auto& records) {
        for (std::size_t i = 0; i < records.size(); ++i) table[i] = std::move(records[i]);
    });
}

bool AspectRecords::write(const std::filesystem::path& path, const AspectTable& table,
                          std::string* error) {
    return RecordSequence::write(
        path, [&table] { return serialize(table); }, error);
}

}  // namespace orvanta
