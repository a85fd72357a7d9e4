#include "cli/TextCommand.h"

#include <optional>
#include <ostream>

#include "cli/ChartOpening.h"
#include "cli/CommandLine.h"
#include "common/AtomicFile.h"
#include "common/Windows1251.h"
#include "doc/CZodiacDoc.h"
#include "texts/FullReading.h"
#include "texts/LineEnds.h"
#include "texts/TextLibrary.h"

namespace orvanta::cli {
namespace {

// The text in the encoding asked for; empty, with the reason told, when a character does not
// fit the code page.
std::optional<std::string> encoded(const std::string& utf8, bool cp1251, std::ostream& err) {
    if (!cp1251) return utf8;
    auto bytes = Windows1251::fromUtf8(utf8);
    if (!bytes) {
        err << "orvanta-cli text: символ «" << Windows1251::firstUnencodable(utf8)
            << "» нельзя записать в Windows-1251\n";
    }
    return bytes;
}

int writeOut(const std::string& bytes, const std::optional<std::string>& output, std::ostream& out,
             std::ostream& err) {
    if (!output) {
        out << bytes;
        return 0;
    }
    std::string error;
    if (!AtomicFile::write(*output, bytes, &error)) {
        err << "orvanta-cli text: " << error << "\n";
        return 1;
    }
    return 0;
}

// The full reading: UTF-8 with LF, or Windows-1251 with CR LF as the interpretation is saved.
int writeFullReading(const CZodiacDoc& doc, const CommandLine& line, std::ostream& out,
                     std::ostream& err) {
    const TextLibrary library;
    const auto reading =
        FullReading(library).build(doc.natal().birth, doc.natal().chart, doc.natal().aspects);
    if (!reading.complete) {
        err << "orvanta-cli text: " << reading.message << "\n";
        return 1;
    }
    const bool cp1251 = line.has("--cp1251");
    const auto bytes =
        encoded(cp1251 ? FullReading::forCodePage(reading.text) : reading.text, cp1251, err);
    if (!bytes) return 1;
    return writeOut(*bytes, line.value("-o"), out, err);
}

}  // namespace

int TextCommand::run(const std::vector<std::string>& arguments, std::ostream& out,
                     std::ostream& err) {
    CommandLine line({"-o"}, {"--full", "--cp1251"});
    try {
        line.parse(arguments);
        if (line.operands().size() != 1) {
            throw UsageError("укажите один файл карты: text FILE.map [-o OUT.txt]");
        }
        if (line.has("-o") && line.value("-o")->empty()) {
            throw UsageError("-o: пустое имя файла");
        }
        if (line.has("--cp1251") && !line.has("--full")) {
            throw UsageError(
                "--cp1251 пишется вместе с --full: толкование всегда сохраняется в "
                "Windows-1251");
        }
    } catch (const UsageError& error) {
        err << "orvanta-cli text: " << error.what() << "\n";
        return 2;
    }
    const std::string& chartPath = line.operands()[0];

    CZodiacDoc doc;
    const bool full = line.has("--full");
    const bool opened = ChartOpening::open(doc, chartPath, "text", err, [&doc, full] {
        if (!full) doc.refreshInterpretation();
        return true;
    });
    if (!opened) return 1;
    if (full) return writeFullReading(doc, line, out, err);
    // A missing library file has been named already; half a text is not given out.
    if (!doc.interpretation().isComplete()) return 1;

    const auto output = line.value("-o");
    if (!output) {
        out << LineEnds::toLf(doc.interpretation().text());
        return 0;
    }
    const auto bytes = Windows1251::fromUtf8(doc.interpretation().text());
    if (!bytes) {
        err << "orvanta-cli text: символ «"
            << Windows1251::firstUnencodable(doc.interpretation().text())
            << "» нельзя записать в Windows-1251\n";
        return 1;
    }
    std::string error;
    if (!AtomicFile::write(*output, *bytes, &error)) {
        err << "orvanta-cli text: " << error << "\n";
        return 1;
    }
    return 0;
}

}  // namespace orvanta::cli
