#include "doc/AafImport.h"

#include <algorithm>
#include <system_error>

#include "calc/HouseSystems.h"
#include "doc/AafBirthData.h"
#include "doc/AafReader.h"
#include "doc/CZodiacDoc.h"

namespace orvanta {
namespace {

constexpr const char* kUnnamed = "Без имени";

// A file name of the person's name: no folder separators, no hidden file, no control bytes.
std::string fileStem(const std::string& name) {
    std::string stem;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        stem += (c == '/' || c == '\\' || byte < 0x20) ? '_' : c;
    }
    while (!stem.empty() && (stem.front() == '.' || stem.front() == ' ')) stem.erase(0, 1);
    while (!stem.empty() && stem.back() == ' ') stem.pop_back();
    return stem.empty() ? kUnnamed : stem.substr(0, 200);
}

}  // namespace

AafImport::AafImport(const PlaceFinder* places, const TimeChangeBase& changes)
    : places_(places), changes_(changes) {}

std::filesystem::path AafImport::freePath(const std::filesystem::path& folder,
                                          const std::string& name) {
    const std::string stem = fileStem(name);
    std::error_code error;
    auto path = folder / (stem + ".map");
    for (int copy = 2; std::filesystem::exists(std::filesystem::symlink_status(path, error));
         ++copy) {
        path = folder / (stem + " (" + std::to_string(copy) + ").map");
    }
    return path;
}

void AafImport::importRecord(const AafRecord& record, const std::filesystem::path& folder,
                             Report& report) const {
    const auto outcome = AafBirthData::fromRecord(record, places_, changes_);
    for (const auto& note : outcome.notes) report.problems.push_back({record.line, note});
    if (!outcome.birth) {
        report.problems.push_back({record.line, outcome.refusal + "; запись пропущена"});
        return;
    }
    for (const auto& chunk : record.skippedChunks) {
        report.problems.push_back({record.line, "в карте нет места для " + chunk + ", пропущено"});
    }
    BirthData birth = *outcome.birth;
    int houseSystem = *HouseSystems::indexOf("Placidus");
    if (HouseSystems::unfitAt(houseSystem, birth.latitude)) {
        houseSystem = *HouseSystems::indexOf("Whole");
        report.problems.push_back({record.line, "за полярным кругом дома построены по знакам"});
    }
    birth.houseSystemName = std::string(HouseSystems::name(houseSystem));
    CZodiacDoc doc;
    const auto path = freePath(folder, birth.name);
    if (!doc.newChart(birth, houseSystem, false, false) || !doc.save(path)) {
        report.problems.push_back({record.line, "карту не удалось записать в " + path.string()});
        report.writeFailed = true;
        return;
    }
    report.created.push_back(path);
}

AafImport::Report AafImport::run(std::span<const std::uint8_t> bytes,
                                 const std::filesystem::path& folder) const {
    auto read = AafReader::read(bytes);
    Report report;
    report.encoding = read.encoding;
    report.problems = std::move(read.problems);
    report.records = static_cast<int>(read.records.size()) + read.refusedRecords;
    for (const auto& record : read.records) importRecord(record, folder, report);
    std::stable_sort(report.problems.begin(), report.problems.end(),
                     [](const AafProblem& a, const AafProblem& b) { return a.line < b.line; });
    return report;
}

}  // namespace orvanta
