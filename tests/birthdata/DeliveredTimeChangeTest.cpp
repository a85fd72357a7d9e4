// The delivered Timechg.tch against the published history of Moscow time. The dates and hours
// come from the decrees that made the changes; the differences are Moscow time minus Greenwich
// time in whole hours.
#include <gtest/gtest.h>

#include "birthdata/TimeChangeBase.h"
#include "common/AppFolder.h"

namespace orvanta {
namespace {

class DeliveredTimeChangeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(base.load(AppFolder::find(TimeChangeBase::kFileName)), LoadStatus::Loaded)
            << base.lastError();
    }
    int differenceAt(int day, int month, int year, int hour) const {
        const auto found = base.lookup(day, month, year, hour, 0);
        return found ? found->difference : -1;
    }
    TimeChangeBase base;
};

TEST_F(DeliveredTimeChangeTest, EveryRecordIsValidAndInOrder) {
    ASSERT_GT(base.size(), 70);
    for (int i = 0; i < base.size(); ++i) {
        const TimeChange& c = base.records()[static_cast<std::size_t>(i)];
        EXPECT_TRUE(c.isValid()) << c.text();
        EXPECT_EQ(c.minute, 0);
        EXPECT_EQ(c.second, 0);
        EXPECT_GE(c.difference, 2);
        EXPECT_LE(c.difference, 5);
        if (i > 0) {
            EXPECT_TRUE(TimeChange::isEarlier(base.records()[i - 1], c)) << c.text();
        }
    }
    // From the first day the program knows: Moscow mean time, 2:30:17 ahead, rounded to 3.
    EXPECT_EQ(base.records()[0].text(), "1.1.1860, 0:00");
    EXPECT_EQ(differenceAt(1, 1, 1860, 0), 3);
}

TEST_F(DeliveredTimeChangeTest, DecreeTimeFrom21June1930) {
    // Decree time (standard time plus one hour) from 21 June 1930: +2 became +3.
    EXPECT_EQ(differenceAt(20, 6, 1930, 12), 2);
    EXPECT_EQ(differenceAt(21, 6, 1930, 12), 3);
    EXPECT_EQ(differenceAt(1, 1, 1960, 12), 3);
}

TEST_F(DeliveredTimeChangeTest, SummerTimeFrom1April1981) {
    // USSR Council of Ministers decree No. 864 of 24 September 1980: summer time from 0:00 on
    // 1 April 1981 to 0:00 on 1 October 1981.
    EXPECT_EQ(differenceAt(31, 3, 1981, 23), 3);
    EXPECT_EQ(differenceAt(1, 4, 1981, 1), 4);
    EXPECT_EQ(differenceAt(15, 7, 1981, 12), 4);
    EXPECT_EQ(differenceAt(30, 9, 1981, 22), 4);
    EXPECT_EQ(differenceAt(1, 10, 1981, 1), 3);
}

TEST_F(DeliveredTimeChangeTest, ChangesOf1991And1992) {
    // Cabinet of Ministers decree No. 20 of 4 February 1991: decree time ended on 31 March
    // 1991 while the clocks stayed as they were (+2 with summer time, still +3),
    // and at 3:00 on 29 September 1991 the clocks went back to +2.
    EXPECT_EQ(differenceAt(30, 3, 1991, 12), 3);
    EXPECT_EQ(differenceAt(15, 6, 1991, 12), 3);
    EXPECT_EQ(differenceAt(29, 9, 1991, 2), 3);
    EXPECT_EQ(differenceAt(29, 9, 1991, 4), 2);
    EXPECT_EQ(differenceAt(1, 12, 1991, 12), 2);
    // Government decree No. 23 of 8 January 1992: decree time again from 2:00 on 19 January
    // 1992 (+3), then summer time from 29 March (+4) to 27 September 1992 (+3).
    EXPECT_EQ(differenceAt(19, 1, 1992, 1), 2);
    EXPECT_EQ(differenceAt(19, 1, 1992, 3), 3);
    EXPECT_EQ(differenceAt(29, 3, 1992, 1), 3);
    EXPECT_EQ(differenceAt(29, 3, 1992, 3), 4);
    EXPECT_EQ(differenceAt(27, 9, 1992, 4), 3);
}

TEST_F(DeliveredTimeChangeTest, SummerTimeOfTheNineties) {
    // From 1996 summer time ended on the last Sunday of October: in 1999 from 2:00 on 28 March
    // to 3:00 on 31 October.
    EXPECT_EQ(differenceAt(15, 6, 1999, 12), 4);
    EXPECT_EQ(differenceAt(31, 10, 1999, 2), 4);
    EXPECT_EQ(differenceAt(31, 10, 1999, 3), 3);
}

TEST_F(DeliveredTimeChangeTest, PermanentSummerTimeFrom27March2011) {
    // Federal law No. 107-FZ of 3 June 2011 and government decree No. 725 of 31 August 2011:
    // the clocks went forward at 2:00 on 27 March 2011 and stayed there.
    EXPECT_EQ(differenceAt(27, 3, 2011, 1), 3);
    EXPECT_EQ(differenceAt(27, 3, 2011, 3), 4);
    EXPECT_EQ(differenceAt(1, 1, 2012, 12), 4);
    EXPECT_EQ(differenceAt(1, 7, 2014, 12), 4);
}

TEST_F(DeliveredTimeChangeTest, ReturnToPlusThreeOn26October2014) {
    // Federal law No. 248-FZ of 21 July 2014: at 2:00 on 26 October 2014 the clocks went back
    // one hour, to Greenwich +3, for good.
    EXPECT_EQ(differenceAt(26, 10, 2014, 1), 4);
    EXPECT_EQ(differenceAt(26, 10, 2014, 2), 3);
    EXPECT_EQ(differenceAt(1, 1, 2025, 12), 3);
    EXPECT_EQ(differenceAt(31, 12, 2130, 23), 3);
}

}  // namespace
}  // namespace orvanta
