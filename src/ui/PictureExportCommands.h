#pragma once

#include <QString>
#include <QWidget>

#include "doc/PictureExportChoice.h"

namespace orvanta {

class ChartWindow;
class ChartWindows;

// "Экспорт рисунка...": the picture the active window shows (the natal chart's active pane or
// the event chart's dial), saved as PNG, SVG or PDF with the routines of "orvanta-cli render".
class PictureExportCommands {
  public:
    explicit PictureExportCommands(ChartWindows& windows);

    // The active window has a picture.
    bool canExport() const;
    // Asks for the file and writes the active window's picture there.
    void exportActive(QWidget* parent);

    // Writes the window's picture; the format follows the extension. False with the reason.
    static bool exportTo(ChartWindow& window, const QString& path, QString* error);
    // The name the dialog proposes for the window's picture.
    QString proposedName(ChartWindow& window) const;

  private:
    ChartWindows& windows_;
    PictureExportChoice::Format lastFormat_ = PictureExportChoice::Format::Png;
};

}  // namespace orvanta
