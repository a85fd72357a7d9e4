#pragma once

#include <QSplitter>
#include <QToolBar>
#include <QWidget>
#include <memory>

#include "ui/ChartWindow.h"
#include "ui/TwoChartSource.h"
#include "ui/TwoChartView.h"

namespace orvanta {

struct ChartResources;

// The synastry window: the bi-wheel above the table of aspects between two charts, under a
// tool bar whose button swaps inside and outside. It belongs to the chart it was opened from
// (the file commands act on that one) and shows whatever two charts its source gives, so a
// chart and positions worked from it show the same way. Printing gives both panes, one page
// each; "Экспорт рисунка..." writes the active pane.
class SynastryChildFrame : public QWidget, public ChartWindow {
    Q_OBJECT
  public:
    static constexpr const char* kKind = "synastry";
    static constexpr int kPageCount = 2;

    SynastryChildFrame(std::shared_ptr<OpenChart> owner, std::unique_ptr<TwoChartSource> charts,
                       const ChartResources& resources, QWidget* parent = nullptr);
    // The window with its tool-bar button sending the swap command.
    static SynastryChildFrame* make(std::shared_ptr<OpenChart> owner,
                                    std::unique_ptr<TwoChartSource> charts,
                                    const WindowServices& services);

    QWidget& widget() override { return *this; }
    OpenChart& chart() override { return *owner_; }
    std::shared_ptr<OpenChart> sharedChart() const override { return owner_; }
    void addMenus(const Menus& menus) override;
    bool allowsSecondWindow() const override { return false; }
    QString ownTitle() const override { return charts_->title(); }
    bool print(QPrinter& printer, QWidget* dialogParent) override;
    std::optional<PictureExportChoice::View> pictureView() const override;
    bool savePicture(const std::filesystem::path& file, std::string& reason) override;

    TwoChartSource& charts() { return *charts_; }
    TwoChartView* wheelView() const { return wheel_; }
    TwoChartView* tableView() const { return table_; }
    QToolBar* toolBar() const { return toolBar_; }
    // Commands of the source's own (the step of progressions) for the menu "Вид".
    void addViewActions(const QList<QAction*>& actions) { viewActions_ += actions; }

    // Paints one printed page (0 the bi-wheel, 1 the table) scaled to fit the page's size in
    // device pixels.
    void paintPage(int page, QPainter& painter, QSize pageSize) const;

  private:
    void onViewActivated(TwoChartView* view);
    void retitle();

    std::shared_ptr<OpenChart> owner_;
    std::unique_ptr<TwoChartSource> charts_;
    const ChartResources& resources_;
    QToolBar* toolBar_ = nullptr;
    QSplitter* splitter_ = nullptr;
    TwoChartView* wheel_ = nullptr;
    TwoChartView* table_ = nullptr;
    QList<QAction*> viewActions_;
};

}  // namespace orvanta
