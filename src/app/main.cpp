#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ui/AppContext.h"
#include "ui/StartUp.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Orvanta");
    QApplication::setApplicationName("Orvanta");
    // Qt's own dialogs and buttons (file dialogs, "Да", "Нет", "Отмена") speak Russian too.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Russian), "qtbase", "_",
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }

    orvanta::StartUp::installMessageBoxes();
    orvanta::AppContext context;
    orvanta::StartUp::loadContext(context);
    const auto options = orvanta::StartUp::parseCommandLine(QApplication::arguments());
    orvanta::StartUp::showMainFrame(context, options);
    const int code = QApplication::exec();
    orvanta::StartUp::storeAtExit(context);
    return code;
}
