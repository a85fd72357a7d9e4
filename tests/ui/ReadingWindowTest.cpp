#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <QMenuBar>
#include <filesystem>

#include "WidgetInput.h"
#include "common/AtomicFile.h"
#include "common/MessageSink.h"
#include "common/Windows1251.h"
#include "natal/AspectPatterns.h"
#include "texts/FullReading.h"
#include "texts/TextLibrary.h"
#include "ui/AppContext.h"
#include "ui/CBornChildFrame.h"
#include "ui/CMainFrame.h"
#include "ui/CReadingChildFrame.h"
#include "ui/CTextView.h"
#include "ui/CommandTable.h"
#include "ui/FullReadingSource.h"

namespace orvanta {
namespace {

// The reading of the chart as it stands, written apart from the window.
std::string readingOf(const CZodiacDoc& doc) {
    const TextLibrary library;
    return FullReading(library)
        .build(doc.natal().birth, doc.natal().chart, doc.natal().aspects)
        .text;
}

class ReadingWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::widgetApplication();
        char pattern[] = "/tmp/orvanta-reading-ui-XXXXXX";
        scratch_ = mkdtemp(pattern);
        previous_ = MessageSink::install([](std::string_view) {});
        std::filesystem::copy_file(ORVANTA_SAMPLE_MAP, scratch_ / "sample.map");
        frame_ = std::make_unique<CMainFrame>(context_);
        frame_->resize(900, 700);
        frame_->show();
        ASSERT_TRUE(frame_->openChart(QString::fromStdString((scratch_ / "sample.map").string())));
        frame_->action(Command::ReadingWindow)->trigger();
        QApplication::processEvents();
        reading_ = frame_->windows().active<CReadingChildFrame>();
        ASSERT_NE(reading_, nullptr);
        view_ = reading_->view();
        view_->setDialogs({[this] { return saveAnswer_; }, [] { return QString(); },
                           [this](const QString& question, QMessageBox::StandardButtons) {
                               questions_.push_back(question.toStdString());
                               return answer_;
                           },
                           [](const QString&) {}});
    }
    void TearDown() override {
        if (view_) view_->document()->setModified(false);
        frame_.reset();
        MessageSink::install(std::move(previous_));
        std::filesystem::remove_all(scratch_);
    }
    CZodiacDoc& doc() { return reading_->chart().doc(); }

    std::filesystem::path scratch_;
    AppContext context_;
    std::unique_ptr<CMainFrame> frame_;
    CReadingChildFrame* reading_ = nullptr;
    CTextView* view_ = nullptr;
    QString saveAnswer_;
    QMessageBox::StandardButton answer_ = QMessageBox::No;
    std::vector<std::string> questions_;
    MessageSink::Handler previous_;
};

TEST_F(ReadingWindowTest, ShowsTheFullReadingBesideTheInterpretationAndSavesItInWindows1251) {
    EXPECT_EQ(frame_->menuKind(), CReadingChildFrame::kKind);
    const std::string reading = readingOf(doc());
    ASSERT_NE(reading.find("′"), std::string::npos);  // the sample has minutes to convert
    EXPECT_EQ(view_->toPlainText().toStdString(), reading);
    EXPECT_TRUE(view_->document()->isModified());

    // The interpretation keeps a window of its own; the reading's command finds this one.
    frame_->action(Command::TextWindow)->trigger();
    EXPECT_EQ(frame_->windows().active<CReadingChildFrame>(), nullptr);
    frame_->action(Command::ReadingWindow)->trigger();
    EXPECT_EQ(frame_->windows().active<CReadingChildFrame>(), reading_);

    // As `text --full --cp1251` writes it: CR LF and the minute sign as an apostrophe.
    std::string expected;
    for (std::size_t i = 0; i < reading.size(); ++i) {
        if (reading.compare(i, 3, "′") == 0) {
            expected += '\'';
            i += 2;
        } else {
            expected += reading[i] == '\n' ? std::string("\r\n") : std::string(1, reading[i]);
        }
    }
    saveAnswer_ = QString::fromStdString((scratch_ / "reading.txt").string());
    frame_->action(Command::Save)->trigger();
    const auto bytes = AtomicFile::read(scratch_ / "reading.txt");
    ASSERT_TRUE(bytes);
    EXPECT_EQ(std::string(bytes->begin(), bytes->end()), Windows1251::fromUtf8(expected));
    EXPECT_FALSE(view_->document()->isModified());
}

TEST_F(ReadingWindowTest, ChangedChartWritesTheReadingAgainAfterAskingAboutEdits) {
    // An update that leaves the chart as it was keeps the edits without a question.
    view_->insertPlainText("моё ");
    doc().updateAllViews(CZodiacDoc::kHintNatal);
    EXPECT_TRUE(view_->toPlainText().startsWith("моё "));
    EXPECT_TRUE(questions_.empty());

    doc().natal().birth.name = "Другое Имя";
    answer_ = QMessageBox::No;
    doc().updateAllViews(CZodiacDoc::kHintNatal);
    EXPECT_EQ(questions_, std::vector<std::string>{FullReadingSource::kUnsavedQuestion});
    EXPECT_EQ(view_->toPlainText().toStdString(), readingOf(doc()));
    EXPECT_NE(view_->toPlainText().indexOf("Другое Имя"), -1);
}

TEST_F(ReadingWindowTest, ShowPatternsIsAChartsCheckItemInTheNatalViewMenu) {
    QAction* show = frame_->action(Command::ShowPatterns);
    EXPECT_FALSE(show->isChecked());
    frame_->windows().show(CBornChildFrame::kKind, reading_->sharedChart());
    bool inMenu = false;
    for (QAction* top : frame_->menuBar()->actions()) {
        if (top->text() == "&Вид") inMenu = top->menu()->actions().contains(show);
    }
    EXPECT_TRUE(inMenu);
    show->trigger();
    EXPECT_TRUE(frame_->windows().activeChart()->drawingArea().showPatterns);
    EXPECT_TRUE(show->isChecked());
    show->trigger();
    EXPECT_FALSE(frame_->windows().activeChart()->drawingArea().showPatterns);
}

}  // namespace
}  // namespace orvanta
