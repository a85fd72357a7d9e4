#include <gtest/gtest.h>

#include "common/AppFolder.h"
#include "common/AtomicFile.h"
#include "common/Windows1251.h"
#include "doc/CZodiacDoc.h"
#include "texts/TextKeys.h"

namespace orvanta {
namespace {

std::string deliveredText(std::string_view name) {
    const auto bytes = AtomicFile::read(AppFolder::find("TXT_OR/" + std::string(name)));
    if (!bytes) return "<missing " + std::string(name) + ">";
    return Windows1251::toUtf8(std::string(bytes->begin(), bytes->end()));
}

bool startsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The delivered library, whatever its prose, gives the sample chart a whole interpretation:
// an entry for every shown body, no marker left over, opening and closing in place.
TEST(Interpretation, DeliveredLibraryWritesTheWholeTextOfTheSampleChart) {
    CZodiacDoc doc;
    ASSERT_TRUE(doc.open(ORVANTA_SAMPLE_MAP).loaded());
    ASSERT_TRUE(doc.interpretation().isOutOfDate());
    ASSERT_TRUE(doc.refreshInterpretation());
    EXPECT_FALSE(doc.interpretation().isOutOfDate());
    EXPECT_TRUE(doc.interpretation().isComplete());
    const std::string text = doc.interpretation().text();

    EXPECT_TRUE(startsWith(text, deliveredText("cup.txt") + "\r\n\r\n\r\nИмя: "));
    EXPECT_TRUE(endsWith(text, "*  *  *  *  *\r\n\r\n\r\n" + deliveredText("END.txt")));
    EXPECT_EQ(text.find("(описание отсутствует)"), std::string::npos);
    EXPECT_EQ(text.find("pl1"), std::string::npos);
    EXPECT_EQ(text.find("pl2"), std::string::npos);
    int paragraphs = 0;
    for (int body = 1; body <= 16; ++body) {
        const ObjectStyle& o = doc.natal().chart.style[body];
        if (o.shown == 0 || body == 14) continue;
        ++paragraphs;
        const int sign = doc.natal().chart[body].sign;
        EXPECT_NE(text.find("которые формирует\r\n" + TextKeys::traitsKey(o.name, sign)),
                  std::string::npos)
            << o.name;
    }
    EXPECT_GT(paragraphs, 10);
    // Aspect lines open with the clauses of both bodies.
    EXPECT_NE(text.find(", и "), std::string::npos);

    // Written once; only a change that marks it out of date writes it again.
    EXPECT_FALSE(doc.refreshInterpretation());
    EXPECT_EQ(doc.interpretation().text(), text);
    ASSERT_TRUE(doc.open(ORVANTA_SAMPLE_MAP).loaded());
    EXPECT_TRUE(doc.interpretation().isOutOfDate());
}

}  // namespace
}  // namespace orvanta
