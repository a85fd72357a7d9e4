#include <gtest/gtest.h>
#include <stdlib.h>

#include <QMessageBox>
#include <cstdint>
#include <filesystem>

#include "WidgetInput.h"
#include "common/AppFolder.h"
#include "common/AtomicFile.h"
#include "common/MessageSink.h"
#include "doc/CZodiacDoc.h"
#include "ui/AnalysisDialog.h"

namespace orvanta {
namespace {

using Selection = AnalysisSession::Selection;
using testing::click;
using testing::whenModal;

// The sample chart on a busy day, 24 steps, its notebook file in a scratch folder.
class AnalysisDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::widgetApplication();
        char pattern[] = "/tmp/orvanta-analysis-ui-XXXXXX";
        scratch_ = mkdtemp(pattern);
        previous_ =
            MessageSink::install([this](std::string_view text) { messages_.emplace_back(text); });
        for (const char* name : {"default.asp", "default.ta", "default.rxp", "default.trp"}) {
            std::filesystem::copy_file(AppFolder::find(name), scratch_ / name);
        }
        doc_ = std::make_unique<CZodiacDoc>(scratch_);
        ASSERT_TRUE(doc_->open(ORVANTA_SAMPLE_MAP).loaded());
        EventChartSettings settings;
        settings.date = {15, 6, 2024};
        settings.precisionIndex = 7;
        doc_->eventChart().state().setSettings(settings);
        ASSERT_TRUE(doc_->rebuildEventChart());
        const auto& state = doc_->eventChart().state();
        day_ = std::make_unique<TransitDay>(state.situations, state.orbTransits, settings.date);
        ASSERT_FALSE(day_->situations().empty());
    }
    void TearDown() override {
        MessageSink::install(std::move(previous_));
        std::filesystem::remove_all(scratch_);
    }
    std::filesystem::path file() const { return scratch_ / "NoteBook.NTF"; }

    std::filesystem::path scratch_;
    MessageSink::Handler previous_;
    std::vector<std::string> messages_;
    std::unique_ptr<CZodiacDoc> doc_;
    std::unique_ptr<TransitDay> day_;
};

TEST_F(AnalysisDialogTest, SelectTypeStoreFilterAndDeleteThenOkHandsTheFileToTheChart) {
    AnalysisDialog dialog(*doc_, *day_, Notebook(), file());
    dialog.show();
    EXPECT_EQ(dialog.notebookList()->toolTip(), "Список наблюдений пуст");
    EXPECT_FALSE(dialog.deleteButton()->isEnabled());
    EXPECT_FALSE(dialog.observationEdit()->isEnabled());

    dialog.situationList(Selection::Day)->setCurrentRow(0);
    EXPECT_TRUE(dialog.interpretation()->toPlainText().contains("время середины диапазона"));
    EXPECT_TRUE(dialog.observationEdit()->isEnabled());
    EXPECT_FALSE(dialog.storeButton()->isEnabled());
    dialog.observationEdit()->setPlainText("Встреча\nудалась");
    ASSERT_TRUE(dialog.storeButton()->isEnabled());
    click(dialog.storeButton());
    EXPECT_EQ(dialog.notebookList()->count(), 1);
    EXPECT_EQ(dialog.notebookList()->toolTip(), "Список наблюдений");

    // A Moon situation of another aspect drops out under the aspect filter of a square.
    dialog.situationList(Selection::Moon)->setCurrentRow(0);
    EXPECT_EQ(dialog.situationList(Selection::Day)->currentRow(), -1);
    dialog.observationEdit()->setPlainText("Луна");
    click(dialog.storeButton());
    EXPECT_EQ(dialog.notebookList()->count(), 2);
    dialog.situationList(Selection::Day)->setCurrentRow(0);
    const int dayAspect = day_->situations()[0]->aspectIndex;
    const bool sameAspect = day_->moon()[0]->aspectIndex == dayAspect;
    dialog.filterBox(2)->setChecked(true);
    EXPECT_EQ(dialog.notebookList()->count(), sameAspect ? 2 : 1);
    EXPECT_FALSE(dialog.observationEdit()->isEnabled());
    dialog.filterBox(2)->setChecked(false);
    EXPECT_EQ(dialog.notebookList()->count(), 2);

    // Deleting the selected notebook line (the newer one, of the Moon or not).
    dialog.notebookList()->setCurrentRow(0);
    ASSERT_TRUE(dialog.deleteButton()->isEnabled());
    click(dialog.deleteButton());
    EXPECT_EQ(dialog.session().notebook().entries().size(), 1u);

    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const auto written = AtomicFile::read(file());
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(*written, dialog.session().notebook().serialize());
    ASSERT_TRUE(doc_->importNotebook());
    EXPECT_EQ(doc_->natal().notebook, *written);  // byte for byte
    const Notebook back = Notebook::parse(doc_->natal().notebook);
    ASSERT_EQ(back.entries().size(), 1u);
}

TEST_F(AnalysisDialogTest, EscapeNeverDeletesAndCancelAfterStoringAsks) {
    Notebook book;
    book.store(*day_->situations()[0], "Было");
    AnalysisDialog dialog(*doc_, *day_, book, file());
    dialog.show();
    dialog.notebookList()->setCurrentRow(0);
    ASSERT_TRUE(dialog.deleteButton()->isEnabled());
    // Nothing stored yet: Escape closes without asking and deletes nothing.
    testing::pressKey(dialog.notebookList(), Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.session().notebook().entries().size(), 1u);

    dialog.show();
    dialog.notebookList()->setCurrentRow(0);
    dialog.observationEdit()->setPlainText("Стало");
    click(dialog.storeButton());
    QString asked;
    whenModal<QMessageBox>([&](QMessageBox& box) {
        asked = box.text();
        box.button(QMessageBox::Cancel)->click();
    });
    testing::pressKey(dialog.notebookList(), Qt::Key_Escape);
    EXPECT_EQ(asked, "Сохранить наблюдения?");
    EXPECT_TRUE(dialog.isVisible());  // Cancel stays in the window
    EXPECT_EQ(dialog.session().notebook().entries().size(), 1u);

    whenModal<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::No)->click(); });
    dialog.reject();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(std::filesystem::exists(file()));  // No writes nothing
}

// Escape or "Отмена" with a typed, unstored observation asks; Cancel keeps the window and the
// text, No drops it unwritten, Yes stores it and writes the notebook without a second question.
TEST_F(AnalysisDialogTest, ClosingWithATypedObservationAsksToStoreIt) {
    struct Case {
        QMessageBox::StandardButton answer;
        bool visible;
        std::size_t written;  // entries in the notebook file; SIZE_MAX: no file
    };
    const Case cases[] = {
        {QMessageBox::Cancel, true, SIZE_MAX},
        {QMessageBox::No, false, SIZE_MAX},
        {QMessageBox::Yes, false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.answer));
        std::filesystem::remove(file());
        AnalysisDialog dialog(*doc_, *day_, Notebook(), file());
        dialog.show();
        dialog.situationList(Selection::Day)->setCurrentRow(0);
        dialog.observationEdit()->setPlainText("Не сохранено");
        std::vector<QString> asked;
        whenModal<QMessageBox>([&](QMessageBox& box) {
            asked.push_back(box.text());
            box.button(c.answer)->click();
        });
        // "Отмена" and the title bar's close end in the same reject() as Escape.
        testing::pressKey(dialog.observationEdit(), Qt::Key_Escape);
        EXPECT_EQ(asked, std::vector<QString>{"Сохранить наблюдения?"});
        EXPECT_EQ(dialog.isVisible(), c.visible);
        if (c.visible) {
            EXPECT_EQ(dialog.observationEdit()->toPlainText(), "Не сохранено");
        }
        if (c.written == SIZE_MAX) {
            EXPECT_FALSE(std::filesystem::exists(file()));
            continue;
        }
        const auto bytes = AtomicFile::read(file());
        ASSERT_TRUE(bytes.has_value());
        const Notebook written = Notebook::parse(*bytes);
        ASSERT_EQ(written.entries().size(), c.written);
        EXPECT_EQ(written.entries()[0].text, "Не сохранено");
    }
}

// A text typed for a situation and left for a notebook line is offered for storing; the
// clicked line stays the one selected although the new entry lands ahead of it.
TEST_F(AnalysisDialogTest, LeavingAChangedTextOffersToStoreIt) {
    Notebook book;
    TransitSituation old = *day_->situations()[0];
    old.moment -= 100.0;
    book.store(old, "Давно");
    AnalysisDialog dialog(*doc_, *day_, book, file());
    dialog.show();
    dialog.situationList(Selection::Day)->setCurrentRow(0);
    dialog.observationEdit()->setPlainText("Сегодня");
    QString asked;
    whenModal<QMessageBox>([&](QMessageBox& box) {
        asked = box.text();
        box.button(QMessageBox::Yes)->click();
    });
    dialog.notebookList()->setCurrentRow(0);
    EXPECT_EQ(asked, "Сохранить изменения?");
    ASSERT_EQ(dialog.session().notebook().entries().size(), 2u);
    EXPECT_EQ(dialog.notebookList()->currentRow(), 1);
    EXPECT_EQ(dialog.observationEdit()->toPlainText(), "Давно");
}

// The command's round trip: the chart's notebook goes out to the file, comes back through OK,
// and the file is gone afterwards; a damaged notebook opens no window and stays as it was.
TEST_F(AnalysisDialogTest, RunHandsTheNotebookThroughTheFileAndRefusesADamagedOne) {
    bool marked = false;
    whenModal<AnalysisDialog>([](AnalysisDialog& dialog) {
        dialog.situationList(Selection::Moon)->setCurrentRow(0);
        dialog.observationEdit()->setPlainText("Сон");
        click(dialog.storeButton());
        dialog.accept();
    });
    AnalysisDialog::run(*doc_, nullptr, [&marked] { marked = true; });
    EXPECT_TRUE(marked);
    const Notebook back = Notebook::parse(doc_->natal().notebook);
    ASSERT_EQ(back.entries().size(), 1u);
    EXPECT_EQ(back.entries()[0].text, "Сон");
    EXPECT_FALSE(std::filesystem::exists(file()));

    doc_->natal().notebook = {5, 0, 0, 0};
    bool warned = false;
    whenModal<QMessageBox>([&warned](QMessageBox& box) {
        warned = true;
        box.accept();
    });
    AnalysisDialog::run(*doc_, nullptr, [] {});
    EXPECT_TRUE(warned);
    EXPECT_EQ(doc_->natal().notebook, (std::vector<std::uint8_t>{5, 0, 0, 0}));
}

}  // namespace
}  // namespace orvanta
