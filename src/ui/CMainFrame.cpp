#include "ui/CMainFrame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <chrono>
#include <ctime>

#include "doc/StatusClock.h"
#include "ui/BirthDataCommands.h"
#include "ui/CBornChildFrame.h"
#include "ui/ChildSubWindow.h"
#include "ui/CommandIds.h"
#include "ui/NoticeDialog.h"
#include "ui/SettingsCommands.h"
#include "ui/ToolIcons.h"

namespace orvanta {
namespace {

constexpr int kClockRefreshMilliseconds = 10000;
const QString kMapFilter = "Карты рождения  (*.MAP *.map)";

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
    connect(mdi_, &QMdiArea::subWindowActivated, this, &CMainFrame::onSubWindowActivated);

    saveQuestion_ = [this](const QString& title) {
        return QMessageBox::question(this, "Orvanta",
                                     QString("Сохранить изменения в %1?").arg(title),
                                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    };

    createActions();
    createToolBar();
    createStatusBar();
    loadRecentFiles();
    rebuildMenus();
    updateCommandStates();
    qApp->installEventFilter(this);
}

CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(this);
    // The child windows close while the frame is half gone: none of their signals may reach it.
    for (QMdiSubWindow* window : mdi_->subWindowList()) window->disconnect(this);
    mdi_->disconnect(this);
    for (const auto& chart : charts_) chart->disconnect(this);
}

QAction* CMainFrame::addCommand(int id, const QString& text, const QString& prompt) {
    auto* action = new QAction(text, this);
    const auto parts = prompt.split('\n');
    action->setStatusTip(parts.value(0));
    if (parts.size() > 1) action->setToolTip(parts.value(1));
    action->setData(id);
    action->setObjectName(QString("command%1").arg(id));
    commands_[id] = action;
    return action;
}

void CMainFrame::createActions() {
    auto file = [this](const QString& name, const QString& text, const QString& prompt,
                       QKeySequence shortcut = {}) {
        auto* action = new QAction(text, this);
        const auto parts = prompt.split('\n');
        action->setStatusTip(parts.value(0));
        if (parts.size() > 1) action->setToolTip(parts.value(1));
        action->setShortcut(shortcut);
        action->setObjectName(name);
        fileActions_[name] = action;
        return action;
    };
    connect(file("new", "&Новая карта...\tCtrl+N",
                 "Ввести новые данные и построить карту рождения\nНовая карта", QKeySequence::New),
            &QAction::triggered, this, &CMainFrame::newChart);
    connect(file("open", "&Открыть...\tCtrl+O", "Открыть сохраненную карту рождения\nОткрыть",
                 QKeySequence::Open),
            &QAction::triggered, this, [this] {
                const QString path = QFileDialog::getOpenFileName(this, "Открыть", {}, kMapFilter);
                if (!path.isEmpty()) openChart(path);
            });
    connect(file("close", "&Закрыть", "Закрыть карту рождения\nЗакрыть"), &QAction::triggered, this,
            [this] {
                if (OpenChart* chart = activeChart()) closeChart(*chart);
            });
    connect(file("save", "&Сохранить\tCtrl+S", "Сохранить карту рождения\nСохранить",
                 QKeySequence::Save),
            &QAction::triggered, this, [this] {
                if (OpenChart* chart = activeChart()) saveChart(*chart);
            });
    connect(file("saveAs", "Сохранить &как...",
                 "Сохранить карту рождения под новым именем\nСохранить как"),
            &QAction::triggered, this, [this] {
                if (OpenChart* chart = activeChart()) saveChartAs(*chart);
            });
    // Printing arrives with the printed chart page.
    file("print", "&Печать...\tCtrl+P", "Напечатать карту рождения\nПечать", QKeySequence::Print)
        ->setEnabled(false);
    file("printPreview", "Пред&варительный просмотр",
         "Показать страницу так, как она будет напечатана\nПросмотр")
        ->setEnabled(false);
    file("printSetup", "Настройка п&ринтера...",
         "Выбрать принтер и его параметры\nНастройка печати")
        ->setEnabled(false);
    connect(file("exit", "В&ыход", "Закончить работу с программой\nВыход"), &QAction::triggered,
            this, &QWidget::close);
    for (const char* name : {"cut", "copy", "paste"}) file(name, name, "")->setEnabled(false);
    fileActions_["cut"]->setText("Вырезать");
    fileActions_["cut"]->setToolTip("Вырезать");
    fileActions_["copy"]->setText("Копировать");
    fileActions_["copy"]->setToolTip("Копировать");
    fileActions_["paste"]->setText("Вставить");
    fileActions_["paste"]->setToolTip("Вставить");
    connect(file("about", "&О программе...", "Сведения о программе\nО программе"),
            &QAction::triggered, this, &CMainFrame::showAbout);

    for (std::size_t i = 0; i < RecentFileList::kCapacity; ++i) {
        auto* action = new QAction(this);
        action->setStatusTip("Открыть этот документ");
        connect(action, &QAction::triggered, this,
                [this, action] { openChart(action->data().toString()); });
        recentActions_.push_back(action);
    }

    using namespace command;
    connect(addCommand(kChangeBirthData, "По календарю...",
                       "Открыть календарь, изменить данные и пересчитать исходную карту "
                       "рождения\nИзменить данные"),
            &QAction::triggered, this, [this] {
                if (OpenChart* chart = activeChart())
                    BirthDataCommands::changeBirthData(*chart, context_, this);
            });
    addCommand(kStep, "По шагам...",
               "Открыть диалог пошагового измения времени и даты\nПошаговое изменение");
    connect(addCommand(kNatalSettings, "Изменить отображение...",
                       "Изменить набор планет, аспектов или направление Зодиака для карты "
                       "рождения\nИзменить установки"),
            &QAction::triggered, this, [this] {
                if (OpenChart* chart = activeChart()) SettingsCommands::natalSettings(*chart, this);
            });
    // The event chart window's menu and tool bar carry this command.
    connect(addCommand(kEventSettings, "Изменить отображение...",
                       "Изменить установки для событийной карты: транзитные и радиксные "
                       "планеты и их взаимные аспекты\nИзменить установки"),
            &QAction::triggered, this, [this] {
                if (OpenChart* chart = activeChart()) SettingsCommands::eventSettings(*chart, this);
            });
    connect(addCommand(kZoomIn, "Увеличить", "Увеличить изображение в четыре раза\nМасштаб 4:1"),
            &QAction::triggered, this, [this] { setZoom(2); });
    connect(addCommand(kZoomOut, "Уменьшить",
                       "Отобразить зодиакальный круг и таблицу в окне целиком\nМасштаб 1:1"),
            &QAction::triggered, this, [this] { setZoom(1); });
    commands_[kZoomIn]->setCheckable(true);
    commands_[kZoomOut]->setCheckable(true);
    commands_[kZoomIn]->setIcon(ToolIcons::icon(ToolIcons::Kind::ZoomIn));
    commands_[kZoomOut]->setIcon(ToolIcons::icon(ToolIcons::Kind::ZoomOut));
    commands_[kNatalSettings]->setIcon(ToolIcons::icon(ToolIcons::Kind::Settings));
    commands_[kChangeBirthData]->setIcon(ToolIcons::icon(ToolIcons::Kind::BirthData));
    connect(addCommand(kNatalWindow, "Карта рождения",
                       "Создать или сделать активным окно карты рождения\nКарта рождения"),
            &QAction::triggered, this, [this] {
                if (OpenChart* chart = activeChart()) showNatalWindow(sharedChart(chart));
            });
    addCommand(kTextWindow, "Текст интерпретации",
               "Создать или сделать активным окно с текстом интерпретации карты рождения\nТекст");
    addCommand(kEventWindow, "Карта событий",
               "Создать или сделать активным окно с картой событий (транзиты)\nТранзиты дня");
    addCommand(kSynthesizeText, "Текст интерпретации",
               "Синтезировать текст интерпретации карты рождения\nТекст интерпретации")
        ->setIcon(ToolIcons::icon(ToolIcons::Kind::Text));
    addCommand(kBuildEventChart, "Карта событий",
               "Построить карту событий (транзиты)\nКарта событий")
        ->setIcon(ToolIcons::icon(ToolIcons::Kind::EventChart));
    connect(addCommand(kNotice, "Важное сообщение...",
                       "Самое важное сообщение о работе программы\nВажное сообщение"),
            &QAction::triggered, this, &CMainFrame::showNotice);

    toolBarToggle_ = new QAction("Панель с кнопками", this);
    toolBarToggle_->setStatusTip("Показать или скрыть панель с кнопками\nПанель с кнопками");
    toolBarToggle_->setCheckable(true);
    toolBarToggle_->setChecked(true);
    statusBarToggle_ = new QAction("Строка подсказок", this);
    statusBarToggle_->setStatusTip("Показать или скрыть строку подсказок\nСтрока подсказок");
    statusBarToggle_->setCheckable(true);
    statusBarToggle_->setChecked(true);
    connect(statusBarToggle_, &QAction::toggled, this,
            [this](bool on) { statusBar()->setVisible(on); });

    fileActions_["new"]->setIcon(ToolIcons::icon(ToolIcons::Kind::New));
    fileActions_["open"]->setIcon(ToolIcons::icon(ToolIcons::Kind::Open));
    fileActions_["save"]->setIcon(ToolIcons::icon(ToolIcons::Kind::Save));
    fileActions_["print"]->setIcon(ToolIcons::icon(ToolIcons::Kind::Print));
    fileActions_["cut"]->setIcon(ToolIcons::icon(ToolIcons::Kind::Cut));
    fileActions_["copy"]->setIcon(ToolIcons::icon(ToolIcons::Kind::Copy));
    fileActions_["paste"]->setIcon(ToolIcons::icon(ToolIcons::Kind::Paste));
    fileActions_["about"]->setIcon(ToolIcons::icon(ToolIcons::Kind::About));
}

void CMainFrame::createToolBar() {
    mainToolBar_ = addToolBar("Панель с кнопками");
    mainToolBar_->setObjectName("mainToolBar");
    mainToolBar_->setIconSize(QSize(16, 15));
    for (const char* name : {"new", "open", "save", "print"})
        mainToolBar_->addAction(fileActions_[name]);
    mainToolBar_->addSeparator();
    for (const char* name : {"cut", "copy", "paste"}) mainToolBar_->addAction(fileActions_[name]);
    mainToolBar_->addSeparator();
    mainToolBar_->addAction(fileActions_["about"]);
    connect(toolBarToggle_, &QAction::toggled, mainToolBar_, &QToolBar::setVisible);
}

void CMainFrame::createStatusBar() {
    auto indicator = [this](const QString& text) {
        auto* label = new QLabel(text, this);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(text) + 8);
        label->setEnabled(false);
        statusBar()->addPermanentWidget(label);
        return label;
    };
    statusBar()->showMessage("Готово");
    capsPane_ = indicator("CAP");
    numPane_ = indicator("NUM");
    scrollPane_ = indicator("SCRL");
    datePane_ = new QLabel(this);
    datePane_->setObjectName("Date");
    timePane_ = new QLabel(this);
    timePane_->setObjectName("Time");
    statusBar()->addPermanentWidget(datePane_);
    statusBar()->addPermanentWidget(timePane_);
    refreshClock();
    clockTimer_.setInterval(kClockRefreshMilliseconds);
    connect(&clockTimer_, &QTimer::timeout, this, &CMainFrame::refreshClock);
    clockTimer_.start();
}

void CMainFrame::refreshClock() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    const QString dateText =
        QString::fromStdString(StatusClock::dateText(date.day(), date.month(), date.year()));
    const QString timeText =
        QString::fromStdString(StatusClock::timeText(time.hour(), time.minute()));
    // Each pane is sized to its text before the text is set.
    for (auto [pane, text] : {std::pair{datePane_, dateText}, std::pair{timePane_, timeText}}) {
        pane->setFixedWidth(pane->fontMetrics().horizontalAdvance(text) + 10);
        pane->setText(text);
    }
}

void CMainFrame::updateKeyIndicators() {
    capsPane_->setEnabled(capsLock_);
    numPane_->setEnabled(numLock_);
    scrollPane_->setEnabled(scrollLock_);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    // The lock keys cannot be read from the system here: follow the presses the program sees.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat() && watched == QApplication::focusWidget()) {
            if (key->key() == Qt::Key_CapsLock) capsLock_ = !capsLock_;
            if (key->key() == Qt::Key_NumLock) numLock_ = !numLock_;
            if (key->key() == Qt::Key_ScrollLock) scrollLock_ = !scrollLock_;
            updateKeyIndicators();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::rebuildMenus() {
    using namespace command;
    QMenuBar* bar = menuBar();
    bar->clear();
    const bool natal = menuKind_ == MenuKind::Natal;

    QMenu* fileMenu = bar->addMenu("&Файл");
    fileMenu->addAction(fileActions_["new"]);
    fileMenu->addAction(fileActions_["open"]);
    if (natal) {
        fileMenu->addAction(fileActions_["close"]);
        fileMenu->addAction(fileActions_["save"]);
        fileMenu->addAction(fileActions_["saveAs"]);
        fileMenu->addSeparator();
        fileMenu->addAction(fileActions_["print"]);
        fileMenu->addAction(fileActions_["printPreview"]);
        fileMenu->addAction(fileActions_["printSetup"]);
    }
    fileMenu->addSeparator();
    for (QAction* action : recentActions_) fileMenu->addAction(action);
    fileMenu->addSeparator();
    fileMenu->addAction(fileActions_["exit"]);
    updateRecentFileActions();

    if (natal) {
        QMenu* view = bar->addMenu("&Вид");
        QMenu* change = view->addMenu("Изменить исходные данные...");
        change->addAction(commands_[kChangeBirthData]);
        change->addAction(commands_[kStep]);
        view->addAction(commands_[kNatalSettings]);
        view->addSeparator();
        view->addAction(commands_[kZoomIn]);
        view->addAction(commands_[kZoomOut]);
        view->addSeparator();
        view->addAction(commands_[kNatalWindow]);
        view->addAction(commands_[kTextWindow]);
        view->addAction(commands_[kEventWindow]);
    }

    QMenu* service = bar->addMenu("&Сервис");
    service->addAction(toolBarToggle_);
    service->addAction(statusBarToggle_);

    if (natal) {
        QMenu* window = bar->addMenu("&Окно");
        window->addAction("Новое окно", this, &CMainFrame::newWindow);
        window->addAction("Каскад", mdi_, &QMdiArea::cascadeSubWindows);
        window->addAction("Горизонтально", this, [this] {
            // Stacked one above the other, each as wide as the frame.
            const auto windows = mdi_->subWindowList();
            const int height = windows.isEmpty() ? 0 : mdi_->viewport()->height() / windows.size();
            for (int i = 0; i < windows.size(); ++i) {
                windows[i]->showNormal();
                windows[i]->setGeometry(0, i * height, mdi_->viewport()->width(), height);
            }
        });
        window->addAction("Вертикально", this, [this] {
            const auto windows = mdi_->subWindowList();
            const int width = windows.isEmpty() ? 0 : mdi_->viewport()->width() / windows.size();
            for (int i = 0; i < windows.size(); ++i) {
                windows[i]->showNormal();
                windows[i]->setGeometry(i * width, 0, width, mdi_->viewport()->height());
            }
        });
        window->addAction("Собрать иконки", this, [this] {
            int x = 0;
            for (QMdiSubWindow* w : mdi_->subWindowList()) {
                if (!w->isMinimized()) continue;
                w->move(x, mdi_->viewport()->height() - w->height());
                x += w->width();
            }
        });
    }

    QMenu* help = bar->addMenu("&?");
    help->addAction(fileActions_["about"]);
    QMenu* notice = bar->addMenu("&ВНИМАНИЕ !");
    notice->addAction(commands_[kNotice]);
}

void CMainFrame::updateCommandStates() {
    using namespace command;
    OpenChart* chart = activeChart();
    const bool haveChart = chart != nullptr;
    commands_[kNatalWindow]->setEnabled(haveChart);
    // The text and event chart windows are not part of the program yet.
    commands_[kTextWindow]->setEnabled(false);
    commands_[kEventWindow]->setEnabled(false);
    commands_[kSynthesizeText]->setEnabled(false);
    commands_[kBuildEventChart]->setEnabled(false);
    commands_[kChangeBirthData]->setEnabled(haveChart);
    // The step dialog arrives later.
    commands_[kStep]->setEnabled(false);
    commands_[kNatalSettings]->setEnabled(haveChart);
    commands_[kEventSettings]->setEnabled(haveChart);
    commands_[kZoomIn]->setEnabled(haveChart);
    commands_[kZoomOut]->setEnabled(haveChart);
    const int zoom = haveChart ? chart->drawingArea().zoom : 1;
    commands_[kZoomIn]->setChecked(haveChart && zoom == 2);
    commands_[kZoomOut]->setChecked(haveChart && zoom == 1);
    for (const char* name : {"close", "save", "saveAs"}) fileActions_[name]->setEnabled(haveChart);
}

void CMainFrame::updateRecentFileActions() {
    const auto& files = recent_.files();
    for (std::size_t i = 0; i < recentActions_.size(); ++i) {
        QAction* action = recentActions_[i];
        if (i < files.size()) {
            const QString path = QString::fromStdString(files[i]);
            action->setText(QString("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
            action->setData(path);
            action->setVisible(true);
        } else {
            action->setVisible(false);
        }
    }
}

void CMainFrame::loadRecentFiles() {
    QSettings settings;
    std::vector<std::string> files;
    for (std::size_t i = 1; i <= RecentFileList::kCapacity; ++i) {
        files.push_back(
            settings.value(QString("Recent File List/File%1").arg(i)).toString().toStdString());
    }
    recent_ = RecentFileList(files);
}

void CMainFrame::storeRecentFiles() const {
    QSettings settings;
    const auto& files = recent_.files();
    for (std::size_t i = 0; i < RecentFileList::kCapacity; ++i) {
        const QString key = QString("Recent File List/File%1").arg(i + 1);
        if (i < files.size()) {
            settings.setValue(key, QString::fromStdString(files[i]));
        } else {
            settings.remove(key);
        }
    }
}

QAction* CMainFrame::commandAction(int id) const {
    const auto it = commands_.find(id);
    return it == commands_.end() ? nullptr : it->second;
}

QAction* CMainFrame::fileAction(const QString& name) const {
    const auto it = fileActions_.find(name);
    return it == fileActions_.end() ? nullptr : it->second;
}

void CMainFrame::onSubWindowActivated(QMdiSubWindow* window) {
    const MenuKind kind = window ? MenuKind::Natal : MenuKind::NoDocument;
    if (kind != menuKind_ || menuBar()->actions().isEmpty()) {
        menuKind_ = kind;
        rebuildMenus();
    }
    updateCommandStates();
}

OpenChart* CMainFrame::activeChart() const {
    if (CBornChildFrame* frame = activeNatalFrame()) return &frame->chart();
    return nullptr;
}

CBornChildFrame* CMainFrame::activeNatalFrame() const {
    QMdiSubWindow* window = mdi_->activeSubWindow();
    if (window == nullptr) {
        const auto windows = mdi_->subWindowList(QMdiArea::ActivationHistoryOrder);
        if (windows.isEmpty()) return nullptr;
        window = windows.back();
    }
    return qobject_cast<CBornChildFrame*>(window->widget());
}

std::shared_ptr<OpenChart> CMainFrame::sharedChart(const OpenChart* chart) const {
    for (const auto& candidate : charts_) {
        if (candidate.get() == chart) return candidate;
    }
    return {};
}

void CMainFrame::addChart(const std::shared_ptr<OpenChart>& chart) {
    charts_.push_back(chart);
    connect(chart.get(), &OpenChart::titleChanged, this,
            [this, raw = chart.get()] { updateWindowTitles(*raw); });
}

ChildSubWindow* CMainFrame::addFrame(QWidget* frame, const std::shared_ptr<OpenChart>& chart) {
    auto* window = new ChildSubWindow([this](ChildSubWindow* w) { return confirmClose(w); });
    window->setWidget(frame);
    window->setWindowIcon(ToolIcons::icon(ToolIcons::Kind::New));
    mdi_->addSubWindow(window);
    connect(window, &QObject::destroyed, this, [this, raw = chart.get()] {
        // The frame is gone; a chart without windows is closed with it.
        QTimer::singleShot(0, this, [this, raw] { forgetChartIfUnused(raw); });
    });
    updateWindowTitles(*chart);
    return window;
}

std::vector<ChildSubWindow*> CMainFrame::framesOf(const OpenChart& chart) const {
    std::vector<ChildSubWindow*> frames;
    for (QMdiSubWindow* window : mdi_->subWindowList()) {
        auto* child = qobject_cast<ChildSubWindow*>(window);
        auto* natal = window ? qobject_cast<CBornChildFrame*>(window->widget()) : nullptr;
        if (child && natal && &natal->chart() == &chart) frames.push_back(child);
    }
    return frames;
}

void CMainFrame::updateWindowTitles(const OpenChart& chart) {
    const auto frames = framesOf(chart);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        QString title = chart.title();
        if (frames.size() > 1) title += QString(":%1").arg(i + 1);
        if (chart.doc().isModified()) title += " *";
        frames[i]->setWindowTitle(title);
    }
}

void CMainFrame::forgetChartIfUnused(const OpenChart* chart) {
    for (QMdiSubWindow* window : mdi_->subWindowList()) {
        auto* natal = qobject_cast<CBornChildFrame*>(window->widget());
        if (natal && &natal->chart() == chart) {
            updateWindowTitles(*chart);
            return;
        }
    }
    charts_.erase(std::remove_if(charts_.begin(), charts_.end(),
                                 [chart](const auto& c) { return c.get() == chart; }),
                  charts_.end());
    onSubWindowActivated(mdi_->activeSubWindow());
}

CBornChildFrame* CMainFrame::showNatalWindow(const std::shared_ptr<OpenChart>& chart) {
    if (!chart) return nullptr;
    for (ChildSubWindow* window : framesOf(*chart)) {
        mdi_->setActiveSubWindow(window);
        return qobject_cast<CBornChildFrame*>(window->widget());
    }
    auto* frame = new CBornChildFrame(chart, context_.resources);
    using namespace command;
    frame->addToolButton(commands_[kSynthesizeText]);
    frame->addToolButton(commands_[kBuildEventChart]);
    frame->addToolSeparator();
    frame->addToolButton(commands_[kNatalSettings]);
    frame->addToolButton(commands_[kChangeBirthData]);
    frame->addToolSeparator();
    frame->addToolButton(commands_[kZoomOut]);
    frame->addToolButton(commands_[kZoomIn]);
    const bool first = mdi_->subWindowList().isEmpty();
    ChildSubWindow* window = addFrame(frame, chart);
    // The first chart fills the frame; later ones open beside it at a comfortable size.
    if (first) {
        window->showMaximized();
    } else {
        window->resize(mdi_->viewport()->size().expandedTo(QSize(640, 600)) * 0.8);
        window->show();
    }
    mdi_->setActiveSubWindow(window);
    updateCommandStates();
    return frame;
}

void CMainFrame::newWindow() {
    CBornChildFrame* active = activeNatalFrame();
    if (active == nullptr) return;
    auto chart = active->sharedChart();
    auto* frame = new CBornChildFrame(chart, context_.resources);
    ChildSubWindow* window = addFrame(frame, chart);
    window->resize(mdi_->activeSubWindow() ? mdi_->activeSubWindow()->size() : QSize(640, 600));
    window->show();
    mdi_->setActiveSubWindow(window);
}

void CMainFrame::newChart() {
    auto chart = std::make_shared<OpenChart>(QString("New %1").arg(++untitledCount_));
    if (!BirthDataCommands::newChart(*chart, context_, this)) return;
    addChart(chart);
    showNatalWindow(chart);
}

bool CMainFrame::openChart(const QString& path) {
    // A chart already open comes to the front instead of opening twice.
    const QString canonical = QFileInfo(path).absoluteFilePath();
    for (const auto& chart : charts_) {
        if (chart->hasFile() && QFileInfo(chart->filePath()).absoluteFilePath() == canonical) {
            showNatalWindow(chart);
            return true;
        }
    }
    auto chart = std::make_shared<OpenChart>(QString("New %1").arg(untitledCount_ + 1));
    switch (chart->doc().open(canonical.toStdString())) {
        case CZodiacDoc::OpenResult::Failed:
            recent_.remove(canonical.toStdString());
            updateRecentFileActions();
            return false;
        case CZodiacDoc::OpenResult::EmptyFile:
            // An empty chart file starts a new chart under its name.
            if (!BirthDataCommands::newChart(*chart, context_, this)) return false;
            break;
        case CZodiacDoc::OpenResult::Opened:
            break;
    }
    recent_.add(canonical.toStdString());
    storeRecentFiles();
    updateRecentFileActions();
    addChart(chart);
    showNatalWindow(chart);
    return true;
}

bool CMainFrame::saveChart(OpenChart& chart) {
    if (!chart.hasFile()) return saveChartAs(chart);
    if (!chart.doc().save(chart.doc().path())) return false;
    chart.setModified(false);
    return true;
}

bool CMainFrame::saveChartAs(OpenChart& chart) {
    QString path =
        QFileDialog::getSaveFileName(this, "Сохранить как", chart.title() + ".map", kMapFilter);
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += ".map";
    if (!chart.doc().save(path.toStdString())) return false;
    chart.setModified(false);
    recent_.add(QFileInfo(path).absoluteFilePath().toStdString());
    storeRecentFiles();
    updateRecentFileActions();
    return true;
}

bool CMainFrame::askToSave(OpenChart& chart) {
    if (!chart.doc().isModified()) return true;
    switch (saveQuestion_(chart.title())) {
        case QMessageBox::Yes:
            return saveChart(chart);
        case QMessageBox::No:
            return true;
        default:
            return false;
    }
}

bool CMainFrame::confirmClose(ChildSubWindow* window) {
    auto* natal = qobject_cast<CBornChildFrame*>(window->widget());
    if (natal == nullptr) return true;
    // Only the last window of a chart closes the chart.
    if (framesOf(natal->chart()).size() > 1) return true;
    return askToSave(natal->chart());
}

bool CMainFrame::closeChart(OpenChart& chart) {
    if (!askToSave(chart)) return false;
    chart.setModified(false);  // answered: the windows close without asking again
    for (ChildSubWindow* window : framesOf(chart)) window->close();
    return true;
}

void CMainFrame::setZoom(int zoom) {
    OpenChart* chart = activeChart();
    if (chart == nullptr) return;
    chart->drawingArea().zoom = zoom;
    chart->updateAllViews(CZodiacDoc::kHintNatal);
    updateCommandStates();
}

void CMainFrame::showAbout() {
    QMessageBox::about(this, "О программе Orvanta",
                       "<h3>Orvanta</h3>"
                       "<p>Рабочее место астролога: карта рождения, текст интерпретации и карта "
                       "событий.</p>"
                       "<p>Положения планет рассчитываются по эфемеридам Swiss Ephemeris.</p>"
                       "<p>Распространяется на условиях GNU AGPL версии 3 или более поздней.</p>");
}

void CMainFrame::showNotice() {
    NoticeDialog dialog(this);
    dialog.exec();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    const auto charts = charts_;
    for (const auto& chart : charts) {
        if (!askToSave(*chart)) {
            event->ignore();
            return;
        }
        chart->setModified(false);
    }
    storeRecentFiles();
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
        if (url.isLocalFile() && isChartFile(url.toLocalFile())) openChart(url.toLocalFile());
    }
    event->acceptProposedAction();
}

}  // namespace orvanta
