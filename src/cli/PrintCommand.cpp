#include "cli/PrintCommand.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <ostream>

#include "cli/ChartOpening.h"
#include "cli/CommandLine.h"
#include "cli/DrawingSetup.h"
#include "cli/TransitsCommand.h"
#include "doc/CZodiacDoc.h"
#include "events/paint/DialImage.h"
#include "natal/paint/NatalPagePainter.h"
#include "texts/paint/TextPagePainter.h"

namespace orvanta::cli {
namespace {

constexpr const char* kUsage =
    "print FILE.map (--wheel | --table | --text | --dial --date DD.MM.YYYY) OUT.pdf "
    "[--paper A4|Letter] [--landscape]";
constexpr const char* kKinds[] = {"--wheel", "--table", "--text", "--dial"};
// The options that choose the event chart's day and its computation.
constexpr const char* kDialOptions[] = {"--date", "--steps", "--moscow", "--greenwich", "--manual"};

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

QPageSize paperOf(const std::optional<std::string>& name) {
    if (!name || lowered(*name) == "a4") return QPageSize(QPageSize::A4);
    if (lowered(*name) == "letter") return QPageSize(QPageSize::Letter);
    throw UsageError("--paper: «" + *name + "» не A4 и не Letter");
}

std::string kindOf(const CommandLine& line) {
    const auto chosen = std::count_if(std::begin(kKinds), std::end(kKinds),
                                      [&line](const char* kind) { return line.has(kind); });
    if (chosen != 1) throw UsageError("выберите одно из --wheel, --table, --text и --dial");
    for (const char* kind : kKinds) {
        if (line.has(kind)) return kind;
    }
    return {};
}

void checkDialOptions(const CommandLine& line, const std::string& kind) {
    if (kind == "--dial") return;
    for (const char* option : kDialOptions) {
        if (line.has(option)) throw UsageError(std::string(option) + " относится только к --dial");
    }
}

// Opens the chart file, with its interpretation written when asked; false after saying why.
bool openChart(const std::string& path, bool withText, CZodiacDoc& doc, std::ostream& err) {
    return ChartOpening::open(doc, path, "print", err, [&] {
        if (withText) doc.refreshInterpretation();
        return true;
    });
}

}  // namespace

int PrintCommand::run(const std::vector<std::string>& arguments, std::ostream& out,
                      std::ostream& err) {
    CommandLine line({"--paper", "--date", "--steps", "--moscow", "--greenwich"},
                     {"--wheel", "--table", "--text", "--dial", "--landscape", "--manual"});
    Request request;
    try {
        line.parse(arguments);
        if (line.operands().size() != 2) {
            throw UsageError(std::string("укажите файл карты и файл вывода: ") + kUsage);
        }
        request.kind = kindOf(line);
        checkDialOptions(line, request.kind);
        if (request.kind == "--dial") request.eventChart = TransitsCommand::readSettings(line);
        if (lowered(std::filesystem::path(line.operands()[1]).extension().string()) != ".pdf") {
            throw UsageError("имя файла вывода должно кончаться на .pdf");
        }
        request.paper = paperOf(line.value("--paper"));
    } catch (const UsageError& error) {
        err << "orvanta-cli print: " << error.what() << "\n";
        return 2;
    }
    request.chart = line.operands()[0];
    request.output = line.operands()[1];
    request.orientation = line.has("--landscape") ? QPageLayout::Landscape : QPageLayout::Portrait;

    auto app = DrawingSetup::guiApplication();
    CZodiacDoc doc;
    const bool ready =
        request.kind == "--dial"
            ? TransitsCommand::build(request.chart, request.eventChart, doc, "print", err)
            : openChart(request.chart, request.kind == "--text", doc, err);
    if (!ready) return 1;
    // A missing library file has been named already; half a text is not printed.
    if (request.kind == "--text" && !doc.interpretation().isComplete()) return 1;

    std::string error;
    if (!printInto(request, doc, DrawingSetup::loadResources(), &error)) {
        err << "orvanta-cli print: " << error << "\n";
        return 1;
    }
    out << request.output << "\n";
    return 0;
}

bool PrintCommand::printInto(const Request& request, const CZodiacDoc& doc,
                             const ChartResources& resources, std::string* error) {
    const QString face = QString::fromStdString(resources.serifFace);
    if (request.kind == "--text") {
        return TextPagePainter::savePdf(doc.interpretation().text(), face,
                                        QString::fromStdString(doc.natal().birth.name),
                                        request.paper, request.orientation, request.output, error);
    }
    if (request.kind == "--dial") {
        return DialImage::savePdf(doc.eventChart(), doc.natal().birth.name, face, request.paper,
                                  request.orientation, request.output, error);
    }
    const auto kind =
        request.kind == "--wheel" ? NatalPagePainter::Kind::Wheel : NatalPagePainter::Kind::Table;
    return NatalPagePainter::savePdf(kind, doc.natal(), resources, request.paper,
                                     request.orientation, request.output, error);
}

}  // namespace orvanta::cli
