#include "events/AnalysisSession.h"

#include <utility>

namespace orvanta {

AnalysisSession::AnalysisSession(Notebook notebook, const TransitDay& day)
    : notebook_(std::move(notebook)), day_(day) {
    notebook_.sortNewestFirst();
    refreshShownNotes();
}

const std::vector<const TransitSituation*>& AnalysisSession::list(Selection kind) const {
    static const std::vector<const TransitSituation*> kNone;
    switch (kind) {
        case Selection::Day:
            return day_.situations();
        case Selection::Moon:
            return day_.moon();
        case Selection::Orb:
            return day_.orbTransits();
        case Selection::None:
        case Selection::Note:
            break;
    }
    return kNone;
}

SituationKind AnalysisSession::kindOf(Selection selection) {
    if (selection == Selection::Moon) return SituationKind::Moon;
    if (selection == Selection::Orb) return SituationKind::Orb;
    return SituationKind::Day;
}

const TransitSituation* AnalysisSession::selectedSituation() const {
    if (index_ < 0) return nullptr;
    const auto at = static_cast<std::size_t>(index_);
    if (selection_ == Selection::Note) return at < shown_.size() ? &shown_[at].situation : nullptr;
    const auto& records = list(selection_);
    return at < records.size() ? records[at] : nullptr;
}

void AnalysisSession::selectSituation(Selection which, int index) {
    selection_ = which;
    index_ = index;
    editBlocked_ = false;
    textChanged_ = false;
    const TransitSituation* situation = selectedSituation();
    if (situation == nullptr) {
        selection_ = Selection::None;
        index_ = -1;
        text_.clear();
        return;
    }
    const NotebookEntry* entry = notebook_.find(*situation);
    text_ = entry != nullptr ? entry->text : std::string();
    filterSituation_ = *situation;
    haveFilterSituation_ = true;
    refreshShownNotes();
}

void AnalysisSession::selectNote(int index) {
    selection_ = Selection::Note;
    index_ = index;
    editBlocked_ = false;
    textChanged_ = false;
    const TransitSituation* situation = selectedSituation();
    if (situation == nullptr) {
        selection_ = Selection::None;
        index_ = -1;
        text_.clear();
        return;
    }
    text_ = shown_[static_cast<std::size_t>(index)].text;
}

void AnalysisSession::editText(std::string text) {
    text_ = std::move(text);
    textChanged_ = true;
}

bool AnalysisSession::store() {
    const TransitSituation* selected = selectedSituation();
    if (selected == nullptr) return false;
    const TransitSituation situation = *selected;  // the shown list is rebuilt below
    notebook_.store(situation, text_);
    notebookChanged_ = true;
    textChanged_ = false;
    if (selection_ == Selection::Note) {
        refreshShownNotes();
        // The entry keeps its place among the entries newest first; find it again.
        for (std::size_t i = 0; i < shown_.size(); ++i) {
            if (shown_[i].isFor(situation)) index_ = static_cast<int>(i);
        }
    } else {
        refreshShownNotes();
    }
    return true;
}

bool AnalysisSession::removeSelected() {
    const TransitSituation* selected = selectedSituation();
    if (selected == nullptr || !notebook_.remove(*selected)) return false;
    notebookChanged_ = true;
    selection_ = Selection::None;
    index_ = -1;
    text_.clear();
    textChanged_ = false;
    editBlocked_ = true;
    refreshShownNotes();
    return true;
}

void AnalysisSession::setFilter(const Notebook::Filter& filter) {
    filter_ = filter;
    textChanged_ = false;
    text_.clear();
    editBlocked_ = true;  // until a line is selected again
    refreshShownNotes();
}

void AnalysisSession::refreshShownNotes() {
    if (filter_.any() && haveFilterSituation_ && selection_ != Selection::None) {
        shown_ = notebook_.filtered(filterSituation_, filter_);
    } else {
        shown_ = notebook_.entries();
    }
}

AnalysisSession::Controls AnalysisSession::controls() const {
    Controls controls;
    const bool situation = selection_ == Selection::Day || selection_ == Selection::Moon ||
                           selection_ == Selection::Orb;
    controls.filtersEnabled = situation;
    controls.storeEnabled = textChanged_ && selectedSituation() != nullptr;
    if (situation) {
        controls.editEnabled = !editBlocked_;
        controls.deleteEnabled = notebook_.find(*selectedSituation()) != nullptr;
    } else if (selection_ == Selection::Note && !notebook_.empty()) {
        controls.editEnabled = !editBlocked_;
        controls.deleteEnabled = true;
    }
    return controls;
}

}  // namespace orvanta
