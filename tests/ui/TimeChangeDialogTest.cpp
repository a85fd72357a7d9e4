#include <gtest/gtest.h>
#include <stdlib.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <filesystem>

#include "WidgetInput.h"
#include "birthdata/TimeChangeBase.h"
#include "support/MessageRecorder.h"
#include "support/ScratchFolder.h"
#include "ui/TimeChangeDialog.h"

namespace orvanta {
namespace {

using testing::click;
using testing::clickAt;
using testing::retype;

TimeChange change(int day, int month, int year, int hour, int difference) {
    TimeChange c;
    c.day = day;
    c.month = month;
    c.year = year;
    c.hour = hour;
    c.difference = difference;
    return c;
}

class TimeChangeDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::widgetApplication();
        file_ = scratch_ / "Timechg.tch";
        // The summer times of Moscow that began in 1981, 1982 and 1999, from their decrees.
        base_.add(change(1, 4, 1981, 0, 4));
        base_.add(change(1, 4, 1982, 0, 4));
        base_.add(change(28, 3, 1999, 2, 4));
        ASSERT_TRUE(base_.save(file_));
        dialog_ = std::make_unique<TimeChangeDialog>(base_, file_);
        dialog_->show();
        list_ = dialog_->findChild<QListWidget*>("changes");
    }
    void TearDown() override { dialog_.reset(); }

    QLineEdit* edit(const char* name) const { return dialog_->findChild<QLineEdit*>(name); }
    QComboBox* month() const { return dialog_->findChild<QComboBox*>("month"); }
    QPushButton* button(const char* name) const { return dialog_->findChild<QPushButton*>(name); }
    std::vector<std::string> lines() const {
        std::vector<std::string> texts;
        for (int i = 0; i < list_->count(); ++i)
            texts.push_back(list_->item(i)->text().toStdString());
        return texts;
    }
    void pickLine(int row) {
        clickAt(list_->viewport(), list_->visualItemRect(list_->item(row)).center());
    }
    std::vector<std::uint8_t> fileBytes() const {
        TimeChangeBase onDisk;
        onDisk.load(file_);
        return onDisk.toBytes();
    }

    testing::ScratchFolder scratch_;
    std::filesystem::path file_;
    TimeChangeBase base_;
    std::unique_ptr<TimeChangeDialog> dialog_;
    QListWidget* list_ = nullptr;
    testing::MessageRecorder recorder_;
    std::vector<std::string>& messages_ = recorder_.messages;
};

TEST_F(TimeChangeDialogTest, OpensOnTheFirstLineAndShowsThePickedOne) {
    EXPECT_EQ(dialog_->windowTitle(), "Изменения времени");
    EXPECT_EQ(lines(), (std::vector<std::string>{"с 1.4.1981, 0:00, разн. +4ч.",
                                                 "с 1.4.1982, 0:00, разн. +4ч.",
                                                 "с 28.3.1999, 2:00, разн. +4ч."}));
    EXPECT_EQ(list_->currentRow(), 0);
    EXPECT_EQ(edit("day")->text(), "1");
    EXPECT_EQ(month()->currentText(), "Апрель");
    EXPECT_EQ(edit("year")->text(), "1981");
    pickLine(2);
    EXPECT_EQ(edit("day")->text(), "28");
    EXPECT_EQ(month()->currentText(), "Март");
    EXPECT_EQ(edit("year")->text(), "1999");
    EXPECT_EQ(edit("hour")->text(), "2");
    EXPECT_EQ(edit("difference")->text(), "4");
}

TEST_F(TimeChangeDialogTest, EditingResortsAndKeepsTheLineSelected) {
    // The 1981 change moved to 1 October 1990 at 3:00, three hours: typed year by year, it
    // settles between 1982 and 1999 and stays selected.
    month()->setCurrentIndex(9);
    retype(edit("year"), "1990");
    retype(edit("hour"), "3");
    retype(edit("difference"), "3");
    EXPECT_EQ(lines(), (std::vector<std::string>{"с 1.4.1982, 0:00, разн. +4ч.",
                                                 "с 1.10.1990, 3:00, разн. +3ч.",
                                                 "с 28.3.1999, 2:00, разн. +4ч."}));
    EXPECT_EQ(list_->currentRow(), 1);
    EXPECT_EQ(edit("year")->text(), "1990");
    EXPECT_EQ(base_.records()[1].difference, 3);

    // A difference outside 0 to 6 is refused with the framework's range message.
    retype(edit("difference"), "7");
    EXPECT_EQ(messages_, std::vector<std::string>{"Введите целое число от 0 до 6."});
    EXPECT_EQ(base_.records()[1].difference, 3);
}

TEST_F(TimeChangeDialogTest, AddAndRemoveLines) {
    click(button("add"));
    ASSERT_EQ(list_->count(), 4);
    EXPECT_EQ(list_->item(0)->text(), "с [0.0.0, 0:00], разн. +0ч.");
    EXPECT_EQ(list_->currentRow(), 0);
    EXPECT_EQ(month()->currentIndex(), -1);
    EXPECT_EQ(edit("day")->text(), "0");
    // The user types the date into the new line: 27 March 1983, four hours.
    retype(edit("day"), "27");
    month()->setCurrentIndex(2);
    retype(edit("year"), "1983");
    retype(edit("difference"), "4");
    EXPECT_EQ(list_->item(2)->text(), "с 27.3.1983, 0:00, разн. +4ч.");
    EXPECT_EQ(list_->currentRow(), 2);

    click(button("remove"));
    EXPECT_EQ(list_->count(), 3);
    EXPECT_EQ(list_->item(2)->text(), "с 28.3.1999, 2:00, разн. +4ч.");
    EXPECT_TRUE(list_->selectedItems().isEmpty());
    // With no line selected, removing does nothing and a typed field goes back to zero.
    click(button("remove"));
    EXPECT_EQ(list_->count(), 3);
    retype(edit("year"), "2005");
    EXPECT_EQ(edit("year")->text(), "0");
    EXPECT_EQ(month()->currentIndex(), -1);
    EXPECT_EQ(base_.size(), 3);
}

TEST_F(TimeChangeDialogTest, OkWritesTheFileAndCancelPutsTheBaseBack) {
    const auto opened = base_.toBytes();
    click(button("add"));
    pickLine(3);
    retype(edit("difference"), "5");
    click(button("cancel"));
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(dialog_->result(), QDialog::Rejected);
    // Nothing of the edits stays in force, and the file is as it was.
    EXPECT_EQ(base_.toBytes(), opened);
    EXPECT_EQ(fileBytes(), opened);

    dialog_ = std::make_unique<TimeChangeDialog>(base_, file_);
    dialog_->show();
    list_ = dialog_->findChild<QListWidget*>("changes");
    pickLine(2);
    retype(edit("difference"), "5");
    click(button("ok"));
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
    EXPECT_EQ(base_.records()[2].difference, 5);
    EXPECT_EQ(fileBytes(), base_.toBytes());
    EXPECT_NE(fileBytes(), opened);
}

}  // namespace
}  // namespace orvanta
