#pragma once

#include <QAction>
#include <QMenuBar>
#include <QObject>
#include <QPointer>
#include <vector>

#include "ui/TextFindDialog.h"

namespace orvanta {

class CTextView;

// The menu "Правка" of the text window: undo, cut, copy, paste, select all, delete, find and
// replace, sent to the active text view. The main tool bar's cut, copy and paste buttons join in.
class TextEditCommands : public QObject {
    Q_OBJECT
  public:
    explicit TextEditCommands(QWidget* window);

    // The main tool bar's buttons do the same as the menu's items.
    void adoptToolBarActions(QAction* cut, QAction* copy, QAction* paste);
    void addEditMenu(QMenuBar* bar) const;
    // The view the commands act on; none disables them.
    void setView(CTextView* view);

    QAction* action(const QString& name) const;
    TextFindDialog* findDialog() const { return findDialog_; }

  private:
    QAction* add(const QString& name, const QString& text, const QString& prompt,
                 QList<QKeySequence> keys);
    void showFindDialog(TextFindDialog::Mode mode);
    void updateStates();

    QWidget* window_;
    QPointer<CTextView> view_;
    std::vector<QAction*> actions_;
    std::vector<QAction*> toolBar_;  // cut, copy, paste of the main tool bar
    std::vector<QMetaObject::Connection> viewConnections_;
    QPointer<TextFindDialog> findDialog_;
};

}  // namespace orvanta
