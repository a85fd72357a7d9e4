#include "ui/HelpGuide.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <algorithm>

namespace orvanta {
namespace {

QString titleOf(const QString& html) {
    static const QRegularExpression title(
        "<title>(.*?)</title>",
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const auto match = title.match(html);
    return match.hasMatch() ? HelpGuide::plainText(match.captured(1)) : QString();
}

bool holdsEvery(const QString& text, const QStringList& words) {
    return std::all_of(words.begin(), words.end(), [&text](const QString& word) {
        return text.contains(word, Qt::CaseInsensitive);
    });
}

}  // namespace

HelpGuide HelpGuide::load(const QString& folder) {
    HelpGuide guide;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({"*.html"}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) continue;
        const QString html = QString::fromUtf8(file.readAll());
        const QString title = titleOf(html);
        guide.pages_.push_back({file.fileName(), title.isEmpty() ? name : title, plainText(html)});
    }
    return guide;
}

std::vector<int> HelpGuide::search(const QString& query) const {
    const QStringList words = query.simplified().split(' ', Qt::SkipEmptyParts);
    std::vector<int> inTitle;
    std::vector<int> inText;
    for (int i = 0; i < static_cast<int>(pages_.size()); ++i) {
        const Page& page = pages_[static_cast<std::size_t>(i)];
        if (holdsEvery(page.title, words)) {
            inTitle.push_back(i);
        } else if (holdsEvery(page.text, words)) {
            inText.push_back(i);
        }
    }
    inTitle.insert(inTitle.end(), inText.begin(), inText.end());
    return inTitle;
}

QString HelpGuide::plainText(const QString& html) {
    // The head (title, style) is not part of what the reader sees.
    QString body = html;
    body.remove(
        QRegularExpression("<head>.*</head>", QRegularExpression::CaseInsensitiveOption |
                                                  QRegularExpression::DotMatchesEverythingOption));
    return QTextDocumentFragment::fromHtml(body).toPlainText().simplified();
}

}  // namespace orvanta
