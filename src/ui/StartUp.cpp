#include "ui/StartUp.h"

#include <QApplication>
#include <QImage>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

#include "common/AppFolder.h"
#include "common/DataFile.h"
#include "common/MessageSink.h"
#include "draw/FontMapping.h"
#include "draw/PicturePainter.h"
#include "ui/AppContext.h"
#include "ui/CMainFrame.h"
#include "ui/NoticeDialog.h"
#include "ui/SplashWindow.h"

namespace orvanta {
namespace {

QImage splashPicture() {
    Picture picture;
    for (const auto& message : picture.loadFile(AppFolder::find("orvanta.bmp")).messages) {
        MessageSink::report(message);
    }
    return PicturePainter::toImage(picture);
}

}  // namespace

StartUp::Options StartUp::parseCommandLine(const QStringList& arguments) {
    Options options;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const QString lower = argument.toLower();
        if (lower == "--nosplash" || lower == "-nosplash" || lower == "/nosplash") {
            options.splash = false;
        } else if (lower == "--sample" && i + 1 < arguments.size()) {
            options.sample = arguments[++i];
        } else if (!argument.startsWith("-")) {
            options.files << argument;
        }
    }
    return options;
}

void StartUp::loadContext(AppContext& context) {
    // An installed program makes the user's folder on its first start.
    AppFolder::userFolder();
    context.settings = StartupSettings::load();
    context.resources.serifFace = context.settings.serifFace;
    context.resources.monospaceFace = context.settings.monospaceFace;
    context.resources.sansFace = context.settings.sansFace;
    context.resources.degreeNotation =
        context.settings.degreesMinutes ? DegreeNotation::DegreesMinutes : DegreeNotation::Decimal;
    FontMapping::install(QString::fromStdString(context.settings.serifFace),
                         QString::fromStdString(context.settings.monospaceFace),
                         QString::fromStdString(context.settings.sansFace));
    context.resources.loadSignPictures();
    context.timeChanges.loadAtStartup(AppFolder::find(TimeChangeBase::kFileName));
    context.iniFile = DataFile::named(StartupSettings::kIniFileName);
}

QTranslator* StartUp::installQtTranslation(QCoreApplication& application) {
    // Qt's own dialogs and buttons (file dialogs, Yes/No/Cancel) speak Russian too.
    auto* translator = new QTranslator(&application);
    if (!translator->load(QLocale(QLocale::Russian, QLocale::Russia), "qtbase", "_",
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

void StartUp::installMessageBoxes() {
    MessageSink::install([](std::string_view text) {
        QMessageBox::warning(QApplication::activeWindow(), "Orvanta",
                             QString::fromUtf8(text.data(), static_cast<int>(text.size())));
    });
}

CMainFrame* StartUp::showMainFrame(AppContext& context, const Options& options) {
    auto* frame = new CMainFrame(context);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    // Sized to the screen first, for window managers that do not maximise on request.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        frame->setGeometry(screen->availableGeometry());
    }
    frame->showMaximized();
    for (const QString& file : options.files) frame->openChart(file);
    if (!options.sample.isEmpty() && !context.settings.showCollection) {
        frame->openChart(options.sample);
    }
    // After the charts named on the command line, so that it stands over them.
    if (context.settings.showCollection) frame->showCollection();
    if (options.splash) {
        auto* splash = new SplashWindow(splashPicture());
        splash->showCentred();
    }
    if (NoticeDialog::showAtStartup()) {
        // After the frame has painted, as the notice belongs over a visible program.
        QTimer::singleShot(0, frame, [frame] {
            NoticeDialog dialog(frame);
            dialog.exec();
        });
    }
    return frame;
}

void StartUp::storeAtExit(const AppContext& context) {
    std::string error;
    if (!context.settings.store(&error)) {
        MessageSink::report("Не удалось сохранить ORVANTA.INI: " + error);
    }
}

}  // namespace orvanta
