#include "ui/CBornChildFrame.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QResizeEvent>
#include <QVBoxLayout>

#include "doc/ChartBarTexts.h"
#include "draw/ChartResources.h"
#include "natal/paint/ChartImage.h"
#include "ui/AppContext.h"
#include "ui/CBornCircleView.h"
#include "ui/CBornTableView.h"
#include "ui/CommandTable.h"
#include "ui/NatalPrintCommands.h"
#include "ui/WindowServices.h"

namespace orvanta {

CBornChildFrame::CBornChildFrame(std::shared_ptr<OpenChart> chart, const ChartResources& resources,
                                 QWidget* parent)
    : QWidget(parent), chart_(std::move(chart)), resources_(resources) {
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    toolBar_ = new QToolBar(this);
    toolBar_->setIconSize(QSize(16, 15));
    toolBar_->setToolTip("Toggle CBornBar");
    layout->addWidget(toolBar_);

    buildInfoBar();
    layout->addWidget(infoBar_);

    splitter_ = new QSplitter(Qt::Vertical, this);
    splitter_->setChildrenCollapsible(false);
    wheel_ = new CBornCircleView(*chart_, resources, splitter_);
    table_ = new CBornTableView(*chart_, resources, splitter_);
    splitter_->addWidget(wheel_);
    splitter_->addWidget(table_);
    layout->addWidget(splitter_, 1);

    connect(wheel_, &NatalChartView::activated, this, &CBornChildFrame::onViewActivated);
    connect(table_, &NatalChartView::activated, this, &CBornChildFrame::onViewActivated);
    connect(chart_.get(), &OpenChart::viewsUpdated, this, [this](int hint) {
        if (hint & 1) refreshBarTexts();
    });
    wheel_->setActiveView(true);
    refreshBarTexts();
}

CBornChildFrame* CBornChildFrame::make(std::shared_ptr<OpenChart> chart,
                                       const WindowServices& services) {
    auto* frame = new CBornChildFrame(std::move(chart), services.context.resources);
    const CommandTable& commands = services.commands;
    for (Command key :
         {Command::SynthesizeText, Command::BuildEventChart, Command::TransitCalendar})
        frame->addToolButton(commands.action(key));
    frame->addToolSeparator();
    for (Command key : {Command::NatalSettings, Command::ChangeBirthData})
        frame->addToolButton(commands.action(key));
    frame->addToolSeparator();
    for (Command key : {Command::ZoomOut, Command::ZoomIn})
        frame->addToolButton(commands.action(key));
    frame->setStepActions(commands.action(Command::Step), commands.action(Command::BirthMoment));
    return frame;
}

void CBornChildFrame::addMenus(const Menus& menus) {
    const CommandTable& commands = menus.commands;
    QMenu* menu = menus.bar.addMenu("&Вид");
    QMenu* change = menu->addMenu("Изменить исходные данные...");
    change->addAction(commands.action(Command::ChangeBirthData));
    change->addAction(commands.action(Command::Step));
    change->addAction(commands.action(Command::BirthMoment));
    menu->addAction(commands.action(Command::NatalSettings));
    menu->addAction(commands.action(Command::DegreesMinutes));
    menu->addSeparator();
    menu->addAction(commands.action(Command::ZoomIn));
    menu->addAction(commands.action(Command::ZoomOut));
    menu->addAction(commands.action(Command::ShowPatterns));
    menu->addSeparator();
    for (Command key : {Command::Synastry, Command::Composite, Command::Davison, Command::Forecast})
        menu->addAction(commands.action(key));
    menu->addSeparator();
    for (Command key :
         {Command::NatalWindow, Command::TextWindow, Command::ReadingWindow, Command::EventWindow})
        menu->addAction(commands.action(key));
    menu->addAction(commands.action(Command::TransitCalendar));
}

bool CBornChildFrame::print(QPrinter& printer, QWidget* dialogParent) {
    return NatalPrintCommands(resources_).paint(*this, printer, dialogParent);
}

std::optional<PictureExportChoice::View> CBornChildFrame::pictureView() const {
    return NatalPrintCommands::kindOf(*this) == NatalPagePainter::Kind::Table
               ? PictureExportChoice::View::Table
               : PictureExportChoice::View::Wheel;
}

bool CBornChildFrame::savePicture(const std::filesystem::path& file, std::string& reason) {
    const auto kind = pictureView() == PictureExportChoice::View::Table ? ChartImage::Kind::Table
                                                                        : ChartImage::Kind::Wheel;
    const DrawingArea& area = chart_->drawingArea();
    return ChartImage::save(kind, chart_->doc().natal(), resources_,
                            QSize(area.width(), area.height()), file, &reason);
}

void CBornChildFrame::buildInfoBar() {
    infoBar_ = new QWidget(this);
    auto* bar = new QHBoxLayout(infoBar_);
    bar->setContentsMargins(4, 2, 4, 2);
    stepButton_ = new QPushButton("± шаг", infoBar_);
    stepButton_->setStatusTip("Открыть диалог пошагового измения времени и даты");
    stepButton_->setToolTip("Пошаговое изменение");
    stepButton_->setEnabled(false);  // until the frame is given the step command
    birthMomentButton_ = new QPushButton("К моменту рождения", infoBar_);
    birthMomentButton_->setStatusTip(
        "Вернуть карту, сдвинутую по шагам, к введенному моменту рождения");
    birthMomentButton_->setEnabled(false);
    dateField_ = new QLineEdit(infoBar_);
    dateField_->setReadOnly(true);
    dateField_->setPlaceholderText("<DATE>");
    nameField_ = new QLineEdit(infoBar_);
    nameField_->setReadOnly(true);
    nameField_->setPlaceholderText("<NAME>");
    bar->addWidget(stepButton_);
    bar->addWidget(birthMomentButton_);
    dateField_->setMinimumWidth(
        dateField_->fontMetrics().horizontalAdvance("30.12.2000 23:59  дома Regiomontanus") + 12);
    bar->addWidget(dateField_, 1);
    bar->addWidget(nameField_, 1);
}

void CBornChildFrame::setStepActions(QAction* step, QAction* birthMoment) {
    linkButton(*stepButton_, step);
    linkButton(*birthMomentButton_, birthMoment);
}

void CBornChildFrame::linkButton(QPushButton& button, QAction* action) {
    button.setEnabled(action->isEnabled());
    connect(action, &QAction::enabledChanged, &button, &QPushButton::setEnabled);
    connect(&button, &QPushButton::clicked, action, &QAction::trigger);
}

void CBornChildFrame::refreshBarTexts() {
    const auto& natal = chart_->doc().natal();
    const QString date = QString::fromStdString(ChartBarTexts::birthMoment(natal));
    const QString name = QString::fromStdString(ChartBarTexts::name(natal));
    // Shown from their beginning: a long text must not hide the date.
    if (dateField_->text() != date) {
        dateField_->setText(date);
        dateField_->setCursorPosition(0);
    }
    if (nameField_->text() != name) {
        nameField_->setText(name);
        nameField_->setCursorPosition(0);
    }
}

void CBornChildFrame::updateDrawingArea(QSize clientSize) {
    DrawingArea& area = chart_->drawingArea();
    area.baseWidth = std::max(1, clientSize.width() - 5);
    const int barHeight = infoBar_->isVisibleTo(this) ? infoBar_->sizeHint().height() : 0;
    area.baseHeight = std::max(1, clientSize.height() - barHeight - 10);
}

void CBornChildFrame::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    updateDrawingArea(event->size());
}

void CBornChildFrame::paintEvent(QPaintEvent* event) {
    refreshBarTexts();
    QWidget::paintEvent(event);
}

void CBornChildFrame::onViewActivated(NatalChartView* view) {
    wheel_->setActiveView(view == wheel_);
    table_->setActiveView(view == table_);
}

}  // namespace orvanta
