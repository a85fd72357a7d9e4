#include "cli/BatchCommand.h"

#include <fstream>
#include <istream>
#include <ostream>
#include <utility>
#include <variant>

#include "calc/ChartComputation.h"
#include "calc/HouseSystems.h"
#include "cli/BatchRecordParser.h"
#include "cli/CommandLine.h"
#include "common/AtomicFileWriter.h"

namespace orvanta::cli {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

int readHouseSystem(const CommandLine& line) {
    const std::string name = line.value("--houses").value_or("Placidus");
    if (name == "none") return HouseSystems::kNone;
    if (const auto index = HouseSystems::indexOf(name)) return *index;
    throw UsageError("--houses: неизвестная система домов «" + name + "»");
}

}  // namespace

BatchCommand::LineRead BatchCommand::readLine(std::istream& in, std::string& line) {
    line.clear();
    std::streambuf* buffer = in.rdbuf();
    bool tooLong = false;
    for (;;) {
        int c = 0;
        try {
            c = buffer->sbumpc();
        } catch (const std::ios_base::failure&) {
            // A failed read (a folder given as input, an I/O error) throws from the file buffer
            // itself, whatever the stream's exception mask; the caller reports it as unreadable.
            in.setstate(std::ios::badbit);
            return LineRead::End;
        }
        if (c == std::char_traits<char>::eof()) {
            in.setstate(std::ios::eofbit);
            if (line.empty() && !tooLong) return LineRead::End;
            break;
        }
        if (c == '\n') break;
        if (line.size() < kLongestLine) {
            line += static_cast<char>(c);
        } else {
            tooLong = true;
        }
    }
    return tooLong ? LineRead::TooLong : LineRead::Line;
}

BatchCommand::Summary BatchCommand::process(std::istream& in, BatchResultWriter& writer,
                                            std::ostream& err, int defaultHouseSystem) {
    const BatchRecordParser parser(defaultHouseSystem);
    auto& computation = ChartComputation::shared();
    Summary summary;
    std::string line;
    ChartData chart;
    bool headerPossible = true;
    writer.writeHeader();
    for (long number = 1; !writer.failed(); ++number) {
        const LineRead read = readLine(in, line);
        if (read == LineRead::End) break;
        if (number == 1 && line.starts_with(kUtf8Mark)) line.erase(0, kUtf8Mark.size());
        const auto fail = [&](const std::string& field, const std::string& message) {
            const std::string text =
                "строка " + std::to_string(number) + ": " + field + ": " + message;
            err << "orvanta-cli batch: " << text << "\n";
            writer.writeEmpty(read == LineRead::TooLong ? "" : BatchRecordParser::nameOf(line),
                              text);
            ++summary.failed;
        };
        if (read == LineRead::TooLong) {
            ++summary.records;
            fail("строка", "длиннее " + std::to_string(kLongestLine) + " байт");
            continue;
        }
        if (BatchRecordParser::isSkipped(line)) continue;
        if (std::exchange(headerPossible, false) && BatchRecordParser::isHeader(line)) continue;
        ++summary.records;
        const auto parsed = parser.parse(line);
        if (const auto* error = std::get_if<BatchFieldError>(&parsed)) {
            fail(error->field, error->message);
            continue;
        }
        const auto& record = std::get<BatchRecord>(parsed);
        // One chart record serves every line: the computation rewrites each object it
        // outputs, and a fresh record per line would cost more than the bookkeeping around it.
        chart.housesUnavailable = record.request.houseSystem == HouseSystems::kNone ? 1 : 0;
        const auto computed = computation.compute(record.request, chart);
        if (!computed) {
            fail("chart", computed.message);
            continue;
        }
        if (computation.lastEngineStatus() != 0) summary.engineIncomplete = true;
        writer.writeChart(record.name, chart);
    }
    return summary;
}

int BatchCommand::run(const std::vector<std::string>& arguments, std::ostream& out,
                      std::ostream& err) {
    CommandLine line({"--houses", "-o"}, {"--json-lines"});
    int houseSystem = 0;
    try {
        line.parse(arguments);
        if (line.operands().size() > 1)
            throw UsageError("укажите один входной файл или - для стандартного ввода");
        houseSystem = readHouseSystem(line);
        if (line.has("-o") && line.value("-o")->empty()) {
            throw UsageError("-o: пустое имя файла");
        }
    } catch (const UsageError& error) {
        err << "orvanta-cli batch: " << error.what() << "\n";
        return 2;
    }

    const std::string inputName = line.operands().empty() ? "-" : line.operands()[0];
    std::ifstream input(inputName == "-" ? std::string("/dev/stdin") : inputName, std::ios::binary);
    if (!input) {
        err << "orvanta-cli batch: не удалось открыть «" << inputName << "»\n";
        return 1;
    }

    const auto outputName = line.value("-o");
    AtomicFileWriter file(outputName.value_or(""));
    std::string error;
    if (outputName && !file.open(&error)) {
        err << "orvanta-cli batch: " << error << "\n";
        return 1;
    }
    std::ostream& target = outputName ? file.stream() : out;
    BatchResultWriter writer(target, line.has("--json-lines") ? BatchResultWriter::Format::JsonLines
                                                              : BatchResultWriter::Format::Csv);
    const Summary summary = process(input, writer, err, houseSystem);
    if (input.bad()) {
        err << "orvanta-cli batch: не удалось прочитать «" << inputName << "»\n";
        return 1;
    }
    if (outputName && !file.commit(&error)) {
        err << "orvanta-cli batch: " << error << "\n";
        return 1;
    }
    target.flush();
    if (summary.engineIncomplete) {
        err << "orvanta-cli batch: внимание: библиотека расчёта вычислила не все тела (для Хирона "
               "нужен seas_18.se1 в папке программы); такое тело показано в 0°\n";
    }
    return summary.failed > 0 ? 1 : 0;
}

}  // namespace orvanta::cli
