#include "ui/ChartLifecycle.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QTimer>

#include "common/MessageSink.h"
#include "doc/IniFile.h"
#include "ui/AppContext.h"
#include "ui/BirthDataCommands.h"
#include "ui/CBornChildFrame.h"
#include "ui/ChartWindows.h"

namespace orvanta {
namespace {

const QString kMapFilter = "Карты рождения  (*.MAP *.map)";

QString untitledName(int number) {
    return QString("Без имени %1").arg(number);
}

}  // namespace

ChartLifecycle::ChartLifecycle(AppContext& context, ChartWindows& windows, QWidget* dialogParent)
    : QObject(dialogParent), context_(context), windows_(windows), dialogParent_(dialogParent) {
    saveQuestion_ = [this](const QString& title) {
        return QMessageBox::question(dialogParent_, "Orvanta",
                                     QString("Сохранить изменения в %1?").arg(title),
                                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    };
    windows_.setCloseGuard([this](ChildSubWindow* window) { return confirmClose(window); });
    connect(&windows_, &ChartWindows::windowClosed, this, [this](const OpenChart* chart) {
        // The window is gone; a chart without windows is closed with it.
        QTimer::singleShot(0, this, [this, chart] { forgetChartIfUnused(chart); });
    });
}

std::shared_ptr<OpenChart> ChartLifecycle::shared(const OpenChart* chart) const {
    for (const auto& candidate : charts_) {
        if (candidate.get() == chart) return candidate;
    }
    return {};
}

void ChartLifecycle::addChart(const std::shared_ptr<OpenChart>& chart) {
    charts_.push_back(chart);
    connect(chart.get(), &OpenChart::titleChanged, this,
            [this, raw = chart.get()] { windows_.updateTitles(*raw); });
}

void ChartLifecycle::forgetChartIfUnused(const OpenChart* chart) {
    if (windows_.hasWindowOf(*chart)) {
        windows_.updateTitles(*chart);
        return;
    }
    std::erase_if(charts_, [chart](const auto& c) { return c.get() == chart; });
    emit chartsChanged();
}

void ChartLifecycle::newChart() {
    auto chart = std::make_shared<OpenChart>(untitledName(++untitledCount_));
    if (!BirthDataCommands::newChart(*chart, context_, dialogParent_)) return;
    addChart(chart);
    windows_.show(CBornChildFrame::kKind, chart);
    emit chartsChanged();
}

void ChartLifecycle::adoptNewChart(const std::shared_ptr<OpenChart>& chart) {
    chart->setModified(true);
    addChart(chart);
    windows_.show(CBornChildFrame::kKind, chart);
    emit chartsChanged();
}

QString ChartLifecycle::chartFolder() const {
    return QString::fromStdString(context_.folders.folder(LastFolders::kCharts));
}

void ChartLifecycle::rememberChartFolder(const QString& chosen) {
    context_.folders.remember(LastFolders::kCharts,
                              QFileInfo(chosen).absoluteFilePath().toStdString());
}

void ChartLifecycle::openWithDialog() {
    const QString path =
        QFileDialog::getOpenFileName(dialogParent_, "Открыть", chartFolder(), kMapFilter);
    if (path.isEmpty()) return;
    rememberChartFolder(path);
    openChart(path);
}

bool ChartLifecycle::openChart(const QString& path) {
    // A chart already open comes to the front instead of opening twice.
    const QString canonical = QFileInfo(path).absoluteFilePath();
    for (const auto& chart : charts_) {
        if (chart->hasFile() && QFileInfo(chart->filePath()).absoluteFilePath() == canonical) {
            windows_.show(CBornChildFrame::kKind, chart);
            emit chartsChanged();
            return true;
        }
    }
    auto chart = std::make_shared<OpenChart>(untitledName(untitledCount_ + 1));
    const auto opened = chart->doc().open(canonical.toStdString());
    for (const auto& message : opened.messages) MessageSink::report(message);
    if (opened.status == LoadStatus::Empty) {
        // An empty chart file starts a new chart under its name.
        if (!BirthDataCommands::newChart(*chart, context_, dialogParent_)) return false;
    } else if (!opened.loaded()) {
        recent_.remove(canonical.toStdString());
        emit recentFilesChanged();
        return false;
    }
    rememberFile(canonical);
    addChart(chart);
    windows_.show(CBornChildFrame::kKind, chart);
    emit chartsChanged();
    return true;
}

bool ChartLifecycle::saveChart(OpenChart& chart) {
    if (!chart.hasFile()) return saveChartAs(chart);
    if (!chart.doc().save(chart.doc().path())) return false;
    chart.setModified(false);
    return true;
}

bool ChartLifecycle::saveChartAs(OpenChart& chart) {
    const QString suggested = QDir(chartFolder()).filePath(chart.title() + ".map");
    QString path =
        QFileDialog::getSaveFileName(dialogParent_, "Сохранить как", suggested, kMapFilter);
    if (path.isEmpty()) return false;
    rememberChartFolder(path);
    if (QFileInfo(path).suffix().isEmpty()) path += ".map";
    if (!chart.doc().save(path.toStdString())) return false;
    chart.setModified(false);
    rememberFile(QFileInfo(path).absoluteFilePath());
    return true;
}

void ChartLifecycle::rememberFile(const QString& path) {
    recent_.add(path.toStdString());
    storeSettings();
    emit recentFilesChanged();
}

bool ChartLifecycle::askToSave(OpenChart& chart) {
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

bool ChartLifecycle::confirmClose(ChildSubWindow* window) {
    // A window asks about its own unsaved work (the text window's text) first.
    ChartWindow* shown = window->chartWindow();
    if (shown == nullptr) return true;
    if (!shown->mayClose()) return false;
    if (windows_.framesOf(shown->chart()).size() > 1) return true;
    return askToSave(shown->chart());
}

bool ChartLifecycle::closeChart(OpenChart& chart) {
    if (!askToSave(chart)) return false;
    chart.setModified(false);  // answered: the windows close without asking again
    for (ChildSubWindow* window : windows_.framesOf(chart)) window->close();
    return true;
}

bool ChartLifecycle::releaseAll() {
    const auto charts = charts_;
    for (const auto& chart : charts) {
        if (!askToSave(*chart)) return false;
        chart->setModified(false);
    }
    return true;
}

void ChartLifecycle::loadSettings() {
    IniFile ini;
    if (!context_.iniFile.empty() && ini.load(context_.iniFile.readPath())) {
        recent_.readFrom(ini);
        context_.folders.readFrom(ini);
    }
    emit recentFilesChanged();
}

void ChartLifecycle::storeSettings() const {
    if (context_.iniFile.empty()) return;
    IniFile ini;
    // A file that cannot be read is not overwritten, as its other keys would be lost.
    if (!ini.load(context_.iniFile.readPath())) return;
    recent_.writeTo(ini);
    context_.folders.writeTo(ini);
    ini.save(context_.iniFile.writePath());
}

}  // namespace orvanta
