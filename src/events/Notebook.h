#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "events/NotebookEntry.h"

namespace orvanta {

// The observations notebook of a chart: at most one entry per transit situation, kept newest
// first. Its bytes are those of the notebook file "NoteBook.NTF": an int32 count, then per
// entry five doubles (moment, aspect angle, orb, point, duration), four int32 (transiting
// body, natal object, aspect index, an unused link written as 0), an int32 text length and
// the text in Windows-1251.
class Notebook {
  public:
    // Which attributes of the selected situation an entry must share to pass the filter.
    struct Filter {
        bool byRadix = false;
        bool byBody = false;
        bool byAspect = false;
        bool any() const { return byRadix || byBody || byAspect; }
    };

    static constexpr std::size_t kEntryHeaderSize = 60;

    // An empty block reads as an empty notebook. Throws FormatError (with a message for the
    // user) when a count, a length or a value does not fit.
    static Notebook parse(std::span<const std::uint8_t> bytes);
    // Throws FormatError when a text holds a character Windows-1251 lacks.
    std::vector<std::uint8_t> serialize() const;

    const std::vector<NotebookEntry>& entries() const { return entries_; }
    bool empty() const { return entries_.empty(); }
    const NotebookEntry* find(const TransitSituation& situation) const;

    // Replaces the text of the situation's entry, or appends a new entry and sorts.
    void store(const TransitSituation& situation, const std::string& text);
    // Removes the situation's entry; false when there was none.
    bool remove(const TransitSituation& situation);
    // Newest first; entries with equal moments keep the order the exchange sort gives them.
    void sortNewestFirst();
    // Entries sharing the checked attributes with the situation, newest first.
    std::vector<NotebookEntry> filtered(const TransitSituation& situation,
                                        const Filter& filter) const;

    // "07ч05м 15.06.2024": the moment to the nearest minute, as the notebook lines show it; a
    // minute that rounds up to midnight belongs to the next day.
    static std::string momentText(double moment);

  private:
    static void sortNewestFirst(std::vector<NotebookEntry>& entries);

    std::vector<NotebookEntry> entries_;
};

}  // namespace orvanta
