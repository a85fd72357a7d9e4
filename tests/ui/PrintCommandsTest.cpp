#include <gtest/gtest.h>

#include <QImage>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "WidgetInput.h"
#include "support/PdfPages.h"
#include "support/ScratchFolder.h"
#include "ui/CBornChildFrame.h"
#include "ui/CMainFrame.h"
#include "ui/CTextChildFrame.h"
#include "ui/CTextView.h"
#include "ui/ChartWindows.h"
#include "ui/CommandIds.h"
#include "ui/EventDateDialog.h"
#include "ui/PictureExportCommands.h"
#include "ui/PrintCommands.h"
#include "ui/StartUp.h"

namespace orvanta {
namespace {

std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

int pdfPages(const std::filesystem::path& path) {
    return testing::PdfPages::of(path).count;
}

QPrinter& pdfPrinter(QPrinter& printer, const std::filesystem::path& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path.string()));
    return printer;
}

bool fileMenuHas(CMainFrame& frame, QAction* action) {
    QMenu* file = frame.menuBar()->actions().constFirst()->menu();
    return file != nullptr && file->actions().contains(action);
}

class PrintCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::widgetApplication();
        std::filesystem::copy_file(ORVANTA_SAMPLE_MAP, scratch_ / "sample.map");
        StartUp::loadContext(context_);
        context_.iniFile = DataFile();  // the recent files stay out of the delivered folder
        frame_ = std::make_unique<CMainFrame>(context_);
        frame_->resize(900, 700);
        frame_->show();
        ASSERT_TRUE(frame_->openChart(QString::fromStdString((scratch_ / "sample.map").string())));
        QApplication::processEvents();
    }
    void TearDown() override {
        if (CTextChildFrame* text = frame_->windows().active<CTextChildFrame>())
            text->view()->document()->setModified(false);
        frame_.reset();
    }

    testing::ScratchFolder scratch_;
    AppContext context_;
    std::unique_ptr<CMainFrame> frame_;
};

// The text prints over several framed pages from a copy: the window keeps its text, its
// cursor, its unsaved mark and its undo.
TEST_F(PrintCommandsTest, TheTextPrintsOnItsPagesAndTheWindowKeepsItsText) {
    frame_->commandAction(command::kTextWindow)->trigger();
    QApplication::processEvents();
    CTextChildFrame* text = frame_->windows().active<CTextChildFrame>();
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(frame_->action(Command::Print)->isEnabled());
    EXPECT_TRUE(frame_->action(Command::PrintPreview)->isEnabled());
    EXPECT_FALSE(frame_->action(Command::ExportPicture)->isEnabled());
    EXPECT_FALSE(fileMenuHas(*frame_, frame_->action(Command::ExportPicture)));

    CTextView* view = text->view();
    view->moveCursor(QTextCursor::End);
    view->insertPlainText("Заметка на полях.");
    view->moveCursor(QTextCursor::Start);
    view->moveCursor(QTextCursor::Down);
    const QString before = view->toPlainText();
    const int cursor = view->textCursor().position();

    QPrinter printer(QPrinter::HighResolution);
    ASSERT_TRUE(PrintCommands::paint(*text, pdfPrinter(printer, scratch_ / "text.pdf"), nullptr));
    EXPECT_GT(pdfPages(scratch_ / "text.pdf"), 1);

    EXPECT_EQ(view->toPlainText(), before);
    EXPECT_EQ(view->textCursor().position(), cursor);
    EXPECT_TRUE(view->document()->isModified());
    EXPECT_TRUE(view->document()->isUndoAvailable());
    EXPECT_TRUE(view->isEdited());
}

// The event chart window prints its dial on one page and exports it; the natal window exports
// the picture of its active pane.
TEST_F(PrintCommandsTest, TheChartWindowsPrintAndExportTheirPictures) {
    EXPECT_TRUE(fileMenuHas(*frame_, frame_->action(Command::ExportPicture)));
    EXPECT_TRUE(frame_->action(Command::ExportPicture)->isEnabled());
    PictureExportCommands exporting(frame_->windows());
    CBornChildFrame* natal = frame_->windows().active<CBornChildFrame>();
    ASSERT_NE(natal, nullptr);
    const auto wheel = scratch_ / "wheel.png";
    QString error;
    ASSERT_TRUE(exporting.exportTo(*natal, QString::fromStdString(wheel.string()), &error))
        << error.toStdString();
    const QImage image(QString::fromStdString(wheel.string()));
    // The picture holds at least the area the view draws in.
    EXPECT_GE(image.width(), natal->chart().drawingArea().width());
    EXPECT_GE(image.height(), natal->chart().drawingArea().height());
    EXPECT_FALSE(
        exporting.exportTo(*natal, QString::fromStdString((scratch_ / "w.bmp").string()), &error));
    EXPECT_FALSE(error.isEmpty());

    // The chart has no event chart yet: its day is asked for first.
    testing::whenModal<EventDateDialog>(
        [](EventDateDialog& dialog) { testing::click(dialog.findChild<QPushButton*>("ok")); });
    frame_->commandAction(command::kEventWindow)->trigger();
    QApplication::processEvents();
    ChartWindow* event = frame_->windows().activeWindow();
    ASSERT_NE(event, nullptr);
    EXPECT_EQ(event->pictureView(), PictureExportChoice::View::Dial);
    EXPECT_TRUE(frame_->action(Command::Print)->isEnabled());
    EXPECT_TRUE(frame_->action(Command::ExportPicture)->isEnabled());
    EXPECT_TRUE(fileMenuHas(*frame_, frame_->action(Command::ExportPicture)));

    QPrinter printer(QPrinter::HighResolution);
    ASSERT_TRUE(PrintCommands::paint(*event, pdfPrinter(printer, scratch_ / "dial.pdf"), nullptr));
    EXPECT_EQ(pdfPages(scratch_ / "dial.pdf"), 1);

    const auto svg = scratch_ / "dial.svg";
    ASSERT_TRUE(exporting.exportTo(*event, QString::fromStdString(svg.string()), &error));
    EXPECT_NE(fileBytes(svg).find("<svg"), std::string::npos);
    const Date day = event->chart().doc().eventChart().state().date;
    EXPECT_EQ(exporting.proposedName(*event), QString("sample-события-%1.%2.%3.png")
                                                  .arg(day.day, 2, 10, QChar('0'))
                                                  .arg(day.month, 2, 10, QChar('0'))
                                                  .arg(day.year));
}

}  // namespace
}  // namespace orvanta
