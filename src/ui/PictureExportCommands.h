#pragma once

#include <QString>
#include <QWidget>

#include "doc/PictureExportChoice.h"

namespace orvanta {

class ChartWindows;
struct ChartResources;

// "Экспорт рисунка...": the picture of the active natal chart pane (wheel or aspect table) or
// of the event chart's dial, as the window shows it, saved as PNG, SVG or PDF with the routines
// of "orvanta-cli render".
class PictureExportCommands {
  public:
    PictureExportCommands(ChartWindows& windows, const ChartResources& resources);

    // A natal or event chart window is active.
    bool canExport() const;
    // Asks for the file and writes the active window's picture there.
    void exportActive(QWidget* parent);

    // What a child frame shows; nullopt for a frame with no picture.
    static std::optional<PictureExportChoice::View> viewOf(QWidget& frame);
    // Writes the frame's picture; the format follows the extension. False with the reason.
    bool exportTo(QWidget& frame, const QString& path, QString* error);
    // The name the dialog proposes for the frame's picture.
    QString proposedName(QWidget& frame) const;

  private:
    QWidget* activeFrame() const;

    ChartWindows& windows_;
    const ChartResources& resources_;
    PictureExportChoice::Format lastFormat_ = PictureExportChoice::Format::Png;
};

}  // namespace orvanta
