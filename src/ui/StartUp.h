#pragma once

#include <QCoreApplication>
#include <QStringList>
#include <QTranslator>

namespace orvanta {

class CMainFrame;
struct AppContext;

// What the program does from its start to the shown main frame, and at exit.
class StartUp {
  public:
    struct Options {
        bool splash = true;
        QStringList files;  // chart files named on the command line
        // "--sample FILE": a chart to show when the user has not chosen the collection at
        // start-up instead (how ./run.sh opens the delivered sample).
        QString sample;
    };

    static Options parseCommandLine(const QStringList& arguments);

    // Settings from "ORVANTA.INI", the font mapping, the sign pictures and the time-change base.
    static void loadContext(AppContext& context);

    // Loads Qt's Russian translation ("qtbase_ru.qm" of the system's Qt); nullptr when it is
    // missing. The translator belongs to the application.
    static QTranslator* installQtTranslation(QCoreApplication& application);

    // Installs the message boxes as the program's message sink.
    static void installMessageBoxes();

    // The maximised main frame with the files of the command line opened, the splash and the
    // notice window as the options and the user's setting say.
    static CMainFrame* showMainFrame(AppContext& context, const Options& options);

    // The face names go back to "ORVANTA.INI".
    static void storeAtExit(const AppContext& context);
};

}  // namespace orvanta
