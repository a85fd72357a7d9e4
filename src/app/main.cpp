#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "ui/AppContext.h"
#include "ui/StartUp.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Orvanta");
    QApplication::setApplicationName("Orvanta");
    // Qt's own dialogs (files, colours, message boxes) speak Russian like the rest.
    QTranslator qtTexts;
    if (qtTexts.load("qtbase_ru", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    orvanta::StartUp::installMessageBoxes();
    orvanta::AppContext context;
    orvanta::StartUp::loadContext(context);
    const auto options = orvanta::StartUp::parseCommandLine(QApplication::arguments());
    orvanta::StartUp::showMainFrame(context, options);
    const int code = QApplication::exec();
    orvanta::StartUp::storeAtExit(context);
    return code;
}
