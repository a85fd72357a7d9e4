#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>

#include "WidgetInput.h"
#include "common/AtomicFile.h"
#include "doc/IniFile.h"
#include "doc/MapFile.h"
#include "support/ScratchFolder.h"
#include "ui/AppContext.h"
#include "ui/CBornChildFrame.h"
#include "ui/CMainFrame.h"
#include "ui/ChartWindows.h"
#include "ui/CollectionFolderPanel.h"
#include "ui/CollectionWindow.h"
#include "ui/NaturalTextOrder.h"
#include "ui/NoticeDialog.h"
#include "ui/StartUp.h"

namespace orvanta {
namespace {

using testing::pressKey;
using testing::typeText;
using testing::waitFor;
using testing::widgetApplication;

// A home of the test's own, so that test processes running side by side never share the
// default chart folder under it.
class OwnHome {
  public:
    OwnHome() : old_(qgetenv("HOME")) {
        qputenv("HOME", QByteArray::fromStdString(home_.path().string()));
    }
    ~OwnHome() { qputenv("HOME", old_); }
    OwnHome(const OwnHome&) = delete;
    OwnHome& operator=(const OwnHome&) = delete;

  private:
    testing::ScratchFolder home_;
    QByteArray old_;
};

QString writeChart(const QString& folder, const QString& file, const std::string& name) {
    NatalChart natal;
    natal.birth.name = name;
    const QString path = QDir(folder).filePath(file);
    EXPECT_TRUE(AtomicFile::write(path.toStdString(), MapFile::serialize(natal)));
    return path;
}

// The window over the default chart folder of the test's own home: typing narrows the list,
// Enter opens the chart of the current row, and files added or removed from outside show
// without a refresh asked for.
TEST(CollectionWindow, FiltersOpensAndFollowsTheFolder) {
    widgetApplication();
    const OwnHome home;
    const QString folder = CollectionWindow::defaultFolder();
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    writeChart(folder, "a.map", "Анна");
    const QString boris = writeChart(folder, "b.map", "Борис");
    QStringList opened;
    AppContext context;
    CollectionWindow window([&opened](const QString& path) { opened << path; }, context);
    window.show();
    auto* table = window.findChild<QTableWidget*>();
    auto* filter = window.findChild<QLineEdit*>();
    ASSERT_TRUE(table && filter);
    EXPECT_EQ(table->rowCount(), 2);

    typeText(filter, "бор");
    ASSERT_EQ(table->rowCount(), 1);
    table->setFocus();
    table->setCurrentCell(0, 0);
    pressKey(table, Qt::Key_Return);
    EXPECT_EQ(opened, QStringList{boris});

    filter->clear();
    writeChart(folder, "c.map", "Вера");
    EXPECT_TRUE(waitFor([&] { return table->rowCount() == 3; }));
    QFile::remove(boris);
    EXPECT_TRUE(waitFor([&] { return table->rowCount() == 2; }));
    QDir(folder).removeRecursively();
}

QStringList namesInOrder(const QTableWidget& table) {
    QStringList names;
    for (int row = 0; row < table.rowCount(); ++row) names << table.item(row, 0)->text();
    return names;
}

// A second folder added, gone from the disk, back, and removed: its charts come and go with
// it, the gone folder is said, and the list of folders is kept in the settings file.
TEST(CollectionWindow, ListsTheFoldersTheUserAddsAndSaysWhichAreGone) {
    widgetApplication();
    const OwnHome home;
    const QString folder = CollectionWindow::defaultFolder();
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    writeChart(folder, "a.map", "Клиент 10");
    testing::ScratchFolder scratch;
    const QString clients = QString::fromStdString((scratch / "clients").string());
    QDir().mkpath(clients);
    writeChart(clients, "b.map", "клиент 2");
    writeChart(clients, "c.map", "Ёлкин");
    AppContext context;
    context.iniFile = scratch / "ORVANTA.INI";
    CollectionWindow window([](const QString&) {}, context);
    auto* table = window.findChild<QTableWidget*>();
    auto* panel = window.findChild<CollectionFolderPanel*>();
    ASSERT_TRUE(table && panel);
    ASSERT_EQ(table->rowCount(), 1);

    panel->addFolder(clients);
    // Russian order, numbers by value: Ё with Е before К, 2 before 10 (worked by hand).
    EXPECT_EQ(namesInOrder(*table), (QStringList{"Ёлкин", "клиент 2", "Клиент 10"}));

    // Renamed away, as an unplugged drive goes, and back.
    const QString away = clients + "-away";
    ASSERT_TRUE(QDir().rename(clients, away));
    EXPECT_TRUE(waitFor([&] { return table->rowCount() == 1; }));
    EXPECT_TRUE(panel->notice().contains("Папки нет") && panel->notice().contains(clients));
    ASSERT_TRUE(QDir().rename(away, clients));
    EXPECT_TRUE(waitFor([&] { return table->rowCount() == 3; }));
    EXPECT_FALSE(panel->notice().contains("Папки нет"));

    panel->removeFolder(clients);
    EXPECT_EQ(table->rowCount(), 1);
    panel->removeFolder(folder);  // the default folder stays, and says so
    EXPECT_TRUE(panel->notice().contains("убрать нельзя"));
    IniFile ini;  // kept at each change: added as Folder1, then emptied
    ASSERT_TRUE(ini.load(scratch / "ORVANTA.INI"));
    EXPECT_EQ(ini.value("Collection", "Folder1"), "");
    QDir(folder).removeRecursively();
}

// Cases whose order the C locale got wrong, each pair in the order a Russian reader expects.
TEST(CollectionWindow, SortsNamesInRussianOrderWithNumbersByValue) {
    const std::pair<QString, QString> pairs[] = {
        {"Клиент 2", "Клиент 10"}, {"клиент 9", "Клиент 10"}, {"Карта 2а", "Карта 12"},
        {"Елена", "Ёлка"},         {"Ёлка", "Ель"},           {"Ёж", "Жанна"},
        {"Яна", "Anna"},           {"file2", "file10"},
    };
    for (const auto& [first, second] : pairs) {
        EXPECT_TRUE(NaturalTextOrder::less(first, second)) << first.toStdString();
        EXPECT_FALSE(NaturalTextOrder::less(second, first)) << second.toStdString();
    }
}

// The start-up shows the collection only when asked to; its check box is what asks.
TEST(CollectionWindow, ShowsAtStartUpWhenTheUserChoseIt) {
    widgetApplication();
    const OwnHome home;
    NoticeDialog::setShowAtStartup(false);
    for (bool atStartup : {false, true}) {
        AppContext context;
        context.settings.showCollection = atStartup;
        // As ./run.sh starts the program: the sample only when the collection is not chosen.
        const auto options = StartUp::parseCommandLine(
            {"orvanta", "--nosplash", "--sample", QString(ORVANTA_SAMPLE_MAP)});
        CMainFrame* frame = StartUp::showMainFrame(context, options);
        auto* shown = frame->findChild<CollectionWindow*>();
        EXPECT_EQ(shown != nullptr && shown->isVisible(), atStartup);
        EXPECT_EQ(frame->windows().active<CBornChildFrame>() == nullptr, atStartup);
        frame->showCollection();
        auto* box = frame->findChild<CollectionWindow*>()->findChild<QCheckBox*>();
        EXPECT_EQ(box->isChecked(), atStartup);
        box->click();
        EXPECT_EQ(context.settings.showCollection, !atStartup);
        EXPECT_FALSE(frame->action(Command::Collection)->icon().isNull());  // not text
        delete frame;
    }
    NoticeDialog::setShowAtStartup(true);
}

}  // namespace
}  // namespace orvanta
