#pragma once

#include <QMenuBar>
#include <QPrinter>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "doc/PictureExportChoice.h"
#include "ui/OpenChart.h"

namespace orvanta {

class CommandTable;
class CTextView;
class TextEditCommands;
struct WindowServices;

// A child window of the work area that shows one chart: what the main frame, the printing and
// the picture export need of it, whatever it shows. A kind of window is a QWidget that also
// derives from this and has, for WindowKinds:
//   static constexpr const char* kKind = "…";  (its name in WindowKinds)
//   static ChartWindow* make(std::shared_ptr<OpenChart>, const WindowServices&);
// and, when the first window of the kind on a chart asks something first, its own
// mayOpenFirst (below).
class ChartWindow {
  public:
    // What a window adds its menus to.
    struct Menus {
        QMenuBar& bar;
        CommandTable& commands;
        TextEditCommands& textEdit;
    };

    virtual ~ChartWindow() = default;

    // Asked before the first window of a kind opens on a chart; false (Cancel) opens none.
    static bool mayOpenFirst(OpenChart&, const WindowServices&) { return true; }

    virtual QWidget& widget() = 0;
    virtual OpenChart& chart() = 0;
    virtual std::shared_ptr<OpenChart> sharedChart() const = 0;

    // The menus between "Файл" and "Сервис" while the window is active; the window may also
    // retitle the file commands it answers itself.
    virtual void addMenus(const Menus& menus) = 0;

    // A title of the window's own (a window of two charts); empty for the chart's title.
    virtual QString ownTitle() const { return {}; }

    // "Новое окно": another window of this kind on the same chart.
    virtual bool allowsSecondWindow() const { return true; }
    // Whether "Открыть", "Сохранить" and "Закрыть" act on the window's own file instead of
    // the chart's; then they call these and "Закрыть" closes this window alone.
    virtual bool ownsFileCommands() const { return false; }
    virtual void loadOwnFile() {}
    virtual void saveOwnFile() {}
    // Asked before the window closes and as the program ends; false keeps it open.
    virtual bool mayClose() { return true; }
    // The text the edit commands act on, if the window has one.
    virtual CTextView* editableText() const { return nullptr; }

    // How many pages printing takes on this printer; nullopt for one picture page, no choice
    // of pages.
    virtual std::optional<int> pageCount(QPrinter&) { return std::nullopt; }
    // Paints what the window shows on the printer's pages; false (and says so) when nothing
    // could be printed.
    virtual bool print(QPrinter& printer, QWidget* dialogParent) = 0;

    // The picture the window exports, nullopt for none.
    virtual std::optional<PictureExportChoice::View> pictureView() const { return std::nullopt; }
    // Writes that picture; the format follows the extension. False with the reason.
    virtual bool savePicture(const std::filesystem::path& file, std::string& reason);
};

}  // namespace orvanta
