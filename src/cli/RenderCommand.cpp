#include "cli/RenderCommand.h"

#include <QSize>
#include <ostream>

#include "cli/ChartOpening.h"
#include "cli/CommandLine.h"
#include "cli/DrawingSetup.h"
#include "cli/TransitsCommand.h"
#include "cli/TwoChartRender.h"
#include "common/MessageSink.h"
#include "doc/CZodiacDoc.h"
#include "draw/ChartResources.h"
#include "draw/FontMapping.h"
#include "events/paint/DialImage.h"
#include "natal/paint/ChartImage.h"

namespace orvanta::cli {

std::optional<std::pair<int, int>> RenderCommand::parseSize(const std::string& text) {
    const auto x = text.find_first_of("xX");
    if (x == std::string::npos) return std::nullopt;
    try {
        const int width = CommandLine::toInt("--size", text.substr(0, x));
        const int height = CommandLine::toInt("--size", text.substr(x + 1));
        if (width < 1 || height < 1 || width > ChartImage::kLargestSide ||
            height > ChartImage::kLargestSide) {
            return std::nullopt;
        }
        return std::make_pair(width, height);
    } catch (const UsageError&) {
        return std::nullopt;
    }
}

int RenderCommand::run(const std::vector<std::string>& arguments, std::ostream& out,
                       std::ostream& err) {
    CommandLine line({"--size", "--dial", "--date", "--steps", "--biwheel", "--synastry-table"},
                     {"--wheel", "--table"});
    std::pair<int, int> size{kDefaultSide, kDefaultSide};
    try {
        line.parse(arguments);
        if (TwoChartRender::wanted(line)) return TwoChartRender::run(line, out, err);
        if (line.has("--dial")) return renderDial(line, out, err);
        if (line.operands().size() != 2) {
            throw UsageError(
                "укажите файл карты и файл вывода: "
                "render FILE.map (--wheel | --table) OUT.(png|pdf|svg) [--size WxH]");
        }
        if (line.has("--wheel") == line.has("--table")) {
            throw UsageError("выберите одно из --wheel и --table");
        }
        if (const auto text = line.value("--size")) {
            const auto parsed = parseSize(*text);
            if (!parsed) {
                throw UsageError("--size: «" + *text + "» не ШxВ со сторонами от 1 до " +
                                 std::to_string(ChartImage::kLargestSide));
            }
            size = *parsed;
        }
    } catch (const UsageError& error) {
        err << "orvanta-cli render: " << error.what() << "\n";
        return 2;
    }

    auto app = DrawingSetup::guiApplication();
    CZodiacDoc doc;
    if (!ChartOpening::open(doc, line.operands()[0], "render", err)) return 1;

    const ChartResources resources = DrawingSetup::loadResources();
    const QSize area(size.first, size.second);
    const std::string output = line.operands()[1];
    std::string error;
    const bool saved = line.has("--wheel") ? ChartImage::save(ChartImage::Kind::Wheel, doc.natal(),
                                                              resources, area, output, &error)
                                           : ChartImage::save(ChartImage::Kind::Table, doc.natal(),
                                                              resources, area, output, &error);
    if (!saved) {
        err << "orvanta-cli render: " << error << "\n";
        return 1;
    }
    out << output << "\n";
    return 0;
}

int RenderCommand::renderDial(const CommandLine& line, std::ostream& out, std::ostream& err) {
    EventChartSettings settings;
    std::pair<int, int> size{kDefaultSide, kDefaultSide};
    try {
        if (line.operands().size() != 1 || line.has("--wheel") || line.has("--table")) {
            throw UsageError(
                "укажите файл карты: render FILE.map --dial OUT.(png|pdf|svg) --date DD.MM.YYYY "
                "[--steps N] [--size WxH]");
        }
        settings = TransitsCommand::readSettings(line);
        if (const auto text = line.value("--size")) {
            const auto parsed = parseSize(*text);
            if (!parsed) throw UsageError("--size: «" + *text + "» не ШxВ");
            size = *parsed;
        }
    } catch (const UsageError& error) {
        err << "orvanta-cli render: " << error.what() << "\n";
        return 2;
    }
    auto app = DrawingSetup::guiApplication();
    CZodiacDoc doc;
    if (!TransitsCommand::build(line.operands()[0], settings, doc, "render", err)) return 1;
    const ChartResources resources = DrawingSetup::loadResources();
    const std::string output = *line.value("--dial");
    std::string error;
    if (!DialImage::save(doc.eventChart(), QString::fromStdString(resources.serifFace),
                         QSize(size.first, size.second), output, &error)) {
        err << "orvanta-cli render: " << error << "\n";
        return 1;
    }
    out << output << "\n";
    return 0;
}

}  // namespace orvanta::cli
