#include "ui/TextFindDialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QTextBlock>
#include <QVBoxLayout>

namespace orvanta {

TextFindDialog::TextFindDialog(Mode mode, QPlainTextEdit* editor, QWidget* parent)
    : QDialog(parent), mode_(mode), editor_(editor) {
    const bool replacing = mode == Mode::Replace;
    setWindowTitle(replacing ? "Заменить" : "Найти");
    auto* fields = new QFormLayout;
    what_ = new QLineEdit(this);
    what_->setToolTip("Текст, который нужно найти");
    fields->addRow("&Что:", what_);
    if (replacing) {
        with_ = new QLineEdit(this);
        with_->setToolTip("Текст, которым заменяется найденный");
        fields->addRow("&Заменить на:", with_);
    }
    wholeWord_ = new QCheckBox("Только слово &целиком", this);
    wholeWord_->setToolTip("Находить только отдельные слова, а не части слов");
    matchCase_ = new QCheckBox("С учетом &регистра", this);
    matchCase_->setToolTip("Различать прописные и строчные буквы");
    auto* options = new QVBoxLayout;
    options->addLayout(fields);
    options->addWidget(wholeWord_);
    options->addWidget(matchCase_);
    if (!replacing) {
        auto* direction = new QGroupBox("Направление", this);
        auto* directions = new QHBoxLayout(direction);
        up_ = new QRadioButton("&Вверх", direction);
        up_->setToolTip("Искать к началу текста");
        auto* down = new QRadioButton("В&низ", direction);
        down->setToolTip("Искать к концу текста");
        down->setChecked(true);
        directions->addWidget(up_);
        directions->addWidget(down);
        options->addWidget(direction);
    }

    auto* buttons = new QVBoxLayout;
    auto addButton = [&](const QString& text, const QString& tip, auto slot) {
        auto* button = new QPushButton(text, this);
        button->setToolTip(tip);
        connect(button, &QPushButton::clicked, this, slot);
        buttons->addWidget(button);
        return button;
    };
    addButton("&Найти далее", "Найти следующее совпадение", [this] {
        findNext();
    })->setDefault(true);
    if (replacing) {
        addButton("За&менить", "Заменить выделенное совпадение и найти следующее",
                  [this] { replaceCurrent(); });
        addButton("Заменить &все", "Заменить все совпадения в тексте", [this] { replaceAll(); });
    }
    addButton("Отмена", "Закрыть окно поиска", [this] { close(); });
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(options, 1);
    layout->addLayout(buttons);
}

QTextDocument::FindFlags TextFindDialog::flags(bool forAll) const {
    QTextDocument::FindFlags result;
    if (matchCase_->isChecked()) result |= QTextDocument::FindCaseSensitively;
    if (wholeWord_->isChecked()) result |= QTextDocument::FindWholeWords;
    if (!forAll && up_ && up_->isChecked()) result |= QTextDocument::FindBackward;
    return result;
}

void TextFindDialog::notFound() {
    QMessageBox::information(this, windowTitle(),
                             QString("Не удается найти «%1».").arg(what_->text()));
}

bool TextFindDialog::findNext() {
    if (!editor_ || what_->text().isEmpty()) return false;
    if (editor_->find(what_->text(), flags())) return true;
    notFound();
    return false;
}

bool TextFindDialog::selectionMatches() const {
    const QString selected = editor_->textCursor().selectedText();
    const auto sensitivity = matchCase_->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    return !selected.isEmpty() && selected.compare(what_->text(), sensitivity) == 0;
}

bool TextFindDialog::replaceCurrent() {
    if (!editor_ || what_->text().isEmpty()) return false;
    if (selectionMatches()) editor_->textCursor().insertText(with_ ? with_->text() : QString());
    return findNext();
}

int TextFindDialog::replaceAll() {
    if (!editor_ || what_->text().isEmpty()) return 0;
    QTextDocument* document = editor_->document();
    QTextCursor edit(document);
    edit.beginEditBlock();
    int count = 0;
    QTextCursor found(document);
    while (!(found = document->find(what_->text(), found, flags(true))).isNull()) {
        found.insertText(with_ ? with_->text() : QString());
        ++count;
    }
    edit.endEditBlock();
    if (count == 0) notFound();
    return count;
}

}  // namespace orvanta
