#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "calc/BirthData.h"

namespace orvanta {

// What the dialog that picks the second chart of a synastry, composite or Davison chart
// decides apart from its controls: the open charts it offers (every one but the first, in the
// order given), the entry that reads a chart file instead, which entry starts selected, and
// which pairs it refuses.
class SecondChartChoice {
  public:
    enum class Purpose { Synastry, Composite, Davison };

    static constexpr const char* kFileEntry = "Из файла...";
    static constexpr const char* kNoMomentMessage =
        "У композитной карты нет момента рождения: карта Дэвисона по ней не строится.";

    // An open chart as the dialog lists it: its window title and its birth data.
    struct Offer {
        std::string title;
        BirthData birth;
    };

    SecondChartChoice(Purpose purpose, const BirthData& first, std::vector<Offer> others);

    // "Синастрия", "Композит" or "Карта Дэвисона": the dialog's title.
    std::string dialogTitle() const;
    // "title — name" for each other chart (the title alone for a chart without a name), then
    // the file entry.
    std::vector<std::string> entries() const;
    std::size_t fileEntry() const { return others_.size(); }
    // The first other chart, or the file entry when there is none.
    std::size_t initialEntry() const { return 0; }
    // The index in the offered charts an entry stands for; nullopt for the file entry or an
    // entry out of range.
    std::optional<std::size_t> chartOf(std::size_t entry) const;

    // Why the first chart cannot be paired with this second one, nullopt when it can: a
    // Davison chart needs two birth moments, which a composite chart does not have.
    std::optional<std::string> refusal(const BirthData& second) const;

  private:
    Purpose purpose_;
    BirthData first_;
    std::vector<Offer> others_;
};

}  // namespace orvanta
