#include <gtest/gtest.h>

#include <QImage>
#include <QMdiSubWindow>
#include <QPainter>
#include <filesystem>

#include "WidgetInput.h"
#include "doc/CombinedChart.h"
#include "natal/CompositeChart.h"
#include "support/MessageRecorder.h"
#include "support/PdfPages.h"
#include "support/ScratchFolder.h"
#include "ui/CBornChildFrame.h"
#include "ui/CMainFrame.h"
#include "ui/PrintCommands.h"
#include "ui/StartUp.h"
#include "ui/SynastryChildFrame.h"
#include "ui/TwoChartCommands.h"

namespace orvanta {
namespace {

// How many pixels of an image are not white.
int inkedPixels(const QImage& image) {
    int inked = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) inked += image.pixel(x, y) != qRgb(255, 255, 255);
    }
    return inked;
}

// Two charts open in the program, Анна and Борис, each in its natal window.
class SynastryWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::widgetApplication();
        StartUp::loadContext(context_);
        context_.iniFile = DataFile();  // the recent files stay out of the delivered folder
        frame_ = std::make_unique<CMainFrame>(context_);
        frame_->resize(1000, 800);
        frame_->show();
        anna_ = open("anna.map", "Анна");
        boris_ = open("boris.map", "Борис");
    }
    void TearDown() override {
        for (const auto& chart : frame_->charts().all()) chart->setModified(false);
        frame_.reset();
    }

    std::shared_ptr<OpenChart> open(const char* file, const char* name) {
        std::filesystem::copy_file(ORVANTA_SAMPLE_MAP, scratch_ / file);
        EXPECT_TRUE(frame_->openChart(QString::fromStdString((scratch_ / file).string())));
        auto chart = frame_->charts().shared(frame_->activeChart());
        chart->doc().natal().birth.name = name;
        QApplication::processEvents();
        return chart;
    }
    QString activeTitle() const { return frame_->mdiArea()->activeSubWindow()->windowTitle(); }

    testing::ScratchFolder scratch_;
    testing::MessageRecorder recorder_;
    AppContext context_;
    std::unique_ptr<CMainFrame> frame_;
    std::shared_ptr<OpenChart> anna_;
    std::shared_ptr<OpenChart> boris_;
};

TEST_F(SynastryWindowTest, OpensTitledWithBothSwapsFollowsAndPrintsBothPanes) {
    SynastryChildFrame* window = frame_->twoCharts().showSynastry(anna_, boris_);
    QApplication::processEvents();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(frame_->windows().activeWindow(), window);
    EXPECT_EQ(activeTitle(), "Синастрия: Анна и Борис");
    // Asked again, either way round, the same window comes up.
    EXPECT_EQ(frame_->twoCharts().showSynastry(boris_, anna_), window);
    EXPECT_EQ(frame_->mdiArea()->subWindowList().size(), 3);

    ASSERT_TRUE(frame_->action(Command::SwapCharts)->isEnabled());
    frame_->action(Command::SwapCharts)->trigger();
    QApplication::processEvents();
    EXPECT_EQ(&window->charts().inner(), &boris_->doc().natal());
    EXPECT_EQ(activeTitle(), "Синастрия: Борис и Анна");

    // A change of either chart reaches the window through the chart's hints.
    boris_->doc().natal().birth.name = "Борис Петров";
    boris_->updateAllViews(CZodiacDoc::kHintNatal);
    EXPECT_EQ(activeTitle(), "Синастрия: Борис Петров и Анна");

    // Printing (and so the preview) gives both panes, each on its page, neither blank.
    QImage pages[SynastryChildFrame::kPageCount];
    for (int i = 0; i < SynastryChildFrame::kPageCount; ++i) {
        pages[i] = QImage(400, 560, QImage::Format_RGB32);
        pages[i].fill(Qt::white);
        QPainter painter(&pages[i]);
        window->paintPage(i, painter, pages[i].size());
        EXPECT_GT(inkedPixels(pages[i]), 2000) << "page " << i;
    }
    EXPECT_NE(pages[0], pages[1]);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString((scratch_ / "both.pdf").string()));
    ASSERT_TRUE(PrintCommands::paint(*window, printer, nullptr));
    EXPECT_EQ(testing::PdfPages::of(scratch_ / "both.pdf").count, 2);

    // The picture exported is the active pane's.
    std::string reason;
    EXPECT_EQ(window->pictureView(), PictureExportChoice::View::Wheel);
    ASSERT_TRUE(window->savePicture(scratch_ / "wheel.png", reason)) << reason;
    EXPECT_EQ(QImage(QString::fromStdString((scratch_ / "wheel.png").string())).isNull(), false);
}

TEST_F(SynastryWindowTest, ClosesWhenEitherChartCloses) {
    for (bool closeFirst : {false, true}) {
        SynastryChildFrame* window = frame_->twoCharts().showSynastry(anna_, boris_);
        QApplication::processEvents();
        ASSERT_NE(window, nullptr);
        QPointer<QWidget> alive = window;
        auto& gone = closeFirst ? anna_ : boris_;
        ASSERT_TRUE(frame_->closeChart(*gone));
        // The closed windows go, then the lifecycle and the synastry window follow.
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QApplication::processEvents();
        }
        EXPECT_TRUE(alive.isNull()) << "closing the " << (closeFirst ? "first" : "second");
        gone = open(closeFirst ? "anna2.map" : "boris2.map", closeFirst ? "Анна" : "Борис");
    }
    EXPECT_EQ(frame_->chartCount(), 2);
}

// The composite opens as a chart of its own: it saves as a .map that says what it is, and the
// step refuses it with the composite's message.
TEST_F(SynastryWindowTest, TheCompositeIsARealChartOfItsOwn) {
    OpenChart* composite =
        frame_->twoCharts().openCombined(CombinedChart::Kind::Composite, *anna_, *boris_);
    QApplication::processEvents();
    ASSERT_NE(composite, nullptr);
    EXPECT_EQ(frame_->chartCount(), 3);
    EXPECT_EQ(frame_->activeChart(), composite);
    EXPECT_NE(frame_->windows().active<CBornChildFrame>(), nullptr);
    EXPECT_EQ(activeTitle(), "Композит: Анна и Борис *");

    ASSERT_TRUE(composite->doc().save(scratch_ / "both.map"));
    CZodiacDoc reread;
    ASSERT_TRUE(reread.open(scratch_ / "both.map").loaded());
    EXPECT_TRUE(CompositeChart::isComposite(reread.natal().birth));
    recorder_.messages.clear();
    EXPECT_FALSE(reread.stepChart(ChartStepper::Direction::Forward, nullptr));
    EXPECT_EQ(recorder_.messages, std::vector<std::string>{CompositeChart::kNoMomentMessage});

    OpenChart* davison =
        frame_->twoCharts().openCombined(CombinedChart::Kind::Davison, *anna_, *boris_);
    ASSERT_NE(davison, nullptr);
    EXPECT_EQ(frame_->chartCount(), 4);
    EXPECT_EQ(davison->doc().natal().birth.name, "Дэвисон: Анна и Борис");
}

}  // namespace
}  // namespace orvanta
