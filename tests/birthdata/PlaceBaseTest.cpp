#include <gtest/gtest.h>

#include <cmath>

#include "birthdata/CoordinateFields.h"
#include "birthdata/PlaceBase.h"
#include "common/AppFolder.h"
#include "common/MessageSink.h"
#include "support/ByteLayout.h"
#include "support/MessageRecorder.h"
#include "support/ScratchFolder.h"

namespace orvanta {
namespace {

using testing::ByteLayout;
using testing::ScratchFolder;

// "Москва" and "Орёл" in Windows-1251, from the code page table.
constexpr std::string_view kMoscow1251 = "\xCC\xEE\xF1\xEA\xE2\xE0";
constexpr std::string_view kOryol1251 = "\xCE\xF0\xB8\xEB";

// What the code reported, as texts.
struct Messages : testing::MessageRecorder {
    std::vector<std::string>& texts = messages;
};

ByteLayout& place(ByteLayout& bytes, std::string_view name1251, double longitude, double latitude) {
    return bytes.i32(static_cast<std::int32_t>(name1251.size()))
        .raw(name1251)
        .f64(longitude)
        .f64(latitude);
}

TEST(PlaceBaseTest, FileImageMatchesTheLayoutFieldForField) {
    PlaceBase base;
    ASSERT_TRUE(base.append({"Москва", 37.0 + 37.0 / 60.0, 55.75}));
    ASSERT_TRUE(base.append({"Орёл", 36.0 + 5.0 / 60.0, 52.0 + 58.0 / 60.0}));

    ByteLayout expected;
    expected.i32(2);
    place(expected, kMoscow1251, 37.0 + 37.0 / 60.0, 55.75);
    place(expected, kOryol1251, 36.0 + 5.0 / 60.0, 52.0 + 58.0 / 60.0);
    EXPECT_EQ(base.toBytes(), expected.bytes());

    ScratchFolder folder;
    testing::ScratchFolder::write(folder / "Place.PLB", expected.bytes());
    PlaceBase loaded;
    ASSERT_EQ(loaded.load(folder / "Place.PLB"), LoadStatus::Loaded);
    EXPECT_EQ(loaded.names(), (std::vector<std::string>{"Москва", "Орёл"}));
    EXPECT_EQ(loaded.records()[1].latitude, 52.0 + 58.0 / 60.0);
    ASSERT_TRUE(loaded.save(folder / "copy.PLB"));
    EXPECT_EQ(testing::ScratchFolder::read(folder / "copy.PLB"), expected.bytes());
}

TEST(PlaceBaseTest, FourZeroBytesAreAnEmptyBase) {
    ScratchFolder folder;
    testing::ScratchFolder::write(folder / "Place.PLB", ByteLayout().i32(0).bytes());
    PlaceBase base;
    EXPECT_EQ(base.load(folder / "Place.PLB"), LoadStatus::Loaded);
    EXPECT_TRUE(base.names().empty());
}

TEST(PlaceBaseTest, FindIgnoresLetterCaseCyrillicIncluded) {
    PlaceBase base;
    base.append({"Москва", 37.6, 55.75});
    base.append({"Орёл", 36.1, 52.9});
    base.append({"Paris", 2.35, 48.85});
    base.append({"МОСКВА", 0.0, 0.0});  // a second spelling of a name already there

    EXPECT_EQ(base.find("москва"), 0);  // the first of the two
    EXPECT_EQ(base.find("мОСКВА"), 0);
    EXPECT_EQ(base.find("ОРЁЛ"), 1);
    EXPECT_EQ(base.find("орёл"), 1);
    EXPECT_EQ(base.find("PARIS"), 2);
    EXPECT_EQ(base.find("Орел"), std::nullopt);  // е is not ё
    EXPECT_EQ(base.find("Москва "), std::nullopt);
    EXPECT_EQ(base.find("Моск"), std::nullopt);
    EXPECT_EQ(base.find("東京"), std::nullopt);
    EXPECT_EQ(base.find(""), std::nullopt);
}

TEST(PlaceBaseTest, AppendingAPlaceGrowsTheFileByOneRecord) {
    ScratchFolder folder;
    const auto path = folder / "Place.PLB";
    PlaceBase base;
    base.append({"Москва", 37.6, 55.75});
    ASSERT_TRUE(base.save(path));
    const auto before = testing::ScratchFolder::read(path);

    // 55° 45' north and 37° 37' east typed into the fields.
    const double latitude = CoordinateFields{55, 45, false}.toValue();
    const double longitude = CoordinateFields{37, 37, false}.toValue();
    EXPECT_EQ(latitude, 55.75);
    EXPECT_DOUBLE_EQ(longitude, 37.616666666666667);
    ASSERT_TRUE(base.append({"X", longitude, latitude}));
    ASSERT_TRUE(base.save(path));
    const auto after = testing::ScratchFolder::read(path);

    ASSERT_EQ(after.size(), before.size() + 4 + 1 + 8 + 8);
    EXPECT_EQ(after[0], 2);
    ByteLayout tail;
    place(tail, "X", longitude, latitude);
    EXPECT_TRUE(std::equal(tail.bytes().begin(), tail.bytes().end(), after.end() - 21));

    // A name the file cannot hold is refused before it could break a save.
    EXPECT_FALSE(base.append({"東京", 139.7, 35.7}));
    EXPECT_EQ(base.size(), 2);
}

TEST(PlaceBaseTest, CoordinatesToFieldsAndBack) {
    EXPECT_EQ(CoordinateFields::fromValue(-33.9), (CoordinateFields{33, 54, true}));
    EXPECT_EQ(CoordinateFields::fromValue(55.9999), (CoordinateFields{55, 60, false}));
    EXPECT_EQ(CoordinateFields::fromValue(0.0), (CoordinateFields{0, 0, false}));
    EXPECT_EQ(CoordinateFields::fromValue(-0.0), (CoordinateFields{0, 0, false}));
    EXPECT_EQ(CoordinateFields::fromValue(37.0 + 37.0 / 60.0), (CoordinateFields{37, 37, false}));
    EXPECT_EQ(CoordinateFields::fromValue(-(0.0 + 7.0 / 60.0)), (CoordinateFields{0, 7, true}));
    // Half a minute rounds away from zero: 0.125 degrees are 7.5 minutes, exactly.
    EXPECT_EQ(CoordinateFields::fromValue(10.125), (CoordinateFields{10, 8, false}));
    EXPECT_EQ(CoordinateFields::fromValue(-10.125), (CoordinateFields{10, 8, true}));
    EXPECT_DOUBLE_EQ((CoordinateFields{33, 54, true}.toValue()), -33.9);
    EXPECT_DOUBLE_EQ((CoordinateFields{0, 7, true}.toValue()), -7.0 / 60.0);
    // Values no coordinate has stay defined.
    EXPECT_EQ(CoordinateFields::fromValue(std::nan("")), (CoordinateFields{0, 0, false}));
    EXPECT_EQ(CoordinateFields::fromValue(-1e300).negative, true);
}

TEST(PlaceBaseTest, MissingFileIsReportedAndCreatedEmpty) {
    ScratchFolder folder;
    const auto path = folder / "Place.PLB";
    Messages messages;
    PlaceBase base;
    EXPECT_EQ(base.loadForEntry(path), LoadStatus::Missing);
    EXPECT_EQ(messages.texts,
              (std::vector<std::string>{"Place base was not found...\ncreating empty..."}));
    EXPECT_EQ(testing::ScratchFolder::read(path), ByteLayout().i32(0).bytes());
}

TEST(PlaceBaseTest, DamagedFileIsReportedAndLeftAsItWas) {
    const auto withPlaces = [](int count) {
        ByteLayout bytes;
        bytes.i32(count);
        place(bytes, kMoscow1251, 37.6, 55.75);
        return bytes;
    };
    const struct {
        const char* what;
        std::vector<std::uint8_t> bytes;
    } damaged[] = {
        {"shorter than the count", {0x00, 0x00, 0x00}},
        {"negative count", ByteLayout().i32(-3).bytes()},
        {"count beyond the bytes", ByteLayout().i32(0x7fffffff).zeros(40).bytes()},
        {"negative name length", ByteLayout().i32(1).i32(-1).zeros(16).bytes()},
        {"name beyond the end", ByteLayout().i32(1).i32(0x7ffffff0).zeros(16).bytes()},
        {"ends inside the coordinates", withPlaces(1).cut(3).bytes()},
        {"second place missing", withPlaces(2).zeros(4).bytes()},
        {"bytes after the places", withPlaces(1).zeros(1).bytes()},
        {"coordinate not a number", ByteLayout().i32(1).i32(0).f64(std::nan("")).f64(1).bytes()},
    };
    for (const auto& c : damaged) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder;
        const auto path = folder / "Place.PLB";
        testing::ScratchFolder::write(path, c.bytes);
        Messages messages;
        PlaceBase base;
        EXPECT_EQ(base.loadForEntry(path), LoadStatus::Damaged);
        EXPECT_EQ(base.size(), 0);
        ASSERT_EQ(messages.texts.size(), 1u);
        EXPECT_NE(messages.texts[0].find("поврежден"), std::string::npos);
        EXPECT_EQ(testing::ScratchFolder::read(path), c.bytes);
    }
}

TEST(PlaceBaseTest, UnreadableFileIsReportedAndNotReplaced) {
    ScratchFolder folder;
    const auto path = folder / "Place.PLB";
    std::filesystem::create_directory(path);
    Messages messages;
    PlaceBase base;
    EXPECT_EQ(base.loadForEntry(path), LoadStatus::Unreadable);
    EXPECT_EQ(messages.texts.size(), 1u);
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST(PlaceBaseTest, DeliveredBaseHoldsTheCapitalWithItsCoordinates) {
    PlaceBase base;
    ASSERT_EQ(base.load(AppFolder::find(PlaceBase::kFileName)), LoadStatus::Loaded)
        << base.lastError();
    EXPECT_GE(base.size(), 300);
    // Moscow, Red Square: 55° 45' N, 37° 37' E.
    const auto moscow = base.find("москва");
    ASSERT_TRUE(moscow);
    const PlaceRecord& record = base.records()[static_cast<std::size_t>(*moscow)];
    EXPECT_EQ(CoordinateFields::fromValue(record.latitude), (CoordinateFields{55, 45, false}));
    EXPECT_EQ(CoordinateFields::fromValue(record.longitude), (CoordinateFields{37, 37, false}));
    for (int i = 0; i < base.size(); ++i) {
        const PlaceRecord& p = base.records()[static_cast<std::size_t>(i)];
        EXPECT_LE(std::fabs(p.latitude), 90.0) << p.name;
        EXPECT_LE(std::fabs(p.longitude), 180.0) << p.name;
        EXPECT_EQ(base.find(p.name), i) << p.name << " is shadowed by an earlier place";
    }
}

}  // namespace
}  // namespace orvanta
