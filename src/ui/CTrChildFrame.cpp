#include "ui/CTrChildFrame.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "doc/ChartBarTexts.h"
#include "doc/EventBarTexts.h"
#include "ui/CTranzitView.h"

namespace orvanta {

CTrChildFrame::CTrChildFrame(std::shared_ptr<OpenChart> chart, const ChartResources& resources,
                             QWidget* parent)
    : QWidget(parent), chart_(std::move(chart)) {
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    toolBar_ = new QToolBar(this);
    toolBar_->setIconSize(QSize(16, 15));
    layout->addWidget(toolBar_);
    buildBar();
    layout->addWidget(bar_);
    view_ = new CTranzitView(*chart_, resources, this);
    layout->addWidget(view_, 1);
    connect(chart_.get(), &OpenChart::viewsUpdated, this, [this](int) { refreshBar(); });
    refreshBar();
}

void CTrChildFrame::buildBar() {
    bar_ = new QWidget(this);
    auto* row = new QHBoxLayout(bar_);
    row->setContentsMargins(4, 2, 4, 2);
    // The up-down control: its up arrow (+1) goes a day back, its down arrow (-1) a day on.
    dayBack_ = new QToolButton(bar_);
    dayBack_->setArrowType(Qt::UpArrow);
    dayForward_ = new QToolButton(bar_);
    dayForward_->setArrowType(Qt::DownArrow);
    for (QToolButton* button : {dayBack_, dayForward_}) {
        button->setToolTip("День вперед - день назад");
        button->setStatusTip("Пошаговое изменение даты");
        button->setAutoRepeat(true);
    }
    connect(dayBack_, &QToolButton::clicked, this,
            [this] { chart_->doc().shiftEventChartDay(-1); });
    connect(dayForward_, &QToolButton::clicked, this,
            [this] { chart_->doc().shiftEventChartDay(1); });
    auto* upDown = new QVBoxLayout;
    upDown->setSpacing(0);
    upDown->addWidget(dayBack_);
    upDown->addWidget(dayForward_);

    zoneButton_ = new QPushButton("Часовой пояс [GMT+03:00]", bar_);
    zoneButton_->setToolTip("Другая дата или часовой пояс");
    zoneButton_->setStatusTip(
        "Открыть календарь, изменить данные и пересчитать событийную карту на другой день");
    connect(zoneButton_, &QPushButton::clicked, this, &CTrChildFrame::dateSelectionRequested);
    nameField_ = new QLineEdit(bar_);
    nameField_->setReadOnly(true);
    nameField_->setPlaceholderText("<NAME>");
    dateField_ = new QLineEdit(bar_);
    dateField_->setReadOnly(true);
    dateField_->setPlaceholderText("<DATE>");
    dateField_->setMaximumWidth(dateField_->fontMetrics().horizontalAdvance("31.12.2130") + 24);
    row->addLayout(upDown);
    row->addWidget(dateField_);
    row->addWidget(zoneButton_);
    row->addWidget(nameField_, 1);
}

void CTrChildFrame::refreshBar() {
    const CZodiacDoc& doc = chart_->doc();
    const auto& state = doc.eventChart();
    nameField_->setText(QString::fromStdString(ChartBarTexts::name(doc.natal())));
    nameField_->setCursorPosition(0);
    dateField_->setText(QString::fromStdString(EventBarTexts::date(state.date)));
    zoneButton_->setText(
        QString::fromStdString(EventBarTexts::zoneCaption(state.greenwichDifference)));
}

}  // namespace orvanta
