#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <filesystem>
#include <fstream>

#include "WidgetInput.h"
#include "support/ScratchFolder.h"
#include "ui/HelpGuide.h"
#include "ui/HelpWindow.h"

namespace orvanta {
namespace {

void writePage(const testing::ScratchFolder& folder, const std::string& name,
               const std::string& title, const std::string& body) {
    std::ofstream(folder / name) << "<html><head><title>" << title
                                 << "</title><style>p { color: red }</style></head><body>" << body
                                 << "</body></html>";
}

// Three pages written out of order; the guide takes them in the order of their file names.
class HelpGuideTest : public ::testing::Test {
  protected:
    void SetUp() override {
        writePage(scratch_, "02-print.html", "Печать",
                  "<p>Печать &laquo;круга&raquo; и таблицы</p>");
        writePage(scratch_, "01-start.html", "Начало работы",
                  "<h1>Начало</h1><p>Новая КАРТА: Ctrl+N.</p><p>Печать — в меню «Файл».</p>");
        writePage(scratch_, "03-plain.html", "", "<p>Без заголовка</p>");
        std::ofstream(scratch_ / "notes.txt") << "не страница";
    }
    QString folder() const { return QString::fromStdString(scratch_.path().string()); }
    testing::ScratchFolder scratch_;
};

TEST_F(HelpGuideTest, PagesComeInFileOrderWithTheirTitlesAndReadableText) {
    const HelpGuide guide = HelpGuide::load(folder());
    ASSERT_EQ(guide.pages().size(), 3u);
    EXPECT_EQ(guide.pages()[0].title, "Начало работы");
    EXPECT_EQ(guide.pages()[1].title, "Печать");
    EXPECT_EQ(guide.pages()[2].title, "03-plain.html");  // no title: the file name
    // Tags, the head and its style are gone; entities are read.
    EXPECT_EQ(guide.pages()[1].text, "Печать «круга» и таблицы");
    EXPECT_TRUE(HelpGuide::load(folder() + "/missing").isEmpty());
}

TEST_F(HelpGuideTest, SearchFindsEveryWordWithoutRegardToCaseTitlesFirst) {
    const HelpGuide guide = HelpGuide::load(folder());
    const struct {
        const char* query;
        std::vector<int> pages;
    } cases[] = {
        {"", {0, 1, 2}},        // no words: the whole guide
        {"  печать ", {1, 0}},  // the page titled so first, then the one that mentions it
        {"карта ctrl", {0}},    // every word, each in any case
        {"карта таблицы", {}},  // the words on different pages
        {"color", {}},          // the style is no text of the page
        {"заголовка", {2}},
    };
    for (const auto& c : cases) EXPECT_EQ(guide.search(c.query), c.pages) << c.query;
}

TEST_F(HelpGuideTest, TheWindowListsWhatTheSearchFindsAndMarksTheWord) {
    testing::widgetApplication();
    HelpWindow window(folder());
    window.show();
    ASSERT_EQ(window.contents()->count(), 3);
    EXPECT_TRUE(window.browser()->source().toLocalFile().endsWith("01-start.html"));

    testing::typeText(window.searchField(), "таблицы");
    ASSERT_EQ(window.contents()->count(), 1);
    EXPECT_EQ(window.contents()->item(0)->text(), "Печать");
    EXPECT_TRUE(window.browser()->source().toLocalFile().endsWith("02-print.html"));
    EXPECT_EQ(window.browser()->textCursor().selectedText(), "таблицы");

    window.searchField()->clear();
    EXPECT_EQ(window.contents()->count(), 3);
    // The page shown stays while it is listed.
    EXPECT_TRUE(window.browser()->source().toLocalFile().endsWith("02-print.html"));
}

// The guide the build delivers: the topics a newcomer looks for, each page titled, and every
// picture it shows drawn by the build beside it.
TEST(DeliveredGuide, CoversTheTopicsAndHasEveryPictureItShows) {
    testing::widgetApplication();
    const QString folder = HelpWindow::guideFolder();
    const HelpGuide guide = HelpGuide::load(folder);
    QStringList titles;
    for (const auto& page : guide.pages()) titles << page.title;
    for (const char* topic : {"Начало работы", "Ввод данных рождения", "Окно карты рождения",
                              "Толкование", "Карта событий и записная книжка", "Установки",
                              "Печать и экспорт рисунков", "Командная строка", "Файлы и папки"})
        EXPECT_TRUE(titles.contains(topic)) << topic;
    EXPECT_FALSE(guide.search("Градусы и минуты").empty());

    int pictures = 0;
    for (const auto& page : guide.pages()) {
        QFile file(page.file);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        static const QRegularExpression image("<img src=\"([^\"]+)\"");
        for (auto match = image.globalMatch(html); match.hasNext();) {
            const QString name = match.next().captured(1);
            const QImage picture(QDir(folder).filePath(name));
            EXPECT_FALSE(picture.isNull()) << name.toStdString();
            EXPECT_GT(picture.width(), 100) << name.toStdString();
            ++pictures;
        }
    }
    EXPECT_GE(pictures, 3);
}

}  // namespace
}  // namespace orvanta
