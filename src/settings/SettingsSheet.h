#pragma once

#include <QDialog>
#include <QPushButton>
#include <QTabWidget>
#include <vector>

#include "settings/SheetPage.h"

namespace orvanta {

// A modal settings sheet: pages on tabs with OK and "Отмена" (and "Применить" where the sheet
// has it). OK takes every page's controls, in page order, before anything reaches the
// document; a refused field shows its page and keeps the sheet open. Cancelling, however the
// sheet is closed, resets the pages that were shown.
class SettingsSheet : public QDialog {
    Q_OBJECT
  public:
    SettingsSheet(const QString& caption, bool withApply, QWidget* parent = nullptr);

    QTabWidget* tabs() const { return tabs_; }
    SheetPage* page(int index) const { return pages_.at(static_cast<std::size_t>(index)); }
    QPushButton* applyButton() const { return apply_; }

    void accept() override;
    void reject() override;
    // "Применить": what OK does, without closing.
    bool apply();

  protected:
    void addPage(SheetPage* page, const QString& title);
    // The pages' values go into the document.
    virtual void confirm() = 0;
    // The pages that were shown (by index) run their reset.
    virtual void cancel(const std::vector<int>& shownPages) = 0;

  private:
    bool takeAllPages();

    QTabWidget* tabs_ = nullptr;
    QPushButton* apply_ = nullptr;
    std::vector<SheetPage*> pages_;
};

}  // namespace orvanta
