#pragma once

#include <QWidget>
#include <initializer_list>
#include <memory>

#include "texts/paint/TextPagePainter.h"
#include "ui/ChartWindow.h"
#include "ui/CommandTable.h"
#include "ui/OpenChart.h"
#include "ui/TextSource.h"

namespace orvanta {

class CTextView;
struct ChartResources;

// The interpretation text window of a chart: a frame around its one text view. The file
// commands load and save its text, and only one such window opens per chart.
class CTextChildFrame : public QWidget, public ChartWindow {
    Q_OBJECT
  public:
    static constexpr const char* kKind = "text";
    static constexpr const char* kCaption = "Толкование";

    CTextChildFrame(std::shared_ptr<OpenChart> chart, const ChartResources& resources,
                    QWidget* parent = nullptr);
    static CTextChildFrame* make(std::shared_ptr<OpenChart> chart, const WindowServices& services);

    CTextView* view() const { return view_; }

    QWidget& widget() override { return *this; }
    OpenChart& chart() override { return *chart_; }
    std::shared_ptr<OpenChart> sharedChart() const override { return chart_; }
    // "Правка" and the text window's "Вид"; the file commands are named for the text.
    void addMenus(const Menus& menus) override;
    bool allowsSecondWindow() const override { return false; }
    bool ownsFileCommands() const override { return true; }
    void loadOwnFile() override;
    void saveOwnFile() override;
    bool mayClose() override;
    CTextView* editableText() const override { return view_; }
    std::optional<int> pageCount(QPrinter& printer) override;
    // The text over as many pages as it takes, within the printer's page ranges.
    bool print(QPrinter& printer, QWidget* dialogParent) override;

  protected:
    // A text window over another source of text.
    CTextChildFrame(std::shared_ptr<OpenChart> chart, std::unique_ptr<TextSource> source,
                    const ChartResources& resources, QWidget* parent);
    // "Правка" and "Вид" of a text window: the file commands' tips say what the text is saved
    // as and which window closes, and "Вид" offers the windows given.
    static void addTextMenus(const Menus& menus, const char* saveTip, const char* closeTip,
                             std::initializer_list<Command> windows);

  private:
    TextPagePainter::Job printJob(QPrinter& printer) const;

    std::shared_ptr<OpenChart> chart_;
    const ChartResources& resources_;
    CTextView* view_ = nullptr;
};

}  // namespace orvanta
