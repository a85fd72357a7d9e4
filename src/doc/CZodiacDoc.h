#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "calc/AspectSetting.h"
#include "calc/BirthData.h"
#include "calc/ChartData.h"
#include "common/LoadStatus.h"
#include "doc/ChartStep.h"
#include "doc/ChartStepper.h"
#include "doc/EventChartState.h"
#include "doc/NatalChart.h"

namespace orvanta {

class TimeChangeBase;

// One person's birth chart: the natal chart record, the display settings of the event chart,
// the step of the step recalculation and the state of the event chart. Every window of a
// chart is a view of one document; views subscribe to its update hints.
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
    ChartData& transitBodies() { return transitBodies_; }
    const ChartData& transitBodies() const { return transitBodies_; }
    TransitAspectTable& transitAspects() { return transitAspects_; }
    const TransitAspectTable& transitAspects() const { return transitAspects_; }
    ChartStep& step() { return step_; }
    const ChartStep& step() const { return step_; }
    EventChartState& eventChart() { return eventChart_; }
    const EventChartState& eventChart() const { return eventChart_; }

    // The event chart. The time-change base (held by the application) turns Universal Time
    // into local time while the automatic-Greenwich flag is set; without one the Greenwich
    // difference holds throughout.
    void setTimeChanges(const TimeChangeBase* timeChanges) { timeChanges_ = timeChanges; }
    // Discards both lists, computes them for the event chart's date and switches the records
    // on and off. False when the positions could not be computed (already reported).
    bool rebuildEventChart();
    // Builds the lists when they were not built for the event chart's date; true when it did.
    bool ensureEventChart();
    // Discards both lists; the next drawing builds them again.
    void discardEventChart();
    // Switches every record on or off by the include flags and the radix and transit use.
    void MarkTransitSituations();
    // One day forward (+1) or back (-1), held to 1.1.1860 ... 31.12.2130; the lists are
    // discarded and the event chart views redrawn.
    void shiftEventChartDay(int days);
    // The date selection's OK: nothing happens when every field is as it was; otherwise the
    // fields are stored, the lists discarded and the views redrawn. True when it changed.
    bool applyEventChartSettings(const EventChartSettings& settings);

    bool isModified() const { return modified_; }
    void setModified(bool modified) { modified_ = modified; }

    // The interpretation text (UTF-8, CR LF line ends) and its out-of-date mark. Every change
    // that alters the text marks it: a new chart, opening, changed birth data, a step, a
    // settings change. The text window writes it again before showing it.
    const std::string& interpretation() const { return interpretation_; }
    bool isTextOutOfDate() const { return textOutOfDate_; }
    void markTextOutOfDate() { textOutOfDate_ = true; }
    // Writes the interpretation from the text library when it is out of date and clears the
    // mark; true when it wrote it. A missing library file is reported and leaves the text
    // partial or empty, and isInterpretationComplete() false.
    bool refreshInterpretation();
    bool isInterpretationComplete() const { return interpretationComplete_; }

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
    static Date today();

    std::filesystem::path dataFolder_;
    std::filesystem::path path_;
    NatalChart natal_;
    ChartData transitBodies_;
    TransitAspectTable transitAspects_;
    ChartStep step_;
    // The birth data as entered or opened, kept while steps move the chart away from it.
    std::optional<BirthData> birthBeforeSteps_;
    EventChartState eventChart_;
    const TimeChangeBase* timeChanges_ = nullptr;
    bool modified_ = false;
    bool textOutOfDate_ = true;
    std::string interpretation_;
    bool interpretationComplete_ = false;
    std::map<int, View> views_;
    int nextViewId_ = 1;
};

}  // namespace orvanta
