#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace orvanta {

// The user guide delivered with the program: the HTML pages of one folder, in the order of
// their file names, each titled by its <title>, and the search over their text.
class HelpGuide {
  public:
    struct Page {
        QString file;   // the page's path
        QString title;  // its <title>, or the file name when it has none
        QString text;   // what the reader sees of it: tags dropped, entities read, spaces folded
    };

    // The pages of the folder; none when it is missing.
    static HelpGuide load(const QString& folder);

    const std::vector<Page>& pages() const { return pages_; }
    bool isEmpty() const { return pages_.empty(); }

    // The pages holding every word of the query (letter case ignored), those with the words
    // in their title first, then in guide order; every page for a query of no words.
    std::vector<int> search(const QString& query) const;

    // The readable text of a page's HTML.
    static QString plainText(const QString& html);

  private:
    std::vector<Page> pages_;
};

}  // namespace orvanta
