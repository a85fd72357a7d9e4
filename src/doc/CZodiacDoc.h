#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "calc/BirthData.h"
#include "common/LoadStatus.h"
#include "doc/ChartStep.h"
#include "doc/ChartStepper.h"
#include "events/EventChart.h"
#include "natal/NatalChart.h"
#include "texts/Interpretation.h"

namespace orvanta {

class TimeChangeBase;

// One person's chart file: its path and modified mark, the views of its windows and their
// update hints, and the parts it is made of (the natal chart, its event chart and its
// interpretation) with the step that moves the natal chart. Every window of a chart is a view
// of one document; views subscribe to its update hints. The parts do the work; the document
// gives each the others it needs, shows what failed and tells the views.
class CZodiacDoc {
  public:
    static constexpr int kHintNatal = 1;       // wheel and table
    static constexpr int kHintEventChart = 2;  // the event chart
    static constexpr const char* kCannotOpenMessage = "Файл невозможно открыть...";
    static constexpr std::string_view kNotebookFileName = "NoteBook.NTF";

    using View = std::function<void(int hint)>;

    // Settings files and the notebook file are looked up in the data folder (the
    // application folder unless a test gives another).
    explicit CZodiacDoc(std::filesystem::path dataFolder = {});

    // A new chart from confirmed birth data: reads the orientation and the settings defaults
    // and computes the chart. False when the engine could not be reached (already reported).
    bool newChart(const BirthData& birth, int houseSystem, bool housesUnavailable,
                  bool autoGreenwich);
    // Changed birth data: the chart is computed again and every view redrawn.
    bool changeBirthData(const BirthData& birth, int houseSystem, bool housesUnavailable,
                         bool autoGreenwich);
    // Moves the birth moment by the chart's step and computes the chart again: the text is out
    // of date, the event chart is built again and every view redrawn. False, with nothing
    // changed, for a step of nothing.
    bool stepChart(ChartStepper::Direction direction, const TimeChangeBase* timeChanges);
    // Whether the chart was stepped away from the birth data last entered or opened.
    bool isStepped() const { return birthBeforeSteps_.has_value(); }
    // Takes a stepped chart back to that birth data and computes it again, as a step does.
    // False, with nothing changed, when the chart was not stepped.
    bool returnToBirthMoment();
    // Opens a chart file; the chart keeps its stored positions. An empty file is to be treated
    // as a new chart under that path (Empty): the caller asks for the birth data and calls
    // newChart. A file that cannot be read (kCannotOpenMessage) or is damaged changes nothing
    // and answers with the message, which the caller shows.
    LoadResult open(const std::filesystem::path& path);
    // Saves through a temporary file; a failed save leaves the old file and says so.
    bool save(const std::filesystem::path& path);
    // Computes the chart from the birth data and keeps a chart without houses from being
    // oriented from the Ascendant.
    bool recompute();

    // Notebook exchange with the analysis window: the notebook file is created anew from the
    // chart's copy before the window opens, and read back whole when it closes.
    bool exportNotebook();
    bool importNotebook();

    // Views: the callback receives every hint until it is unsubscribed.
    int subscribe(View view);
    void unsubscribe(int id);
    void updateAllViews(int hint);

    NatalChart& natal() { return natal_; }
    const NatalChart& natal() const { return natal_; }
    EventChart& eventChart() { return eventChart_; }
    const EventChart& eventChart() const { return eventChart_; }
    Interpretation& interpretation() { return interpretation_; }
    const Interpretation& interpretation() const { return interpretation_; }
    ChartStep& step() { return step_; }
    const ChartStep& step() const { return step_; }

    // The time-change base (held by the application) the event chart is built with.
    void setTimeChanges(const TimeChangeBase* timeChanges) { timeChanges_ = timeChanges; }
    // The event chart built again for the natal chart, what failed reported. False when the
    // positions could not be computed.
    bool rebuildEventChart();
    // Builds the event chart's lists when they were not built for its date; true when it did.
    bool ensureEventChart();
    // One day forward (+1) or back (-1); the event chart views are redrawn.
    void shiftEventChartDay(int days);
    // The date selection's OK; the event chart views are redrawn when it changed anything.
    bool applyEventChartSettings(const EventChartSettings& settings);

    bool isModified() const { return modified_; }
    void setModified(bool modified) { modified_ = modified; }

    // Writes the interpretation from the text library when it is out of date; true when it
    // wrote it. A missing library file is reported.
    bool refreshInterpretation();

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path dataFile(std::string_view name) const;
    // Where a data file is written: the user's folder, or the data folder a test gives.
    std::filesystem::path writableDataFile(std::string_view name) const;

    // Reads the four settings files into the records; missing files are skipped.
    void readSettingsDefaults();
    // Reads "Default.rnd" into the orientation of the chart record.
    void readOrientationDefault();

  private:
    void setBirthData(const BirthData& birth, int houseSystem, bool housesUnavailable,
                      bool autoGreenwich);
    void startFresh();
    // After the birth moment moved: the chart, the text and the event chart follow.
    void recomputeAfterMove();
    void report(const EventChart::Build& build);

    std::filesystem::path dataFolder_;
    std::filesystem::path path_;
    NatalChart natal_;
    EventChart eventChart_;
    Interpretation interpretation_;
    ChartStep step_;
    // The birth data as entered or opened, kept while steps move the chart away from it.
    std::optional<BirthData> birthBeforeSteps_;
    const TimeChangeBase* timeChanges_ = nullptr;
    bool modified_ = false;
    std::map<int, View> views_;
    int nextViewId_ = 1;
};

}  // namespace orvanta
