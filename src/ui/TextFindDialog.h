#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>

namespace orvanta {

// "Найти" and "Заменить" of a text editor: the usual find and replace dialog, kept open
// beside the text while the user searches.
class TextFindDialog : public QDialog {
    Q_OBJECT
  public:
    enum class Mode { Find, Replace };

    TextFindDialog(Mode mode, QPlainTextEdit* editor, QWidget* parent = nullptr);

    void setEditor(QPlainTextEdit* editor) { editor_ = editor; }
    QLineEdit* searchField() const { return what_; }
    QLineEdit* replaceField() const { return with_; }

    // True when found; the match is selected.
    bool findNext();
    // Replaces the selected match, then finds the next one.
    bool replaceCurrent();
    // The number of matches replaced, as one step of undo.
    int replaceAll();

  private:
    QTextDocument::FindFlags flags(bool forAll = false) const;
    bool selectionMatches() const;
    void notFound();

    Mode mode_;
    QPointer<QPlainTextEdit> editor_;
    QLineEdit* what_ = nullptr;
    QLineEdit* with_ = nullptr;
    QCheckBox* wholeWord_ = nullptr;
    QCheckBox* matchCase_ = nullptr;
    QRadioButton* up_ = nullptr;
};

}  // namespace orvanta
