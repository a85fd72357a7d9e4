#include "ui/HelpWindow.h"

#include <QHBoxLayout>
#include <QPointer>
#include <QSplitter>
#include <QUrl>
#include <QVBoxLayout>

#include "common/AppFolder.h"

namespace orvanta {

QString HelpWindow::guideFolder() {
    return QString::fromStdString(AppFolder::findDelivered("help").string());
}

HelpWindow::HelpWindow(const QString& folder, QWidget* parent)
    : QWidget(parent, Qt::Window), guide_(HelpGuide::load(folder)) {
    setWindowTitle("Справка Orvanta");
    resize(900, 650);
    auto* splitter = new QSplitter(this);
    auto* side = new QWidget(splitter);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    search_ = new QLineEdit(side);
    search_->setPlaceholderText("Поиск");
    search_->setClearButtonEnabled(true);
    contents_ = new QListWidget(side);
    sideLayout->addWidget(search_);
    sideLayout->addWidget(contents_, 1);
    browser_ = new QTextBrowser(splitter);
    browser_->setOpenExternalLinks(true);
    browser_->setSearchPaths({folder});
    splitter->addWidget(side);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 680});
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);

    connect(search_, &QLineEdit::textChanged, this,
            [this](const QString& query) { listPages(guide_.search(query)); });
    connect(contents_, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem* item) { showPage(item); });
    if (guide_.isEmpty()) {
        browser_->setHtml("<p>Руководство не найдено в папке программы: " + folder.toHtmlEscaped() +
                          "</p>");
    }
    listPages(guide_.search({}));
}

HelpWindow* HelpWindow::showGuide(QWidget* owner) {
    static QPointer<HelpWindow> window;
    if (window.isNull()) {
        window = new HelpWindow(guideFolder(), owner);
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void HelpWindow::listPages(const std::vector<int>& pages) {
    const QString shown = browser_->source().toLocalFile();
    contents_->clear();
    QListWidgetItem* current = nullptr;
    for (int index : pages) {
        const HelpGuide::Page& page = guide_.pages()[static_cast<std::size_t>(index)];
        auto* item = new QListWidgetItem(page.title, contents_);
        item->setData(Qt::UserRole, page.file);
        if (page.file == shown) current = item;
    }
    // The page shown stays while it matches; otherwise the first page that does.
    if (current == nullptr && contents_->count() > 0) current = contents_->item(0);
    if (current != nullptr) {
        contents_->setCurrentItem(current);
        markFirstWord();
    }
}

void HelpWindow::showPage(QListWidgetItem* item) {
    if (item == nullptr) return;
    const QUrl page = QUrl::fromLocalFile(item->data(Qt::UserRole).toString());
    if (browser_->source() != page) browser_->setSource(page);
    markFirstWord();
}

void HelpWindow::markFirstWord() {
    const QString word = search_->text().simplified().section(' ', 0, 0);
    QTextCursor start = browser_->textCursor();
    start.movePosition(QTextCursor::Start);
    browser_->setTextCursor(start);
    if (!word.isEmpty()) browser_->find(word);
}

}  // namespace orvanta
