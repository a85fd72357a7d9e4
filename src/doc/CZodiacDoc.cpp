#include "doc/CZodiacDoc.h"

#include <ctime>
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
#include "events/ComputeTransits.h"
#include "events/Notebook.h"
#include "events/TransitMarking.h"
#include "natal/CompositeChart.h"
#include "texts/NatalInterpretation.h"
#include "texts/TextLibrary.h"

namespace orvanta {
namespace {

std::string quoted(const std::filesystem::path& path) {
    return "«" + path.string() + "»";
}

}  // namespace

CZodiacDoc::CZodiacDoc(std::filesystem::path dataFolder) : dataFolder_(std::move(dataFolder)) {
    natal_.chart.style.assignBodyNames();
    transitBodies_.style.assignBodyNames();
    eventChart_.date = today();
    eventChart_.calendarMonth = eventChart_.date.month;
    eventChart_.calendarYear = eventChart_.date.year;
}

std::filesystem::path CZodiacDoc::dataFile(std::string_view name) const {
    return dataFolder_.empty() ? AppFolder::find(name) : AppFolder::findIn(dataFolder_, name);
}

std::filesystem::path CZodiacDoc::writableDataFile(std::string_view name) const {
    return dataFolder_.empty() ? AppFolder::writable(name) : dataFile(name);
}

Date CZodiacDoc::today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
}

void CZodiacDoc::readSettingsDefaults() {
    // A missing settings file leaves the built-in values silently; a damaged one is told of.
    for (const auto& read :
         {AspectRecords::read(dataFile(SettingsFile::kNatalAspects), natal_.aspects),
          AspectRecords::read(dataFile(SettingsFile::kTransitAspects), transitAspects_),
          PlanetRecords::read(dataFile(SettingsFile::kRadixPlanets), natal_.chart,
                              Bodies::kLastCusp),
          PlanetRecords::read(dataFile(SettingsFile::kTransitPlanets), transitBodies_,
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
    eventChart_.date = today();
    eventChart_.calendarMonth = eventChart_.date.month;
    eventChart_.calendarYear = eventChart_.date.year;
    eventChart_.computed = false;
    discardEventChart();
    markTextOutOfDate();
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
    markTextOutOfDate();
    // An event chart that was computed is built again for the new natal chart.
    if (eventChart_.computed) rebuildEventChart();
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
    markTextOutOfDate();
    // As after changed birth data: an event chart that was computed follows the new chart.
    if (eventChart_.computed) rebuildEventChart();
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
    transitBodies_[0].longitude = 0.0;
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

bool CZodiacDoc::rebuildEventChart() {
    discardEventChart();
    TransitRequest request;
    request.moscowDifference = eventChart_.moscowDifference;
    request.greenwichDifference = eventChart_.greenwichDifference;
    request.autoGreenwich = eventChart_.autoGreenwich != 0;
    request.precisionIndex = eventChart_.precisionIndex;
    request.natal = &natal_.chart;
    request.aspects = &transitAspects_;
    request.timeChanges = timeChanges_;
    request.start = eventChart_.date;
    request.end = eventChart_.date;
    TransitResults results;
    eventChart_.allocationFailed = ComputeTransits(request, results);
    eventChart_.situations = std::move(results.situations);
    eventChart_.orbTransits = std::move(results.orbTransits);
    eventChart_.dayCounter = results.dayCounter;
    if (!results.positionsMessage.empty()) MessageSink::report(results.positionsMessage);
    if (!results.skippedTimeChanges.empty()) {
        MessageSink::report(timeChanges_->skippedWarning(results.skippedTimeChanges));
    }
    eventChart_.computed = true;
    eventChart_.builtFor = eventChart_.date;
    MarkTransitSituations();
    return !results.positionsFailed;
}

bool CZodiacDoc::ensureEventChart() {
    if (eventChart_.builtFor && *eventChart_.builtFor == eventChart_.date) return false;
    rebuildEventChart();
    return true;
}

void CZodiacDoc::discardEventChart() {
    eventChart_.situations.clear();
    eventChart_.situations.shrink_to_fit();
    eventChart_.orbTransits.clear();
    eventChart_.orbTransits.shrink_to_fit();
    eventChart_.builtFor.reset();
}

void CZodiacDoc::MarkTransitSituations() {
    TransitMarking::mark(natal_.chart, transitAspects_, transitBodies_, eventChart_.situations,
                         eventChart_.orbTransits);
}

void CZodiacDoc::shiftEventChartDay(int days) {
    Date date = eventChart_.date;
    for (int i = 0; i < days; ++i) date = Calendar::nextDay(date);
    for (int i = 0; i > days; --i) date = Calendar::previousDay(date);
    if (Calendar::isBefore({31, 12, Calendar::kLastYear}, date))
        date = {31, 12, Calendar::kLastYear};
    if (Calendar::isBefore(date, {1, 1, Calendar::kFirstYear})) date = {1, 1, Calendar::kFirstYear};
    eventChart_.date = date;
    discardEventChart();
    updateAllViews(kHintEventChart);
}

bool CZodiacDoc::applyEventChartSettings(const EventChartSettings& settings) {
    if (settings == eventChart_.settings()) return false;
    eventChart_.setSettings(settings);
    eventChart_.builtFor.reset();
    updateAllViews(kHintEventChart);
    return true;
}

bool CZodiacDoc::refreshInterpretation() {
    if (!textOutOfDate_) return false;
    const TextLibrary library =
        dataFolder_.empty() ? TextLibrary() : TextLibrary(dataFile(TextLibrary::kFolderName));
    auto result = NatalInterpretation(library).build(natal_.birth, natal_.chart, natal_.aspects);
    interpretation_ = std::move(result.text);
    interpretationComplete_ = result.complete;
    if (!result.complete) MessageSink::report(result.message);
    textOutOfDate_ = false;
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
