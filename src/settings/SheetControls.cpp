#include "settings/SheetControls.h"

namespace orvanta {

QHBoxLayout* SheetControls::okCancelRow(QDialog* dialog) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* ok = new QPushButton("OK", dialog);
    ok->setDefault(true);
    ok->setToolTip("Запомнить изменения и закрыть диалог");
    auto* cancel = new QPushButton("Отмена", dialog);
    cancel->setToolTip("Закрыть диалог без учета изменений");
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

QHBoxLayout* SheetControls::rememberRestoreRow(QWidget* page, std::function<void()> remember,
                                               std::function<void()> restore) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* rememberButton = new QPushButton("Запомнить", page);
    rememberButton->setObjectName("remember");
    rememberButton->setToolTip("Сохранить и использовать по умолчанию");
    auto* restoreButton = new QPushButton("Восстановить", page);
    restoreButton->setObjectName("restore");
    restoreButton->setToolTip("Вернуть прежние установки");
    QObject::connect(rememberButton, &QPushButton::clicked, page, std::move(remember));
    QObject::connect(restoreButton, &QPushButton::clicked, page, std::move(restore));
    row->addWidget(rememberButton);
    row->addWidget(restoreButton);
    row->addStretch();
    return row;
}

QPushButton* SheetControls::textButton(QWidget* parent) {
    auto* button = new QPushButton("Текст", parent);
    button->setToolTip(kTextTip);
    button->setAutoDefault(false);
    return button;
}

QLabel* SheetControls::heading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace orvanta
