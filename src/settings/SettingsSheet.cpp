#include "settings/SettingsSheet.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace orvanta {

SettingsSheet::SettingsSheet(const QString& caption, bool withApply, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(caption);
    tabs_ = new QTabWidget(this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton("OK", this);
    ok->setDefault(true);
    auto* cancel = new QPushButton("Отмена", this);
    connect(ok, &QPushButton::clicked, this, &SettingsSheet::accept);
    connect(cancel, &QPushButton::clicked, this, &SettingsSheet::reject);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    if (withApply) {
        apply_ = new QPushButton("Применить", this);
        connect(apply_, &QPushButton::clicked, this, &SettingsSheet::apply);
        buttons->addWidget(apply_);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);
}

void SettingsSheet::addPage(SheetPage* page, const QString& title) {
    pages_.push_back(page);
    tabs_->addTab(page, title);
}

bool SettingsSheet::takeAllPages() {
    for (SheetPage* page : pages_) {
        if (!page->takeControls()) {
            tabs_->setCurrentWidget(page);
            page->showRefusal();
            return false;
        }
    }
    return true;
}

bool SettingsSheet::apply() {
    if (!takeAllPages()) return false;
    confirm();
    return true;
}

void SettingsSheet::accept() {
    if (apply()) QDialog::accept();
}

void SettingsSheet::reject() {
    std::vector<int> shown;
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        if (pages_[i]->wasShown()) shown.push_back(static_cast<int>(i));
    }
    cancel(shown);
    QDialog::reject();
}

}  // namespace orvanta
