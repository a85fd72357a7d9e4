#include "ui/AboutText.h"

namespace orvanta {

QString AboutText::programVersion() {
    return QStringLiteral(ORVANTA_VERSION);
}

QString AboutText::html(const QString& programVersion, const QString& swissEphemerisVersion) {
    const QString engine = swissEphemerisVersion.isEmpty()
                               ? QString("библиотека расчета не загружена")
                               : "версия " + swissEphemerisVersion.toHtmlEscaped();
    return QString(
               "<h3>Orvanta %1</h3>"
               "<p>Рабочее место астролога: карта рождения, текст интерпретации и карта "
               "событий.</p>"
               "<p>Положения планет рассчитываются по эфемеридам Swiss Ephemeris "
               "(%2), Astrodienst AG.</p>"
               "<p>Атлас городов мира: GeoNames (https://www.geonames.org/), лицензия "
               "CC BY 4.0 (Creative Commons Attribution 4.0).<br>"
               "История часовых поясов: база данных часовых поясов IANA "
               "(https://www.iana.org/time-zones).</p>"
               "<p>Распространяется на условиях GNU AGPL версии 3 или более поздней.</p>")
        .arg(programVersion.toHtmlEscaped(), engine);
}

}  // namespace orvanta
