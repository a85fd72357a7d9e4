#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>
#include <functional>

#include "doc/CZodiacDoc.h"
#include "events/AnalysisSession.h"

namespace orvanta {

class SituationPanel;

// "Анализ событий по транзитным ситуациям": the situations of the event-chart day in three
// lists, the interpretation of the selected one, and the notebook of observations. What it
// decides lives in AnalysisSession; the window moves values between it and the controls.
// OK writes the notebook to the notebook file; the caller reads that file back.
class AnalysisDialog : public QDialog {
    Q_OBJECT
  public:
    AnalysisDialog(CZodiacDoc& doc, const TransitDay& day, Notebook notebook,
                   std::filesystem::path notebookFile, QWidget* parent = nullptr);

    AnalysisSession& session() { return session_; }
    QListWidget* situationList(AnalysisSession::Selection kind) const;
    QListWidget* notebookList() const { return notes_; }
    QPlainTextEdit* observationEdit() const { return observation_; }
    QPlainTextEdit* interpretation() const { return interpretation_; }
    QPushButton* storeButton() const { return store_; }
    QPushButton* deleteButton() const { return delete_; }
    QCheckBox* filterBox(int which) const { return filters_[static_cast<std::size_t>(which)]; }

    // The symbol mode outlives the window: astrological symbols or pictograms.
    static bool usesPictograms() { return pictograms_; }

    // Writes the chart's notebook to the notebook file, runs the window on the event-chart
    // day and reads the file back. Any failure is reported and leaves the chart's notebook.
    // A situation given opens the window with it selected.
    struct Initial {
        AnalysisSession::Selection list = AnalysisSession::Selection::None;
        int row = -1;
    };
    static void run(CZodiacDoc& doc, QWidget* parent, const std::function<void()>& modified,
                    Initial initial);
    static void run(CZodiacDoc& doc, QWidget* parent, const std::function<void()>& modified) {
        run(doc, parent, modified, Initial());
    }

  public slots:
    void accept() override;
    void reject() override;

  private:
    void buildControls(const Date& date);
    QHBoxLayout* notebookRow();
    void createFilters();
    QHBoxLayout* bottomRow();
    void connectControls();
    QListWidget* makeList(const char* tip);
    void fillSituationList(AnalysisSession::Selection kind);
    void fillNotebookList();
    void onSituationSelected(AnalysisSession::Selection kind, int row);
    void onNoteSelected(int row);
    void onFilterToggled();
    void onStore();
    void onDelete();
    // Asks whether to store a changed text; true when it was stored.
    bool offerToStoreChangedText();
    void showSelection(bool withInterpretation);
    void refreshControls();
    void setPictograms(bool pictograms);
    bool writeNotebook();

    CZodiacDoc& doc_;
    AnalysisSession session_;
    std::filesystem::path notebookFile_;
    bool updating_ = false;
    std::function<void()> markModified_;

    QListWidget* day_ = nullptr;
    QListWidget* moon_ = nullptr;
    QListWidget* orb_ = nullptr;
    QListWidget* notes_ = nullptr;
    SituationPanel* panel_ = nullptr;
    QLabel* swatch_ = nullptr;
    QLabel* colourCaption_ = nullptr;
    QPlainTextEdit* interpretation_ = nullptr;
    QPlainTextEdit* observation_ = nullptr;
    std::array<QCheckBox*, 3> filters_{};  // natal object, transiting body, aspect
    QPushButton* store_ = nullptr;
    QPushButton* delete_ = nullptr;

    static inline bool pictograms_ = false;
};

}  // namespace orvanta
