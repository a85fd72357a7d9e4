#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "birthdata/TimeChangeEditor.h"
#include "common/DataFile.h"

namespace orvanta {

class TimeChangeBase;

// "Изменения времени": the list of the changes of the Moscow-Greenwich difference with the
// five fields of the selected one. TimeChangeEditor decides; the dialog moves texts between
// it and the controls.
class TimeChangeDialog : public QDialog {
    Q_OBJECT
  public:
    // OK writes the base to `file` (the user's copy of a named file is made then, not before).
    TimeChangeDialog(TimeChangeBase& base, DataFile file, QWidget* parent = nullptr);

    void accept() override;
    void reject() override;

  private:
    void buildControls();
    void attachToolTips();
    void connectControls();

    void fillList();
    void display(const TimeChangeEditor::Fields& fields);
    TimeChangeEditor::Fields gather() const;
    void onEdited();

    TimeChangeEditor editor_;
    DataFile file_;
    bool showing_ = false;

    QListWidget* list_ = nullptr;
    QLineEdit* day_ = nullptr;
    QComboBox* month_ = nullptr;
    QLineEdit* year_ = nullptr;
    QLineEdit* hour_ = nullptr;
    QLineEdit* difference_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace orvanta
