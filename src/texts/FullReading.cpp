#include "texts/FullReading.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "calc/Bodies.h"
#include "natal/ChartShape.h"
#include "natal/ChartSummary.h"
#include "texts/ReadingAspects.h"
#include "texts/ReadingFormat.h"
#include "texts/ReadingTexts.h"

namespace orvanta {
namespace {

constexpr std::array<std::string_view, 12> kSigns = {
    "Овен", "Телец",    "Близнецы", "Рак",     "Лев",     "Дева",
    "Весы", "Скорпион", "Стрелец",  "Козерог", "Водолей", "Рыбы",
};

constexpr int kStrongElement = 4;  // of ten planets
constexpr int kStrongMode = 5;
constexpr int kWeak = 1;
constexpr int kManyAspects = 4;  // a planet in this many aspects counts them as a reason
constexpr double kOnAngle = 8.0;
constexpr int kManyOfAFamily = 3;

std::string_view signName(int sign) {
    if (sign < 1 || sign > 12) return {};
    return kSigns[static_cast<std::size_t>(sign - 1)];
}

double separation(double a, double b) {
    double arc = std::fmod(std::fabs(a - b), 360.0);
    return arc > 180.0 ? 360.0 - arc : arc;
}

// Whether two elements (0 fire, 1 earth, 2 air, 3 water) are of the same kind: fire and air
// are active, earth and water receptive.
bool concordant(int a, int b) {
    return a % 2 == b % 2;
}

class Writer {
  public:
    Writer(const ReadingTexts& texts, const BirthData& birth, const ChartData& chart,
           const NatalAspectTable& aspects)
        : texts_(texts),
          birth_(birth),
          chart_(chart),
          summary_(chart, aspects),
          aspects_(texts, chart, aspects, summary_) {}

    std::string run() {
        line(texts_.text("заголовок"));
        blank();
        writeData();
        heading("раздел: обзор");
        writeOverview();
        heading("раздел: темы");
        writeThemes();
        heading("раздел: углы");
        writeAngles();
        heading("раздел: планеты");
        writePlanets();
        if (shown(Bodies::NorthNode) && shown(Bodies::SouthNode)) {
            heading("раздел: узлы");
            writeNodes();
        }
        heading("раздел: аспекты");
        out_ += aspects_.section();
        return std::move(out_);
    }

  private:
    bool shown(int object) const { return chart_[object].shown == 1; }

    void line(std::string_view text) { out_ += std::string(text) + "\n"; }
    void blank() { out_ += "\n"; }
    void heading(std::string_view key) {
        blank();
        line(texts_.text(key));
        blank();
    }
    void paragraph(const std::string& text) {
        if (text.empty()) return;
        out_ += ReadingFormat::wrapped(text);
        blank();
    }

    std::string genitive(int sign) const {
        return texts_.text(std::string(signName(sign)) + ": род.");
    }
    std::string position(int object) const {
        const ChartObject& o = chart_[object];
        return ReadingFormat::degrees(o.degreeInSign, o.minutes);
    }
    std::string name(int object) const { return aspects_.nameOf(object); }
    std::string names(const std::vector<int>& objects) const {
        std::vector<std::string> list;
        for (int object : objects) list.push_back(name(object));
        return ReadingFormat::list(list);
    }
    // The sign's manners take turns, so two planets in one sign read differently.
    std::string manner(int sign) {
        const int variant = signUses_[static_cast<std::size_t>(sign - 1)]++ % 3 + 1;
        return texts_.text(std::string(signName(sign)) + ": манера " + std::to_string(variant));
    }
    std::string houseLabel(int object) const {
        const int house = summary_.houseOf(object);
        return house == 0 ? "" : ", " + texts_.text("данные: дом") + " " + std::to_string(house);
    }

    void writeData();
    void writePositionLine(int object);
    void writeOverview();
    void writeBalance();
    bool balanceNote(const std::string& key, const std::vector<int>& planets, int strong);
    void writeDominants();
    std::vector<std::string> reasonsOf(int planet) const;
    void writeShape();
    std::pair<int, int> occupiedArc(std::vector<int> planets) const;
    void writePatterns();
    std::string patternText(const AspectPattern& pattern) const;
    void writeRetrogrades();
    void writeThemes();
    void writeSunAndMoonTheme();
    void writeAspectBalance();
    const AspectPattern* leadingPattern() const;
    void writeAngles();
    void writePlanets();
    void writeNodes();

    const ReadingTexts& texts_;
    const BirthData& birth_;
    const ChartData& chart_;
    ChartSummary summary_;
    ReadingAspects aspects_;
    std::array<int, 12> signUses_{};
    int theme_ = 0;
    std::string out_;
};

void Writer::writeData() {
    const BirthData& b = birth_;
    line(texts_.text("раздел: данные"));
    blank();
    line(texts_.text("данные: имя") + ": " + b.name);
    line(texts_.text("данные: местное время") + ": " + ReadingFormat::clock(b.hour, b.minute) +
         ", " + ReadingFormat::date(b.day, b.month, b.year));
    line(texts_.text("данные: гринвич") + ": " + ReadingFormat::clock(b.gmtHour, b.gmtMinute) +
         ", " + ReadingFormat::date(b.gmtDay, b.gmtMonth, b.gmtYear));
    line(texts_.text("данные: место") + ": " + b.place + " (" +
         ReadingFormat::coordinates(b.latitude, b.longitude) + ")");
    line(texts_.text("данные: пояс") + ": " + ReadingFormat::zone(b.diffGreenwich));
    line(texts_.text("данные: дома") + ": " +
         (summary_.hasHouses() ? b.houseSystemName : texts_.text("данные: без домов")));
    blank();
    for (int body = 1; body <= Bodies::kBodyCount; ++body) {
        if (shown(body)) writePositionLine(body);
    }
    if (summary_.hasHouses()) {
        writePositionLine(Bodies::Ascendant);
        writePositionLine(ChartSummary::kMidheaven);
    }
}

// "Меркурий: 2°11′ Стрельца R, дом 9"
void Writer::writePositionLine(int object) {
    const ChartObject& o = chart_[object];
    std::string text = name(object) + ": " + position(object) + " " + genitive(o.sign);
    if (Bodies::isBody(object) && o.retrograde != 0) text += " R";
    if (Bodies::isBody(object)) text += houseLabel(object);
    line(text);
}

void Writer::writeOverview() {
    writeBalance();
    writeDominants();
    writeShape();
    writePatterns();
    writeRetrogrades();
}

void Writer::writeBalance() {
    std::string counts;
    for (int e = 0; e < ChartSummary::kElementCount; ++e) {
        const auto& planets = summary_.elements()[static_cast<std::size_t>(e)];
        counts += (e == 0 ? "" : ", ") + texts_.text("стихия " + std::to_string(e + 1)) + " — " +
                  std::to_string(planets.size()) +
                  (planets.empty() ? "" : " (" + names(planets) + ")");
    }
    paragraph(ReadingFormat::capitalized(counts) + ".");
    bool uneven = false;
    for (int e = 0; e < ChartSummary::kElementCount; ++e) {
        uneven = balanceNote("стихия " + std::to_string(e + 1),
                             summary_.elements()[static_cast<std::size_t>(e)], kStrongElement) ||
                 uneven;
    }
    if (!uneven) paragraph(texts_.text("стихии: ровно"));

    counts.clear();
    for (int m = 0; m < ChartSummary::kModeCount; ++m) {
        const auto& planets = summary_.modes()[static_cast<std::size_t>(m)];
        counts += (m == 0 ? "" : ", ") + texts_.text("крест " + std::to_string(m + 1)) + " — " +
                  std::to_string(planets.size()) +
                  (planets.empty() ? "" : " (" + names(planets) + ")");
    }
    paragraph(ReadingFormat::capitalized(counts) + ".");
    for (int m = 0; m < ChartSummary::kModeCount; ++m) {
        balanceNote("крест " + std::to_string(m + 1), summary_.modes()[static_cast<std::size_t>(m)],
                    kStrongMode);
    }
}

// The note on an element or a mode that holds many planets or hardly any; false when it
// holds neither.
bool Writer::balanceNote(const std::string& key, const std::vector<int>& planets, int strong) {
    const int size = static_cast<int>(planets.size());
    const std::string named = planets.empty() ? texts_.text("ни одной планеты") : names(planets);
    if (size >= strong) paragraph(texts_.fill(key + ": много", {{"список", named}}));
    if (size <= kWeak) paragraph(texts_.fill(key + ": мало", {{"число", named}}));
    return size >= strong || size <= kWeak;
}

std::vector<std::string> Writer::reasonsOf(int planet) const {
    std::vector<std::string> reasons;
    bool onAngle = false;
    if (summary_.hasHouses()) {
        for (int house : {1, 4, 7, 10}) {
            onAngle =
                onAngle || separation(chart_[planet].longitude,
                                      chart_[Bodies::cuspOfHouse(house)].longitude) < kOnAngle;
        }
        const int house = summary_.houseOf(planet);
        if (onAngle)
            reasons.push_back(texts_.text("причина: угол"));
        else if (house % 3 == 1)
            reasons.push_back(texts_.text("причина: дом"));
        if (ChartSummary::rulerOf(chart_[Bodies::Ascendant].sign) == planet)
            reasons.push_back(texts_.text("причина: управитель асцендента"));
    }
    if (ChartSummary::rulerOf(chart_[planet].sign) == planet)
        reasons.push_back(texts_.text("причина: свой знак"));
    if (planet != Bodies::Sun && ChartSummary::rulerOf(chart_[Bodies::Sun].sign) == planet)
        reasons.push_back(texts_.text("причина: управитель солнца"));
    int aspects = 0;
    for (const auto& aspect : summary_.aspects()) {
        if (aspect.first == planet || aspect.second == planet) ++aspects;
    }
    if (aspects >= kManyAspects) reasons.push_back(texts_.text("причина: аспекты"));
    return reasons;
}

void Writer::writeDominants() {
    std::vector<std::string> described;
    for (int planet : summary_.dominants()) {
        const auto reasons = reasonsOf(planet);
        described.push_back(name(planet) +
                            (reasons.empty() ? "" : " (" + ReadingFormat::list(reasons) + ")"));
    }
    if (!described.empty())
        paragraph(texts_.fill("доминанты", {{"список", ReadingFormat::list(described)}}));
}

void Writer::writeShape() {
    std::vector<double> longitudes;
    std::vector<int> planets;
    for (int planet : ChartSummary::kPlanets) {
        if (!shown(planet)) continue;
        longitudes.push_back(chart_[planet].longitude);
        planets.push_back(planet);
    }
    const auto kind = summary_.shape();
    std::string handle;
    if (const auto index = ChartShape::handleOf(longitudes);
        kind == ChartShape::Kind::Bucket && index)
        handle = name(planets[*index]);
    const auto [first, last] = occupiedArc(planets);
    paragraph(texts_.fill("форма " + std::string(ChartShape::name(kind)),
                          {{"ручка", handle},
                           {"от", position(first) + " " + genitive(chart_[first].sign)},
                           {"до", position(last) + " " + genitive(chart_[last].sign)}}));
}

// The planets at either end of the filled part of the wheel, going forward: the one after the
// widest empty arc and the one before it.
std::pair<int, int> Writer::occupiedArc(std::vector<int> planets) const {
    std::sort(planets.begin(), planets.end(),
              [&](int a, int b) { return chart_[a].longitude < chart_[b].longitude; });
    std::pair<int, int> ends{planets.front(), planets.back()};
    double widest = -1.0;
    for (std::size_t i = 0; i < planets.size(); ++i) {
        const int before = planets[i];
        const int after = planets[(i + 1) % planets.size()];
        double gap = std::fmod(chart_[after].longitude - chart_[before].longitude + 360.0, 360.0);
        if (planets.size() == 1) gap = 360.0;
        if (gap > widest) {
            widest = gap;
            ends = {after, before};
        }
    }
    return ends;
}

std::string Writer::patternText(const AspectPattern& pattern) const {
    const auto& bodies = pattern.bodies;
    const std::vector<int> base(bodies.begin(), bodies.end() - 1);
    std::string where;
    if (pattern.kind == PatternKind::Stellium) {
        const int sign = chart_[bodies.front()].sign;
        const bool oneSign = std::all_of(bodies.begin(), bodies.end(),
                                         [&](int b) { return chart_[b].sign == sign; });
        where = oneSign ? "в знаке " + genitive(sign)
                        : "в " +
                              texts_.text("дом " + std::to_string(summary_.houseOf(bodies[0])) +
                                          ": номер") +
                              " доме";
    }
    return texts_.fill("конфигурация " + std::string(AspectPatterns::name(pattern.kind)),
                       {{"список", names(bodies)},
                        {"основание", names(base)},
                        {"вершина", name(bodies.back())},
                        {"где", where}});
}

void Writer::writePatterns() {
    if (summary_.patterns().empty()) {
        paragraph(texts_.text("конфигурации: нет"));
        return;
    }
    for (const auto& pattern : summary_.patterns()) paragraph(patternText(pattern));
}

void Writer::writeRetrogrades() {
    const auto& planets = summary_.retrogrades();
    if (planets.empty()) {
        paragraph(texts_.text("ретро: нет"));
        return;
    }
    std::string text = texts_.fill("ретро: список", {{"список", names(planets)}});
    std::vector<int> outer;
    for (int planet : planets) {
        if (planet >= Bodies::Uranus)
            outer.push_back(planet);
        else
            text += " " + texts_.text(name(planet) + ": ретро");
    }
    if (!outer.empty())
        text += " " + ReadingFormat::capitalized(
                          texts_.fill(outer.size() == 1 ? "ретро: высшая" : "ретро: высшие",
                                      {{"список", names(outer)}}));
    paragraph(text);
}

void Writer::writeSunAndMoonTheme() {
    const int sunSign = chart_[Bodies::Sun].sign;
    const int moonSign = chart_[Bodies::Moon].sign;
    const int sun = ChartSummary::elementOf(sunSign);
    const int moon = ChartSummary::elementOf(moonSign);
    const std::string key = sun == moon             ? "тема: одна стихия"
                            : concordant(sun, moon) ? "тема: созвучные стихии"
                                                    : "тема: разные стихии";
    const std::string sunElement = texts_.text("стихия " + std::to_string(sun + 1));
    const std::string moonElement = texts_.text("стихия " + std::to_string(moon + 1));
    paragraph(std::to_string(++theme_) + ") " +
              texts_.fill(key, {{"солнце", genitive(sunSign)},
                                {"луна", genitive(moonSign)},
                                {"стихия", sunElement},
                                {"стихия солнца", sunElement},
                                {"стихия луны", moonElement}}));
}

void Writer::writeThemes() {
    writeSunAndMoonTheme();
    if (!summary_.dominants().empty()) {
        const int planet = summary_.dominants().front();
        paragraph(std::to_string(++theme_) + ") " +
                  texts_.fill("тема: доминанта", {{"П", name(planet)},
                                                  {"тема", texts_.text(name(planet) + ": тема")}}));
    }
    if (!summary_.aspects().empty()) {
        const RankedAspect& top = summary_.aspects().front();
        paragraph(std::to_string(++theme_) + ") " +
                  texts_.fill("тема: сильнейший аспект",
                              {{"A", name(top.first)},
                               {"B", name(top.second)},
                               {"аспект", aspects_.aspectName(top)},
                               {"орб", ReadingFormat::arc(top.orb)},
                               {"тема", aspects_.pairTheme(top.first, top.second)}}));
    }
    if (const AspectPattern* pattern = leadingPattern()) {
        const std::string kind(AspectPatterns::name(pattern->kind));
        paragraph(
            std::to_string(++theme_) + ") " +
            ReadingFormat::capitalized(texts_.fill(
                "тема: конфигурация", {{"список", names(pattern->bodies)},
                                       {"имя", texts_.text("конфигурация " + kind + ": имя")}})));
    }
    writeAspectBalance();
}

// The pattern a theme is drawn from: a figure of aspects before a stellium.
const AspectPattern* Writer::leadingPattern() const {
    const auto& patterns = summary_.patterns();
    for (const auto& pattern : patterns) {
        if (pattern.kind != PatternKind::Stellium) return &pattern;
    }
    return patterns.empty() ? nullptr : &patterns.front();
}

void Writer::writeAspectBalance() {
    const int tense = aspects_.count(ReadingAspects::Family::Tense);
    const int soft = aspects_.count(ReadingAspects::Family::Harmonious);
    const std::string tenseText = std::to_string(tense);
    const std::string softText = std::to_string(soft);
    std::string key;
    if (tense >= soft + kManyOfAFamily)
        key = "перевес: напряжение";
    else if (soft >= tense + kManyOfAFamily)
        key = "перевес: гармония";
    else if (tense >= kManyOfAFamily && soft >= kManyOfAFamily)
        key = "противоречие: напряжение и гармония";
    if (!key.empty())
        paragraph(texts_.fill(key, {{"напряжённых", tenseText}, {"гармоничных", softText}}));
}

void Writer::writeAngles() {
    if (!summary_.hasHouses()) {
        paragraph(texts_.text("нет домов"));
        return;
    }
    for (auto [object, key] : {std::pair<int, std::string_view>{Bodies::Ascendant, "Асцендент"},
                               std::pair<int, std::string_view>{ChartSummary::kMidheaven, "MC"}}) {
        const int sign = chart_[object].sign;
        paragraph(texts_.fill(
            key,
            {{"знак", genitive(sign)}, {"позиция", position(object)}, {"манера", manner(sign)}}));
    }
}

void Writer::writePlanets() {
    std::vector<int> planets(ChartSummary::kPlanets.begin(), ChartSummary::kPlanets.end());
    planets.insert(planets.begin() + 7, Bodies::Chiron);
    for (int planet : planets) {
        if (!shown(planet)) continue;
        const ChartObject& o = chart_[planet];
        const std::string retro =
            (o.retrograde != 0 && planet > Bodies::Moon) ? ", ретроградно" : "";
        std::string text = texts_.text(name(planet) + ": эпитет") + ", стоит в знаке " +
                           genitive(o.sign) + " (" + position(planet) + retro + "). " +
                           ReadingFormat::capitalized(texts_.text(name(planet) + ": суть")) + " " +
                           manner(o.sign) + ".";
        if (const int house = summary_.houseOf(planet); house != 0) {
            text +=
                " " + texts_.fill(name(planet) + ": дом",
                                  {{"П", name(planet)},
                                   {"дом", texts_.text("дом " + std::to_string(house) + ": номер")},
                                   {"сфера", texts_.text("дом " + std::to_string(house))}});
        }
        paragraph(text);
    }
}

void Writer::writeNodes() {
    const int north = chart_[Bodies::NorthNode].sign;
    const int south = chart_[Bodies::SouthNode].sign;
    std::string text =
        texts_.fill("узлы", {{"южный", genitive(south)},
                             {"позиция южного", position(Bodies::SouthNode)},
                             {"северный", genitive(north)},
                             {"позиция северного", position(Bodies::NorthNode)},
                             {"рост", texts_.text(std::string(signName(north)) + ": рост")}});
    const int northHouse = summary_.houseOf(Bodies::NorthNode);
    const int southHouse = summary_.houseOf(Bodies::SouthNode);
    if (northHouse != 0 && southHouse != 0) {
        text += " " + texts_.fill(
                          "узлы: дома",
                          {{"сфера южного", texts_.text("дом " + std::to_string(southHouse))},
                           {"сфера северного", texts_.text("дом " + std::to_string(northHouse))}});
    }
    paragraph(text);
}

}  // namespace

FullReading::FullReading(const TextLibrary& library) : library_(library) {}

FullReading::Result FullReading::build(const BirthData& birth, const ChartData& chart,
                                       const NatalAspectTable& aspects) const {
    const auto texts = ReadingTexts::load(library_);
    if (!texts) return {};
    return {Writer(*texts, birth, chart, aspects).run(), true};
}

}  // namespace orvanta
