#pragma once

#include <QDialog>
#include <QPlainTextEdit>
#include <string>

namespace orvanta {

// "Редактируйте": the interpretation label of an aspect or a body in a multi-line field.
// OK stores the edited text into the label; a character the settings files cannot hold is
// refused with a message and the dialog stays.
class LabelTextDialog : public QDialog {
    Q_OBJECT
  public:
    LabelTextDialog(std::string& label, QWidget* parent = nullptr);

    QPlainTextEdit* editor() const { return editor_; }

    void accept() override;

    // The label's line breaks are CR LF in the files and in the records; the field shows LF.
    static QString toField(const std::string& label);
    static std::string fromField(const QString& text);

  private:
    std::string& label_;
    QPlainTextEdit* editor_ = nullptr;
};

}  // namespace orvanta
