#include "cli/CompositeCommand.h"

#include <ostream>

#include "cli/ChartCommand.h"
#include "cli/ChartOpening.h"
#include "cli/CommandLine.h"
#include "common/MessageSink.h"
#include "doc/CZodiacDoc.h"
#include "doc/CombinedChart.h"

namespace orvanta::cli {

int CompositeCommand::run(const std::vector<std::string>& arguments, std::ostream& out,
                          std::ostream& err) {
    CommandLine line({"-o"}, {"--davison", "--json"});
    try {
        line.parse(arguments);
        if (line.operands().size() != 2) throw UsageError("укажите два файла карт: A.map B.map");
    } catch (const UsageError& error) {
        err << "orvanta-cli composite: " << error.what() << "\n";
        return 2;
    }
    CZodiacDoc first;
    CZodiacDoc second;
    if (!ChartOpening::open(first, line.operands()[0], "composite", err) ||
        !ChartOpening::open(second, line.operands()[1], "composite", err)) {
        return 1;
    }

    auto previous = MessageSink::install(
        [&err](std::string_view text) { err << "orvanta-cli composite: " << text << "\n"; });
    CZodiacDoc combined;
    const auto kind =
        line.has("--davison") ? CombinedChart::Kind::Davison : CombinedChart::Kind::Composite;
    bool done = CombinedChart::build(kind, first.natal(), second.natal(), combined);
    if (done && line.has("-o")) done = combined.save(*line.value("-o"));
    MessageSink::install(std::move(previous));
    if (!done) return 1;

    const NatalChart& natal = combined.natal();
    const int last = ChartCommand::lastObject(natal);
    if (line.has("--json")) {
        out << ChartCommand::formatJson(natal.chart, last);
    } else {
        out << "Имя: " << natal.birth.name << "\n" << ChartCommand::formatTable(natal.chart, last);
    }
    return 0;
}

}  // namespace orvanta::cli
