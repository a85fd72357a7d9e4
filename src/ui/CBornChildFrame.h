#pragma once

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QToolBar>
#include <QWidget>

#include "ui/ChartWindow.h"
#include "ui/OpenChart.h"

namespace orvanta {

class CBornCircleView;
class CBornTableView;
class NatalChartView;
struct ChartResources;

// The natal chart window: its tool bar, the information bar with the name, the birth moment
// and "± шаг", and the wheel above the aspect table. Every resize tells the chart how large
// the drawing area is.
class CBornChildFrame : public QWidget, public ChartWindow {
    Q_OBJECT
  public:
    static constexpr const char* kKind = "natal";
    static constexpr const char* kCaption = "Карта рождения";

    CBornChildFrame(std::shared_ptr<OpenChart> chart, const ChartResources& resources,
                    QWidget* parent = nullptr);
    // The window with its tool-bar buttons and its "± шаг" sending the frame's commands.
    static CBornChildFrame* make(std::shared_ptr<OpenChart> chart, const WindowServices& services);

    QWidget& widget() override { return *this; }
    OpenChart& chart() override { return *chart_; }
    std::shared_ptr<OpenChart> sharedChart() const override { return chart_; }
    void addMenus(const Menus& menus) override;
    // The active pane: the wheel page or the aspect table.
    bool print(QPrinter& printer, QWidget* dialogParent) override;
    std::optional<PictureExportChoice::View> pictureView() const override;
    bool savePicture(const std::filesystem::path& file, std::string& reason) override;
    CBornCircleView* wheelView() const { return wheel_; }
    CBornTableView* tableView() const { return table_; }
    QWidget* infoBar() const { return infoBar_; }
    QToolBar* toolBar() const { return toolBar_; }

    // The tool bar's buttons send these commands to the main frame.
    void addToolButton(QAction* action) { toolBar_->addAction(action); }
    void addToolSeparator() { toolBar_->addSeparator(); }
    // The buttons "± шаг" and "К моменту рождения" of the information bar send these commands.
    void setStepActions(QAction* step, QAction* birthMoment);
    QPushButton* birthMomentButton() const { return birthMomentButton_; }

    void refreshBarTexts();
    // The drawing area the views get for a client area of this size.
    void updateDrawingArea(QSize clientSize);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void buildInfoBar();
    void onViewActivated(NatalChartView* view);
    void linkButton(QPushButton& button, QAction* action);

    std::shared_ptr<OpenChart> chart_;
    const ChartResources& resources_;
    QToolBar* toolBar_ = nullptr;
    QWidget* infoBar_ = nullptr;
    QPushButton* stepButton_ = nullptr;
    QPushButton* birthMomentButton_ = nullptr;
    QLineEdit* dateField_ = nullptr;
    QLineEdit* nameField_ = nullptr;
    QSplitter* splitter_ = nullptr;
    CBornCircleView* wheel_ = nullptr;
    CBornTableView* table_ = nullptr;
};

}  // namespace orvanta
