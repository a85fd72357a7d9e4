#include "cli/PrintCommand.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <ostream>

#include "cli/CommandLine.h"
#include "cli/DrawingSetup.h"
#include "common/MessageSink.h"
#include "doc/CZodiacDoc.h"
#include "natal/paint/NatalPagePainter.h"

namespace orvanta::cli {
namespace {

constexpr const char* kUsage =
    "print FILE.map (--wheel | --table) OUT.pdf [--paper A4|Letter] [--landscape]";

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

QPageSize paperOf(const std::optional<std::string>& name) {
    if (!name || lowered(*name) == "a4") return QPageSize(QPageSize::A4);
    if (lowered(*name) == "letter") return QPageSize(QPageSize::Letter);
    throw UsageError("--paper: '" + *name + "' is neither A4 nor Letter");
}

}  // namespace

int PrintCommand::run(const std::vector<std::string>& arguments, std::ostream& out,
                      std::ostream& err) {
    CommandLine line({"--paper"}, {"--wheel", "--table", "--landscape"});
    QPageSize paper;
    try {
        line.parse(arguments);
        if (line.operands().size() != 2) {
            throw UsageError(std::string("give the chart file and the output file: ") + kUsage);
        }
        if (line.has("--wheel") == line.has("--table")) {
            throw UsageError("choose one of --wheel and --table");
        }
        if (lowered(std::filesystem::path(line.operands()[1]).extension().string()) != ".pdf") {
            throw UsageError("the output file's name must end in .pdf");
        }
        paper = paperOf(line.value("--paper"));
    } catch (const UsageError& error) {
        err << "orvanta-cli print: " << error.what() << "\n";
        return 2;
    }

    auto app = DrawingSetup::guiApplication();
    auto previous = MessageSink::install([&err](std::string_view text) { err << text << "\n"; });
    CZodiacDoc doc;
    const auto opened = doc.open(line.operands()[0]);
    MessageSink::install(std::move(previous));
    if (opened != CZodiacDoc::OpenResult::Opened) {
        if (opened == CZodiacDoc::OpenResult::EmptyFile) {
            err << "orvanta-cli print: " << line.operands()[0] << " is empty: it holds no chart\n";
        }
        return 1;
    }

    const ChartResources resources = DrawingSetup::loadResources();
    const auto kind =
        line.has("--wheel") ? NatalPagePainter::Kind::Wheel : NatalPagePainter::Kind::Table;
    const auto orientation =
        line.has("--landscape") ? QPageLayout::Landscape : QPageLayout::Portrait;
    const std::string output = line.operands()[1];
    std::string error;
    if (!NatalPagePainter::savePdf(kind, doc, resources, paper, orientation, output, &error)) {
        err << "orvanta-cli print: " << error << "\n";
        return 1;
    }
    out << output << "\n";
    return 0;
}

}  // namespace orvanta::cli
