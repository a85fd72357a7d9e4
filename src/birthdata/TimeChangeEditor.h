#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "birthdata/TimeChangeBase.h"

namespace orvanta {

// Everything the editor of the time-change base decides: which record is selected, what the
// five fields show, how an edit changes the selected record and keeps it selected through
// the re-sorting, and what OK and "Отмена" leave behind. It edits the application's base in
// place and remembers the base as it found it, so that "Отмена" can put it back.
class TimeChangeEditor {
  public:
    static constexpr int kLowestDifference = TimeChange::kSmallestDifference;
    static constexpr int kHighestDifference = TimeChange::kLargestDifference;

    // The five controls as texts; the month as its list position, -1 for none.
    struct Fields {
        std::string day = "0";
        int month = -1;
        std::string year = "0";
        std::string hour = "0";
        std::string difference = "0";
        friend bool operator==(const Fields&, const Fields&) = default;
    };

    // Selects the first record, if there is one.
    explicit TimeChangeEditor(TimeChangeBase& base);

    // One line per record, in the order of the base.
    std::vector<std::string> lines();
    // -1 when no line is selected.
    int selected() const { return selected_; }
    // A line picked by the user: the fields show its record. -1 changes nothing.
    void select(int index);

    const Fields& fields() const { return fields_; }
    // The user typed into a field or chose a month. With a line selected, its record takes
    // the values and the base is sorted again, the record staying selected; without one the
    // fields go back to zero. A field that fails its check is reported and changes nothing.
    // True when the list has to be shown again.
    bool edit(const Fields& typed);

    // "Добавить": a blank record, which sorts first and is selected.
    void add();
    // "Удалить": the selected record goes; afterwards no line is selected.
    void remove();

    // OK: writes the base to the file; false (reported) when that fails.
    bool save(const std::filesystem::path& file);
    // "Отмена": the base is as it was when the editor opened.
    void cancel();

  private:
    void showRecord();

    TimeChangeBase& base_;
    TimeChangeBase original_;
    int selected_ = -1;
    Fields fields_;
};

}  // namespace orvanta
