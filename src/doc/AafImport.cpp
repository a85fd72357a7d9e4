#include "doc/AafImport.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <system_error>

#include "calc/HouseSystems.h"
#include "common/FormatError.h"
#include "doc/AafBirthData.h"
#include "doc/AafReader.h"
#include "doc/CZodiacDoc.h"
#include "doc/MapFile.h"

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

// O_EXCL never replaces a file, so a chart that appeared meanwhile is kept. The folder is
// synced once for all charts (syncFolder): a sync per chart file made a thousand records take
// seconds.
std::optional<std::filesystem::path> writeNewFile(const std::filesystem::path& folder,
                                                  const std::string& name,
                                                  const std::vector<std::uint8_t>& bytes) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto path = AafImport::freePath(folder, name);
        const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor < 0) {
            if (errno == EEXIST) continue;
            return std::nullopt;
        }
        const bool written =
            ::write(descriptor, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
        if (::close(descriptor) == 0 && written) return path;
        ::unlink(path.c_str());
        return std::nullopt;
    }
    return std::nullopt;
}

void syncFolder(const std::filesystem::path& folder) {
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return;
    ::syncfs(descriptor);
    ::close(descriptor);
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
                             CZodiacDoc& doc, Report& report) const {
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
    // The settings defaults are read for the first chart; the others are computed anew.
    const bool computed = report.created.empty()
                              ? doc.newChart(birth, houseSystem, false, false)
                              : doc.changeBirthData(birth, houseSystem, false, false);
    std::optional<std::filesystem::path> path;
    if (computed) {
        path = writeNewFile(folder, birth.name, MapFile::serialize(doc.natal()));
    }
    if (!path) {
        report.problems.push_back(
            {record.line, "карту не удалось записать в папку " + folder.string()});
        report.writeFailed = true;
        return;
    }
    report.created.push_back(*path);
}

AafImport::Report AafImport::run(std::span<const std::uint8_t> bytes,
                                 const std::filesystem::path& folder) const {
    auto read = AafReader::read(bytes);
    Report report;
    report.encoding = read.encoding;
    report.problems = std::move(read.problems);
    report.records = static_cast<int>(read.records.size()) + read.refusedRecords;
    CZodiacDoc doc;
    for (const auto& record : read.records) importRecord(record, folder, doc, report);
    if (!report.created.empty()) syncFolder(folder);
    std::stable_sort(report.problems.begin(), report.problems.end(),
                     [](const AafProblem& a, const AafProblem& b) { return a.line < b.line; });
    return report;
}

}  // namespace orvanta
