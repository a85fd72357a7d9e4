#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <QTableWidget>

#include "WidgetInput.h"
#include "common/AtomicFile.h"
#include "doc/MapFile.h"
#include "ui/CollectionWindow.h"

namespace orvanta {
namespace {

using testing::pressKey;
using testing::typeText;
using testing::waitFor;
using testing::widgetApplication;

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
    const QString folder = CollectionWindow::defaultFolder();
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    writeChart(folder, "a.map", "Анна");
    const QString boris = writeChart(folder, "b.map", "Борис");
    QStringList opened;
    CollectionWindow window([&opened](const QString& path) { opened << path; });
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

}  // namespace
}  // namespace orvanta
