#pragma once

#include "ui/CTextChildFrame.h"

namespace orvanta {

// "Подробный разбор": the full reading of a chart in a text window that edits, prints and saves
// as the interpretation's does, one per chart, written again when the chart changes.
class CReadingChildFrame : public CTextChildFrame {
    Q_OBJECT
  public:
    static constexpr const char* kKind = "reading";

    CReadingChildFrame(std::shared_ptr<OpenChart> chart, const ChartResources& resources,
                       QWidget* parent = nullptr);
    static CReadingChildFrame* make(std::shared_ptr<OpenChart> chart,
                                    const WindowServices& services);

    // "Правка" and "Вид"; the file commands are named for the reading.
    void addMenus(const Menus& menus) override;
};

}  // namespace orvanta
