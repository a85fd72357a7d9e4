#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "ScratchAppFolder.h"
#include "common/MessageSink.h"
#include "common/Windows1251.h"
#include "texts/NatalInterpretation.h"

// Every expected text below is written out by hand from the rules of the synthesis and the
// small library each test builds; none is taken from the program's output.

namespace orvanta {
namespace {

const std::string kLead =
    "      Черты характера,  о д н а   и з   г р а н е й  личности,\r\n"
    "      лучшие и худшие случаи ее проявления, которые формирует\r\n";

class NatalInterpretationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_ =
            MessageSink::install([this](std::string_view text) { messages_.emplace_back(text); });
        chart_.style.assignBodyNames();
        for (int i = 1; i <= 28; ++i) chart_.style[i].shown = 0;
        birth_.name = "Анна";
        std::tie(birth_.hour, birth_.minute, birth_.day, birth_.month, birth_.year) =
            std::tuple(14, 5, 3, 8, 1975);
        std::tie(birth_.gmtHour, birth_.gmtMinute, birth_.gmtDay, birth_.gmtMonth, birth_.gmtYear) =
            std::tuple(11, 5, 3, 8, 1975);
        writeLibrary();
    }
    void TearDown() override { MessageSink::install(previous_); }

    void library(std::string_view name, std::string_view utf8) const {
        folder_.write(std::filesystem::path("TXT_OR") / name, cp1251(utf8));
    }

    void writeLibrary() const {
        library("cup.txt", "ГОРОСКОП\r\n");
        library("midl1.txt", "Кратко:");
        library("SHORT.txt",
                "Краткие черты\r\nСолнце во Льве щедро\r\n#\r\n"
                "Луна в Стрельце свободолюбива\r\n#\r\n");
        library("midl12.txt", "\r\nДалее.\r\n");
        library("Pl_Zz.txt", "Черты\r\n#\r\nСолнце во Льве дарит щедрость.\r\n#\r\n");
        library("midl2.txt", "АСПЕКТЫ\r\n");
        library("ASP.txt",
                "Аспекты\r\n#\r\nСолнце во Льве, гордое\r\n#\r\nЛуна в Стрельце, вольная\r\n#\r\n"
                "1. Тригон.\r\nТак pl1 в согласии с pl2.\r\n#\r\n");
        library("END.txt", "КОНЕЦ\r\n");
    }

    void show(int body, double longitude) {
        chart_.style[body].shown = 1;
        chart_[body].setLongitude(longitude);
    }

    void includeAspect(int index, double angle, double orb) {
        aspects_[static_cast<std::size_t>(index)].angle = angle;
        aspects_[static_cast<std::size_t>(index)].orb = orb;
        aspects_[static_cast<std::size_t>(index)].included = 1;
    }

    NatalInterpretation::Result build() const {
        const TextLibrary library(folder_.path() / "TXT_OR");
        return NatalInterpretation(library).build(birth_, chart_, aspects_);
    }

    // The text between the end of one marker and the start of the next.
    static std::string between(const std::string& text, const std::string& after,
                               const std::string& before) {
        const auto start = text.find(after);
        if (start == std::string::npos) return "<missing start>";
        const auto end = text.find(before, start + after.size());
        if (end == std::string::npos) return "<missing end>";
        return text.substr(start + after.size(), end - start - after.size());
    }

    ScratchAppFolder folder_;
    std::vector<std::string> messages_;
    BirthData birth_;
    ChartData chart_;
    NatalAspectTable aspects_{};

  private:
    MessageSink::Handler previous_;
};

TEST_F(NatalInterpretationTest, WholeTextOfTwoBodiesInATrine) {
    show(1, 127.5);                 // Sun at 7.5° Leo: "07.50"
    show(2, 269.996);               // Moon at 29.996° Sagittarius: 99.6 hundredths make "30.00"
    includeAspect(0, 120.0, 25.0);  // 142.496° apart
    // Cusps take no part in the text, whether the chart has houses or not.
    show(17, 10.0);
    includeAspect(1, 90.0, 8.0);

    const std::string expected =
        "ГОРОСКОП\r\n"
        "\r\n\r\n\r\n"
        "Имя: Анна\r\n"
        "Время рождения:\r\n"
        "  местное: 14час 5мин  3.8.1975\r\n"
        "  по Гринвичу: 11час 5мин  3.8.1975\r\n\r\n"
        " \r\nПОЛОЖЕНИЕ ПЛАНЕТ НА МОМЕНТ РОЖДЕНИЯ\r\n\r\n"
        "\tСолнце ... 07.50 град. Льва\r\n"
        "\tЛуна ... 30.00 град. Стрельца\r\n"
        "\r\n"
        "\r\n\r\n\r\n"
        "Кратко:"
        "\r\nСолнце во Льве щедро;"
        "\r\nЛуна в Стрельце свободолюбива.\r\n"
        "\r\nДалее.\r\n"
        "\r\n\r\n                  ПЛАНЕТАРНЫЕ ЧЕРТЫ ХАРАКТЕРА\r\n"
        "\r\n                      л и ч н о с т н ы е\r\n"
        "\r\n" +
        kLead +
        "Солнце во Льве дарит щедрость.\r\r\n"
        "\r\n" +
        kLead +
        "Луна в Стрельце\t........... (описание отсутствует)\r\n"
        "\r\nАСПЕКТЫ\r\n"
        "\r\nСолнце во Льве, гордое, и Луна в Стрельце, вольная, "
        "Так Солнце во Льве в согласии с Луна в Стрельце.\r\n"
        "\r\n\r\n                           *  *  *  *  *\r\n\r\n\r\n"
        "КОНЕЦ\r\n";

    for (int housesUnavailable : {0, 1}) {
        chart_.housesUnavailable = housesUnavailable;
        const auto result = build();
        EXPECT_TRUE(result.complete);
        EXPECT_EQ(Windows1251::fromUtf8(result.text), cp1251(expected)) << housesUnavailable;
    }
    EXPECT_TRUE(messages_.empty());
}

TEST_F(NatalInterpretationTest, CyrillicAtTheCutsAndAtTheRemovedLastCharacter) {
    // The entry has no line end before its "#": cut 2 takes its last two letters. With no
    // clause found, the last character removed is the last letter of the introduction.
    library("SHORT.txt", "Краткие черты\r\nСолнце во Льве щедро#\r\n");
    library("midl1.txt", "Введение");
    library("Pl_Zz.txt", "Черты\r\n#\r\nСолнце во Льве добро#\r\n");
    show(1, 130.0);
    std::string text = build().text;
    EXPECT_NE(text.find("\r\n\r\n\r\nВведение\r\nСолнце во Льве щед.\r\n\r\nДалее.\r\n"),
              std::string::npos);
    EXPECT_NE(text.find(kLead + "Солнце во Льве добр\r\n"), std::string::npos);

    chart_.style[1].shown = 0;
    text = build().text;
    EXPECT_NE(text.find("\r\n\r\n\r\nВведени.\r\n\r\nДалее.\r\n"), std::string::npos);
}

TEST_F(NatalInterpretationTest, AspectTitlesCountEachKindAndMarkersBecomeKeys) {
    // Four oppositions (found in the order Sun-Moon, Sun-Venus, Moon-Mercury, Mercury-Venus),
    // one 150° aspect that writes nothing, and a conjunction left out by its include flag.
    show(1, 0.0);
    show(2, 180.0);
    show(3, 0.5);
    show(4, 180.5);
    show(5, 150.0);
    includeAspect(0, 180.0, 2.0);
    includeAspect(1, 150.0, 2.0);
    aspects_[2].angle = 0.0;
    aspects_[2].orb = 2.0;
    library("ASP.txt",
            "Аспекты\r\n#\r\nСолнце в Овне, смелое\r\n#\r\n"
            "1. Оппозиция.\r\nпервая: pl1 против pl2\r\n#\r\n"
            "2. Оппозиция.\r\npl1 вторая, pl1 и pl2\r\n#\r\n"
            "3. Оппозиция.\r\nтретья pl2pl1\r\n#\r\n");

    const std::string aspects =
        "\r\nСолнце в Овне, смелое, первая: Солнце в Овне против Луна в Весах\r\n"
        "\r\nСолнце в Овне, смелое, pl1 вторая, Солнце в Овне и Венера в Весах\r\n"
        " третья Меркурий в ОвнеЛуна в Весах\r\n"
        " третья Венера в ВесахМеркурий в Овне\r\n";
    const auto result = build();
    EXPECT_TRUE(result.complete);
    EXPECT_EQ(between(result.text, "АСПЕКТЫ\r\n", "\r\n\r\n      "), aspects);
}

TEST_F(NatalInterpretationTest, TraitsHeadingsNodesAndTheJointParagraph) {
    library("SHORT.txt", "Краткие черты\r\nН.Узел в Раке привязан к дому\r\n#\r\n");
    library("Pl_Zz.txt",
            "Черты\r\n#\r\n"
            "Уран в Тельце упрям\r\n#\r\n"
            "В.Узел (Раху) в Козероге ведёт к цели\r\n#\r\n"
            "Н.Узел в Раке нет абзаца\r\n#\r\n"
            "Селена в Деве светла\r\n#\r\n"
            "Селена и Лилит рядом\r\n#\r\n");
    show(9, 40.0);                   // Uranus in Taurus
    show(13, 280.0);                 // north node in Capricorn
    show(14, 100.0);                 // south node in Cancer: a clause, no paragraph
    show(15, 160.0);                 // Selena in Virgo
    chart_[16].setLongitude(170.0);  // Lilith hidden, also in Virgo

    const std::string traits = "\r\n                         к о л л е к т и в н ы е\r\n\r\n" +
                               kLead +
                               "Уран в Тельце упрям\r\r\n"
                               "\r\n                        к а р м и ч е с к и е\r\n\r\n" +
                               kLead +
                               "В.Узел (Раху) в Козероге ведёт к цели\r\r\n"
                               "\r\n" +
                               kLead +
                               "Селена в Деве светла\r\r\n"
                               "\r\nСелена и Лилит рядом\r\r\n";
    const auto text = build().text;
    EXPECT_EQ(between(text, "л и ч н о с т н ы е\r\n", "\r\nАСПЕКТЫ"), traits);
    EXPECT_EQ(between(text, "Кратко:", "\r\nДалее"), "\r\nН.Узел в Раке привязан к дому.\r\n");

    // Apart, the two points get no joint paragraph.
    chart_[16].setLongitude(200.0);
    EXPECT_EQ(build().text.find("Селена и Лилит"), std::string::npos);
}

TEST_F(NatalInterpretationTest, MissingFilesAreNamedAndNeverPassForAWholeText) {
    show(1, 130.0);
    struct Case {
        const char* file;
        const char* message;
        const char* endsWith;  // empty: no text at all
    };
    const Case cases[] = {
        {"SHORT.txt", "Не найден файл 'SHORT.txt'. Текст интерпретации не построен.", ""},
        {"Pl_Zz.txt", "Не найден файл 'Pl_Zz.txt'. Текст интерпретации не построен.", ""},
        {"ASP.txt", "Не найден файл 'ASP.txt'. Текст интерпретации не построен.", ""},
        {"cup.txt", "Не найден файл 'cup.txt'", ""},
        {"midl2.txt", "Не найден файл 'midl2.txt'", "дарит щедрость.\r\r\n\r\n"},
        {"END.txt", "Не найден файл 'END.txt'", "*  *  *  *  *\r\n\r\n\r\n"},
    };
    for (const Case& c : cases) {
        writeLibrary();
        std::filesystem::remove(folder_.path() / "TXT_OR" / c.file);
        const auto result = build();
        EXPECT_FALSE(result.complete) << c.file;
        EXPECT_EQ(result.message, c.message);
        EXPECT_TRUE(messages_.empty()) << c.file;
        const std::string end = c.endsWith;
        if (end.empty()) {
            EXPECT_EQ(result.text, "") << c.file;
        } else {
            ASSERT_GE(result.text.size(), end.size()) << c.file;
            EXPECT_EQ(result.text.substr(result.text.size() - end.size()), end) << c.file;
        }
    }
}

}  // namespace
}  // namespace orvanta
