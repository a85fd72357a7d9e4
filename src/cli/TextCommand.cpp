#include "cli/TextCommand.h"

#include <ostream>

#include "cli/ChartOpening.h"
#include "cli/CommandLine.h"
#include "common/AtomicFile.h"
#include "common/Windows1251.h"
#include "doc/CZodiacDoc.h"
#include "texts/LineEnds.h"

namespace orvanta::cli {

int TextCommand::run(const std::vector<std::string>& arguments, std::ostream& out,
                     std::ostream& err) {
    CommandLine line({"-o"}, {});
    try {
        line.parse(arguments);
        if (line.operands().size() != 1) {
            throw UsageError("укажите один файл карты: text FILE.map [-o OUT.txt]");
        }
        if (line.has("-o") && line.value("-o")->empty()) {
            throw UsageError("-o: пустое имя файла");
        }
    } catch (const UsageError& error) {
        err << "orvanta-cli text: " << error.what() << "\n";
        return 2;
    }
    const std::string& chartPath = line.operands()[0];

    CZodiacDoc doc;
    const bool opened = ChartOpening::open(doc, chartPath, "text", err, [&doc] {
        doc.refreshInterpretation();
        return true;
    });
    // A missing library file has been named already; half a text is not given out.
    if (!opened || !doc.isInterpretationComplete()) return 1;

    const auto output = line.value("-o");
    if (!output) {
        out << LineEnds::toLf(doc.interpretation());
        return 0;
    }
    const auto bytes = Windows1251::fromUtf8(doc.interpretation());
    if (!bytes) {
        err << "orvanta-cli text: символ «" << Windows1251::firstUnencodable(doc.interpretation())
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
