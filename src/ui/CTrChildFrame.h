#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QWidget>
#include <memory>

#include "ui/ChartWindow.h"
#include "ui/OpenChart.h"

namespace orvanta {

class CTranzitView;
class DialLegendView;
struct ChartResources;

// The event chart window: its tool bar, the bar with the up-down control (a day back or
// forward), the time-zone button and the name and date fields, and the dial.
class CTrChildFrame : public QWidget, public ChartWindow {
    Q_OBJECT
  public:
    static constexpr const char* kKind = "event";
    static constexpr const char* kCaption = "Карта событий";

    CTrChildFrame(std::shared_ptr<OpenChart> chart, const ChartResources& resources,
                  QWidget* parent = nullptr);
    // The window with its tool-bar buttons, its time-zone button opening the date selection.
    static CTrChildFrame* make(std::shared_ptr<OpenChart> chart, const WindowServices& services);
    // A chart without an event chart yet first asks for its day.
    static bool mayOpenFirst(OpenChart& chart, const WindowServices& services);

    QWidget& widget() override { return *this; }
    OpenChart& chart() override { return *chart_; }
    std::shared_ptr<OpenChart> sharedChart() const override { return chart_; }
    void addMenus(const Menus& menus) override;
    // The dial on one page.
    bool print(QPrinter& printer, QWidget* dialogParent) override;
    std::optional<PictureExportChoice::View> pictureView() const override {
        return PictureExportChoice::View::Dial;
    }
    bool savePicture(const std::filesystem::path& file, std::string& reason) override;
    CTranzitView* view() const { return view_; }
    DialLegendView* legend() const { return legend_; }
    QToolBar* toolBar() const { return toolBar_; }
    QPushButton* zoneButton() const { return zoneButton_; }
    QToolButton* dayBackButton() const { return dayBack_; }
    QToolButton* dayForwardButton() const { return dayForward_; }
    QLineEdit* dateField() const { return dateField_; }
    QLineEdit* nameField() const { return nameField_; }

    void addToolButton(QAction* action) { toolBar_->addAction(action); }
    void refreshBar();

  signals:
    // The time-zone button: the date selection.
    void dateSelectionRequested();

  private:
    void buildBar();

    std::shared_ptr<OpenChart> chart_;
    const ChartResources& resources_;
    QToolBar* toolBar_ = nullptr;
    QWidget* bar_ = nullptr;
    QToolButton* dayBack_ = nullptr;
    QToolButton* dayForward_ = nullptr;
    QPushButton* zoneButton_ = nullptr;
    QLineEdit* nameField_ = nullptr;
    QLineEdit* dateField_ = nullptr;
    CTranzitView* view_ = nullptr;
    DialLegendView* legend_ = nullptr;
};

}  // namespace orvanta
