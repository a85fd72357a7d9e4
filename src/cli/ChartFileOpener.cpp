#include "cli/ChartFileOpener.h"

#include <ostream>

#include "common/MessageSink.h"
#include "doc/CZodiacDoc.h"

namespace orvanta::cli {

bool ChartFileOpener::open(std::string_view command, const std::string& path, CZodiacDoc& doc,
                           std::ostream& err) {
    auto previous = MessageSink::install([&](std::string_view text) {
        err << "orvanta-cli " << command << ": " << path << ": " << text << "\n";
    });
    const auto opened = doc.open(path);
    MessageSink::install(std::move(previous));
    if (opened == CZodiacDoc::OpenResult::EmptyFile) {
        err << "orvanta-cli " << command << ": " << path << " is empty: it holds no chart\n";
    }
    return opened == CZodiacDoc::OpenResult::Opened;
}

}  // namespace orvanta::cli
