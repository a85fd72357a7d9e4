#include "texts/FullReading.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "calc/Bodies.h"
#include "natal/ChartShape.h"
#include "natal/ChartSummary.h"
#include "texts/LineEnds.h"
#include "texts/ReadingAspects.h"
#include "texts/ReadingFormat.h"
#include "texts/ReadingOverview.h"
#include "texts/ReadingTexts.h"
#include "texts/ReadingWords.h"

namespace orvanta {
namespace {

constexpr int kManyOfAFamily = 3;

std::string_view signName(int sign) {
    return ReadingWords::signName(sign);
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
          words_(texts, chart),
          aspects_(texts, chart, aspects, summary_, words_) {}

    std::string run() {
        line(texts_.text("заголовок"));
        blank();
        writeData();
        heading("раздел: обзор");
        out_ += ReadingOverview(texts_, chart_, summary_, words_).text();
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
    bool shown(int object) const { return chart_.style[object].shown == 1; }

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

    std::string genitive(int sign) const { return words_.genitive(sign); }
    std::string position(int object) const { return words_.position(object); }
    std::string name(int object) const { return words_.nameOf(object); }
    std::string names(const std::vector<int>& objects) const { return words_.names(objects); }
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
    void writeThemes();
    void writeSunAndMoonTheme();
    void writeAscendantContrast();
    void writeAspectBalance();
    const AspectPattern* leadingPattern() const;
    void writeAngles();
    void writePlanets();
    void writeNodes();

    const ReadingTexts& texts_;
    const BirthData& birth_;
    const ChartData& chart_;
    ChartSummary summary_;
    ReadingWords words_;
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
    // A chart made from coordinates alone has no place name to put the coordinates beside.
    const std::string coordinates = ReadingFormat::coordinates(b.latitude, b.longitude);
    line(texts_.text("данные: место") + ": " +
         (b.place.empty() ? coordinates : b.place + " (" + coordinates + ")"));
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
    const ObjectPosition& o = chart_[object];
    std::string text = name(object) + ": " + position(object) + " " + genitive(o.sign);
    if (Bodies::isBody(object) && o.retrograde != 0) text += " R";
    if (Bodies::isBody(object)) text += houseLabel(object);
    line(text);
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

// The rising sign of another kind of element than the Sun's: the first impression and the
// inner self disagree, which is named and reconciled beside the first theme.
void Writer::writeAscendantContrast() {
    if (!summary_.hasHouses()) return;
    const int sunSign = chart_[Bodies::Sun].sign;
    const int risingSign = chart_[Bodies::Ascendant].sign;
    const int sun = ChartSummary::elementOf(sunSign);
    const int rising = ChartSummary::elementOf(risingSign);
    if (concordant(sun, rising)) return;
    paragraph(
        texts_.fill("противоречие: асцендент",
                    {{"солнце", genitive(sunSign)},
                     {"асцендент", genitive(risingSign)},
                     {"стихия солнца", texts_.text("стихия " + std::to_string(sun + 1))},
                     {"стихия асцендента", texts_.text("стихия " + std::to_string(rising + 1))}}));
}

void Writer::writeThemes() {
    writeSunAndMoonTheme();
    writeAscendantContrast();
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
        const ObjectPosition& o = chart_[planet];
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
    ReadingTexts texts;
    auto loaded = texts.load(library_);
    if (!loaded.loaded()) return {{}, false, std::move(loaded.messages.front())};
    return {Writer(texts, birth, chart, aspects).run(), true, {}};
}

std::string FullReading::forCodePage(const std::string& text) {
    std::string result = LineEnds::toCrLf(text);
    constexpr std::string_view kPrime = "′";
    for (auto at = result.find(kPrime); at != std::string::npos; at = result.find(kPrime, at)) {
        result.replace(at, kPrime.size(), "'");
    }
    return result;
}

}  // namespace orvanta
