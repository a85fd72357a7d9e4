#include "doc/SettingsDefaults.h"

#include "common/AtomicFile.h"
#include "common/FormatError.h"
#include "common/MessageSink.h"
#include "doc/AspectRecords.h"
#include "doc/PlanetRecords.h"
#include "doc/SettingsFile.h"

namespace orvanta {
namespace {

bool reportOutcome(const LoadResult& read, std::string_view fileName) {
    if (read.status == LoadStatus::Missing) {
        MessageSink::report(SettingsDefaults::cannotOpenMessage(fileName));
    }
    for (const auto& message : read.messages) MessageSink::report(message);
    return read.loaded();
}

bool reportWrite(bool written, std::string_view fileName, const std::string& reason) {
    if (!written) MessageSink::report(SettingsDefaults::cannotWriteMessage(fileName, reason));
    return written;
}

}  // namespace

std::string SettingsDefaults::cannotOpenMessage(std::string_view fileName) {
    return "Не удалось открыть файл установок «" + std::string(fileName) +
           "». Установки остались прежними.";
}

std::string SettingsDefaults::cannotWriteMessage(std::string_view fileName,
                                                 const std::string& reason) {
    return "Не удалось записать файл установок «" + std::string(fileName) + "» (" + reason +
           "). Прежнее содержимое файла не изменено.";
}

bool SettingsDefaults::writeAspects(const CZodiacDoc& doc, std::string_view fileName,
                                    const AspectTable& table) {
    std::string reason;
    return reportWrite(AspectRecords::write(doc.writableDataFile(fileName), table, &reason),
                       fileName, reason);
}

bool SettingsDefaults::writePlanets(const CZodiacDoc& doc, std::string_view fileName,
                                    const ChartData& chart, int count) {
    std::string reason;
    return reportWrite(PlanetRecords::write(doc.writableDataFile(fileName), chart, count, &reason),
                       fileName, reason);
}

namespace {

// The records after the first count that a planet file holds, as they are stored; none when
// the file is missing or damaged.
std::vector<std::uint8_t> recordsAfter(const std::filesystem::path& path, int count) {
    const auto bytes = SettingsFile::load(path);
    if (!bytes) return {};
    try {
        auto records = PlanetRecords::parse(*bytes);
        const int total = static_cast<int>(records.size());
        if (total <= count) return {};
        ChartData tail;
        for (int i = count; i < total; ++i) {
            auto& record = records[static_cast<std::size_t>(i)];
            tail[i - count + 1] = record.position;
            tail.style[i - count + 1] = std::move(record.style);
        }
        return PlanetRecords::serialize(tail, total - count);
    } catch (const FormatError&) {
        return {};
    }
}

}  // namespace

bool SettingsDefaults::writeLeadingPlanets(const CZodiacDoc& doc, std::string_view fileName,
                                           const ChartData& chart, int count) {
    std::string reason;
    bool written = false;
    try {
        auto bytes = PlanetRecords::serialize(chart, count);
        const auto tail = recordsAfter(doc.dataFile(fileName), count);
        bytes.insert(bytes.end(), tail.begin(), tail.end());
        written = AtomicFile::write(doc.writableDataFile(fileName), bytes, &reason);
    } catch (const FormatError& fault) {
        reason = fault.what();
    }
    return reportWrite(written, fileName, reason);
}

bool SettingsDefaults::writeOrientation(const CZodiacDoc& doc,
                                        const OrientationFile::Setting& setting) {
    std::string reason;
    return reportWrite(
        OrientationFile::write(doc.writableDataFile(SettingsFile::kOrientation), setting, &reason),
        SettingsFile::kOrientation, reason);
}

bool SettingsDefaults::readAspects(const CZodiacDoc& doc, std::string_view fileName,
                                   AspectTable& table) {
    return reportOutcome(AspectRecords::read(doc.dataFile(fileName), table), fileName);
}

bool SettingsDefaults::readPlanets(const CZodiacDoc& doc, std::string_view fileName,
                                   ChartData& chart, int count) {
    return reportOutcome(PlanetRecords::read(doc.dataFile(fileName), chart, count), fileName);
}

}  // namespace orvanta
