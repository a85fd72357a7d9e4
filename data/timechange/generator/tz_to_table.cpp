// Writes the readable time-change table from a compiled tz file:
//   orvanta_tz_to_table /usr/share/zoneinfo/Europe/Moscow moscow.tsv [tzdata.zi]
// The optional third file gives the tz data version named in the table's header.
#include <fstream>
#include <iostream>
#include <string>

#include "common/AtomicFile.h"
#include "generator/TimeChangeTable.h"
#include "generator/TzFile.h"

namespace {

std::string dataVersion(const char* versionFile) {
    std::ifstream in(versionFile);
    std::string line;
    if (std::getline(in, line) && line.rfind("# version ", 0) == 0) return line.substr(10);
    return "";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::cerr << "usage: orvanta_tz_to_table TZFILE TABLE [TZDATA.ZI]\n";
        return 2;
    }
    std::string error;
    const auto bytes = orvanta::AtomicFile::read(argv[1], &error);
    if (!bytes) {
        std::cerr << "orvanta_tz_to_table: " << error << "\n";
        return 1;
    }
    try {
        const orvanta::TzFile zone = orvanta::TzFile::parse(*bytes);
        if (zone.footer.find(',') != std::string::npos) {
            std::cerr << "orvanta_tz_to_table: warning: the zone keeps changing its clocks by the "
                         "rule '"
                      << zone.footer << "', which the table does not follow\n";
        }
        std::string source = argv[1];
        if (argc == 4) {
            const std::string version = dataVersion(argv[3]);
            if (!version.empty()) source += " (tzdata " + version + ")";
        }
        const auto rows = orvanta::TimeChangeTable::fromZone(zone);
        if (!orvanta::AtomicFile::write(argv[2], orvanta::TimeChangeTable::format(rows, source),
                                        &error)) {
            std::cerr << "orvanta_tz_to_table: " << error << "\n";
            return 1;
        }
    } catch (const std::exception& failure) {
        std::cerr << "orvanta_tz_to_table: " << argv[1] << ": " << failure.what() << "\n";
        return 1;
    }
    return 0;
}
