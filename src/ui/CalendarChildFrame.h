#pragma once

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QToolBar>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>

#include "events/CalendarRequest.h"
#include "events/CalendarZone.h"
#include "ui/ChartWindow.h"
#include "ui/OpenChart.h"

namespace orvanta {

class CalendarListModel;
class CalendarSearch;
class Ephemeris;

// The transit calendar of a chart over a period: the events in a sortable list narrowed by a
// filter field, a double click opening the event chart of the event's day, "Сохранить как..."
// writing CSV or iCalendar, and printing over numbered pages.
class CalendarChildFrame : public QWidget, public ChartWindow {
    Q_OBJECT
  public:
    static constexpr const char* kKind = "calendar";

    CalendarChildFrame(std::shared_ptr<OpenChart> chart, std::shared_ptr<const Ephemeris> ephemeris,
                       QWidget* parent = nullptr);
    static CalendarChildFrame* make(std::shared_ptr<OpenChart> chart,
                                    const WindowServices& services);

    // Searches the period afresh; the list shows the result when the search ends.
    void start(const CalendarRequest& request, const CalendarZone& zone, const QString& period);
    // What a double click calls once the event chart is set to the row's day.
    void setEventChartOpener(std::function<void()> open) { openEventChart_ = std::move(open); }
    // The row's day as the event chart's date, then the event chart window.
    void openEventDay(int row);
    // CSV or, for ".ics", iCalendar, of the rows shown. False with the reason.
    bool saveList(const std::filesystem::path& file, std::string& reason) const;

    QWidget& widget() override { return *this; }
    OpenChart& chart() override { return *chart_; }
    std::shared_ptr<OpenChart> sharedChart() const override { return chart_; }
    void addMenus(const Menus& menus) override;
    bool allowsSecondWindow() const override { return false; }
    std::optional<int> pageCount(QPrinter& printer) override;
    bool print(QPrinter& printer, QWidget* dialogParent) override;

    QTableView* table() const { return table_; }
    QLineEdit* filterField() const { return filter_; }
    CalendarListModel* model() const { return model_; }
    CalendarSearch* search() const { return search_; }
    QAction* saveAsAction() const { return saveAs_; }
    QToolBar* toolBar() const { return toolBar_; }

  signals:
    // The list shows a new result.
    void listReady();

  private:
    void saveWithDialog();
    void showCount();
    int linesPerPage(QPrinter& printer) const;
    void paintPage(QPainter& painter, const QRectF& page, int first, int count, int number,
                   int pages) const;

    std::shared_ptr<OpenChart> chart_;
    CalendarListModel* model_ = nullptr;
    CalendarSearch* search_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QAction* saveAs_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QTableView* table_ = nullptr;
    QLabel* status_ = nullptr;
    QString period_;
    std::optional<CalendarZone> pendingZone_;
    std::function<void()> openEventChart_;
};

}  // namespace orvanta
