#include "ui/CalendarCommands.h"

#include <QDate>

#include "birthdata/PlaceBase.h"
#include "birthdata/PlaceFinder.h"
#include "birthdata/WorldAtlas.h"
#include "common/AppFolder.h"
#include "ui/CTrChildFrame.h"
#include "ui/CalendarChildFrame.h"
#include "ui/CalendarDialog.h"
#include "ui/ChartWindows.h"

namespace orvanta {
namespace {

QString periodText(const Date& from, const Date& to) {
    const auto text = [](const Date& date) {
        return QDate(date.year, date.month, date.day).toString("dd.MM.yyyy");
    };
    return "с " + text(from) + " по " + text(to);
}

}  // namespace

void CalendarCommands::open(ChartWindows& windows, const std::shared_ptr<OpenChart>& chart,
                            QWidget* parent) {
    const QDate today = QDate::currentDate();
    PlaceBase userPlaces;
    userPlaces.load(AppFolder::find(PlaceBase::kFileName));  // none or unreadable: atlas only
    const PlaceFinder places(userPlaces, &WorldAtlas::shared());
    CalendarDialog dialog(CalendarChoice(chart->doc(), {today.day(), today.month(), today.year()}),
                          places, parent);
    if (dialog.exec() != QDialog::Accepted || !dialog.zone()) return;
    auto* frame = dynamic_cast<CalendarChildFrame*>(windows.show(CalendarChildFrame::kKind, chart));
    if (frame == nullptr) return;
    frame->setEventChartOpener([&windows, chart] { windows.show(CTrChildFrame::kKind, chart); });
    const CalendarChoice& choice = dialog.choice();
    frame->start(choice.request(*dialog.zone()), *dialog.zone(),
                 periodText(choice.from, choice.to));
}

}  // namespace orvanta
