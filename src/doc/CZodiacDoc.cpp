#include "doc/CZodiacDoc.h"

#include <system_error>
#include <vector>

#include "birthdata/TimeChangeBase.h"
#include "calc/ChartComputation.h"
#include "common/AppFolder.h"
#include "common/AtomicFile.h"
#include "common/MessageSink.h"
#include "doc/AspectRecords.h"
#include "doc/MapFile.h"
#include "doc/OrientationFile.h"
#include "doc/PlanetRecords.h"
#include "doc/SettingsFile.h"
#include "events/Notebook.h"
#include "natal/CompositeChart.h"
#include "texts/TextLibrary.h"

namespace orvanta {
namespace {

std::string quoted(const std::filesystem::path& path) {
    return "«" + path.string() + "»";
}

}  // namespace

CZodiacDoc::CZodiacDoc(std::filesystem::path dataFolder) : dataFolder_(std::move(dataFolder)) {
    natal_.chart.style.assignBodyNames();
}

std::filesystem::path CZodiacDoc::dataFile(std::string_view name) const {
    return dataFolder_.empty() ? AppFolder::find(name) : AppFolder::findIn(dataFolder_, name);
}

std::filesystem::path CZodiacDoc::writableDataFile(std::string_view name) const {
    return dataFolder_.empty() ? AppFolder::writable(name) : dataFile(name);
}

void CZodiacDoc::readSettingsDefaults() {
    // A missing settings file leaves the built-in values silently; a damaged one is told of.
    for (const auto& read :
         {AspectRecords::read(dataFile(SettingsFile::kNatalAspects), natal_.aspects),
          AspectRecords::read(dataFile(SettingsFile::kTransitAspects), eventChart_.aspects()),
          PlanetRecords::read(dataFile(SettingsFile::kRadixPlanets), natal_.chart,
                              Bodies::kLastCusp),
          PlanetRecords::read(dataFile(SettingsFile::kTransitPlanets), eventChart_.bodies(),
                              Bodies::kBodyCount)}) {
        for (const auto& message : read.messages) MessageSink::report(message);
    }
}

void CZodiacDoc::readOrientationDefault() {
    OrientationFile::Setting setting;
    const auto read = OrientationFile::read(dataFile(SettingsFile::kOrientation), setting);
    for (const auto& message : read.messages) MessageSink::report(message);
    if (read.loaded()) OrientationFile::apply(setting, natal_.orientation);
}

void CZodiacDoc::setBirthData(const BirthData& birth, int houseSystem, bool housesUnavailable,
                              bool autoGreenwich) {
    natal_.birth = birth;
    birthBeforeSteps_.reset();
    natal_.houseSystem = houseSystem;
    natal_.chart.housesUnavailable = housesUnavailable ? 1 : 0;
    natal_.autoGreenwich = autoGreenwich ? 1 : 0;
}

// What a chart shows after it is created or loaded: today's event chart and an
// interpretation that has to be written again.
void CZodiacDoc::startFresh() {
    eventChart_.startToday();
    interpretation_.markOutOfDate();
}

bool CZodiacDoc::recompute() {
    const auto computed = ChartComputation::shared().recomputeNatal(
        natal_.birth, natal_.houseSystem, natal_.chart, natal_.orientation);
    if (!computed) MessageSink::report(computed.message);
    return computed.computed;
}

bool CZodiacDoc::newChart(const BirthData& birth, int houseSystem, bool housesUnavailable,
                          bool autoGreenwich) {
    setBirthData(birth, houseSystem, housesUnavailable, autoGreenwich);
    modified_ = true;
    readOrientationDefault();
    readSettingsDefaults();
    const bool computed = recompute();
    startFresh();
    updateAllViews(kHintNatal | kHintEventChart);
    return computed;
}

bool CZodiacDoc::changeBirthData(const BirthData& birth, int houseSystem, bool housesUnavailable,
                                 bool autoGreenwich) {
    setBirthData(birth, houseSystem, housesUnavailable, autoGreenwich);
    modified_ = true;
    const bool computed = recompute();
    interpretation_.markOutOfDate();
    // An event chart that was computed is built again for the new natal chart.
    if (eventChart_.state().computed) rebuildEventChart();
    updateAllViews(kHintNatal | kHintEventChart);
    return computed;
}

bool CZodiacDoc::stepChart(ChartStepper::Direction direction, const TimeChangeBase* timeChanges) {
    if (ChartStepper::isEmpty(step_)) return false;
    // A composite's birth data only say where its houses were derived: moving them would
    // compute another chart altogether under the composite's name.
    if (CompositeChart::isComposite(natal_.birth)) {
        MessageSink::report(CompositeChart::kNoMomentMessage);
        return false;
    }
    if (!birthBeforeSteps_) birthBeforeSteps_ = natal_.birth;
    std::vector<int> skipped;
    natal_.birth = ChartStepper::stepped(natal_.birth, step_, direction, timeChanges,
                                         natal_.autoGreenwich != 0, &skipped);
    if (!skipped.empty()) MessageSink::report(timeChanges->skippedWarning(skipped));
    recomputeAfterMove();
    return true;
}

bool CZodiacDoc::returnToBirthMoment() {
    if (!birthBeforeSteps_) return false;
    natal_.birth = *birthBeforeSteps_;
    birthBeforeSteps_.reset();
    recomputeAfterMove();
    return true;
}

void CZodiacDoc::recomputeAfterMove() {
    recompute();
    modified_ = true;
    interpretation_.markOutOfDate();
    // As after changed birth data: an event chart that was computed follows the new chart.
    if (eventChart_.state().computed) rebuildEventChart();
    updateAllViews(kHintNatal | kHintEventChart);
}

LoadResult CZodiacDoc::open(const std::filesystem::path& path) {
    const auto bytes = AtomicFile::read(path);
    if (!bytes) return LoadResult::failed(LoadStatus::Unreadable, kCannotOpenMessage);
    if (bytes->empty()) {
        path_ = path;
        return {LoadStatus::Empty, {}};
    }
    MapFile::Content content;
    try {
        content = MapFile::parse(*bytes);
    } catch (const FormatError& damage) {
        return LoadResult::failed(
            LoadStatus::Damaged,
            "Файл " + quoted(path) + " повреждён и не открыт: " + damage.what() + ".");
    }
    readSettingsDefaults();
    std::move(content).applyTo(natal_);
    birthBeforeSteps_.reset();
    natal_.chart[0].longitude = 0.0;
    eventChart_.bodies()[0].longitude = 0.0;
    startFresh();
    path_ = path;
    modified_ = false;
    updateAllViews(kHintNatal | kHintEventChart);
    return {};
}

bool CZodiacDoc::save(const std::filesystem::path& path) {
    std::string error;
    bool saved = false;
    try {
        saved = AtomicFile::write(path, MapFile::serialize(natal_), &error);
    } catch (const FormatError& fault) {
        error = fault.what();
    }
    if (!saved) {
        MessageSink::report("Карту не удалось сохранить в файл " + quoted(path) + " (" + error +
                            "). Прежнее содержимое файла не изменено.");
        return false;
    }
    path_ = path;
    modified_ = false;
    return true;
}

bool CZodiacDoc::exportNotebook() {
    const auto file =
        dataFolder_.empty() ? AppFolder::writable(kNotebookFileName) : dataFile(kNotebookFileName);
    std::string error;
    if (!AtomicFile::write(file, natal_.notebook, &error)) {
        MessageSink::report("Не удалось создать файл записной книжки " + quoted(file) + " (" +
                            error + ").");
        return false;
    }
    return true;
}

bool CZodiacDoc::importNotebook() {
    const auto file = dataFile(kNotebookFileName);
    std::string error;
    auto bytes = AtomicFile::read(file, &error);
    if (!bytes) {
        // The chart keeps the notebook it had rather than losing it.
        MessageSink::report("Не удалось прочитать файл записной книжки " + quoted(file) + " (" +
                            error + "). Записная книжка карты осталась прежней.");
        return false;
    }
    try {
        Notebook::parse(*bytes);
    } catch (const FormatError& fault) {
        MessageSink::report("Файл записной книжки " + quoted(file) + " не прочитан: " +
                            fault.what() + ". Записная книжка карты осталась прежней.");
        return false;
    }
    if (*bytes != natal_.notebook) modified_ = true;
    natal_.notebook = std::move(*bytes);
    return true;
}

void CZodiacDoc::report(const EventChart::Build& build) {
    for (const auto& message : build.messages) MessageSink::report(message);
}

bool CZodiacDoc::rebuildEventChart() {
    const auto build = eventChart_.rebuild(natal_.chart, timeChanges_);
    report(build);
    return build.positionsComputed;
}

bool CZodiacDoc::ensureEventChart() {
    const auto build = eventChart_.ensure(natal_.chart, timeChanges_);
    if (build) report(*build);
    return build.has_value();
}

void CZodiacDoc::shiftEventChartDay(int days) {
    eventChart_.shiftDay(days);
    updateAllViews(kHintEventChart);
}

bool CZodiacDoc::applyEventChartSettings(const EventChartSettings& settings) {
    if (!eventChart_.applySettings(settings)) return false;
    updateAllViews(kHintEventChart);
    return true;
}

bool CZodiacDoc::refreshInterpretation() {
    if (!interpretation_.isOutOfDate()) return false;
    const TextLibrary library =
        dataFolder_.empty() ? TextLibrary() : TextLibrary(dataFile(TextLibrary::kFolderName));
    interpretation_.refresh(library, natal_);
    if (!interpretation_.isComplete()) MessageSink::report(interpretation_.message());
    return true;
}

int CZodiacDoc::subscribe(View view) {
    const int id = nextViewId_++;
    views_.emplace(id, std::move(view));
    return id;
}

void CZodiacDoc::unsubscribe(int id) {
    views_.erase(id);
}

void CZodiacDoc::updateAllViews(int hint) {
    // A view may unsubscribe while it is told; work on a copy of the list.
    const auto views = views_;
    for (const auto& [id, view] : views) {
        if (views_.count(id) != 0) view(hint);
    }
}

}  // namespace orvanta
