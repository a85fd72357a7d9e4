#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <filesystem>

#include "WidgetInput.h"
#include "common/AtomicFile.h"
#include "common/MessageSink.h"
#include "common/Windows1251.h"
#include "ui/AppContext.h"
#include "ui/CBornChildFrame.h"
#include "ui/CMainFrame.h"
#include "ui/CTextChildFrame.h"
#include "ui/CTextView.h"
#include "ui/CommandIds.h"
#include "ui/TextEditCommands.h"

namespace orvanta {
namespace {

std::string fileText(const std::filesystem::path& path) {
    const auto bytes = AtomicFile::read(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : "<none>";
}

// Every CR CR LF and CR LF of a text as one LF, worked out apart from the program.
std::string oneBreakEach(std::string text) {
    for (const std::string end : {"\r\r\n", "\r\n"}) {
        for (auto at = text.find(end); at != std::string::npos; at = text.find(end, at + 1)) {
            text.replace(at, end.size(), "\n");
        }
    }
    return text;
}

class TextWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::widgetApplication();
        char pattern[] = "/tmp/orvanta-text-ui-XXXXXX";
        scratch_ = mkdtemp(pattern);
        previous_ =
            MessageSink::install([this](std::string_view text) { messages_.emplace_back(text); });
        std::filesystem::copy_file(ORVANTA_SAMPLE_MAP, scratch_ / "sample.map");
        frame_ = std::make_unique<CMainFrame>(context_);
        frame_->resize(900, 700);
        frame_->show();
        ASSERT_TRUE(frame_->openChart(QString::fromStdString((scratch_ / "sample.map").string())));
        frame_->commandAction(command::kTextWindow)->trigger();
        QApplication::processEvents();
        text_ = frame_->windows().active<CTextChildFrame>();
        ASSERT_NE(text_, nullptr);
        view_ = text_->view();
        answerDialogs();
    }
    void TearDown() override {
        if (view_) view_->document()->setModified(false);
        frame_.reset();
        MessageSink::install(std::move(previous_));
        std::filesystem::remove_all(scratch_);
    }

    // The test answers every dialog of the view.
    void answerDialogs() {
        view_->setDialogs({[this] { return saveAnswer_; }, [this] { return openAnswer_; },
                           [this](const QString& question, QMessageBox::StandardButtons) {
                               questions_.push_back(question.toStdString());
                               return answer_;
                           },
                           [this](const QString& text) { warnings_.push_back(text); }});
    }
    std::string interpretation() const { return text_->chart().doc().interpretation().text(); }
    QMdiSubWindow* textWindow() const {
        for (QMdiSubWindow* window : frame_->mdiArea()->subWindowList()) {
            if (qobject_cast<CTextChildFrame*>(window->widget())) return window;
        }
        return nullptr;
    }

    std::filesystem::path scratch_;
    AppContext context_;
    std::unique_ptr<CMainFrame> frame_;
    CTextChildFrame* text_ = nullptr;
    QPointer<CTextView> view_;
    QString saveAnswer_;
    QString openAnswer_;
    QMessageBox::StandardButton answer_ = QMessageBox::Cancel;
    std::vector<std::string> questions_;
    QStringList warnings_;
    std::vector<std::string> messages_;
    MessageSink::Handler previous_;
};

TEST_F(TextWindowTest, OpensOncePerChartShowsEachBreakOnceAndSavesTheBytesUnchanged) {
    EXPECT_EQ(frame_->menuKind(), CTextChildFrame::kKind);
    std::vector<QString> menus;
    for (QAction* a : frame_->menuBar()->actions()) menus.push_back(a->text());
    ASSERT_GE(menus.size(), 3u);
    EXPECT_EQ(menus[1], "&Правка");
    EXPECT_TRUE(interpretation().find("\r\r\n") != std::string::npos);

    // The window shows the text with one break per line end and counts as unsaved.
    EXPECT_EQ(view_->toPlainText().toStdString(), oneBreakEach(interpretation()));
    EXPECT_TRUE(view_->document()->isModified());
    EXPECT_EQ(view_->lineWrapMode(), QPlainTextEdit::WidgetWidth);

    // The natal window's command brings the same text window back to the front.
    frame_->windows().show(CBornChildFrame::kKind,
                           frame_->windows().active<CTextChildFrame>()->sharedChart());
    frame_->commandAction(command::kSynthesizeText)->trigger();
    EXPECT_EQ(frame_->windows().active<CTextChildFrame>(), text_);
    int textWindows = 0;
    for (QMdiSubWindow* window : frame_->mdiArea()->subWindowList())
        textWindows += qobject_cast<CTextChildFrame*>(window->widget()) != nullptr;
    EXPECT_EQ(textWindows, 1);

    saveAnswer_ = QString::fromStdString((scratch_ / "unedited.txt").string());
    frame_->action(Command::Save)->trigger();
    EXPECT_EQ(fileText(scratch_ / "unedited.txt"), Windows1251::fromUtf8(interpretation()));
    // Saved: closing no longer asks.
    EXPECT_FALSE(view_->document()->isModified());
    EXPECT_TRUE(view_->queryClose());
    EXPECT_TRUE(questions_.empty());
}

TEST_F(TextWindowTest, EditedTextIsSavedAsWindows1251WithCrLfAndForeignCharactersAreRefused) {
    view_->moveCursor(QTextCursor::Start);
    view_->insertPlainText("Заметка: Ёж\n");
    const std::string expected = "Заметка: Ёж\n" + oneBreakEach(interpretation());
    std::string crlf;
    for (char c : expected) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    ASSERT_TRUE(view_->saveTo(QString::fromStdString((scratch_ / "edited.txt").string())));
    EXPECT_EQ(fileText(scratch_ / "edited.txt"), Windows1251::fromUtf8(crlf));

    view_->insertPlainText("☺");
    const auto refused = scratch_ / "refused.txt";
    EXPECT_FALSE(view_->saveTo(QString::fromStdString(refused.string())));
    EXPECT_FALSE(std::filesystem::exists(refused));
    ASSERT_EQ(warnings_.size(), 1);
    EXPECT_TRUE(warnings_[0].contains("☺")) << warnings_[0].toStdString();
    EXPECT_TRUE(view_->document()->isModified());
}

TEST_F(TextWindowTest, CloseQuestionWithEachAnswer) {
    struct Case {
        QMessageBox::StandardButton answer;
        bool saveChosen;
        bool closes;
    };
    const Case cases[] = {
        {QMessageBox::Cancel, false, false},
        {QMessageBox::Yes, false, false},  // the save dialog cancelled: the text stays
        {QMessageBox::Yes, true, true},
        {QMessageBox::No, false, true},
    };
    for (const Case& c : cases) {
        if (!textWindow()) frame_->commandAction(command::kTextWindow)->trigger();
        QApplication::processEvents();
        ASSERT_NE(frame_->windows().active<CTextChildFrame>(), nullptr);
        text_ = frame_->windows().active<CTextChildFrame>();
        view_ = text_->view();
        answerDialogs();
        view_->insertPlainText("правка ");
        answer_ = c.answer;
        const auto target = scratch_ / "closing.txt";
        std::filesystem::remove(target);
        saveAnswer_ = c.saveChosen ? QString::fromStdString(target.string()) : QString();
        questions_.clear();
        textWindow()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
        EXPECT_EQ(questions_, std::vector<std::string>{CTextView::kUnsavedQuestion});
        EXPECT_EQ(textWindow() == nullptr, c.closes) << c.answer << c.saveChosen;
        EXPECT_EQ(std::filesystem::exists(target), c.saveChosen);
    }
}

TEST_F(TextWindowTest, EndingTheProgramAsksAboutTheTextAndCancelKeepsItRunning) {
    answer_ = QMessageBox::Cancel;
    EXPECT_FALSE(frame_->close());
    EXPECT_EQ(questions_, std::vector<std::string>{CTextView::kUnsavedQuestion});
    EXPECT_NE(textWindow(), nullptr);
}

TEST_F(TextWindowTest, StaleTextReplacesTheWindowsTextAfterAskingAboutEdits) {
    // An update that leaves the text current keeps the edits.
    view_->insertPlainText("моё ");
    text_->chart().updateAllViews(CZodiacDoc::kHintNatal);
    EXPECT_TRUE(view_->toPlainText().startsWith("моё "));
    EXPECT_TRUE(questions_.empty());

    // Out of date with edits: asked; Yes with a cancelled save keeps them for now.
    text_->chart().doc().interpretation().markOutOfDate();
    answer_ = QMessageBox::Yes;
    text_->chart().updateAllViews(CZodiacDoc::kHintNatal);
    EXPECT_EQ(questions_, std::vector<std::string>{CTextView::kUnsavedQuestion});
    EXPECT_TRUE(view_->toPlainText().startsWith("моё "));
    EXPECT_TRUE(text_->chart().doc().interpretation().isOutOfDate());

    // No: the new text replaces them and counts as unsaved.
    answer_ = QMessageBox::No;
    text_->chart().updateAllViews(CZodiacDoc::kHintNatal);
    EXPECT_EQ(questions_.size(), 2u);
    EXPECT_EQ(view_->toPlainText().toStdString(), oneBreakEach(interpretation()));
    EXPECT_TRUE(view_->document()->isModified());
    EXPECT_FALSE(text_->chart().doc().interpretation().isOutOfDate());

    // Without edits the new text comes without a question.
    text_->chart().doc().interpretation().markOutOfDate();
    text_->chart().updateAllViews(CZodiacDoc::kHintNatal);
    EXPECT_EQ(questions_.size(), 2u);
}

TEST_F(TextWindowTest, LoadedFileReplacesTheWindowsTextOnlyAndSavesBackUnchanged) {
    const std::string bytes = Windows1251::fromUtf8("Первая строка\r\r\nвторая\r\nтретья").value();
    ASSERT_TRUE(AtomicFile::write(scratch_ / "loaded.txt", bytes));
    const std::string before = interpretation();
    openAnswer_ = QString::fromStdString((scratch_ / "loaded.txt").string());
    frame_->action(Command::Open)->trigger();
    EXPECT_EQ(view_->toPlainText(), "Первая строка\nвторая\nтретья");
    EXPECT_FALSE(view_->document()->isModified());
    EXPECT_EQ(interpretation(), before);
    ASSERT_TRUE(view_->saveTo(QString::fromStdString((scratch_ / "again.txt").string())));
    EXPECT_EQ(fileText(scratch_ / "again.txt"), bytes);

    openAnswer_ = QString::fromStdString((scratch_ / "missing.txt").string());
    EXPECT_FALSE(view_->load());
    EXPECT_EQ(warnings_.size(), 1);
    EXPECT_EQ(view_->toPlainText(), "Первая строка\nвторая\nтретья");
}

TEST_F(TextWindowTest, EditMenuWorksOnTheTextView) {
    TextEditCommands* edit = frame_->textEditCommands();
    view_->selectAll();
    EXPECT_TRUE(edit->action("copy")->isEnabled());
    edit->action("delete")->trigger();
    EXPECT_TRUE(view_->toPlainText().isEmpty());
    edit->action("undo")->trigger();
    EXPECT_EQ(view_->toPlainText().toStdString(), oneBreakEach(interpretation()));

    edit->action("replace")->trigger();
    TextFindDialog* find = edit->findDialog();
    ASSERT_NE(find, nullptr);
    find->searchField()->setText("Солнце");
    find->replaceField()->setText("[С]");
    const int count = find->replaceAll();
    EXPECT_GT(count, 3);
    EXPECT_FALSE(view_->toPlainText().contains("Солнце"));
    EXPECT_EQ(view_->toPlainText().count("[С]"), count);
    find->close();
}

}  // namespace
}  // namespace orvanta
