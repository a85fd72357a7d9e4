#include "ui/TimeChangeDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "birthdata/TimeChangeBase.h"
#include "ui/DateFields.h"

namespace orvanta {
namespace {

void setText(QLineEdit* edit, const std::string& value) {
    const QString shown = QString::fromStdString(value);
    if (edit->text() != shown) edit->setText(shown);
}

}  // namespace

TimeChangeDialog::TimeChangeDialog(TimeChangeBase& base, DataFile file, QWidget* parent)
    : QDialog(parent), editor_(base), file_(std::move(file)) {
    setWindowTitle("Изменения времени");
    buildControls();
    attachToolTips();
    fillList();
    display(editor_.fields());
    connectControls();
}

void TimeChangeDialog::buildControls() {
    list_ = new QListWidget(this);
    list_->setObjectName("changes");
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setMinimumHeight(list_->fontMetrics().height() * 16);
    list_->setMinimumWidth(
        list_->fontMetrics().horizontalAdvance("с 31.10.2130, 23:00, разн. +6ч.") + 40);

    day_ = DateFields::numberEdit(*this, "day", 2);
    month_ = DateFields::monthBox(*this);
    year_ = DateFields::numberEdit(*this, "year", 4);
    hour_ = DateFields::numberEdit(*this, "hour", 2);
    difference_ = DateFields::numberEdit(*this, "difference", 2);

    add_ = new QPushButton("Добавить", this);
    add_->setObjectName("add");
    add_->setAutoDefault(false);
    remove_ = new QPushButton("Удалить", this);
    remove_->setObjectName("remove");
    remove_->setAutoDefault(false);
    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("ok");
    ok_->setDefault(true);
    cancel_ = new QPushButton("Отмена", this);
    cancel_->setObjectName("cancel");
    cancel_->setAutoDefault(false);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel("Дата смены времени:", this), 0, 0, 1, 4);
    fields->addWidget(new QLabel("День", this), 1, 0);
    fields->addWidget(new QLabel("Месяц", this), 1, 1);
    fields->addWidget(new QLabel("Год", this), 1, 2);
    fields->addWidget(new QLabel("Час", this), 1, 3);
    fields->addWidget(day_, 2, 0);
    fields->addWidget(month_, 2, 1);
    fields->addWidget(year_, 2, 2);
    fields->addWidget(hour_, 2, 3);
    auto* differenceCaption = new QLabel("Разница московского времени с гринвичским", this);
    fields->addWidget(differenceCaption, 3, 0, 1, 4);
    auto* differenceRow = new QHBoxLayout;
    differenceRow->addWidget(difference_);
    differenceRow->addWidget(new QLabel("ч.", this));
    differenceRow->addStretch(1);
    fields->addLayout(differenceRow, 4, 0, 1, 4);
    fields->setRowStretch(5, 1);

    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(add_);
    listButtons->addWidget(remove_);
    listButtons->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addLayout(fields);
    right->addStretch(1);
    right->addLayout(listButtons);
    auto* closeButtons = new QHBoxLayout;
    closeButtons->addStretch(1);
    closeButtons->addWidget(ok_);
    closeButtons->addWidget(cancel_);
    right->addLayout(closeButtons);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(right);
}

void TimeChangeDialog::attachToolTips() {
    list_->setToolTip("Список введенных изменений");
    day_->setToolTip("Введите день нового изменения");
    month_->setToolTip("Введите месяц нового изменения");
    year_->setToolTip("Введите год нового изменения");
    hour_->setToolTip("Введите часы нового изменения");
    difference_->setToolTip("Введите новую разницу во времени");
    add_->setToolTip("Для добавления нового изменения в список");
    remove_->setToolTip("Для удаления из списка отмеченной строки");
    ok_->setToolTip("Звершить ввод новых изменений");
    cancel_->setToolTip("Закрыть диалог без сохранения новых изменений");
}

void TimeChangeDialog::connectControls() {
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (showing_) return;
        editor_.select(row);
        display(editor_.fields());
    });
    for (QLineEdit* edit : {day_, year_, hour_, difference_}) {
        connect(edit, &QLineEdit::textEdited, this, &TimeChangeDialog::onEdited);
    }
    connect(month_, &QComboBox::currentIndexChanged, this, [this] {
        if (!showing_) onEdited();
    });
    connect(add_, &QPushButton::clicked, this, [this] {
        editor_.add();
        fillList();
        display(editor_.fields());
    });
    connect(remove_, &QPushButton::clicked, this, [this] {
        editor_.remove();
        fillList();
    });
    connect(ok_, &QPushButton::clicked, this, &TimeChangeDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &TimeChangeDialog::reject);
}

void TimeChangeDialog::fillList() {
    showing_ = true;
    list_->clear();
    for (const std::string& line : editor_.lines()) {
        list_->addItem(QString::fromStdString(line));
    }
    list_->setCurrentRow(editor_.selected());
    if (editor_.selected() < 0) list_->clearSelection();
    showing_ = false;
}

void TimeChangeDialog::display(const TimeChangeEditor::Fields& fields) {
    showing_ = true;
    setText(day_, fields.day);
    month_->setCurrentIndex(fields.month);
    setText(year_, fields.year);
    setText(hour_, fields.hour);
    setText(difference_, fields.difference);
    showing_ = false;
}

TimeChangeEditor::Fields TimeChangeDialog::gather() const {
    TimeChangeEditor::Fields fields;
    fields.day = day_->text().toStdString();
    fields.month = month_->currentIndex();
    fields.year = year_->text().toStdString();
    fields.hour = hour_->text().toStdString();
    fields.difference = difference_->text().toStdString();
    return fields;
}

void TimeChangeDialog::onEdited() {
    if (editor_.edit(gather())) {
        fillList();
    } else {
        display(editor_.fields());
    }
}

void TimeChangeDialog::accept() {
    if (editor_.save(file_.writePath())) QDialog::accept();
}

void TimeChangeDialog::reject() {
    editor_.cancel();
    QDialog::reject();
}

}  // namespace orvanta
