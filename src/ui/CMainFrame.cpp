#include "ui/CMainFrame.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QStatusBar>
#include <QToolBar>

#include "calc/EngineLoader.h"
#include "ui/AboutText.h"
#include "ui/BirthDataCommands.h"
#include "ui/CBornChildFrame.h"
#include "ui/CReadingChildFrame.h"
#include "ui/CTextChildFrame.h"
#include "ui/ChartWindow.h"
#include "ui/CollectionWindow.h"
#include "ui/EventWindowCommands.h"
#include "ui/ForecastCommands.h"
#include "ui/HelpWindow.h"
#include "ui/NoticeDialog.h"
#include "ui/SettingsCommands.h"
#include "ui/StepDialog.h"
#include "ui/TextEditCommands.h"
#include "ui/TwoChartCommands.h"

namespace orvanta {
namespace {

bool isChartFile(const QString& path) {
    return path.endsWith(".map", Qt::CaseInsensitive);
}

}  // namespace

CMainFrame::CMainFrame(AppContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context) {
    setWindowTitle("Orvanta");
    setAcceptDrops(true);
    mdi_ = new QMdiArea(this);
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);

    commands_ = new CommandTable(this);
    windows_ = new ChartWindows(*mdi_, WindowServices{context_, *commands_, this},
                                WindowKinds::standard(), this);
    charts_ = new ChartLifecycle(context_, *windows_, this);
    connect(charts_, &ChartLifecycle::chartsChanged, this,
            [this] { onSubWindowActivated(mdi_->activeSubWindow()); });
    connect(charts_, &ChartLifecycle::recentFilesChanged, this,
            &CMainFrame::updateRecentFileActions);
    connect(mdi_, &QMdiArea::subWindowActivated, this, &CMainFrame::onSubWindowActivated);

    handleFileCommands();
    handleChartCommands();
    handleWindowCommands();
    handleTextCommands();
    handlePrintCommands();
    eventCommands_ = std::make_unique<EventWindowCommands>(context_, *windows_, *charts_, this);
    eventCommands_->handle(*commands_, [this] { updateCommandStates(); });
    twoCharts_ = new TwoChartCommands(context_, *windows_, *charts_, this);
    twoCharts_->handle(*commands_);
    forecasts_ = new ForecastCommands(*windows_, *charts_, this);
    forecasts_->handle(*commands_);
    createRecentFileActions();
    createToolBar();
    statusPanes_ = new StatusPanes(*statusBar());
    charts_->loadSettings();
    rebuildMenus(nullptr);
    updateCommandStates();
}

CMainFrame::~CMainFrame() {
    // The child windows close while the frame is half gone: none of their signals may reach it.
    for (QMdiSubWindow* window : mdi_->subWindowList()) window->disconnect(windows_);
    mdi_->disconnect(this);
    charts_->disconnect(this);
}

void CMainFrame::handleFileCommands() {
    const auto haveChart = [this] { return activeChart() != nullptr; };
    const auto onActive = [this](bool (ChartLifecycle::*operation)(OpenChart&)) {
        return [this, operation] {
            if (OpenChart* chart = activeChart()) (charts_->*operation)(*chart);
        };
    };
    commands_->handle(Command::New, [this] { charts_->newChart(); });
    commands_->handle(Command::Open,
                      ownOr(&ChartWindow::loadOwnFile, [this] { charts_->openWithDialog(); }));
    commands_->handle(
        Command::Close,
        [this, closeChart = onActive(&ChartLifecycle::closeChart)] {
            ChartWindow* window = windows_->activeWindow();
            if (window && window->ownsFileCommands()) {
                windows_->currentWindow()->close();  // that window alone
            } else {
                closeChart();
            }
        },
        haveChart);
    const auto saveOwn = &ChartWindow::saveOwnFile;
    commands_->handle(Command::Save, ownOr(saveOwn, onActive(&ChartLifecycle::saveChart)),
                      haveChart);
    commands_->handle(Command::SaveAs, ownOr(saveOwn, onActive(&ChartLifecycle::saveChartAs)),
                      haveChart);
    commands_->handle(Command::Exit, [this] { close(); });
    commands_->handle(Command::Collection, [this] { showCollection(); });
    commands_->handle(Command::ImportAaf, [this] { collection().importAaf(); });
    commands_->handle(Command::ExportAaf, [this] { collection().exportAaf(); });
    commands_->handle(Command::About, [this] { showAbout(); });
    commands_->handle(Command::Help, [this] { HelpWindow::showGuide(this); });
    // F1 reaches the guide from every window, whatever menus are shown.
    addAction(action(Command::Help));
    commands_->handle(Command::Notice, [this] { showNotice(); });
}

void CMainFrame::handleChartCommands() {
    const auto haveChart = [this] { return activeChart() != nullptr; };
    const auto zoomIs = [this](int zoom) {
        return [this, zoom] {
            OpenChart* chart = activeChart();
            return chart != nullptr && chart->drawingArea().zoom == zoom;
        };
    };
    commands_->handle(
        Command::ChangeBirthData,
        [this] {
            if (OpenChart* chart = activeChart())
                BirthDataCommands::changeBirthData(*chart, context_, this);
        },
        haveChart);
    commands_->handle(
        Command::NatalSettings,
        [this] {
            if (OpenChart* chart = activeChart()) SettingsCommands::natalSettings(*chart, this);
        },
        haveChart);
    // The event chart window's menu and tool bar carry this command.
    commands_->handle(
        Command::EventSettings,
        [this] {
            if (OpenChart* chart = activeChart()) SettingsCommands::eventSettings(*chart, this);
        },
        haveChart);
    commands_->handle(
        Command::Step,
        [this] {
            if (OpenChart* chart = activeChart())
                StepDialog::run(*chart, context_.timeChanges, this);
            updateCommandStates();
        },
        haveChart);
    commands_->handle(
        Command::BirthMoment,
        [this] {
            OpenChart* chart = activeChart();
            if (chart && chart->doc().returnToBirthMoment()) chart->setModified(true);
            updateCommandStates();
        },
        [this] { return activeChart() != nullptr && activeChart()->doc().isStepped(); });
    commands_->handle(
        Command::DegreesMinutes,
        [this] { setDegreesMinutes(action(Command::DegreesMinutes)->isChecked()); }, {},
        [this] { return context_.settings.degreesMinutes; });
    commands_->handle(
        Command::ZoomIn, [this] { setZoom(2); }, haveChart, zoomIs(2));
    commands_->handle(
        Command::ZoomOut, [this] { setZoom(1); }, haveChart, zoomIs(1));
    commands_->handle(
        Command::ShowPatterns, [this] { togglePatterns(); }, haveChart,
        [this] {
            OpenChart* chart = activeChart();
            return chart != nullptr && chart->drawingArea().showPatterns;
        });
    commands_->handle(Command::NatalWindow, showKind(CBornChildFrame::kKind), haveChart);
}

std::function<void()> CMainFrame::showKind(const char* kind) {
    return [this, kind] {
        if (OpenChart* chart = activeChart()) windows_->show(kind, charts_->shared(chart));
        updateCommandStates();
    };
}

void CMainFrame::handleWindowCommands() {
    QAction* toolBarToggle = commands_->action(Command::ToolBarToggle);
    QAction* statusBarToggle = commands_->action(Command::StatusBarToggle);
    toolBarToggle->setChecked(true);
    statusBarToggle->setChecked(true);
    commands_->handle(Command::ToolBarToggle, [this, toolBarToggle] {
        mainToolBar_->setVisible(toolBarToggle->isChecked());
    });
    commands_->handle(Command::StatusBarToggle, [this, statusBarToggle] {
        statusBar()->setVisible(statusBarToggle->isChecked());
    });
    // The text window is one per chart; a second window opens of the natal and event charts.
    commands_->handle(
        Command::NewWindow, [this] { windows_->newWindow(); },
        [this] {
            ChartWindow* window = windows_->activeWindow();
            return window != nullptr && window->allowsSecondWindow();
        });
    commands_->handle(Command::Cascade, [this] { windows_->cascade(); });
    commands_->handle(Command::TileHorizontally, [this] { windows_->tileHorizontally(); });
    commands_->handle(Command::TileVertically, [this] { windows_->tileVertically(); });
    commands_->handle(Command::ArrangeIcons, [this] { windows_->arrangeIcons(); });
}

std::function<void()> CMainFrame::ownOr(void (ChartWindow::*own)(),
                                        std::function<void()> otherwise) {
    return [this, own, otherwise = std::move(otherwise)] {
        ChartWindow* window = windows_->activeWindow();
        if (window && window->ownsFileCommands()) {
            (window->*own)();
        } else {
            otherwise();
        }
    };
}

void CMainFrame::handleTextCommands() {
    const auto haveChart = [this] { return activeChart() != nullptr; };
    commands_->handle(Command::TextWindow, showKind(CTextChildFrame::kKind), haveChart);
    commands_->handle(Command::ReadingWindow, showKind(CReadingChildFrame::kKind), haveChart);
    commands_->handle(Command::SynthesizeText, showKind(CTextChildFrame::kKind), haveChart);
    // The text window's "Правка"; the main tool bar's cut, copy and paste act on its text.
    textEdit_ = new TextEditCommands(this);
    textEdit_->adoptToolBarActions(action(Command::Cut), action(Command::Copy),
                                   action(Command::Paste));
}

void CMainFrame::handlePrintCommands() {
    printing_ = std::make_unique<PrintCommands>(*windows_);
    const auto canPrint = [this] { return printing_->canPrint(); };
    commands_->handle(
        Command::Print, [this] { printing_->print(this); }, canPrint);
    commands_->handle(
        Command::PrintPreview, [this] { printing_->preview(this); }, canPrint);
    commands_->handle(Command::PrintSetup, [this] { printing_->setUp(this); });
    exporting_ = std::make_unique<PictureExportCommands>(*windows_);
    commands_->handle(
        Command::ExportPicture, [this] { exporting_->exportActive(this); },
        [this] { return exporting_->canExport(); });
}

void CMainFrame::createRecentFileActions() {
    for (std::size_t i = 0; i < RecentFileList::kCapacity; ++i) {
        auto* action = new QAction(this);
        action->setStatusTip("Открыть этот документ");
        connect(action, &QAction::triggered, this,
                [this, action] { charts_->openChart(action->data().toString()); });
        recentActions_.push_back(action);
    }
}

void CMainFrame::createToolBar() {
    mainToolBar_ = addToolBar("Панель с кнопками");
    mainToolBar_->setObjectName("mainToolBar");
    mainToolBar_->setIconSize(QSize(16, 15));
    // The frame's own context menu hides and shows the bar too; the menu item follows.
    connect(mainToolBar_->toggleViewAction(), &QAction::toggled, action(Command::ToolBarToggle),
            &QAction::setChecked);
    for (Command key : {Command::New, Command::Open, Command::Save, Command::Print})
        mainToolBar_->addAction(action(key));
    mainToolBar_->addAction(action(Command::Collection));
    mainToolBar_->addSeparator();
    for (Command key : {Command::Cut, Command::Copy, Command::Paste})
        mainToolBar_->addAction(action(key));
    mainToolBar_->addSeparator();
    mainToolBar_->addAction(action(Command::About));
}

void CMainFrame::rebuildMenus(ChartWindow* window) {
    windowListActions_.clear();  // they go with the old menus
    // Clearing the bar leaves its menus alive; they go too, later, as one of them may be the
    // menu whose item led here.
    for (QAction* top : menuBar()->actions()) {
        if (QMenu* menu = top->menu()) menu->deleteLater();
    }
    menuBar()->clear();
    addFileMenu(window);
    if (window) window->addMenus({*menuBar(), *commands_, *textEdit_});
    addServiceMenu();
    if (window) addWindowMenu();
    addHelpMenus();
}

void CMainFrame::addFileMenu(ChartWindow* window) {
    // Named for the chart; a window that owns the file commands names them anew.
    action(Command::Open)->setText("&Открыть...\tCtrl+O");
    const std::pair<Command, const char*> tips[] = {
        {Command::Open, "Открыть сохраненную карту рождения"},
        {Command::Save, "Сохранить карту рождения"},
        {Command::SaveAs, "Сохранить карту рождения под новым именем"},
        {Command::Close, "Закрыть карту рождения"},
    };
    for (const auto& [key, tip] : tips) action(key)->setStatusTip(tip);

    QMenu* menu = menuBar()->addMenu("&Файл");
    menu->addAction(action(Command::New));
    menu->addAction(action(Command::Open));
    if (window) {
        for (Command key : {Command::Close, Command::Save, Command::SaveAs})
            menu->addAction(action(key));
        if (window->pictureView()) menu->addAction(action(Command::ExportPicture));
        menu->addSeparator();
        for (Command key : {Command::Print, Command::PrintPreview, Command::PrintSetup})
            menu->addAction(action(key));
    }
    menu->addSeparator();
    for (Command key : {Command::Collection, Command::ImportAaf, Command::ExportAaf})
        menu->addAction(action(key));
    menu->addSeparator();
    for (QAction* recent : recentActions_) menu->addAction(recent);
    menu->addSeparator();
    menu->addAction(action(Command::Exit));
    updateRecentFileActions();
}

void CMainFrame::addServiceMenu() {
    QMenu* menu = menuBar()->addMenu("&Сервис");
    menu->addAction(action(Command::ToolBarToggle));
    menu->addAction(action(Command::StatusBarToggle));
}

void CMainFrame::addWindowMenu() {
    QMenu* menu = menuBar()->addMenu("&Окно");
    for (Command key : {Command::NewWindow, Command::Cascade, Command::TileHorizontally,
                        Command::TileVertically, Command::ArrangeIcons})
        menu->addAction(action(key));
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { listWindows(*menu); });
}

void CMainFrame::listWindows(QMenu& menu) {
    // The open windows after the arrangements, "1 name", "2 name", the active one checked.
    for (QAction* old : windowListActions_) {
        menu.removeAction(old);
        old->deleteLater();
    }
    windowListActions_.clear();
    const auto windows = mdi_->subWindowList();
    if (!windows.isEmpty()) windowListActions_.push_back(menu.addSeparator());
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows[i];
        QAction* item =
            menu.addAction(QString("&%1 %2").arg(i + 1).arg(windows_->menuEntry(window)));
        item->setCheckable(true);
        item->setChecked(window == mdi_->activeSubWindow());
        item->setStatusTip("Сделать активным это окно");
        connect(item, &QAction::triggered, this, [this, window = QPointer(window)] {
            if (window) windows_->showWindow(window);
        });
        windowListActions_.push_back(item);
    }
}

void CMainFrame::addHelpMenus() {
    QMenu* help = menuBar()->addMenu("&?");
    help->addAction(action(Command::Help));
    help->addAction(action(Command::About));
    menuBar()->addMenu("&ВНИМАНИЕ !")->addAction(action(Command::Notice));
}

void CMainFrame::updateCommandStates() {
    commands_->updateStates();
    ChartWindow* window = windows_->activeWindow();
    textEdit_->setView(window ? window->editableText() : nullptr);
}

void CMainFrame::updateRecentFileActions() {
    const auto& files = charts_->recentFiles().files();
    const auto names = charts_->recentFiles().displayNames();
    for (std::size_t i = 0; i < recentActions_.size(); ++i) {
        QAction* recent = recentActions_[i];
        if (i < files.size()) {
            const QString path = QString::fromStdString(files[i]);
            recent->setText(QString("&%1 %2").arg(i + 1).arg(QString::fromStdString(names[i])));
            recent->setData(path);
            recent->setVisible(true);
        } else {
            recent->setVisible(false);
        }
    }
}

void CMainFrame::onSubWindowActivated(QMdiSubWindow* window) {
    const QString kind = ChartWindows::kindOf(window);
    if (kind != menuKind_ || menuBar()->actions().isEmpty()) {
        menuKind_ = kind;
        rebuildMenus(ChartWindows::windowOf(window));
    }
    updateCommandStates();
}

OpenChart* CMainFrame::activeChart() const {
    return windows_->activeChart();
}

void CMainFrame::setZoom(int zoom) {
    OpenChart* chart = activeChart();
    if (chart == nullptr) return;
    chart->drawingArea().zoom = zoom;
    chart->updateAllViews(CZodiacDoc::kHintNatal);
    updateCommandStates();
}

void CMainFrame::togglePatterns() {
    OpenChart* chart = activeChart();
    if (chart == nullptr) return;
    chart->drawingArea().showPatterns = !chart->drawingArea().showPatterns;
    chart->updateAllViews(CZodiacDoc::kHintNatal);
    updateCommandStates();
}

void CMainFrame::showCollection() {
    collection().show();
    collection().raise();
    collection().activateWindow();
}

CollectionWindow& CMainFrame::collection() {
    if (!collection_) {
        collection_ = new CollectionWindow(
            [this](const QString& path) { charts_->openChart(path); }, context_, this);
    }
    return *collection_;
}

void CMainFrame::setDegreesMinutes(bool degreesMinutes) {
    context_.settings.degreesMinutes = degreesMinutes;
    context_.resources.degreeNotation =
        degreesMinutes ? DegreeNotation::DegreesMinutes : DegreeNotation::Decimal;
    for (QMdiSubWindow* window : mdi_->subWindowList()) {
        if (ChartWindow* shown = ChartWindows::windowOf(window))
            shown->chart().updateAllViews(CZodiacDoc::kHintNatal);
    }
    updateCommandStates();
}

void CMainFrame::showAbout() {
    const QString engineVersion = QString::fromStdString(
        EngineLoader(EngineLoader::defaultLibraryPath()).swissEphemerisVersion());
    QMessageBox::about(this, "О программе Orvanta",
                       AboutText::html(AboutText::programVersion(), engineVersion));
}

void CMainFrame::showNotice() {
    NoticeDialog dialog(this);
    dialog.exec();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // Unsaved texts are asked about first; an answered window does not ask again.
    if (!windows_->releaseWindows() || !charts_->releaseAll()) {
        event->ignore();
        return;
    }
    charts_->storeSettings();
    mdi_->closeAllSubWindows();
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!event->mimeData()->hasUrls()) return;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile() && isChartFile(url.toLocalFile())) {
            event->acceptProposedAction();
            return;
        }
    }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile() && isChartFile(url.toLocalFile()))
            charts_->openChart(url.toLocalFile());
    }
    event->acceptProposedAction();
}

}  // namespace orvanta
