#include <gtest/gtest.h>

#include "calc/Calendar.h"
#include "events/AnalysisSession.h"

namespace orvanta {
namespace {

const Date kDay{7, 12, 2026};
const double kStart = Calendar::hoursSinceBase(kDay, 0.0);

TransitSituation record(double hours, int body, int aspect, int radix) {
    TransitSituation s;
    s.moment = kStart + hours;
    s.body = body;
    s.aspectIndex = aspect;
    s.radix = radix;
    s.orb = 1.0;
    s.duration = 2.0;
    return s;
}

using Selection = AnalysisSession::Selection;

struct Day {
    // Mars square Sun at 3 h, Venus trine Sun at 5 h, the Moon square Mercury at 9 h.
    TransitList situations{record(3, 5, 3, 1), record(5, 4, 2, 1), record(9, 2, 3, 3)};
    TransitList orbs{record(0, 9, 3, 10)};
    TransitDay day{situations, orbs, kDay};
};

TEST(AnalysisSession, SelectTypeStoreFilterAndDelete) {
    Day d;
    Notebook older;
    older.store(record(-100, 6, 3, 2), "давний квадрат");
    older.store(record(-50, 6, 2, 2), "давний трин");
    AnalysisSession session(older, d.day);
    EXPECT_FALSE(session.controls().editEnabled);
    EXPECT_FALSE(session.controls().filtersEnabled);

    session.selectSituation(Selection::Day, 0);
    EXPECT_EQ(session.text(), "");
    EXPECT_TRUE(session.controls().editEnabled);
    EXPECT_FALSE(session.controls().storeEnabled);
    EXPECT_FALSE(session.controls().deleteEnabled);
    session.editText("Первая");
    EXPECT_TRUE(session.controls().storeEnabled);
    ASSERT_TRUE(session.store());
    session.editText("Вторая");  // the same situation twice keeps one entry, the later text
    ASSERT_TRUE(session.store());
    EXPECT_EQ(session.notebook().entries().size(), 3u);
    EXPECT_EQ(session.notebook().find(*d.day.situations()[0])->text, "Вторая");
    EXPECT_TRUE(session.isNotebookChanged());
    EXPECT_FALSE(session.controls().storeEnabled);
    EXPECT_TRUE(session.controls().deleteEnabled);

    // Squares only: the stored one and the old square, newest first; the edit is emptied.
    session.setFilter({false, false, true});
    ASSERT_EQ(session.shownNotes().size(), 2u);
    EXPECT_EQ(session.shownNotes()[0].text, "Вторая");
    EXPECT_EQ(session.shownNotes()[1].text, "давний квадрат");
    EXPECT_FALSE(session.controls().editEnabled);

    // Coming back to the situation shows its observation again.
    session.selectSituation(Selection::Day, 0);
    EXPECT_EQ(session.text(), "Вторая");

    // A notebook line: its text, and deleting it clears the selection.
    session.selectNote(1);
    EXPECT_EQ(session.text(), "давний квадрат");
    EXPECT_TRUE(session.controls().deleteEnabled);
    ASSERT_TRUE(session.removeSelected());
    EXPECT_EQ(session.selection(), Selection::None);
    EXPECT_EQ(session.text(), "");
    EXPECT_EQ(session.notebook().entries().size(), 2u);
    EXPECT_FALSE(session.controls().deleteEnabled);
    EXPECT_FALSE(session.removeSelected());  // nothing selected: nothing happens
    EXPECT_FALSE(session.store());
}

TEST(AnalysisSession, ANotebookLineEditedInPlaceKeepsItsSelection) {
    Day d;
    Notebook book;
    book.store(record(-10, 6, 3, 2), "раньше");
    book.store(record(-5, 7, 3, 2), "позже");
    AnalysisSession session(book, d.day);
    session.selectNote(1);
    session.editText("раньше, исправлено");
    ASSERT_TRUE(session.store());
    EXPECT_EQ(session.selectedIndex(), 1);
    EXPECT_EQ(session.shownNotes()[1].text, "раньше, исправлено");
    EXPECT_EQ(session.notebook().entries().size(), 2u);
}

TEST(AnalysisSession, AnOutOfRangeLineSelectsNothing) {
    Day d;
    AnalysisSession session(Notebook(), d.day);
    session.selectSituation(Selection::Moon, 5);
    EXPECT_EQ(session.selection(), Selection::None);
    session.selectNote(0);
    EXPECT_EQ(session.selection(), Selection::None);
    EXPECT_FALSE(session.controls().editEnabled);
}

}  // namespace
}  // namespace orvanta
