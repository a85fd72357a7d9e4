#include "ui/CalendarChildFrame.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QVBoxLayout>
#include <array>
#include <cmath>
#include <ctime>

#include "calc/EngineEphemeris.h"
#include "common/AtomicFile.h"
#include "events/CalendarCsv.h"
#include "events/IcsCalendar.h"
#include "ui/CalendarListModel.h"
#include "ui/CalendarSearch.h"
#include "ui/CommandTable.h"
#include "ui/PrintCommands.h"
#include "ui/WindowServices.h"

namespace orvanta {
namespace {

// Where each column starts, as a share of the printed width.
constexpr std::array<double, CalendarTable::ColumnCount> kColumnStarts = {0.0,  0.2,  0.33, 0.41,
                                                                          0.56, 0.59, 0.67};
constexpr int kPageFrameLines = 4;  // title, column heads, a gap and the page number

double now() {
    return CalendarMoment::kUnixEpochJulianDay + static_cast<double>(std::time(nullptr)) / 86400.0;
}

}  // namespace

CalendarChildFrame::CalendarChildFrame(std::shared_ptr<OpenChart> chart,
                                       std::shared_ptr<const Ephemeris> ephemeris, QWidget* parent)
    : QWidget(parent), chart_(std::move(chart)) {
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    toolBar_ = new QToolBar(this);
    toolBar_->setIconSize(QSize(16, 15));
    saveAs_ = toolBar_->addAction("Сохранить как...", this, &CalendarChildFrame::saveWithDialog);
    saveAs_->setStatusTip("Записать список в файл CSV или iCalendar (.ics)");
    toolBar_->addSeparator();
    filter_ = new QLineEdit(toolBar_);
    filter_->setPlaceholderText("Фильтр: планета, аспект или точка");
    filter_->setClearButtonEnabled(true);
    toolBar_->addWidget(filter_);
    layout->addWidget(toolBar_);
    model_ = new CalendarListModel(this);
    table_ = new QTableView(this);
    table_->setModel(model_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(CalendarTable::Time, Qt::AscendingOrder);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table_, 1);
    status_ = new QLabel(this);
    status_->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(status_);
    search_ = new CalendarSearch(std::move(ephemeris), this, this);
    connect(filter_, &QLineEdit::textChanged, this, [this](const QString& text) {
        model_->setFilter(text);
        showCount();
    });
    connect(table_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { openEventDay(index.row()); });
    connect(search_, &CalendarSearch::found, this,
            [this](const std::vector<CalendarEvent>& events) {
                CalendarTable list(events, *pendingZone_);
                list.setFilter(filter_->text().toStdString());
                const auto header = table_->horizontalHeader();
                list.sortBy(header->sortIndicatorSection(),
                            header->sortIndicatorOrder() == Qt::AscendingOrder);
                model_->setTable(std::move(list));
                table_->resizeColumnsToContents();
                showCount();
                emit listReady();
            });
    connect(search_, &CalendarSearch::failed, this, [this](const QString& message) {
        status_->setText(message);
        QMessageBox::warning(this, "Транзиты за период", message);
    });
}

CalendarChildFrame* CalendarChildFrame::make(std::shared_ptr<OpenChart> chart,
                                             const WindowServices& services) {
    std::shared_ptr<const Ephemeris> engine = EngineEphemeris::openInApplicationFolder();
    auto* frame = new CalendarChildFrame(std::move(chart), std::move(engine));
    frame->toolBar_->insertAction(frame->saveAs_,
                                  services.commands.action(Command::TransitCalendar));
    return frame;
}

void CalendarChildFrame::start(const CalendarRequest& request, const CalendarZone& zone,
                               const QString& period) {
    period_ = period;
    pendingZone_ = zone;
    status_->setText("Поиск транзитов " + period + "...");
    search_->start(request);
}

void CalendarChildFrame::showCount() {
    const CalendarTable* list = model_->table();
    if (list == nullptr) return;
    // The command line's "local" is the computer's zone.
    const std::string& zone = list->zone().name();
    const QString clock = zone == CalendarZone::computer().name() ? "часовой пояс компьютера"
                                                                  : QString::fromStdString(zone);
    status_->setText(QString("Транзиты %1, время: %2; событий %3 из %4")
                         .arg(period_, clock)
                         .arg(list->rowCount())
                         .arg(list->eventCount()));
}

void CalendarChildFrame::openEventDay(int row) {
    const CalendarTable* list = model_->table();
    if (list == nullptr || row < 0 || row >= static_cast<int>(list->rowCount())) return;
    const auto local = list->localMoment(static_cast<std::size_t>(row));
    CZodiacDoc& doc = chart_->doc();
    EventChartSettings settings = doc.eventChart().state().settings();
    settings.date = {local.day, local.month, local.year};
    doc.applyEventChartSettings(settings);
    doc.ensureEventChart();
    if (openEventChart_) openEventChart_();
}

bool CalendarChildFrame::saveList(const std::filesystem::path& file, std::string& reason) const {
    const CalendarTable* list = model_->table();
    if (list == nullptr) {
        reason = "список еще не готов";
        return false;
    }
    const auto events = list->shownEvents();
    std::string bytes;
    if (QString::fromStdString(file.extension().string()).compare(".ics", Qt::CaseInsensitive) ==
        0) {
        const BirthData& birth = chart_->doc().natal().birth;
        bytes = IcsCalendar(birth.name, IcsCalendar::chartKey(birth), list->zone(), now())
                    .build(events);
    } else {
        bytes = CalendarCsv::build(list->zone(), events);
    }
    return AtomicFile::write(file.string(), bytes, &reason);
}

void CalendarChildFrame::saveWithDialog() {
    const QString path = QFileDialog::getSaveFileName(
        this, "Сохранить как", chart_->title().section('.', 0, 0) + ".csv",
        "Таблица CSV (*.csv);;Календарь iCalendar (*.ics)");
    if (path.isEmpty()) return;
    std::string reason;
    if (!saveList(path.toStdString(), reason)) {
        QMessageBox::warning(this, "Сохранить как",
                             "Не удалось записать " + path + ": " + QString::fromStdString(reason));
    }
}

void CalendarChildFrame::addMenus(const Menus& menus) {
    QMenu* list = menus.bar.addMenu("&Список");
    list->addAction(saveAs_);
    QMenu* view = menus.bar.addMenu("&Вид");
    menus.commands.addAlias(*view, "Натальная карта", Command::NatalWindow);
    for (Command key : {Command::TextWindow, Command::EventWindow, Command::TransitCalendar})
        view->addAction(menus.commands.action(key));
}

int CalendarChildFrame::linesPerPage(QPrinter& printer) const {
    const QFontMetricsF metrics(font(), &printer);
    const double height = printer.pageRect(QPrinter::DevicePixel).height();
    return std::max(1, static_cast<int>(height / metrics.lineSpacing()) - kPageFrameLines);
}

std::optional<int> CalendarChildFrame::pageCount(QPrinter& printer) {
    const CalendarTable* list = model_->table();
    const int rows = list ? static_cast<int>(list->rowCount()) : 0;
    const int lines = linesPerPage(printer);
    return std::max(1, (rows + lines - 1) / lines);
}

bool CalendarChildFrame::print(QPrinter& printer, QWidget* dialogParent) {
    if (model_->table() == nullptr) {
        QMessageBox::warning(dialogParent, PrintCommands::kTitle, "Список еще не готов.");
        return false;
    }
    printer.setDocName(chart_->title());
    const int pages = *pageCount(printer);
    const int lines = linesPerPage(printer);
    const int rows = model_->table() ? static_cast<int>(model_->table()->rowCount()) : 0;
    QPainter painter;
    if (!PrintCommands::begin(painter, printer, dialogParent)) return false;
    painter.setFont(QFont(font(), &printer));
    const QRectF page(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
    const QPageRanges ranges = printer.pageRanges();
    bool first = true;
    for (int number = 1; number <= pages; ++number) {
        if (!ranges.isEmpty() && !ranges.contains(number)) continue;
        if (!first) printer.newPage();
        first = false;
        const int from = (number - 1) * lines;
        paintPage(painter, page, from, std::min(lines, rows - from), number, pages);
    }
    painter.end();
    return true;
}

void CalendarChildFrame::paintPage(QPainter& painter, const QRectF& page, int first, int count,
                                   int number, int pages) const {
    const double line = painter.fontMetrics().lineSpacing();
    const auto x = [&page](int column) {
        return page.left() + page.width() * kColumnStarts[static_cast<std::size_t>(column)];
    };
    const auto baseline = [&page, line](int row) { return page.top() + line * (row + 1); };
    painter.drawText(QPointF(page.left(), baseline(0)), chart_->title() + ": транзиты " + period_);
    for (int column = 0; column < CalendarTable::ColumnCount; ++column) {
        painter.drawText(QPointF(x(column), baseline(1)), CalendarTable::header(column));
    }
    const CalendarTable& list = *model_->table();
    for (int i = 0; i < count; ++i) {
        for (int column = 0; column < CalendarTable::ColumnCount; ++column) {
            const auto text = list.cell(static_cast<std::size_t>(first + i), column);
            painter.drawText(QPointF(x(column), baseline(i + 2)), QString::fromStdString(text));
        }
    }
    painter.drawText(QRectF(page.left(), page.bottom() - line, page.width(), line),
                     Qt::AlignHCenter, QString("Страница %1 из %2").arg(number).arg(pages));
}

}  // namespace orvanta
