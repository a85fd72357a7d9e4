#pragma once

#include <QMessageBox>
#include <QPlainTextEdit>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "ui/OpenChart.h"
#include "ui/TextSource.h"

namespace orvanta {

// A text of a chart (the interpretation, or another source) in a plain-text editor that wraps
// at the window's width. The text a window was given (the source's or a loaded file) is kept as
// it came, so an unedited text is saved as its source writes it; an edited one is saved as
// Windows-1251 with CR LF.
class CTextView : public QPlainTextEdit {
    Q_OBJECT
  public:
    static constexpr const char* kUnsavedQuestion = "Текст интерпретации не сохранен. Сохранить?";

    // What the user answers; tests put their own answers in place of the dialogs.
    struct Dialogs {
        std::function<QString()> saveFileName;  // empty: cancelled
        std::function<QString()> openFileName;  // empty: cancelled
        std::function<QMessageBox::StandardButton(const QString& text,
                                                  QMessageBox::StandardButtons buttons)>
            question;
        std::function<void(const QString& text)> warning;
    };

    explicit CTextView(std::shared_ptr<OpenChart> chart, QWidget* parent = nullptr);
    CTextView(std::shared_ptr<OpenChart> chart, std::unique_ptr<TextSource> source,
              QWidget* parent = nullptr);

    OpenChart& chart() { return *chart_; }
    void setDialogs(Dialogs dialogs) { dialogs_ = std::move(dialogs); }

    // "Сохранить" and "Сохранить как...": asks for a file and writes the text; true when written.
    bool save();
    bool saveTo(const QString& path);
    // "Загрузить из файла...": the file's text replaces the window's; the document keeps its own.
    bool load();
    bool loadFrom(const QString& path);
    // Asks about unsaved text before the window closes; true when it may close.
    bool queryClose();

    // The text differs from the one the window was given.
    bool isEdited() const;
    // The bytes Save writes; empty when a character cannot be written in Windows-1251, and
    // refused then names that character.
    std::optional<std::string> fileBytes(QString* refused = nullptr) const;

  private:
    void onDocumentUpdated();
    void showSourceText();
    void showText(std::string text, bool modified);
    QString rawText() const;
    void warn(const QString& text) const;

    std::shared_ptr<OpenChart> chart_;
    std::unique_ptr<TextSource> source_;
    bool fromSource_ = true;  // the text shown is the source's, not a loaded file's
    Dialogs dialogs_;
    std::string given_;  // UTF-8 as given, with its own line ends
    QString shown_;      // the editor's raw text right after it was given
};

}  // namespace orvanta
