#include "doc/SettingsDefaults.h"

#include "common/MessageSink.h"
#include "doc/AspectRecords.h"
#include "doc/PlanetRecords.h"
#include "doc/SettingsFile.h"

namespace orvanta {
namespace {

bool reportOutcome(SettingsFile::Outcome outcome, std::string_view fileName) {
    switch (outcome) {
        case SettingsFile::Outcome::Applied:
            return true;
        case SettingsFile::Outcome::Missing:
            MessageSink::report(SettingsDefaults::cannotOpenMessage(fileName));
            return false;
        case SettingsFile::Outcome::Damaged:  // already reported by the reader
            return false;
    }
    return false;
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
    return reportWrite(AspectRecords::write(doc.dataFile(fileName), table, &reason), fileName,
                       reason);
}

bool SettingsDefaults::writePlanets(const CZodiacDoc& doc, std::string_view fileName,
                                    const ChartData& chart, int count) {
    std::string reason;
    return reportWrite(PlanetRecords::write(doc.dataFile(fileName), chart, count, &reason),
                       fileName, reason);
}

bool SettingsDefaults::writeOrientation(const CZodiacDoc& doc,
                                        const OrientationFile::Setting& setting) {
    std::string reason;
    return reportWrite(
        OrientationFile::write(doc.dataFile(SettingsFile::kOrientation), setting, &reason),
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
