#include "ui/SynastryChildFrame.h"

#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/AppContext.h"
#include "ui/CommandTable.h"
#include "ui/PrintCommands.h"
#include "ui/WindowServices.h"

namespace orvanta {
namespace {

// The pictures are laid out at this width and scaled to the page: the drawing keeps the
// proportions of its symbols and lines whatever the printer's resolution.
constexpr int kPrintWidth = 1000;

}  // namespace

SynastryChildFrame::SynastryChildFrame(std::shared_ptr<OpenChart> owner,
                                       std::unique_ptr<TwoChartSource> charts,
                                       const ChartResources& resources, QWidget* parent)
    : QWidget(parent), owner_(std::move(owner)), charts_(std::move(charts)), resources_(resources) {
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    toolBar_ = new QToolBar(this);
    toolBar_->setIconSize(QSize(16, 15));
    layout->addWidget(toolBar_);

    splitter_ = new QSplitter(Qt::Vertical, this);
    splitter_->setChildrenCollapsible(false);
    wheel_ = new TwoChartView(TwoChartImage::Kind::BiWheel, *charts_, resources, splitter_);
    table_ = new TwoChartView(TwoChartImage::Kind::Table, *charts_, resources, splitter_);
    splitter_->addWidget(wheel_);
    splitter_->addWidget(table_);
    splitter_->setStretchFactor(0, 3);
    splitter_->setStretchFactor(1, 2);
    layout->addWidget(splitter_, 1);

    connect(wheel_, &TwoChartView::activated, this, &SynastryChildFrame::onViewActivated);
    connect(table_, &TwoChartView::activated, this, &SynastryChildFrame::onViewActivated);
    connect(charts_.get(), &TwoChartSource::changed, this, &SynastryChildFrame::retitle);
    wheel_->setActiveView(true);
}

SynastryChildFrame* SynastryChildFrame::make(std::shared_ptr<OpenChart> owner,
                                             std::unique_ptr<TwoChartSource> charts,
                                             const WindowServices& services) {
    auto* frame =
        new SynastryChildFrame(std::move(owner), std::move(charts), services.context.resources);
    frame->toolBar_->addAction(services.commands.action(Command::SwapCharts));
    return frame;
}

void SynastryChildFrame::addMenus(const Menus& menus) {
    QMenu* menu = menus.bar.addMenu("&Вид");
    menu->addAction(menus.commands.action(Command::SwapCharts));
    menu->addActions(viewActions_);
    menu->addSeparator();
    menu->addAction(menus.commands.action(Command::NatalWindow));
}

void SynastryChildFrame::retitle() {
    // The chart windows' titles come from their chart; this one names both.
    if (auto* window = qobject_cast<QMdiSubWindow*>(parentWidget()))
        window->setWindowTitle(ownTitle());
}

void SynastryChildFrame::paintPage(int page, QPainter& painter, QSize pageSize) const {
    const auto kind = page == 0 ? TwoChartImage::Kind::BiWheel : TwoChartImage::Kind::Table;
    const int height = std::max(1, kPrintWidth * pageSize.height() / std::max(1, pageSize.width()));
    // The wheel is round: a square area keeps it from being laid out for a tall page.
    const QSize area(kPrintWidth, kind == TwoChartImage::Kind::BiWheel ? kPrintWidth : height);
    const NatalChart& inner = charts_->inner();
    const NatalChart& outer = charts_->outer();
    const QSize drawn = TwoChartImage::placement(kind, inner, outer, area).size;
    const double scale = std::min(double(pageSize.width()) / drawn.width(),
                                  double(pageSize.height()) / drawn.height());
    painter.save();
    painter.scale(scale, scale);
    TwoChartImage::paint(kind, painter, inner, outer, resources_, area);
    painter.restore();
}

bool SynastryChildFrame::print(QPrinter& printer, QWidget* dialogParent) {
    printer.setDocName(ownTitle());
    QPainter painter;
    if (!PrintCommands::begin(painter, printer, dialogParent)) return false;
    const QSize page = printer.pageRect(QPrinter::DevicePixel).size().toSize();
    for (int i = 0; i < kPageCount; ++i) {
        if (i > 0) printer.newPage();
        paintPage(i, painter, page);
    }
    painter.end();
    return true;
}

std::optional<PictureExportChoice::View> SynastryChildFrame::pictureView() const {
    return table_->isActiveView() ? PictureExportChoice::View::Table
                                  : PictureExportChoice::View::Wheel;
}

bool SynastryChildFrame::savePicture(const std::filesystem::path& file, std::string& reason) {
    const TwoChartView* view = table_->isActiveView() ? table_ : wheel_;
    return TwoChartImage::save(view->kind(), charts_->inner(), charts_->outer(), resources_,
                               view->size(), file, &reason);
}

void SynastryChildFrame::onViewActivated(TwoChartView* view) {
    wheel_->setActiveView(view == wheel_);
    table_->setActiveView(view == table_);
}

}  // namespace orvanta
