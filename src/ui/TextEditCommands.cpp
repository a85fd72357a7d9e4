#include "ui/TextEditCommands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

#include "ui/CTextView.h"

namespace orvanta {

TextEditCommands::TextEditCommands(QWidget* window) : QObject(window), window_(window) {
    add("undo", "Отменить\tCtrl+Z", "Отменить последнее действие\nОтменить",
        {QKeySequence::Undo, QKeySequence(Qt::ALT | Qt::Key_Backspace)});
    add("cut", "Вырезать\tCtrl+X", "Вырезать выделенный текст в буфер обмена\nВырезать",
        {QKeySequence::Cut, QKeySequence(Qt::SHIFT | Qt::Key_Delete)});
    add("copy", "Копировать\tCtrl+C", "Копировать выделенный текст в буфер обмена\nКопировать",
        {QKeySequence::Copy, QKeySequence(Qt::CTRL | Qt::Key_Insert)});
    add("paste", "Вставить\tCtrl+V", "Вставить текст из буфера обмена\nВставить",
        {QKeySequence::Paste, QKeySequence(Qt::SHIFT | Qt::Key_Insert)});
    add("selectAll", "Выделить все\tCtrl+A", "Выделить весь текст\nВыделить все",
        {QKeySequence::SelectAll});
    add("delete", "Удалить\tDel", "Удалить выделенный текст\nУдалить",
        {QKeySequence(Qt::Key_Delete)});
    add("find", "Найти...", "Найти текст\nНайти", {});
    add("replace", "Заменить...", "Заменить один текст другим\nЗаменить", {});

    auto onView = [this](const char* name, auto work) {
        connect(action(name), &QAction::triggered, this, [this, work] {
            if (view_) work(view_.data());
        });
    };
    onView("undo", [](CTextView* v) { v->undo(); });
    onView("cut", [](CTextView* v) { v->cut(); });
    onView("copy", [](CTextView* v) { v->copy(); });
    onView("paste", [](CTextView* v) { v->paste(); });
    onView("selectAll", [](CTextView* v) { v->selectAll(); });
    onView("delete", [](CTextView* v) {
        QTextCursor cursor = v->textCursor();
        if (!cursor.hasSelection())
            cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    });
    connect(action("find"), &QAction::triggered, this,
            [this] { showFindDialog(TextFindDialog::Mode::Find); });
    connect(action("replace"), &QAction::triggered, this,
            [this] { showFindDialog(TextFindDialog::Mode::Replace); });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &TextEditCommands::updateStates);
    updateStates();
}

QAction* TextEditCommands::add(const QString& name, const QString& text, const QString& prompt,
                               QList<QKeySequence> keys) {
    auto* action = new QAction(text, this);
    const auto parts = prompt.split('\n');
    action->setStatusTip(parts.value(0));
    action->setToolTip(parts.value(1));
    action->setObjectName(name);
    action->setShortcuts(keys);
    // The editor itself answers these keys while it has the focus.
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    actions_.push_back(action);
    return action;
}

QAction* TextEditCommands::action(const QString& name) const {
    for (QAction* a : actions_) {
        if (a->objectName() == name) return a;
    }
    return nullptr;
}

void TextEditCommands::adoptToolBarActions(QAction* cut, QAction* copy, QAction* paste) {
    toolBar_ = {cut, copy, paste};
    const char* names[] = {"cut", "copy", "paste"};
    for (std::size_t i = 0; i < toolBar_.size(); ++i) {
        connect(toolBar_[i], &QAction::triggered, action(names[i]), &QAction::trigger);
    }
    updateStates();
}

void TextEditCommands::addEditMenu(QMenuBar* bar) const {
    QMenu* menu = bar->addMenu("&Правка");
    menu->addAction(action("undo"));
    menu->addSeparator();
    for (const char* name : {"cut", "copy", "paste", "selectAll", "delete"})
        menu->addAction(action(name));
    menu->addSeparator();
    menu->addAction(action("find"));
    menu->addAction(action("replace"));
}

void TextEditCommands::setView(CTextView* view) {
    if (view == view_) return;
    for (const auto& connection : viewConnections_) disconnect(connection);
    viewConnections_.clear();
    view_ = view;
    if (view) {
        // The shortcuts reach the text window only.
        for (QAction* a : actions_) view->addAction(a);
        viewConnections_.push_back(
            connect(view, &QPlainTextEdit::undoAvailable, this, &TextEditCommands::updateStates));
        viewConnections_.push_back(
            connect(view, &QPlainTextEdit::copyAvailable, this, &TextEditCommands::updateStates));
        viewConnections_.push_back(connect(view, &QObject::destroyed, this, [this] {
            view_ = nullptr;
            updateStates();
        }));
    }
    if (findDialog_) findDialog_->setEditor(view);
    updateStates();
}

void TextEditCommands::showFindDialog(TextFindDialog::Mode mode) {
    if (!view_) return;
    if (findDialog_) findDialog_->deleteLater();
    findDialog_ = new TextFindDialog(mode, view_, window_);
    findDialog_->setAttribute(Qt::WA_DeleteOnClose);
    findDialog_->searchField()->setText(view_->textCursor().selectedText());
    findDialog_->show();
}

void TextEditCommands::updateStates() {
    const bool haveView = view_ != nullptr;
    const bool selection = haveView && view_->textCursor().hasSelection();
    const bool canPaste = haveView && !QGuiApplication::clipboard()->text().isEmpty();
    action("undo")->setEnabled(haveView && view_->document()->isUndoAvailable());
    action("cut")->setEnabled(selection);
    action("copy")->setEnabled(selection);
    action("paste")->setEnabled(canPaste);
    action("selectAll")->setEnabled(haveView);
    action("delete")->setEnabled(haveView);
    action("find")->setEnabled(haveView);
    action("replace")->setEnabled(haveView);
    for (std::size_t i = 0; i < toolBar_.size(); ++i) {
        toolBar_[i]->setEnabled(action(i == 0 ? "cut" : i == 1 ? "copy" : "paste")->isEnabled());
    }
}

}  // namespace orvanta
