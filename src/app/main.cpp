#include <QApplication>

#include "ui/AppContext.h"
#include "ui/StartUp.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Orvanta");
    QApplication::setApplicationName("Orvanta");

    orvanta::StartUp::installQtTranslation(app);
    orvanta::StartUp::installMessageBoxes();
    orvanta::AppContext context;
    orvanta::StartUp::loadContext(context);
    const auto options = orvanta::StartUp::parseCommandLine(QApplication::arguments());
    orvanta::StartUp::showMainFrame(context, options);
    const int code = QApplication::exec();
    orvanta::StartUp::storeAtExit(context);
    return code;
}
