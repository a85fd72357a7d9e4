#include "ui/CTrChildFrame.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include "doc/ChartBarTexts.h"
#include "doc/EventBarTexts.h"
#include "events/paint/DialImage.h"
#include "ui/AppContext.h"
#include "ui/CTranzitView.h"
#include "ui/CommandTable.h"
#include "ui/DialLegendView.h"
#include "ui/EventChartCommands.h"
#include "ui/PrintCommands.h"
#include "ui/WindowServices.h"

namespace orvanta {

CTrChildFrame::CTrChildFrame(std::shared_ptr<OpenChart> chart, const ChartResources& resources,
                             QWidget* parent)
    : QWidget(parent), chart_(std::move(chart)), resources_(resources) {
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    toolBar_ = new QToolBar(this);
    toolBar_->setIconSize(QSize(16, 15));
    layout->addWidget(toolBar_);
    buildBar();
    layout->addWidget(bar_);
    auto* dialRow = new QHBoxLayout;
    dialRow->setSpacing(0);
    view_ = new CTranzitView(*chart_, resources, this);
    dialRow->addWidget(view_, 1);
    legend_ = new DialLegendView(*chart_, this);
    legend_->setVisible(DialLegendView::shown());
    dialRow->addWidget(legend_);
    layout->addLayout(dialRow, 1);
    connect(chart_.get(), &OpenChart::viewsUpdated, this, [this](int) { refreshBar(); });
    refreshBar();
}

CTrChildFrame* CTrChildFrame::make(std::shared_ptr<OpenChart> chart,
                                   const WindowServices& services) {
    AppContext& context = services.context;
    chart->doc().setTimeChanges(&context.timeChanges);
    auto* frame = new CTrChildFrame(std::move(chart), context.resources);
    frame->addToolButton(services.commands.action(Command::EventSettings));
    frame->addToolButton(services.commands.action(Command::Analysis));
    connect(frame, &CTrChildFrame::dateSelectionRequested, frame,
            [frame, &context, parent = services.dialogParent] {
                EventChartCommands::selectDate(frame->chart(), context, parent);
            });
    return frame;
}

bool CTrChildFrame::mayOpenFirst(OpenChart& chart, const WindowServices& services) {
    return chart.doc().eventChart().state().computed ||
           EventChartCommands::confirmFirstDate(chart, services.context, services.dialogParent);
}

void CTrChildFrame::addMenus(const Menus& menus) {
    QMenu* view = EventChartCommands::addViewMenu(menus.bar, menus.commands);
    view->addSeparator();
    QAction* legend = view->addAction("Легенда циферблата");
    legend->setCheckable(true);
    legend->setChecked(legend_->isVisible());
    connect(legend, &QAction::toggled, legend_, [this](bool shown) {
        DialLegendView::setShown(shown);
        legend_->setVisible(shown);
    });
}

bool CTrChildFrame::print(QPrinter& printer, QWidget* dialogParent) {
    printer.setDocName(chart_->title());
    chart_->doc().ensureEventChart();
    QPainter painter;
    if (!PrintCommands::begin(painter, printer, dialogParent)) return false;
    DialImage::paintPrinterPage(painter, chart_->doc().eventChart(),
                                QString::fromStdString(resources_.serifFace));
    painter.end();
    return true;
}

bool CTrChildFrame::savePicture(const std::filesystem::path& file, std::string& reason) {
    chart_->doc().ensureEventChart();
    return DialImage::save(chart_->doc().eventChart(), QString::fromStdString(resources_.serifFace),
                           view_->size(), file, &reason);
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
    const auto& state = doc.eventChart().state();
    nameField_->setText(QString::fromStdString(ChartBarTexts::name(doc.natal())));
    nameField_->setCursorPosition(0);
    dateField_->setText(QString::fromStdString(EventBarTexts::date(state.date)));
    zoneButton_->setText(
        QString::fromStdString(EventBarTexts::zoneCaption(state.greenwichDifference)));
}

}  // namespace orvanta
