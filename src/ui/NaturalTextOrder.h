#pragma once

#include <QString>

namespace orvanta {

// The order of names in the collection's columns: Russian dictionary order ("Ё" with "Е",
// Cyrillic before Latin), letter case ignored, and numbers by value ("Клиент 2" before
// "Клиент 10"), whatever locale the program was started in.
class NaturalTextOrder {
  public:
    // Negative, zero or positive as a sorts before, with or after b.
    static int compare(const QString& a, const QString& b);
    static bool less(const QString& a, const QString& b) { return compare(a, b) < 0; }
};

}  // namespace orvanta
