#include <gtest/gtest.h>

#include <QMdiSubWindow>
#include <QPrinter>
#include <filesystem>

#include "WidgetInput.h"
#include "common/MessageSink.h"
#include "support/PdfPages.h"
#include "support/ScratchFolder.h"
#include "ui/AppContext.h"
#include "ui/CMainFrame.h"
#include "ui/CTrChildFrame.h"
#include "ui/CalendarChildFrame.h"
#include "ui/CalendarDialog.h"
#include "ui/CalendarListModel.h"
#include "ui/StartUp.h"

namespace orvanta {
namespace {

using testing::waitFor;
using testing::whenModal;

std::string readAll(const std::filesystem::path& path) {
    const auto bytes = testing::ScratchFolder::read(path);
    return std::string(bytes.begin(), bytes.end());
}

// The window from the natal window's command over 2024 at UTC+3; then the list filtered,
// exported, printed over pages, and a double click opening the event chart of the row's day.
TEST(CalendarWindowTest, OpensFromTheCommandAndItsRowOpensTheEventChartOfThatDay) {
    testing::widgetApplication();
    testing::ScratchFolder scratch;
    std::filesystem::copy_file(ORVANTA_SAMPLE_MAP, scratch / "sample.map");
    auto previous = MessageSink::install([](std::string_view) {});
    AppContext context;
    StartUp::loadContext(context);
    context.iniFile = DataFile();
    CMainFrame frame(context);
    frame.resize(1000, 800);
    frame.show();
    ASSERT_TRUE(frame.openChart(QString::fromStdString((scratch / "sample.map").string())));
    whenModal<CalendarDialog>([](CalendarDialog& dialog) {
        dialog.fromEdit()->setDate(QDate(2024, 1, 1));
        dialog.toEdit()->setDate(QDate(2024, 12, 31));
        dialog.fixedButton()->setChecked(true);
        dialog.hoursEdit()->setValue(3.0);
        dialog.accept();
    });
    frame.action(Command::TransitCalendar)->trigger();
    auto* window = frame.windows().active<CalendarChildFrame>();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(frame.menuKind(), CalendarChildFrame::kKind);
    ASSERT_TRUE(waitFor([window] { return window->model()->table() != nullptr; }, 20000));
    const CalendarTable& list = *window->model()->table();
    const std::size_t all = list.rowCount();
    ASSERT_GT(all, 100u);

    testing::retype(window->filterField(), "сатурн");
    ASSERT_GT(list.rowCount(), 0u);
    ASSERT_LT(list.rowCount(), all);
    const auto csvPath = scratch / "list.csv";
    std::string reason;
    ASSERT_TRUE(window->saveList(csvPath, reason)) << reason;
    const std::string csv = readAll(csvPath);
    EXPECT_EQ(static_cast<std::size_t>(std::count(csv.begin(), csv.end(), '\n')),
              list.rowCount() + 1);  // the header and the rows shown
    ASSERT_TRUE(window->saveList(scratch / "list.ics", reason)) << reason;
    EXPECT_EQ(readAll(scratch / "list.ics").rfind("BEGIN:VCALENDAR\r\n", 0), 0u);
    window->filterField()->clear();
    EXPECT_EQ(list.rowCount(), all);

    // Printing: the pages the print dialog offers are the pages printed.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString((scratch / "list.pdf").string()));
    const auto pages = window->pageCount(printer);
    ASSERT_TRUE(pages);
    EXPECT_GT(*pages, 1);
    ASSERT_TRUE(window->print(printer, &frame));
    EXPECT_EQ(testing::PdfPages::of(scratch / "list.pdf").count, *pages);

    const int row = static_cast<int>(all / 2);
    const auto local = list.localMoment(static_cast<std::size_t>(row));
    emit window->table()->doubleClicked(window->model()->index(row, 0));
    auto* event = frame.windows().active<CTrChildFrame>();
    ASSERT_NE(event, nullptr);
    EXPECT_EQ(&event->chart(), &window->chart());
    EXPECT_EQ(event->chart().doc().eventChart().state().date,
              (Date{local.day, local.month, local.year}));
    EXPECT_TRUE(event->chart().doc().eventChart().state().computed);
    MessageSink::install(std::move(previous));
}

}  // namespace
}  // namespace orvanta
