#include "cli/ChartOpening.h"

#include <ostream>

#include "cli/LowerLayerMessage.h"
#include "common/AtomicFile.h"
#include "common/MessageSink.h"
#include "doc/CZodiacDoc.h"

namespace orvanta::cli {

bool ChartOpening::open(CZodiacDoc& doc, const std::string& path, std::string_view command,
                        std::ostream& err, const std::function<bool()>& then) {
    const std::string prefix = "orvanta-cli " + std::string(command) + ": ";
    // The document only says that it cannot open a file, as the desktop program's message
    // does; the command line names the file and the reason first.
    std::string reason;
    if (!AtomicFile::read(path, &reason)) {
        err << prefix << reason << "\n";
        return false;
    }
    auto previous = MessageSink::install([&err, &prefix](std::string_view text) {
        err << prefix << LowerLayerMessage::forCommandLine(text) << "\n";
    });
    const auto opened = doc.open(path);
    for (const auto& message : opened.messages) MessageSink::report(message);
    const bool done = opened.loaded() && (!then || then());
    MessageSink::install(std::move(previous));
    if (opened.status == LoadStatus::Empty) {
        err << prefix << "«" << path << "» пуст: в нём нет карты\n";
    }
    return done;
}

}  // namespace orvanta::cli
