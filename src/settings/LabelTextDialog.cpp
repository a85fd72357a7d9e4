#include "settings/LabelTextDialog.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "common/MessageSink.h"
#include "common/Windows1251.h"
#include "settings/SheetControls.h"

namespace orvanta {

LabelTextDialog::LabelTextDialog(std::string& label, QWidget* parent)
    : QDialog(parent), label_(label) {
    setWindowTitle("Редактируйте");
    editor_ = new QPlainTextEdit(toField(label), this);
    editor_->setMinimumSize(420, 220);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(editor_);
    layout->addLayout(SheetControls::okCancelRow(this));
}

QString LabelTextDialog::toField(const std::string& label) {
    QString text = QString::fromStdString(label);
    text.replace("\r\n", "\n");
    return text;
}

std::string LabelTextDialog::fromField(const QString& text) {
    QString stored = text;
    stored.replace("\r\n", "\n").replace('\n', "\r\n");
    return stored.toStdString();
}

void LabelTextDialog::accept() {
    const std::string text = fromField(editor_->toPlainText());
    if (!Windows1251::fromUtf8(text)) {
        MessageSink::report(
            "В тексте есть знаки, которые нельзя сохранить в файле установок (кодировка "
            "Windows-1251). Замените их, пожалуйста.");
        editor_->setFocus();
        return;
    }
    label_ = text;
    QDialog::accept();
}

}  // namespace orvanta
