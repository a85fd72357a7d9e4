#include "ui/NaturalTextOrder.h"

#include <QCollator>
#include <QLocale>

namespace orvanta {
namespace {

// Made for Russian, not for QLocale(): under LANG=C (or unset, or C.UTF-8) the default
// locale is C, and Qt's ICU collator does not open ICU for the C locale at all; it compares
// code points and ignores the numeric mode, which put "Клиент 10" before "Клиент 2" and
// "Ёлка" after "Я".
QCollator makeCollator() {
    QCollator collator(QLocale(QLocale::Russian, QLocale::Russia));
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

}  // namespace

int NaturalTextOrder::compare(const QString& a, const QString& b) {
    static const QCollator collator = makeCollator();
    const int order = collator.compare(a, b);
    // Names equal but for case still sort the same way every time.
    return order != 0 ? order : QString::compare(a, b);
}

}  // namespace orvanta
