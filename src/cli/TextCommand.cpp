#include "cli/TextCommand.h"

#include <ostream>

#include "cli/CommandLine.h"
#include "common/AtomicFile.h"
#include "common/MessageSink.h"
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
            throw UsageError("give one chart file: text FILE.map [-o OUT.txt]");
        }
    } catch (const UsageError& error) {
        err << "orvanta-cli text: " << error.what() << "\n";
        return 2;
    }
    const std::string& chartPath = line.operands()[0];

    auto previous = MessageSink::install(
        [&err](std::string_view text) { err << "orvanta-cli text: " << text << "\n"; });
    CZodiacDoc doc;
    const auto opened = doc.open(chartPath);
    if (opened == CZodiacDoc::OpenResult::Opened) doc.refreshInterpretation();
    MessageSink::install(std::move(previous));
    if (opened == CZodiacDoc::OpenResult::EmptyFile) {
        err << "orvanta-cli text: " << chartPath << " is empty: it holds no chart\n";
    }
    // A missing library file has been named already; half a text is not given out.
    if (opened != CZodiacDoc::OpenResult::Opened || !doc.isInterpretationComplete()) return 1;

    const auto output = line.value("-o");
    if (!output) {
        out << LineEnds::toLf(doc.interpretation());
        return 0;
    }
    const auto bytes = Windows1251::fromUtf8(doc.interpretation());
    if (!bytes) {
        err << "orvanta-cli text: the character '"
            << Windows1251::firstUnencodable(doc.interpretation())
            << "' cannot be written in Windows-1251\n";
        return 1;
    }
    std::string error;
    if (!AtomicFile::write(*output, *bytes, &error)) {
        err << "orvanta-cli text: " << *output << ": " << error << "\n";
        return 1;
    }
    return 0;
}

}  // namespace orvanta::cli
