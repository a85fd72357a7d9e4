#pragma once

#include <QString>

namespace orvanta {

// The configured face names come from another system ("Times New Roman Cyr", "Courier New Cyr",
// "MS Sans Serif"). They are kept as configured and mapped to installed faces of the same kind
// that show Cyrillic, so every drawing finds a real font under the configured name.
class FontMapping {
  public:
    enum class Kind { Serif, Monospace, Sans };

    // Registers substitutions for the three names (once per process is enough).
    static void install(const QString& serif, const QString& monospace, const QString& sans);

    // The installed family a configured name resolves to.
    static QString resolvedFamily(const QString& configured);

    static QString installedFamily(Kind kind);
};

}  // namespace orvanta
