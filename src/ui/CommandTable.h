#pragma once

#include <QAction>
#include <QMenu>
#include <QObject>
#include <array>
#include <functional>

namespace orvanta {

// Every command of the main frame and its windows. A new command gets an enumerator here and
// a row in the table of CommandTable.cpp; a command without a row stops the program when the
// table is built, so no mistyped key can quietly stand for an empty command.
enum class Command {
    New,
    Open,
    Close,
    Save,
    SaveAs,
    Print,
    PrintPreview,
    PrintSetup,
    ExportPicture,
    Exit,
    Cut,
    Copy,
    Paste,
    About,
    ChangeBirthData,
    Step,
    NatalSettings,
    EventSettings,
    ZoomIn,
    ZoomOut,
    NatalWindow,
    TextWindow,
    EventWindow,
    SynthesizeText,
    BuildEventChart,
    Notice,
    ToolBarToggle,
    StatusBarToggle,
    NewWindow,
    Cascade,
    TileHorizontally,
    TileVertically,
    ArrangeIcons,
    Analysis,
    EventDate,
    EventStep,
    TransitCalendar,
    ReadingWindow,
    ShowPatterns,
    Collection,
    ImportAaf,
    ExportAaf,
    Synastry,
    Composite,
    Davison,
    SwapCharts,
    BirthMoment,
    Help,
    DegreesMinutes,
    Forecast,
    ForecastStepBack,
    ForecastStepForward,
    Count  // the number of commands; stays last
};

// The actions of every command: text, shortcut, status text and tooltip, icon, the handler
// and the rules for enabled and checked. A command nobody handles stays disabled.
class CommandTable : public QObject {
    Q_OBJECT
  public:
    using Rule = std::function<bool()>;

    explicit CommandTable(QObject* parent = nullptr);

    QAction* action(Command key) const;
    // The action that carries a numeric command identifier, or nullptr.
    QAction* findId(int id) const;

    // What the command does, and when it is enabled (always when no rule is given) and
    // checked (for checkable commands).
    void handle(Command key, std::function<void()> handler, Rule enabled = {}, Rule checked = {});
    void updateStates() const;

    // A menu item with a text of its own that runs a command known under another text: it
    // carries the command's identifier and prompt and follows its enabled state.
    QAction* addAlias(QMenu& menu, const QString& text, Command key) const;

  private:
    static constexpr std::size_t kCount = static_cast<std::size_t>(Command::Count);
    struct Entry {
        QAction* action = nullptr;
        bool handled = false;
        Rule enabled;
        Rule checked;
    };
    std::array<Entry, kCount> entries_{};
};

}  // namespace orvanta
