#pragma once

#include <QString>

namespace orvanta {

// What "О программе" says: the program and its version, the Swiss Ephemeris version the engine
// reports, the data it carries with their credits, and the licence.
class AboutText {
  public:
    // The program's version as the build names it.
    static QString programVersion();

    // The box's rich text. An empty engine version (the engine could not be loaded) is said
    // in words rather than left blank.
    static QString html(const QString& programVersion, const QString& swissEphemerisVersion);
};

}  // namespace orvanta
