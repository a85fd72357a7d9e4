#include "ui/DateFields.h"

#include <QRegularExpressionValidator>
#include <string>

#include "calc/MonthNames.h"

namespace orvanta {

QComboBox* DateFields::monthBox(QWidget& parent) {
    auto* month = new QComboBox(&parent);
    month->setObjectName("month");
    for (std::string_view name : MonthNames::kNames)
        month->addItem(QString::fromStdString(std::string(name)));
    return month;
}

QLineEdit* DateFields::numberEdit(QWidget& parent, const char* objectName, int digits,
                                  bool signedNumber) {
    auto* edit = new QLineEdit(&parent);
    edit->setObjectName(objectName);
    const char* pattern = signedNumber ? "[+-]?[0-9]*" : "[0-9]*";
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QString(digits + 1, '0')) + 14);
    return edit;
}

}  // namespace orvanta
