#include "ui/SecondChartDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace orvanta {

SecondChartDialog::SecondChartDialog(const SecondChartChoice& choice, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QString::fromStdString(choice.dialogTitle()));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Вторая карта:", this));
    list_ = new QListWidget(this);
    for (const std::string& entry : choice.entries()) list_->addItem(QString::fromStdString(entry));
    list_->setCurrentRow(static_cast<int>(choice.initialEntry()));
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

std::optional<std::size_t> SecondChartDialog::choose(const SecondChartChoice& choice,
                                                     QWidget* parent) {
    SecondChartDialog dialog(choice, parent);
    if (dialog.exec() != QDialog::Accepted || dialog.list()->currentRow() < 0) return std::nullopt;
    return static_cast<std::size_t>(dialog.list()->currentRow());
}

}  // namespace orvanta
