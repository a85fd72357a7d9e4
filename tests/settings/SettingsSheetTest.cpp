#include <gtest/gtest.h>

#include <QRadioButton>
#include <algorithm>

#include "common/AppFolder.h"
#include "doc/AspectRecords.h"
#include "doc/PlanetRecords.h"
#include "natal/AspectTableLayout.h"
#include "natal/FindNatalAspects.h"
#include "natal/WheelLayout.h"
#include "settings/CBornSheet.h"
#include "settings/CChoosePictDlg.h"
#include "settings/CTranzitSheet.h"
#include "settings/ColourButton.h"
#include "settings/LabelTextDialog.h"
#include "settings/LineButton.h"
#include "settings/LineStyleDialog.h"
#include "support/MessageRecorder.h"
#include "support/ScratchFolder.h"
#include "ui/WidgetInput.h"

namespace orvanta {
namespace {

using testing::MessageRecorder;
using testing::ScratchFolder;

// The sample chart over a copy of the delivered defaults files, so that "Запомнить" writes
// into the test's own folder.
class SettingsSheetTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::widgetApplication();
        for (const char* name : {"default.asp", "default.ta", "default.rxp", "default.trp"}) {
            std::filesystem::copy_file(AppFolder::find(name), folder_ / name);
        }
        doc_ = std::make_unique<CZodiacDoc>(folder_.path());
        ASSERT_TRUE(doc_->open(ORVANTA_SAMPLE_MAP).loaded());
        doc_->subscribe([this](int hint) { hints_ |= hint; });
    }

    ScratchFolder folder_;
    std::unique_ptr<CZodiacDoc> doc_;
    int hints_ = 0;
};

bool wheelShows(const CZodiacDoc& doc, int body) {
    const NatalChart& natal = doc.natal();
    const auto layout = WheelLayout::compute(natal.chart, natal.orientation, natal.aspects,
                                             WheelLayout::Frame::screen(0, 0, 1000, 1000));
    return layout.bodies[static_cast<std::size_t>(body - 1)].shown;
}

bool tableShows(const CZodiacDoc& doc, int body) {
    const auto layout =
        AspectTableLayout::compute(doc.natal().chart, doc.natal().aspects, Rect{0, 0, 1000, 800});
    return std::count(layout.objects.begin(), layout.objects.end(), body) != 0;
}

bool hasAspectWith(const CZodiacDoc& doc, int body) {
    const auto pairs =
        FindNatalAspects::all(doc.natal().chart, 28, doc.natal().aspects, AspectConsumer::Table);
    return std::any_of(pairs.begin(), pairs.end(),
                       [body](const auto& p) { return p.first == body || p.second == body; });
}

TEST_F(SettingsSheetTest, UncheckedBodyLeavesWheelTableAndAspectsAfterOk) {
    const int moon = 2;
    ASSERT_TRUE(wheelShows(*doc_, moon));
    ASSERT_TRUE(tableShows(*doc_, moon));
    ASSERT_TRUE(hasAspectWith(*doc_, moon)) << "the sample's Moon has aspects to remove";
    {
        CBornSheet sheet(*doc_);
        sheet.planetPage()->tickBox(moon)->setChecked(false);
        ASSERT_TRUE(doc_->natal().chart.style[moon].shown) << "nothing changes before OK";
        sheet.accept();
        EXPECT_EQ(sheet.result(), QDialog::Accepted);
    }
    EXPECT_FALSE(wheelShows(*doc_, moon));
    EXPECT_FALSE(tableShows(*doc_, moon));
    EXPECT_FALSE(hasAspectWith(*doc_, moon));
    EXPECT_TRUE(hints_ & CZodiacDoc::kHintNatal);
    EXPECT_FALSE(doc_->isModified()) << "the chart file holds no shown flags";
}

TEST_F(SettingsSheetTest, CancelRestoresTheStoredDefaultsOfThePagesShown) {
    const auto stored = ScratchFolder::read(folder_ / "default.asp");
    CBornSheet sheet(*doc_);
    sheet.show();
    sheet.tabs()->setCurrentIndex(1);
    AspectSetting& first = doc_->natal().aspects[0];
    first.colour = 0x00ABCDEF;  // as the line dialog changes it, directly in the table
    first.label = "изменено";
    sheet.aspectPage()->angleField(0)->setText("1");
    sheet.reject();
    EXPECT_EQ(AspectRecords::serialize(doc_->natal().aspects), stored);
    EXPECT_TRUE(hints_ & CZodiacDoc::kHintNatal);
}

TEST_F(SettingsSheetTest, RefusedAngleKeepsTheSheetOpenAndRememberWritesNothing) {
    const auto stored = ScratchFolder::read(folder_ / "default.asp");
    CBornSheet sheet(*doc_);
    sheet.show();
    sheet.tabs()->setCurrentIndex(2);
    AspectPage* page = sheet.aspectPage();
    page->angleField(0)->setText("45");
    page->angleField(12)->setText("181");
    MessageRecorder recorder;
    page->findChild<QPushButton*>("remember")->click();
    EXPECT_EQ(ScratchFolder::read(folder_ / "default.asp"), stored);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0], "Введите число от 0 до 180.");

    sheet.accept();
    EXPECT_TRUE(sheet.isVisible()) << "OK stays on the refused field";
    EXPECT_EQ(sheet.tabs()->currentWidget(), page);
    EXPECT_EQ(sheet.focusWidget(), page->angleField(12));
    EXPECT_NE(doc_->natal().aspects[0].angle, 45.0);

    page->angleField(12)->setText("150");
    page->findChild<QPushButton*>("remember")->click();
    AspectTable reread;
    ASSERT_TRUE(AspectRecords::read(folder_ / "default.asp", reread).loaded());
    EXPECT_EQ(reread[0].angle, 45.0);
    EXPECT_EQ(reread[12].angle, 150.0);
    sheet.reject();
}

TEST_F(SettingsSheetTest, LineDialogKeepsTheWidthInRangeAndWritesOnlyOnOk) {
    AspectSetting& aspect = doc_->natal().aspects[0];
    aspect.lineWidth = 10;
    aspect.lineStyle = 9;
    aspect.colour = 0x000000FF;
    {
        LineStyleDialog dialog(aspect);
        EXPECT_EQ(dialog.styles()->checkedId(), 0) << "an unknown style shows as solid";
        dialog.widthField()->stepUp();
        EXPECT_EQ(dialog.widthField()->value(), 10);
        dialog.styles()->button(3)->click();
        dialog.widthField()->stepDown();
        dialog.reject();
    }
    EXPECT_EQ(aspect.lineStyle, 9);
    EXPECT_EQ(aspect.lineWidth, 10);
    LineStyleDialog dialog(aspect);
    dialog.widthField()->setValue(0);
    dialog.widthField()->stepDown();
    dialog.styles()->button(3)->click();
    dialog.accept();
    EXPECT_EQ(aspect.lineWidth, 0);
    EXPECT_EQ(aspect.lineStyle, 3);
    EXPECT_EQ(aspect.colour, 0x000000FFu);
}

TEST_F(SettingsSheetTest, EventSheetSwitchesTransitAspectsAndHousesFollowTheChart) {
    doc_->natal().chart.housesUnavailable = 1;
    doc_->eventChart().state().computed = true;
    CTranzitSheet sheet(*doc_);
    EXPECT_FALSE(sheet.radixPage()->tickBox(17)->isEnabled());
    EXPECT_TRUE(sheet.radixPage()->tickBox(16)->isEnabled());
    EXPECT_FALSE(sheet.radixPage()->tickBox(17)->isChecked());
    sheet.aspectPage()->includeBox(0)->setChecked(false);
    sheet.transitPage()->tickBox(2)->setChecked(false);
    sheet.accept();
    EXPECT_EQ(doc_->eventChart().aspects()[0].included, 0);
    EXPECT_EQ(doc_->eventChart().bodies().style[2].transitUse, 0);
    EXPECT_TRUE(doc_->eventChart().state().builtFor.has_value())
        << "the event chart is built again";
    for (const TransitSituation& situation : doc_->eventChart().state().situations) {
        if (situation.aspectIndex == 0) {
            EXPECT_LT(situation.orb, 0.0);
        }
    }
    EXPECT_TRUE(hints_ & CZodiacDoc::kHintEventChart);
}

TEST_F(SettingsSheetTest, OrientationPageOfAChartWithoutHousesCountsFromAries) {
    doc_->natal().chart.housesUnavailable = 1;
    doc_->natal().orientation = {0, 1, 0, 0.0};
    CBornSheet sheet(*doc_);
    CShowHowPage* page = sheet.orientationPage();
    EXPECT_FALSE(page->starts()->button(0)->isEnabled());
    EXPECT_EQ(page->starts()->button(2)->text(), "Произвольно от Овна");
    EXPECT_FALSE(page->angleField()->isEnabled());
    page->starts()->button(2)->click();
    ASSERT_TRUE(page->angleField()->isEnabled());
    page->angleField()->setText("15");
    page->starts()->button(1)->click();
    EXPECT_EQ(page->angleField()->text(), "0") << "starts 0 and 1 set the angle back";
    page->starts()->button(2)->click();
    page->angleField()->setText("15");
    sheet.accept();
    EXPECT_EQ(doc_->natal().orientation.fromAries, 0);
    EXPECT_EQ(doc_->natal().orientation.angle, 15.0);
    EXPECT_TRUE(doc_->isModified()) << "the chart file holds the orientation";
}

// The owner-drawn buttons paint from the records: the line button's diagonal runs from two
// pixels inside the top-left corner in the aspect's own colour.
TEST_F(SettingsSheetTest, OwnerDrawnButtonsShowTheRecordsTheyAreBoundTo) {
    AspectSetting aspect;
    aspect.colour = 0x000000FF;  // red in the low byte
    aspect.lineWidth = 1;
    LineButton line(aspect);
    line.resize(34, 24);
    const QImage drawn = line.grab().toImage();
    EXPECT_EQ(drawn.pixelColor(0, 0), QColor(Qt::black)) << "outline";
    EXPECT_EQ(drawn.pixelColor(2, 2), QColor(255, 0, 0)) << "diagonal";
    EXPECT_EQ(drawn.pixelColor(20, 5), QColor(Qt::white)) << "fill";

    std::uint32_t colour = 0x00FF0000;  // blue
    ColourButton filled(colour);
    filled.resize(34, 24);
    EXPECT_EQ(filled.grab().toImage().pixelColor(17, 12), QColor(0, 0, 255));
    colour = 0x0000FF00;
    EXPECT_EQ(filled.grab().toImage().pixelColor(17, 12), QColor(0, 255, 0));
}

// A bitmap as an image editor writes it (124-byte header, 24 bits, 2 x 1 pixels) and a file
// that is no bitmap at all, chosen in the picture chooser.
TEST_F(SettingsSheetTest, PictureChooserTakesEditorBitmapsAndRefusesOtherFiles) {
    std::vector<std::uint8_t> editor = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    auto put = [&editor](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            editor.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    put(124, 4), put(2, 4), put(1, 4), put(1, 2), put(24, 2);  // size, width, height, planes, bits
    for (int i = 0; i < 124 - 16; ++i) editor.push_back(0);
    for (std::uint8_t b : {0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}) editor.push_back(b);
    ScratchFolder::write(folder_ / "editor.bmp", editor);
    ScratchFolder::write(folder_ / "notes.bmp", {'t', 'e', 'x', 't'});

    Picture& symbol = doc_->natal().aspects[0].symbol;
    for (const char* name : {"editor.bmp", "notes.bmp"}) {
        const auto before = symbol.bytes();
        MessageRecorder recorder;
        const QString path = QString::fromStdString((folder_ / name).string());
        testing::whenModal<CChoosePictDlg>([path](CChoosePictDlg& dialog) {
            // Typed into the name field: selectFile leaves that field alone once it has focus,
            // and whether it has focus yet depends on how fast the window was activated.
            auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(name, nullptr);
            name->setFocus();
            name->setText(path);
            static_cast<QDialog&>(dialog).accept();  // virtual: the file dialog's own OK
        });
        const bool loaded = CChoosePictDlg(symbol).run();
        if (std::string(name) == "editor.bmp") {
            ASSERT_TRUE(loaded);
            EXPECT_EQ(symbol.layout().headerSize, 40u);
            EXPECT_EQ(symbol.width(), 2);
            EXPECT_TRUE(recorder.messages.empty());
        } else {
            EXPECT_FALSE(loaded);
            EXPECT_EQ(symbol.bytes(), before) << "the picture stays";
            EXPECT_EQ(recorder.messages.size(), 1u);
        }
    }

    std::string label = "прежний";
    LabelTextDialog text(label);
    text.editor()->setPlainText("строка\nи знак \u2603");
    MessageRecorder recorder;
    text.accept();
    EXPECT_EQ(label, "прежний") << "a snowman cannot be stored in Windows-1251";
    EXPECT_EQ(recorder.messages.size(), 1u);
    text.editor()->setPlainText("строка\nвторая");
    text.accept();
    EXPECT_EQ(label, "строка\r\nвторая") << "the files keep CR LF";
}

}  // namespace
}  // namespace orvanta
