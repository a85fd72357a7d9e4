#include "ui/BirthDataCommands.h"

#include <optional>

#include "natal/NatalChart.h"
#include "ui/AppContext.h"
#include "ui/BirthDataDialog.h"
#include "ui/OpenChart.h"

namespace orvanta {
namespace {

// The dialog on the chart's record; the confirmed record, or nothing.
std::optional<BirthDataEntry::Record> runEntry(OpenChart& chart, AppContext& context,
                                               QWidget* parent,
                                               const BirthDataDialog::Files& files) {
    BirthDataDialog dialog(BirthDataCommands::recordOf(chart.doc().natal()), context.timeChanges,
                           QString::fromStdString(context.resources.sansFace), files, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.record();
}

}  // namespace

BirthDataEntry::Record BirthDataCommands::recordOf(const NatalChart& natal) {
    return {natal.birth, natal.houseSystem, natal.chart.housesUnavailable != 0,
            natal.autoGreenwich != 0};
}

bool BirthDataCommands::newChart(OpenChart& chart, AppContext& context, QWidget* parent,
                                 const BirthDataDialog::Files& files) {
    const auto record = runEntry(chart, context, parent, files);
    if (!record) return false;
    const bool computed = chart.doc().newChart(record->birth, record->houseSystem,
                                               record->housesUnavailable, record->autoGreenwich);
    chart.setModified(true);
    return computed;
}

bool BirthDataCommands::changeBirthData(OpenChart& chart, AppContext& context, QWidget* parent,
                                        const BirthDataDialog::Files& files) {
    const auto record = runEntry(chart, context, parent, files);
    if (!record) return false;
    chart.doc().changeBirthData(record->birth, record->houseSystem, record->housesUnavailable,
                                record->autoGreenwich);
    chart.setModified(true);
    return true;
}

}  // namespace orvanta
