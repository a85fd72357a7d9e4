#include "doc/MapFile.h"

#include <functional>
#include <string>

#include "common/ValueCheck.h"
#include "doc/FileDamage.h"
#include "doc/FileText.h"
#include "doc/MapFileLimits.h"

namespace orvanta {
namespace {

constexpr int kReservedAfterEntered = 2;
constexpr int kReservedAfterTime = 5;

void skipIntegers(BinaryReader& reader, int count) {
    for (int i = 0; i < count; ++i) reader.readInt32();
}

void writeZeros(BinaryWriter& writer, int count) {
    for (int i = 0; i < count; ++i) writer.writeInt32(0);
}

// Runs one part of the reading and words its faults with the part's name.
void readPart(const std::string& part, std::size_t fileSize, const std::function<void()>& read) {
    try {
        read();
    } catch (const FileDamage& damage) {
        throw FileDamage(FileDamage::within(part, damage));
    } catch (const ValueCheck::Error& outOfRange) {
        throw FileDamage(FileDamage::within(part, outOfRange));
    } catch (const FormatError&) {
        throw FileDamage(part + ": " + FileDamage::endsEarly(fileSize));
    }
}

}  // namespace

void MapFile::readBirth(BinaryReader& reader, BirthData& birth) {
    birth.entered = reader.readInt32();
    skipIntegers(reader, kReservedAfterEntered);
    birth.day = reader.readInt32();
    birth.month = reader.readInt32();
    birth.year = reader.readInt32();
    birth.hour = reader.readInt32();
    birth.minute = reader.readInt32();
    skipIntegers(reader, kReservedAfterTime);
    birth.gmtDay = reader.readInt32();
    birth.gmtMonth = reader.readInt32();
    birth.gmtYear = reader.readInt32();
    birth.gmtHour = reader.readInt32();
    birth.gmtMinute = reader.readInt32();
    birth.name = FileText::readVariable(reader);
    FileText::readVariable(reader);  // reserved
    birth.place = FileText::readVariable(reader);
    birth.houseSystemName = FileText::readVariable(reader);
    birth.diffGreenwich = reader.readDouble();
    birth.diffMoscow = reader.readDouble();
    birth.latitude = reader.readDouble();
    birth.longitude = reader.readDouble();
    MapFileLimits::checkBirth(birth);
}

void MapFile::readObject(BinaryReader& reader, ObjectPosition& position, ObjectStyle& style) {
    position.longitude = reader.readDouble();
    position.degreeInSign = reader.readDouble();
    position.minutes = reader.readDouble();
    position.seconds = reader.readDouble();
    position.retrograde = reader.readInt32();
    style.identifier = reader.readInt32();
    style.name = FileText::readVariable(reader);
    position.sign = reader.readInt32();
    style.label = FileText::readVariable(reader);
    MapFileLimits::checkObject(position);
}

void MapFile::readTail(BinaryReader& reader, Content& content) {
    content.chart.housesUnavailable = reader.readInt32();
    content.orientation.direction = reader.readInt32();
    content.orientation.fromAries = reader.readInt32();
    content.orientation.fromAscendant = reader.readInt32();
    content.orientation.angle = reader.readDouble();
    content.houseSystem = reader.readInt32();
    content.autoGreenwich = reader.readInt32();
    MapFileLimits::checkTail(content.chart.housesUnavailable, content.orientation,
                             content.houseSystem, content.autoGreenwich);
}

std::vector<std::uint8_t> MapFile::readNotebook(BinaryReader& reader) {
    const std::int32_t count = reader.readInt32();
    if (count < 0) {
        throw FileDamage("отрицательная длина записной книжки (" + std::to_string(count) + ")");
    }
    if (static_cast<std::size_t>(count) > reader.remaining()) {
        throw FileDamage("длина записной книжки " + std::to_string(count) +
                         " больше, чем осталось байт в файле (" +
                         std::to_string(reader.remaining()) + ")");
    }
    return reader.readBytes(static_cast<std::size_t>(count));
}

MapFile::Content MapFile::parse(std::span<const std::uint8_t> bytes) {
    BinaryReader reader(bytes);
    Content content;
    readPart("данные рождения", bytes.size(), [&] { readBirth(reader, content.birth); });
    for (int number = 0; number < Bodies::kObjectCount; ++number) {
        readPart("объект " + std::to_string(number), bytes.size(), [&] {
            readObject(reader, content.chart[number], content.chart.style[number]);
            if (number != 0) MapFileLimits::checkSignAgreement(content.chart[number]);
        });
    }
    readPart("ориентация и система домов", bytes.size(), [&] { readTail(reader, content); });
    readPart("записная книжка", bytes.size(), [&] { content.notebook = readNotebook(reader); });
    if (!reader.atEnd()) {
        throw FileDamage("после записной книжки остались лишние байты (" +
                         std::to_string(reader.remaining()) + ")");
    }
    return content;
}

void MapFile::Content::applyTo(NatalChart& natal) && {
    natal.birth = std::move(birth);
    static_cast<ChartPositions&>(natal.chart) = chart;
    for (int number = 0; number < Bodies::kObjectCount; ++number) {
        ObjectStyle& stored = chart.style[number];
        ObjectStyle& target = natal.chart.style[number];
        target.identifier = stored.identifier;
        target.name = std::move(stored.name);
        target.label = std::move(stored.label);
    }
    natal.orientation = orientation;
    natal.houseSystem = houseSystem;
    natal.autoGreenwich = autoGreenwich;
    natal.notebook = std::move(notebook);
}

void MapFile::writeBirth(BinaryWriter& writer, const BirthData& birth) {
    writer.writeInt32(birth.entered);
    writeZeros(writer, kReservedAfterEntered);
    writer.writeInt32(birth.day);
    writer.writeInt32(birth.month);
    writer.writeInt32(birth.year);
    writer.writeInt32(birth.hour);
    writer.writeInt32(birth.minute);
    writeZeros(writer, kReservedAfterTime);
    writer.writeInt32(birth.gmtDay);
    writer.writeInt32(birth.gmtMonth);
    writer.writeInt32(birth.gmtYear);
    writer.writeInt32(birth.gmtHour);
    writer.writeInt32(birth.gmtMinute);
    FileText::writeVariable(writer, birth.name);
    FileText::writeVariable(writer, "");  // reserved
    FileText::writeVariable(writer, birth.place);
    FileText::writeVariable(writer, birth.houseSystemName);
    writer.writeDouble(birth.diffGreenwich);
    writer.writeDouble(birth.diffMoscow);
    writer.writeDouble(birth.latitude);
    writer.writeDouble(birth.longitude);
}

void MapFile::writeObject(BinaryWriter& writer, const ObjectPosition& position,
                          const ObjectStyle& style) {
    writer.writeDouble(position.longitude);
    writer.writeDouble(position.degreeInSign);
    writer.writeDouble(position.minutes);
    writer.writeDouble(position.seconds);
    writer.writeInt32(position.retrograde);
    writer.writeInt32(style.identifier);
    FileText::writeVariable(writer, style.name);
    writer.writeInt32(position.sign);
    FileText::writeVariable(writer, style.label);
}

void MapFile::writeTail(BinaryWriter& writer, const NatalChart& natal) {
    writer.writeInt32(natal.chart.housesUnavailable);
    writer.writeInt32(natal.orientation.direction);
    writer.writeInt32(natal.orientation.fromAries);
    writer.writeInt32(natal.orientation.fromAscendant);
    writer.writeDouble(natal.orientation.angle);
    writer.writeInt32(natal.houseSystem);
    writer.writeInt32(natal.autoGreenwich);
    writer.writeInt32(static_cast<std::int32_t>(natal.notebook.size()));
    writer.writeBytes(natal.notebook);
}

std::vector<std::uint8_t> MapFile::serialize(const NatalChart& natal) {
    BinaryWriter writer;
    writeBirth(writer, natal.birth);
    for (int number = 0; number < Bodies::kObjectCount; ++number) {
        writeObject(writer, natal.chart[number], natal.chart.style[number]);
    }
    writeTail(writer, natal);
    return writer.take();
}

}  // namespace orvanta
