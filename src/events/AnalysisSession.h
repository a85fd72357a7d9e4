#pragma once

#include <string>
#include <vector>

#include "events/Notebook.h"
#include "events/TransitDay.h"
#include "events/TransitPhrase.h"

namespace orvanta {

// What the analysis window decides, without the window: the selection among the three day
// lists and the notebook list, the observation text, storing and deleting, the notebook
// filter and which controls are enabled.
class AnalysisSession {
  public:
    enum class Selection { None, Day, Moon, Orb, Note };

    struct Controls {
        bool editEnabled = false;
        bool storeEnabled = false;
        bool deleteEnabled = false;
        bool filtersEnabled = false;
    };

    AnalysisSession(Notebook notebook, const TransitDay& day);

    const std::vector<const TransitSituation*>& list(Selection kind) const;
    // The notebook list: the filtered entries while the filter applies, else the whole.
    const std::vector<NotebookEntry>& shownNotes() const { return shown_; }
    const Notebook& notebook() const { return notebook_; }
    const TransitDay& day() const { return day_; }

    Selection selection() const { return selection_; }
    int selectedIndex() const { return index_; }
    // The selected situation: a day-list record, or the notebook entry of a selected line.
    const TransitSituation* selectedSituation() const;
    static SituationKind kindOf(Selection selection);

    // Selecting a line shows its observation (empty when there is none) and clears the
    // text-changed mark; the caller offers to store a changed text first.
    void selectSituation(Selection list, int index);
    void selectNote(int index);
    const std::string& text() const { return text_; }
    void editText(std::string text);
    bool isTextChanged() const { return textChanged_; }
    void dropTextChange() { textChanged_ = false; }

    // Stores the text for the selected situation; nothing happens without a selection.
    bool store();
    // Deletes the notebook entry of the selection; the selection and the text are cleared.
    bool removeSelected();
    // True once anything was stored or deleted since the window opened.
    bool isNotebookChanged() const { return notebookChanged_; }
    // A text was typed for the selected situation or line and not stored.
    bool hasUnstoredText() const { return textChanged_ && selectedSituation() != nullptr; }
    // Closing without writing the notebook would lose a stored change or a typed text.
    bool wouldLoseWork() const { return notebookChanged_ || hasUnstoredText(); }

    // The filter check boxes: entries sharing the checked attributes with the selected
    // situation; with none checked or no situation selected the whole notebook is listed.
    void setFilter(const Notebook::Filter& filter);
    const Notebook::Filter& filter() const { return filter_; }

    Controls controls() const;

  private:
    void refreshShownNotes();

    Notebook notebook_;
    const TransitDay& day_;
    std::vector<NotebookEntry> shown_;
    Selection selection_ = Selection::None;
    int index_ = -1;
    std::string text_;
    bool textChanged_ = false;
    bool notebookChanged_ = false;
    bool editBlocked_ = false;
    Notebook::Filter filter_;
    TransitSituation filterSituation_;
    bool haveFilterSituation_ = false;
};

}  // namespace orvanta
