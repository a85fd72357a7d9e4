#include "cli/AafCommands.h"

#include <filesystem>
#include <ostream>

#include "birthdata/PlaceBase.h"
#include "birthdata/PlaceFinder.h"
#include "birthdata/TimeChangeBase.h"
#include "birthdata/WorldAtlas.h"
#include "cli/CommandLine.h"
#include "common/AppFolder.h"
#include "common/AtomicFile.h"
#include "common/FormatError.h"
#include "common/MessageSink.h"
#include "doc/AafImport.h"
#include "doc/AafWriter.h"
#include "doc/MapFile.h"

namespace orvanta::cli {
namespace {

CommandLine parsed(const std::vector<std::string>& arguments, const std::string& valueOption) {
    CommandLine line({valueOption}, {});
    line.parse(arguments);
    return line;
}

}  // namespace

int AafCommands::runImport(const std::vector<std::string>& arguments, std::ostream& out,
                           std::ostream& err) {
    std::string file;
    std::filesystem::path folder;
    try {
        const auto line = parsed(arguments, "-d");
        if (line.operands().size() != 1) throw UsageError("give one FILE.aaf");
        file = line.operands()[0];
        folder = line.value("-d").value_or(".");
    } catch (const UsageError& error) {
        err << "orvanta-cli import: " << error.what() << "\n";
        return 2;
    }
    std::string reason;
    const auto bytes = AtomicFile::read(file, &reason);
    if (!bytes) {
        err << "orvanta-cli import: " << file << ": " << reason << "\n";
        return 1;
    }
    std::error_code created;
    std::filesystem::create_directories(folder, created);
    if (!std::filesystem::is_directory(folder)) {
        err << "orvanta-cli import: " << folder.string() << " is no folder\n";
        return 1;
    }

    PlaceBase userPlaces;
    userPlaces.load(AppFolder::find(PlaceBase::kFileName));  // none or unreadable: atlas only
    TimeChangeBase changes;
    changes.load(AppFolder::find(TimeChangeBase::kFileName));
    const PlaceFinder finder(userPlaces, &WorldAtlas::shared());
    auto previous = MessageSink::install([&err](std::string_view text) { err << text << "\n"; });
    const auto report = AafImport(&finder, changes).run(*bytes, folder);
    MessageSink::install(std::move(previous));

    for (const auto& problem : report.problems) {
        err << file << ":" << problem.line << ": " << problem.message << "\n";
    }
    for (const auto& path : report.created) out << path.string() << "\n";
    out << "Кодировка: " << AafEncoding::name(report.encoding) << "\n"
        << "Карт создано: " << report.created.size() << " из " << report.records << "\n";
    return report.writeFailed ? 1 : 0;
}

int AafCommands::runExport(const std::vector<std::string>& arguments, std::ostream& out,
                           std::ostream& err) {
    std::string target;
    std::vector<std::string> charts;
    try {
        const auto line = parsed(arguments, "-o");
        target = line.required("-o");
        charts = line.operands();
        if (charts.empty()) throw UsageError("give at least one FILE.map");
    } catch (const UsageError& error) {
        err << "orvanta-cli export: " << error.what() << "\n";
        return 2;
    }
    int status = 0;
    int written = 0;
    std::string text;
    for (const auto& chart : charts) {
        std::string reason;
        const auto bytes = AtomicFile::read(chart, &reason);
        try {
            if (!bytes) throw FormatError(reason);
            text += AafWriter::record(MapFile::parse(*bytes).birth);
            ++written;
        } catch (const FormatError& error) {
            err << "orvanta-cli export: " << chart << ": " << error.what() << "\n";
            status = 1;
        }
    }
    std::string reason;
    if (!AtomicFile::write(target, text, &reason)) {
        err << "orvanta-cli export: " << target << ": " << reason << "\n";
        return 1;
    }
    out << "Карт записано: " << written << "\n";
    return status;
}

}  // namespace orvanta::cli
