#pragma once

#include <QPainter>
#include <QPrinter>
#include <QWidget>

namespace orvanta {

class ChartWindow;
class ChartWindows;

// "Печать...", "Предварительный просмотр" and "Настройка печати...": what the active window
// shows, as the window prints itself, on the printer the user set up. The printer and its
// settings stay from one command to the next while the program runs.
class PrintCommands {
  public:
    static constexpr const char* kTitle = "Печать";

    explicit PrintCommands(ChartWindows& windows);

    // A chart window is active.
    bool canPrint() const;

    void print(QWidget* parent);
    void preview(QWidget* parent);
    void setUp(QWidget* parent);

    // Paints what a window shows on the printer's pages; false (and says so) when nothing
    // could be printed.
    static bool paint(ChartWindow& window, QPrinter& printer, QWidget* parent);
    // Starts painting on the printer; false (and says so) when it cannot.
    static bool begin(QPainter& painter, QPrinter& printer, QWidget* parent);

    QPrinter& printer() { return printer_; }

  private:
    ChartWindows& windows_;
    QPrinter printer_;
};

}  // namespace orvanta
