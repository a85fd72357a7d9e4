#include "ui/CTextView.h"

#include <QFileDialog>
#include <QScrollBar>

#include "common/AtomicFile.h"
#include "common/Windows1251.h"
#include "texts/LineEnds.h"
#include "ui/InterpretationSource.h"

namespace orvanta {
namespace {

const QStringList kFilters = {"Текст (*.TXT *.txt)", "All Files (*)"};

// The file dialog of the text window: text files first, "TXT" added to a name without one.
QString askFileName(QWidget* parent, QFileDialog::AcceptMode mode) {
    const bool saving = mode == QFileDialog::AcceptSave;
    QFileDialog dialog(parent, saving ? "Сохранить как" : "Открыть");
    dialog.setAcceptMode(mode);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(kFilters);
    dialog.setDefaultSuffix("TXT");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace

CTextView::CTextView(std::shared_ptr<OpenChart> chart, QWidget* parent)
    : CTextView(chart, std::make_unique<InterpretationSource>(*chart), parent) {}

CTextView::CTextView(std::shared_ptr<OpenChart> chart, std::unique_ptr<TextSource> source,
                     QWidget* parent)
    : QPlainTextEdit(parent), chart_(std::move(chart)), source_(std::move(source)) {
    // Long paragraphs wrap at the window's edge; there is nothing to scroll sideways.
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab stops every eight characters, as plain-text editors set them.
    setTabStopDistance(fontMetrics().horizontalAdvance(' ') * 8);

    dialogs_.saveFileName = [this] { return askFileName(this, QFileDialog::AcceptSave); };
    dialogs_.openFileName = [this] { return askFileName(this, QFileDialog::AcceptOpen); };
    dialogs_.question = [this](const QString& text, QMessageBox::StandardButtons buttons) {
        return QMessageBox::question(this, "Orvanta", text, buttons);
    };
    dialogs_.warning = [this](const QString& text) { QMessageBox::warning(this, "Orvanta", text); };

    source_->refresh();
    showSourceText();
    connect(chart_.get(), &OpenChart::viewsUpdated, this, &CTextView::onDocumentUpdated);
}

void CTextView::showSourceText() {
    // A freshly written text counts as unsaved; an empty one (the library was missing a file,
    // already reported) has nothing to save.
    const std::string& text = source_->text();
    showText(text, !text.empty());
    fromSource_ = true;
}

void CTextView::showText(std::string text, bool modified) {
    given_ = std::move(text);
    setPlainText(QString::fromStdString(LineEnds::toLf(given_)));
    shown_ = rawText();
    document()->setModified(modified);
}

QString CTextView::rawText() const {
    return document()->toRawText();
}

bool CTextView::isEdited() const {
    return rawText() != shown_;
}

void CTextView::onDocumentUpdated() {
    if (!source_->isOutOfDate()) return;  // edits in the window are kept
    if (document()->isModified() && isEdited()) {
        // The new text would replace what the user wrote.
        const auto answer =
            dialogs_.question(source_->unsavedQuestion(), QMessageBox::Yes | QMessageBox::No);
        // A cancelled save keeps the edits; the document stays out of date and asks again.
        if (answer == QMessageBox::Yes && !save()) return;
    }
    source_->refresh();
    showSourceText();
}

std::optional<std::string> CTextView::fileBytes(QString* refused) const {
    std::string text = given_;
    const bool edited = isEdited();
    if (edited) {
        QString plain = rawText();
        plain.replace(QChar(QChar::ParagraphSeparator), QChar('\n'))
            .replace(QChar(QChar::LineSeparator), QChar('\n'));
        text = plain.toStdString();
    }
    // A loaded file goes back as it came, or with CR LF after editing.
    if (fromSource_) {
        text = source_->fileText(text, edited);
    } else if (edited) {
        text = LineEnds::toCrLf(text);
    }
    auto bytes = Windows1251::fromUtf8(text);
    if (!bytes && refused) *refused = QString::fromStdString(Windows1251::firstUnencodable(text));
    return bytes;
}

void CTextView::warn(const QString& text) const {
    dialogs_.warning(text);
}

bool CTextView::save() {
    const QString path = dialogs_.saveFileName();
    if (path.isEmpty()) return false;
    return saveTo(path);
}

bool CTextView::saveTo(const QString& path) {
    QString refused;
    const auto bytes = fileBytes(&refused);
    if (!bytes) {
        warn(QString("Символ «%1» нельзя записать в кодировке Windows-1251. Замените его, "
                     "чтобы сохранить текст. Файл не записан.")
                 .arg(refused));
        return false;
    }
    std::string error;
    if (!AtomicFile::write(path.toStdString(), *bytes, &error)) {
        warn(QString("Текст не удалось сохранить в файл «%1» (%2). Прежнее содержимое файла не "
                     "изменено.")
                 .arg(path, QString::fromStdString(error)));
        return false;
    }
    document()->setModified(false);
    return true;
}

bool CTextView::load() {
    const QString path = dialogs_.openFileName();
    if (path.isEmpty()) return false;
    return loadFrom(path);
}

bool CTextView::loadFrom(const QString& path) {
    std::string error;
    const auto bytes = AtomicFile::read(path.toStdString(), &error);
    if (!bytes) {
        warn(
            QString("Файл «%1» невозможно открыть (%2).").arg(path, QString::fromStdString(error)));
        return false;
    }
    // The file is on disk as it stands: nothing in the window is unsaved.
    showText(Windows1251::toUtf8(std::string(bytes->begin(), bytes->end())), false);
    fromSource_ = false;
    return true;
}

bool CTextView::queryClose() {
    if (!document()->isModified()) return true;
    switch (dialogs_.question(source_->unsavedQuestion(),
                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
        case QMessageBox::Yes:
            // A cancelled or failed save keeps the window and its text.
            return save();
        case QMessageBox::No:
            document()->setModified(false);  // answered: no second question
            return true;
        default:
            return false;
    }
}

}  // namespace orvanta
