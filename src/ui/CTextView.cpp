#include "ui/CTextView.h"

#include <QFileDialog>
#include <QScrollBar>

#include "common/AtomicFile.h"
#include "common/Windows1251.h"
#include "texts/LineEnds.h"

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
    : QPlainTextEdit(parent), chart_(std::move(chart)) {
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

    chart_->doc().refreshInterpretation();
    showInterpretation();
    connect(chart_.get(), &OpenChart::viewsUpdated, this, &CTextView::onDocumentUpdated);
}

void CTextView::showInterpretation() {
    // A freshly written interpretation counts as unsaved; an empty one (the library was
    // missing a file, already reported) has nothing to save.
    const std::string& text = chart_->doc().interpretation();
    showText(text, !text.empty());
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
    if (!chart_->doc().isTextOutOfDate()) return;  // edits in the window are kept
    if (document()->isModified() && isEdited()) {
        // The new interpretation would replace what the user wrote.
        const auto answer = dialogs_.question(kUnsavedQuestion, QMessageBox::Yes | QMessageBox::No);
        // A cancelled save keeps the edits; the document stays out of date and asks again.
        if (answer == QMessageBox::Yes && !save()) return;
    }
    chart_->doc().refreshInterpretation();
    showInterpretation();
}

std::optional<std::string> CTextView::fileBytes(QString* refused) const {
    std::string text = given_;
    if (isEdited()) {
        QString plain = rawText();
        plain.replace(QChar(QChar::ParagraphSeparator), QChar('\n'))
            .replace(QChar(QChar::LineSeparator), QChar('\n'));
        text = LineEnds::toCrLf(plain.toStdString());
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
    return true;
}

bool CTextView::queryClose() {
    if (!document()->isModified()) return true;
    switch (dialogs_.question(kUnsavedQuestion,
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
