#pragma once

#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>
#include <QWidget>

#include "ui/HelpGuide.h"

namespace orvanta {

// "Справка": the user guide in a window of its own, the contents and a search field on the
// left, the page on the right. Typing in the field keeps only the pages that hold every word
// and marks the first place in the page shown.
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    // The guide of the folder "help" of the application folder.
    static QString guideFolder();

    explicit HelpWindow(const QString& folder, QWidget* parent = nullptr);

    // Brings up the one help window of the program, making it the first time.
    static HelpWindow* showGuide(QWidget* owner);

    QLineEdit* searchField() const { return search_; }
    QListWidget* contents() const { return contents_; }
    QTextBrowser* browser() const { return browser_; }

  private:
    void listPages(const std::vector<int>& pages);
    void showPage(QListWidgetItem* item);
    void markFirstWord();

    HelpGuide guide_;
    QLineEdit* search_ = nullptr;
    QListWidget* contents_ = nullptr;
    QTextBrowser* browser_ = nullptr;
};

}  // namespace orvanta
