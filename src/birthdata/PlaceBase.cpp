#include "birthdata/PlaceBase.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "birthdata/BaseFile.h"
#include "common/AtomicFile.h"
#include "common/BinaryReader.h"
#include "common/BinaryWriter.h"
#include "common/FormatError.h"
#include "common/MessageSink.h"
#include "common/ValueCheck.h"
#include "common/Windows1251.h"

namespace orvanta {
namespace {

// The order of the place list: letter case ignored, "ё" right after "е".
std::vector<int> sortKey(const std::string& name) {
    std::vector<int> key;
    const std::optional<std::string> bytes = Windows1251::fromUtf8(name);
    for (const char c : bytes.value_or(name)) {
        const unsigned char lower = Windows1251::toLower(static_cast<unsigned char>(c));
        constexpr unsigned char kSmallYo = 0xB8;
        constexpr unsigned char kSmallYe = 0xE5;
        key.push_back(lower == kSmallYo ? kSmallYe * 2 + 1 : lower * 2);
    }
    return key;
}

std::size_t checkedCount(BinaryReader& reader) {
    if (reader.remaining() < 4) throw FormatError("он короче 4 байт");
    const std::int32_t count = reader.readInt32();
    if (count < 0) {
        throw FormatError("число мест отрицательно (" + std::to_string(count) + ")");
    }
    // Checked before anything is allocated: every place takes at least kSmallestRecord bytes.
    const std::size_t room = reader.remaining() / PlaceBase::kSmallestRecord;
    if (static_cast<std::size_t>(count) > room) {
        throw FormatError("заявлено мест: " + std::to_string(count) +
                          ", а данных хватает самое большее на " + std::to_string(room));
    }
    return static_cast<std::size_t>(count);
}

PlaceRecord readRecord(BinaryReader& reader, std::size_t number) {
    const std::string where = "место " + std::to_string(number) + ": ";
    if (reader.remaining() < 4) throw FormatError(where + "запись обрывается");
    const std::int32_t length = reader.readInt32();
    if (length < 0) {
        throw FormatError(where + "длина названия отрицательна (" + std::to_string(length) + ")");
    }
    if (static_cast<std::size_t>(length) + 16 > reader.remaining()) {
        throw FormatError(where + "запись обрывается");
    }
    const std::vector<std::uint8_t> name = reader.readBytes(static_cast<std::size_t>(length));
    PlaceRecord place;
    place.name = Windows1251::toUtf8(
        std::string_view(reinterpret_cast<const char*>(name.data()), name.size()));
    place.longitude = reader.readDouble();
    place.latitude = reader.readDouble();
    // The entry stores at most 90 degrees of latitude and 180 of longitude.
    try {
        ValueCheck::inRange("широта", place.latitude, -90.0, 90.0);
        ValueCheck::inRange("долгота", place.longitude, -180.0, 180.0);
    } catch (const ValueCheck::Error& outOfRange) {
        throw FormatError(where + outOfRange.what());
    }
    return place;
}

std::optional<std::string> foldedName(std::string_view utf8) {
    std::optional<std::string> bytes = Windows1251::fromUtf8(utf8);
    if (!bytes) return std::nullopt;
    for (char& c : *bytes) {
        c = static_cast<char>(Windows1251::toLower(static_cast<unsigned char>(c)));
    }
    return bytes;
}

}  // namespace

std::vector<PlaceRecord> PlaceBase::fromBytes(std::span<const std::uint8_t> bytes) {
    BinaryReader reader(bytes);
    const std::size_t count = checkedCount(reader);
    std::vector<PlaceRecord> records;
    records.reserve(count);
    for (std::size_t i = 0; i < count; ++i) records.push_back(readRecord(reader, i + 1));
    if (!reader.atEnd()) {
        throw FormatError("после " + std::to_string(count) +
                          " мест остается лишних байтов: " + std::to_string(reader.remaining()));
    }
    return records;
}

std::optional<std::vector<std::uint8_t>> PlaceBase::toBytes(std::string* error) const {
    BinaryWriter writer;
    writer.writeInt32(static_cast<std::int32_t>(records_.size()));
    for (const auto& place : records_) {
        const std::optional<std::string> name = Windows1251::fromUtf8(place.name);
        if (!name) {
            if (error != nullptr) {
                *error = "название \"" + place.name + "\" нельзя записать в кодировке Windows-1251";
            }
            return std::nullopt;
        }
        writer.writeInt32(static_cast<std::int32_t>(name->size()));
        writer.writeBytes(std::span<const std::uint8_t>(
            reinterpret_cast<const std::uint8_t*>(name->data()), name->size()));
        writer.writeDouble(place.longitude);
        writer.writeDouble(place.latitude);
    }
    return writer.take();
}

LoadStatus PlaceBase::load(const std::filesystem::path& path) {
    return BaseFile::load(path, records_, lastError_, &fromBytes);
}

bool PlaceBase::save(const std::filesystem::path& path, std::string* error) const {
    const auto bytes = toBytes(error);
    return bytes && AtomicFile::write(path, *bytes, error);
}

LoadStatus PlaceBase::loadForEntry(const DataFile& file) {
    const LoadStatus status = load(file.readPath());
    if (status == LoadStatus::Missing) {
        MessageSink::report(kNotFoundMessage);
        std::string error;
        if (!save(file.writePath(), &error)) {
            MessageSink::report("Не удается создать базу населенных пунктов: " + error);
        }
    } else if (status != LoadStatus::Loaded) {
        MessageSink::report(lastError_);
    }
    return status;
}

std::optional<int> PlaceBase::find(std::string_view name) const {
    const std::optional<std::string> wanted = foldedName(name);
    if (!wanted) return std::nullopt;
    for (std::size_t i = 0; i < records_.size(); ++i) {
        if (foldedName(records_[i].name) == wanted) return static_cast<int>(i);
    }
    return std::nullopt;
}

bool PlaceBase::append(const PlaceRecord& place) {
    if (!Windows1251::canEncode(place.name)) return false;
    records_.push_back(place);
    return true;
}

std::vector<std::string> PlaceBase::names() const {
    std::vector<std::string> list;
    list.reserve(records_.size());
    for (const auto& place : records_) list.push_back(place.name);
    return list;
}

std::vector<std::string> PlaceBase::namesInListOrder() const {
    std::vector<std::string> list = names();
    std::stable_sort(list.begin(), list.end(), [](const std::string& a, const std::string& b) {
        return sortKey(a) < sortKey(b);
    });
    return list;
}

PlaceRecord* PlaceBase::recordAt(int index) {
    if (index < 0 || index >= size()) return nullptr;
    return &records_[static_cast<std::size_t>(index)];
}

}  // namespace orvanta
