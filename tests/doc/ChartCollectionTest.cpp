#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/AtomicFile.h"
#include "doc/ChartCollection.h"
#include "doc/ChartIndexFile.h"
#include "doc/MapFile.h"
#include "support/ScratchFolder.h"

namespace orvanta {
namespace {

using testing::ScratchFolder;

void writeChart(const std::filesystem::path& path, const std::string& name,
                const std::string& place, int year) {
    std::filesystem::create_directories(path.parent_path());
    NatalChart natal;
    natal.birth.name = name;
    natal.birth.place = place;
    natal.birth.year = year;
    natal.birth.gmtYear = year;
    ASSERT_TRUE(AtomicFile::write(path, MapFile::serialize(natal)));
}

struct Collection {
    ScratchFolder folder;
    std::filesystem::path charts = folder / "charts";
    std::filesystem::path index = folder / "data" / ChartCollection::kIndexFileName;
    ChartCollection collection{index};

    Collection() {
        std::filesystem::create_directories(folder / "data");
        writeChart(charts / "a.map", "Анна Ёлкина", "Москва", 1990);
        writeChart(charts / "family" / "b.MAP", "Boris", "Berlin", 1961);
        writeChart(folder / "other" / "c.map", "Clara", "Казань", 2001);
        std::ofstream(charts / "notes.txt") << "not a chart";
        std::ofstream(charts / "broken.map") << "short";
    }
    ChartCollection::Refresh refresh() {
        return collection.refresh({charts, folder / "other", folder / "missing"});
    }
    std::vector<std::string> names() const {
        std::vector<std::string> names;
        for (const auto& listing : collection.listings()) names.push_back(listing.name);
        return names;
    }
};

// The second listing reads nothing; a changed, a new and a removed file are seen.
TEST(ChartCollection, ListsTheFoldersAndRereadsOnlyWhatChanged) {
    Collection c;
    auto refresh = c.refresh();
    EXPECT_TRUE(refresh.indexRebuilt);
    EXPECT_EQ(refresh.read, 4);
    EXPECT_EQ(c.names(), (std::vector<std::string>{"Анна Ёлкина", "broken", "Boris", "Clara"}));
    const ChartListing& broken = c.collection.listings()[1];
    EXPECT_FALSE(broken.damage.empty());
    EXPECT_TRUE(c.collection.listings()[0].damage.empty());
    EXPECT_EQ(c.collection.listings()[2].year, 1961);

    refresh = c.refresh();
    EXPECT_FALSE(refresh.indexRebuilt);
    EXPECT_EQ(refresh.read, 0);
    EXPECT_EQ(refresh.reused, 4);

    writeChart(c.charts / "a.map", "Анна Ёлкина-Смирнова", "Москва", 1990);  // longer: new size
    writeChart(c.charts / "d.map", "Dmitri", "Омск", 1950);
    std::filesystem::remove(c.folder / "other" / "c.map");
    refresh = c.refresh();
    EXPECT_EQ(refresh.read, 2);
    EXPECT_EQ(c.names(),
              (std::vector<std::string>{"Анна Ёлкина-Смирнова", "broken", "Dmitri", "Boris"}));
    // A fresh collection over the same index sees the same list without reading a chart.
    ChartCollection again(c.index);
    EXPECT_EQ(again.refresh({c.charts, c.folder / "other"}).read, 0);
    EXPECT_EQ(again.listings().size(), 4u);
}

TEST(ChartCollection, RebuildsAnIndexThatDoesNotReadWhole) {
    Collection c;
    c.refresh();
    const auto whole = *AtomicFile::read(c.index);
    const std::string text(whole.begin(), whole.end());
    const std::vector<std::string> damaged = {
        "garbage",
        text.substr(0, text.rfind("end ")),  // cut before the closing line
        text.substr(0, text.size() - 3),     // cut inside it
        text + "one more line\n",            // after the closing line
        std::string(ChartIndexFile::kHeading) + "\nx\t1\n" + "end 1\n",  // a line of two fields
    };
    for (const auto& bytes : damaged) {
        ASSERT_TRUE(AtomicFile::write(c.index, bytes));
        const auto refresh = c.refresh();
        EXPECT_TRUE(refresh.indexRebuilt) << bytes.substr(0, 40);
        EXPECT_EQ(refresh.read, 4);
        EXPECT_EQ(c.collection.listings().size(), 4u);
    }
    EXPECT_EQ(c.refresh().read, 0);  // the rebuilt index is trusted again
}

TEST(ChartCollection, FiltersByNamePlaceAndYear) {
    Collection c;
    c.refresh();
    struct Case {
        const char* text;
        std::vector<std::size_t> found;
    };
    for (const Case& k :
         {Case{"", {0, 1, 2, 3}}, Case{"анна", {0}}, Case{"ЕЛКИНА", {0}}, Case{"казань", {3}},
          Case{"1961", {2}}, Case{"b 1961", {2}}, Case{"boris москва", {}}, Case{"19", {0, 2}}}) {
        EXPECT_EQ(c.collection.filter(k.text), k.found) << k.text;
    }
}

}  // namespace
}  // namespace orvanta
