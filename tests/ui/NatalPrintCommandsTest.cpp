#include <gtest/gtest.h>

#include <QPrinter>
#include <filesystem>

#include "WidgetInput.h"
#include "support/ScratchFolder.h"
#include "ui/CBornChildFrame.h"
#include "ui/CBornTableView.h"
#include "ui/CMainFrame.h"
#include "ui/NatalPrintCommands.h"
#include "ui/StartUp.h"

namespace orvanta {
namespace {

// The printing commands of a natal window print the active pane: the wheel page at first, the
// aspect table once the table is the active pane, each into a page of the printer.
TEST(NatalPrintCommands, PrintTheActivePaneOnThePrintersPage) {
    testing::widgetApplication();
    testing::ScratchFolder scratch;
    const auto map = scratch / "sample.map";
    std::filesystem::copy_file(ORVANTA_SAMPLE_MAP, map);
    AppContext context;
    StartUp::loadContext(context);
    context.iniFile = DataFile();  // the recent files stay out of the delivered folder
    CMainFrame frame(context);
    frame.show();
    EXPECT_FALSE(frame.action(Command::Print)->isEnabled());
    ASSERT_TRUE(frame.openChart(QString::fromStdString(map.string())));
    QApplication::processEvents();
    CBornChildFrame* natal = frame.windows().active<CBornChildFrame>();
    ASSERT_NE(natal, nullptr);
    EXPECT_TRUE(frame.action(Command::Print)->isEnabled());
    EXPECT_TRUE(frame.action(Command::PrintPreview)->isEnabled());

    NatalPrintCommands printing(context.resources);
    EXPECT_EQ(NatalPrintCommands::kindOf(*natal), NatalPagePainter::Kind::Wheel);
    for (const char* name : {"wheel.pdf", "table.pdf"}) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString((scratch / name).string()));
        EXPECT_TRUE(PrintCommands::paint(*natal, printer, nullptr));
        EXPECT_GT(std::filesystem::file_size(scratch / name), 10000u) << name;
        natal->tableView()->setFocus();
        QApplication::processEvents();
        natal->tableView()->activated(natal->tableView());
    }
    EXPECT_EQ(NatalPrintCommands::kindOf(*natal), NatalPagePainter::Kind::Table);
}

}  // namespace
}  // namespace orvanta
