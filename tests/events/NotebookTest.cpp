#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "calc/Calendar.h"
#include "common/FormatError.h"
#include "events/Notebook.h"
#include "events/TransitDay.h"

namespace orvanta {
namespace {

TransitSituation situation(double moment, int body, int aspect, int radix) {
    TransitSituation s;
    s.moment = moment;
    s.body = body;
    s.aspectIndex = aspect;
    s.radix = radix;
    s.aspectAngle = 90.0;
    s.orb = 2.0;
    s.point = 123.25;
    s.duration = 3.5;
    return s;
}

std::vector<double> momentsOf(const std::vector<NotebookEntry>& entries) {
    std::vector<double> moments;
    for (const auto& e : entries) moments.push_back(e.situation.moment);
    return moments;
}

// Little-endian bytes laid out by hand, independent of the program's writer.
struct Bytes {
    std::vector<std::uint8_t> data;
    Bytes& i32(std::int32_t v) {
        for (int k = 0; k < 4; ++k) data.push_back(static_cast<std::uint8_t>(v >> (8 * k)));
        return *this;
    }
    Bytes& f64(double v) {
        std::uint64_t bits;
        std::memcpy(&bits, &v, 8);
        for (int k = 0; k < 8; ++k) data.push_back(static_cast<std::uint8_t>(bits >> (8 * k)));
        return *this;
    }
    Bytes& raw(std::initializer_list<std::uint8_t> bytes) {
        data.insert(data.end(), bytes);
        return *this;
    }
    Bytes& entry(double moment, int body, int radix, int aspect, std::int32_t length,
                 double orb = 2.0) {
        f64(moment).f64(90.0).f64(orb).f64(123.25).f64(3.5);
        return i32(body).i32(radix).i32(aspect).i32(0).i32(length);
    }
};

TEST(Notebook, StoresOneEntryPerSituationAndKeepsTheLaterText) {
    Notebook book;
    book.store(situation(100.0, 3, 4, 1), "первый");
    book.store(situation(200.0, 3, 4, 1), "другой момент");
    book.store(situation(100.0, 3, 4, 1), "второй");
    ASSERT_EQ(book.entries().size(), 2u);
    EXPECT_EQ(book.find(situation(100.0, 3, 4, 1))->text, "второй");
    // Any difference in moment, body, aspect or natal object is another situation.
    EXPECT_EQ(book.find(situation(100.0000001, 3, 4, 1)), nullptr);
    EXPECT_EQ(book.find(situation(100.0, 5, 4, 1)), nullptr);
    EXPECT_EQ(book.find(situation(100.0, 3, 6, 1)), nullptr);
    EXPECT_EQ(book.find(situation(100.0, 3, 4, 7)), nullptr);
    // An entry found by the same situation whatever its orb or point.
    TransitSituation other = situation(100.0, 3, 4, 1);
    other.orb = 9.0;
    EXPECT_NE(book.find(other), nullptr);
}

TEST(Notebook, KeepsNewestFirstAndDeletesOnlyTheGivenEntry) {
    Notebook book;
    for (double moment : {50.0, 300.0, 10.0, 120.0}) book.store(situation(moment, 1, 0, 1), "x");
    EXPECT_EQ(momentsOf(book.entries()), (std::vector<double>{300.0, 120.0, 50.0, 10.0}));
    EXPECT_TRUE(book.remove(situation(120.0, 1, 0, 1)));
    EXPECT_FALSE(book.remove(situation(120.0, 1, 0, 1)));
    EXPECT_EQ(momentsOf(book.entries()), (std::vector<double>{300.0, 50.0, 10.0}));
}

TEST(Notebook, FilterKeepsEntriesSharingEveryCheckedAttribute) {
    Notebook book;
    book.store(situation(10.0, 1, 3, 5), "квадрат к 5");
    book.store(situation(20.0, 2, 3, 6), "квадрат к 6");
    book.store(situation(30.0, 1, 2, 5), "трин к 5");
    book.store(situation(40.0, 2, 3, 5), "квадрат Луны к 5");
    const TransitSituation square = situation(99.0, 1, 3, 5);
    struct Case {
        Notebook::Filter filter;
        std::vector<double> moments;
    };
    const Case cases[] = {
        {{false, false, true}, {40.0, 20.0, 10.0}},  // aspect only
        {{true, false, false}, {40.0, 30.0, 10.0}},  // natal object only
        {{false, true, false}, {30.0, 10.0}},        // transiting body only
        {{true, true, true}, {10.0}},
        {{false, false, false}, {40.0, 30.0, 20.0, 10.0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(momentsOf(book.filtered(square, c.filter)), c.moments);
    }
}

TEST(Notebook, ReadsAndWritesTheFileByteForByte) {
    // Two entries, the newer first, texts "Ок\r\n!" and "" in Windows-1251.
    Bytes file;
    file.i32(2);
    file.entry(1500.5, 2, 17, 3, 5).raw({0xCE, 0xEA, 0x0D, 0x0A, 0x21});
    file.entry(1400.0, 16, 28, 17, 0);
    const Notebook book = Notebook::parse(file.data);
    ASSERT_EQ(book.entries().size(), 2u);
    const TransitSituation& first = book.entries()[0].situation;
    EXPECT_EQ(first.moment, 1500.5);
    EXPECT_EQ(first.body, 2);
    EXPECT_EQ(first.radix, 17);
    EXPECT_EQ(first.aspectIndex, 3);
    EXPECT_EQ(first.point, 123.25);
    EXPECT_EQ(book.entries()[0].text, "Ок\r\n!");
    EXPECT_EQ(book.serialize(), file.data);

    // The empty file the document writes for a chart without notebook is an empty notebook;
    // written back it is a count of 0.
    EXPECT_TRUE(Notebook::parse({}).empty());
    EXPECT_EQ(Notebook().serialize(), Bytes().i32(0).data);
}

TEST(Notebook, RefusesDamagedFiles) {
    const double moment = 1000.0;
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
    };
    const Case cases[] = {
        {"count cut short", {0x01, 0x00}},
        {"negative count", Bytes().i32(-1).data},
        {"count beyond the bytes", Bytes().i32(1000000).entry(moment, 1, 1, 0, 0).data},
        {"text beyond the bytes", Bytes().i32(1).entry(moment, 1, 1, 0, 3).raw({0x41}).data},
        {"negative text length", Bytes().i32(1).entry(moment, 1, 1, 0, -1).data},
        {"second entry cut short",
         Bytes()
             .i32(2)
             .entry(moment, 1, 1, 0, 40)
             .raw(std::initializer_list<std::uint8_t>(
                 {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20,
                  21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40,
                  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0}))
             .data},
        {"body 0", Bytes().i32(1).entry(moment, 0, 1, 0, 0).data},
        {"natal object 29", Bytes().i32(1).entry(moment, 1, 29, 0, 0).data},
        {"aspect 18", Bytes().i32(1).entry(moment, 1, 1, 18, 0).data},
        {"moment far beyond 2130", Bytes().i32(1).entry(1.0e300, 1, 1, 0, 0).data},
        {"bytes after the last entry", Bytes().i32(1).entry(moment, 1, 1, 0, 0).raw({0}).data},
        {"orb 1e308", Bytes().i32(1).entry(moment, 1, 1, 0, 0, 1e308).data},
        {"orb NaN", Bytes().i32(1).entry(moment, 1, 1, 0, 0, std::nan("")).data},
        {"orb 180.5", Bytes().i32(1).entry(moment, 1, 1, 0, 0, 180.5).data},
        {"orb -200", Bytes().i32(1).entry(moment, 1, 1, 0, 0, -200.0).data},
    };
    for (const Case& c : cases) {
        EXPECT_THROW(Notebook::parse(c.bytes), FormatError) << c.what;
    }
    // A switched-off situation carries its orb negated; 180 either way is still an orb.
    for (const double orb : {-180.0, 180.0, 0.0}) {
        EXPECT_NO_THROW(Notebook::parse(Bytes().i32(1).entry(moment, 1, 1, 0, 0, orb).data)) << orb;
    }
}

TEST(Notebook, RefusesToWriteATextTheCodePageCannotHold) {
    Notebook book;
    book.store(situation(1.0, 1, 0, 1), "знак ☉");
    EXPECT_THROW(book.serialize(), FormatError);
}

TEST(Notebook, MomentTextRoundsToTheMinuteAcrossMidnight) {
    EXPECT_EQ(Notebook::momentText(Calendar::hoursSinceBase({5, 3, 2024}, 7.0 + 5.0 / 60.0)),
              "07ч05м 05.03.2024");
    // 23:59.7 on the last day of 2025 rounds to midnight of the new year.
    EXPECT_EQ(Notebook::momentText(Calendar::hoursSinceBase({31, 12, 2025}, 23.0 + 59.7 / 60.0)),
              "00ч00м 01.01.2026");
}

TEST(TransitDay, ListsTheDaysShownRecordsByKind) {
    const Date day{7, 12, 2026};
    const double d = Calendar::hoursSinceBase(day, 0.0);
    auto record = [](double moment, int body, double orb) {
        TransitSituation s = situation(moment, body, 0, 1);
        s.orb = orb;
        return s;
    };
    const TransitList situations = {
        record(d - 0.5, 3, 1.0),   // the day before
        record(d, 3, 1.0),         // from 00:00 inclusive
        record(d + 1.0, 2, 1.0),   // the Moon
        record(d + 2.0, 4, -1.0),  // switched off
        record(d + 23.9, 2, 1.0),  // the Moon, late
        record(d + 24.0, 3, 1.0),  // 00:00 of the next day is excluded
    };
    const TransitList orbs = {record(d, 9, 1.0), record(d, 10, -1.0), record(d + 24.0, 11, 1.0)};
    const TransitDay lists(situations, orbs, day);
    auto momentsOf = [](const std::vector<const TransitSituation*>& list) {
        std::vector<double> hours;
        for (const auto* r : list) hours.push_back(r->moment);
        return hours;
    };
    EXPECT_EQ(momentsOf(lists.situations()), (std::vector<double>{d}));
    EXPECT_EQ(momentsOf(lists.moon()), (std::vector<double>{d + 1.0, d + 23.9}));
    ASSERT_EQ(lists.orbTransits().size(), 1u);
    EXPECT_EQ(lists.orbTransits()[0]->body, 9);
    EXPECT_EQ(TransitDay::timeText(7.0 + 5.0 / 60.0), "07ч05м");
    EXPECT_EQ(TransitDay::timeText(6.0 + 59.7 / 60.0), "07ч00м");
}

}  // namespace
}  // namespace orvanta
