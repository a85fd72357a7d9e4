#include "ui/SettingsCommands.h"

#include "settings/CBornSheet.h"
#include "settings/CTranzitSheet.h"

namespace orvanta {

void SettingsCommands::natalSettings(OpenChart& chart, QWidget* parent) {
    CBornSheet sheet(chart.doc(), parent);
    sheet.exec();
    // The sheet may have changed what the chart file holds; the window titles show it.
    chart.setModified(chart.doc().isModified());
}

void SettingsCommands::eventSettings(OpenChart& chart, QWidget* parent) {
    CTranzitSheet sheet(chart.doc(), parent);
    sheet.exec();
    chart.setModified(chart.doc().isModified());
}

}  // namespace orvanta
