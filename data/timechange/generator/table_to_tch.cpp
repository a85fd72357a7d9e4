// Turns the readable time-change table into the delivered "Timechg.tch":
//   orvanta_table_to_tch moscow.tsv Timechg.tch
#include <iostream>
#include <string>

#include "birthdata/TimeChangeBase.h"
#include "common/AtomicFile.h"
#include "generator/TimeChangeTable.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: orvanta_table_to_tch TABLE OUTPUT\n";
        return 2;
    }
    std::string error;
    const auto bytes = orvanta::AtomicFile::read(argv[1], &error);
    if (!bytes) {
        std::cerr << "orvanta_table_to_tch: " << error << "\n";
        return 1;
    }
    orvanta::TimeChangeBase base;
    try {
        const std::string text(bytes->begin(), bytes->end());
        for (const auto& change : orvanta::TimeChangeTable::parse(text)) base.add(change);
    } catch (const orvanta::TimeChangeTable::Error& failure) {
        std::cerr << argv[1] << ": " << failure.what() << "\n";
        return 1;
    }
    if (base.size() == 0) {
        std::cerr << argv[1] << ": the table holds no changes\n";
        return 1;
    }
    if (!base.save(argv[2], &error)) {
        std::cerr << "orvanta_table_to_tch: " << error << "\n";
        return 1;
    }
    return 0;
}
