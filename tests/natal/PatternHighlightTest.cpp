#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "natal/PatternHighlight.h"
#include "support/HandChart.h"

namespace orvanta {
namespace {

// A T-square (Mars 10, Saturn 190, Moon 100), a stellium in Taurus (Sun 48, Mercury 53, Venus 58:
// Sun and Venus are 10 apart, beyond the conjunction's orb of 8, so the stellium has two
// chords) and Jupiter at 160, sextile the Moon and in no pattern. Every other pair of these
// longitudes is no major aspect, worked by hand.
class PatternHighlightTest : public testing::Test {
  protected:
    void SetUp() override {
        chart_ = test::emptyHandChart();
        for (const auto& [body, longitude] : {std::pair{5, 10.0},
                                              {7, 190.0},
                                              {2, 100.0},
                                              {1, 48.0},
                                              {3, 53.0},
                                              {4, 58.0},
                                              {6, 160.0}})
            test::placeBody(chart_, body, longitude);
        aspects_ = test::majorAspects();
        layout_ = WheelLayout::compute(chart_, ZodiacOrientation{}, aspects_,
                                       WheelLayout::Frame::screen(0, 0, 1000, 1000));
        highlight_ = PatternHighlight::compute(layout_, AspectPatterns::find(chart_, aspects_),
                                               Point{10, 20});
    }

    // The wheel's own line for the chord of a pair.
    Line chordOf(int first, int second) const {
        for (const WheelLayout::Chord& chord : layout_.chords) {
            if (std::minmax(chord.pair.first, chord.pair.second) == std::minmax(first, second))
                return chord.line;
        }
        ADD_FAILURE() << "no chord " << first << "-" << second;
        return {};
    }

    ChartData chart_;
    NatalAspectTable aspects_{};
    WheelLayout layout_;
    PatternHighlight highlight_;
};

TEST_F(PatternHighlightTest, StrokesTheChordsBetweenBodiesOfEachPatternOnly) {
    ASSERT_EQ(layout_.chords.size(), 6u);  // five in patterns and Moon-Jupiter
    const std::vector<std::pair<PatternKind, Line>> expected = {
        {PatternKind::Stellium, chordOf(1, 3)}, {PatternKind::Stellium, chordOf(3, 4)},
        {PatternKind::TSquare, chordOf(5, 7)},  {PatternKind::TSquare, chordOf(2, 5)},
        {PatternKind::TSquare, chordOf(2, 7)},
    };
    ASSERT_EQ(highlight_.strokes.size(), expected.size());
    for (const auto& [kind, line] : expected) {
        EXPECT_TRUE(std::any_of(highlight_.strokes.begin(), highlight_.strokes.end(),
                                [&](const auto& s) { return s.kind == kind && s.line == line; }))
            << PatternHighlight::label(kind);
    }
}

TEST_F(PatternHighlightTest, LegendHasOneRowPerKindGoingDownFromTheOrigin) {
    // R0 = 500: rows of 500 / 18 = 27, swatches of 27 * 2 / 3 = 18, labels half a swatch on.
    EXPECT_EQ(highlight_.rowHeight, 27);
    ASSERT_EQ(highlight_.legend.size(), 2u);
    EXPECT_EQ(highlight_.legend[0].kind, PatternKind::Stellium);
    EXPECT_EQ(highlight_.legend[0].swatch, (Rect{10, 20, 28, 38}));
    EXPECT_EQ(highlight_.legend[0].text, (Point{37, 20}));
    EXPECT_EQ(highlight_.legend[1].kind, PatternKind::TSquare);
    EXPECT_EQ(highlight_.legend[1].swatch, (Rect{10, 47, 28, 65}));
    EXPECT_FALSE(highlight_.noneNote);
}

TEST(PatternHighlight, NoPatternsNoStrokesAndANoteInPlaceOfTheLegend) {
    ChartData chart = test::emptyHandChart();
    test::placeBody(chart, 1, 0.0);
    test::placeBody(chart, 2, 90.0);
    const WheelLayout layout =
        WheelLayout::compute(chart, ZodiacOrientation{}, test::majorAspects(),
                             WheelLayout::Frame::screen(0, 0, 100, 100));
    const PatternHighlight highlight = PatternHighlight::compute(layout, {}, Point{4, 6});
    EXPECT_TRUE(highlight.strokes.empty());
    EXPECT_TRUE(highlight.legend.empty());
    EXPECT_EQ(highlight.noneNote, (Point{4, 6}));
    EXPECT_EQ(highlight.lineWidth, 3);  // the floor: R0 = 50 would give 0
}

}  // namespace
}  // namespace orvanta
