#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

namespace orvanta {

// The fields the date dialogs share: the month chosen by its name, and whole numbers typed into
// fields as wide as their digits.
class DateFields {
  public:
    // A list named "month" of "Январь" to "Декабрь".
    static QComboBox* monthBox(QWidget& parent);
    // A field for a whole number of up to `digits` digits, with a sign when signedNumber.
    static QLineEdit* numberEdit(QWidget& parent, const char* objectName, int digits,
                                 bool signedNumber = false);
};

}  // namespace orvanta
