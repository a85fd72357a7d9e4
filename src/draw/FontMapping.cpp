#include "draw/FontMapping.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace orvanta {
namespace {

QStringList candidates(FontMapping::Kind kind) {
    switch (kind) {
        case FontMapping::Kind::Serif:
            return {"Liberation Serif", "DejaVu Serif", "Times New Roman", "Noto Serif"};
        case FontMapping::Kind::Monospace:
            return {"Liberation Mono", "DejaVu Sans Mono", "Courier New", "Noto Sans Mono"};
        case FontMapping::Kind::Sans:
            return {"Liberation Sans", "DejaVu Sans", "Arial", "Noto Sans"};
    }
    return {};
}

FontMapping::Kind guessKind(const QString& name) {
    const QString lower = name.toLower();
    if (lower.contains("courier") || lower.contains("mono") || lower.contains("console")) {
        return FontMapping::Kind::Monospace;
    }
    if (lower.contains("sans") || lower.contains("arial") || lower.contains("helvetica") ||
        lower.contains("verdana") || lower.contains("tahoma")) {
        return FontMapping::Kind::Sans;
    }
    return FontMapping::Kind::Serif;
}

void substitute(const QString& configured) {
    if (configured.isEmpty()) return;
    // A configured face that is really installed is used as it is.
    if (QFontDatabase::families().contains(configured, Qt::CaseInsensitive)) return;
    QStringList list = candidates(guessKind(configured));
    QFont::insertSubstitutions(configured, list);
}

}  // namespace

QString FontMapping::installedFamily(Kind kind) {
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : candidates(kind)) {
        if (installed.contains(family, Qt::CaseInsensitive)) return family;
    }
    return QFont().defaultFamily();
}

void FontMapping::install(const QString& serif, const QString& monospace, const QString& sans) {
    substitute(serif);
    substitute(monospace);
    substitute(sans);
}

QString FontMapping::resolvedFamily(const QString& configured) {
    return QFontInfo(QFont(configured)).family();
}

}  // namespace orvanta
