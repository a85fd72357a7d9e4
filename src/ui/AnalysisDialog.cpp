#include "ui/AnalysisDialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/AtomicFile.h"
#include "common/FormatError.h"
#include "common/MessageSink.h"
#include "common/Windows1251.h"
#include "ui/SituationLineDelegate.h"
#include "ui/SituationPanel.h"

namespace orvanta {
namespace {

using Selection = AnalysisSession::Selection;

constexpr const char* kStartText =
    "  Выберите в любом окне строчку, интерпретация которой Вас интересует.";
constexpr const char* kNotesTip = "Список наблюдений";
constexpr const char* kNoNotesTip = "Список наблюдений пуст";

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

// Windows colour value: red in the low byte, then green and blue.
QColor windowsColour(std::uint32_t value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

QString dateLabel(const Date& date) {
    return QString("на %1.%2.%3 г.").arg(date.day).arg(date.month).arg(date.year);
}

}  // namespace

AnalysisDialog::AnalysisDialog(CZodiacDoc& doc, const TransitDay& day, Notebook notebook,
                               std::filesystem::path notebookFile, QWidget* parent)
    : QDialog(parent),
      doc_(doc),
      session_(std::move(notebook), day),
      notebookFile_(std::move(notebookFile)) {
    setWindowTitle("Анализ событий по транзитным ситуациям");
    setModal(true);
    buildControls(Calendar::dateFromHours(day.start()).date);
    for (Selection kind : {Selection::Day, Selection::Moon, Selection::Orb}) {
        fillSituationList(kind);
    }
    fillNotebookList();
    refreshControls();
}

QListWidget* AnalysisDialog::makeList(const char* tip) {
    auto* list = new QListWidget(this);
    list->setItemDelegate(new SituationLineDelegate(doc_, pictograms_, list));
    list->setUniformItemSizes(true);
    list->setToolTip(tip);
    list->setStyleSheet("QListWidget { background: white; }");
    return list;
}

void AnalysisDialog::buildControls(const Date& date) {
    day_ = makeList("Список транзитных ситуаций данного дня");
    moon_ = makeList("Список ситуаций транзитной Луны");
    orb_ = makeList("Сисок орбисных транзитов дальних планет");
    notes_ = makeList(kNotesTip);

    panel_ = new SituationPanel(doc_, pictograms_, this);
    panel_->setToolTip("Выбранная транзитная ситуация");
    swatch_ = new QLabel(this);
    swatch_->setFixedSize(24, 16);
    swatch_->setAutoFillBackground(true);
    colourCaption_ = new QLabel(this);
    interpretation_ = new QPlainTextEdit(kStartText, this);
    interpretation_->setReadOnly(true);
    interpretation_->setToolTip("Интерпретация отмеченной строки");
    observation_ = new QPlainTextEdit(this);
    observation_->setToolTip("Введите текст наблюдения по отмеченной ситуации");

    createFilters();
    store_ = new QPushButton("Сохранить ", this);
    store_->setToolTip("Занести текст в список наблюдений");
    store_->setAutoDefault(false);
    delete_ = new QPushButton("Удалить", this);
    delete_->setToolTip("Удалить запись из наблюдений");
    delete_->setAutoDefault(false);

    auto* lists = new QGridLayout;
    lists->addWidget(new QLabel("Транзиты \"не Луны\"", this), 0, 0);
    lists->addWidget(new QLabel("Транзиты Луны", this), 0, 1);
    lists->addWidget(new QLabel("Фоновые", this), 0, 2);
    lists->addWidget(day_, 1, 0);
    lists->addWidget(moon_, 1, 1);
    lists->addWidget(orb_, 1, 2);

    auto* selected = new QHBoxLayout;
    selected->addWidget(new QLabel(dateLabel(date), this));
    selected->addWidget(panel_);
    selected->addSpacing(12);
    selected->addWidget(swatch_);
    selected->addWidget(colourCaption_, 1);

    auto* filterRow = new QHBoxLayout;
    for (QCheckBox* box : filters_) filterRow->addWidget(box);
    filterRow->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 3);
    layout->addLayout(selected);
    layout->addWidget(interpretation_, 2);
    layout->addLayout(filterRow);
    layout->addLayout(notebookRow(), 3);
    layout->addLayout(bottomRow());
    resize(730, 640);
    connectControls();
}

void AnalysisDialog::createFilters() {
    const char* filterTexts[] = {"По радиксной планете", "По транзитной планете", "По аспекту"};
    const char* filterTips[] = {"Фильтр наблюдений по радиксной планете",
                                "Фильтр наблюдений по транзитной планете",
                                "Фильтр наблюдений по транзитному аспекту"};
    for (std::size_t i = 0; i < filters_.size(); ++i) {
        filters_[i] = new QCheckBox(filterTexts[i], this);
        filters_[i]->setToolTip(filterTips[i]);
        connect(filters_[i], &QCheckBox::toggled, this, [this] { onFilterToggled(); });
    }
}

// The choice of symbols, OK and "Отмена".
QHBoxLayout* AnalysisDialog::bottomRow() {
    auto* symbols = new QRadioButton("Астрологическая символика", this);
    symbols->setToolTip("Выбрать астрологическую символику");
    auto* pictures = new QRadioButton("Пиктограммы", this);
    pictures->setToolTip("Выбрать обозначения в виде пиктограмм");
    (pictograms_ ? pictures : symbols)->setChecked(true);
    auto* ok = new QPushButton("OK", this);
    ok->setToolTip("Закрыть окно анализа с учетом изменений");
    ok->setDefault(true);
    auto* cancel = new QPushButton("Отмена", this);
    cancel->setToolTip("Закрыть окно анализа без учета изменений");
    cancel->setAutoDefault(false);
    connect(symbols, &QRadioButton::toggled, this, [this](bool on) { setPictograms(!on); });
    connect(ok, &QPushButton::clicked, this, &AnalysisDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &AnalysisDialog::reject);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(symbols);
    bottom->addWidget(pictures);
    bottom->addStretch(1);
    bottom->addWidget(ok);
    bottom->addWidget(cancel);
    return bottom;
}

// The notebook list beside the observation with its two buttons.
QHBoxLayout* AnalysisDialog::notebookRow() {
    auto* notesColumn = new QVBoxLayout;
    notesColumn->addWidget(new QLabel("Предыдущие записи", this));
    notesColumn->addWidget(notes_, 1);
    auto* observationColumn = new QVBoxLayout;
    observationColumn->addWidget(new QLabel("Наблюдение", this));
    observationColumn->addWidget(observation_, 1);
    auto* noteButtons = new QHBoxLayout;
    noteButtons->addWidget(store_);
    noteButtons->addWidget(delete_);
    noteButtons->addStretch(1);
    observationColumn->addLayout(noteButtons);
    auto* notebookRow = new QHBoxLayout;
    notebookRow->addLayout(notesColumn, 1);
    notebookRow->addLayout(observationColumn, 1);
    return notebookRow;
}

void AnalysisDialog::connectControls() {
    for (Selection kind : {Selection::Day, Selection::Moon, Selection::Orb}) {
        connect(situationList(kind), &QListWidget::currentRowChanged, this,
                [this, kind](int row) { onSituationSelected(kind, row); });
    }
    connect(notes_, &QListWidget::currentRowChanged, this,
            [this](int row) { onNoteSelected(row); });
    connect(observation_, &QPlainTextEdit::textChanged, this, [this] {
        if (updating_) return;
        session_.editText(observation_->toPlainText().replace("\n", "\r\n").toStdString());
        store_->setEnabled(session_.controls().storeEnabled);
    });
    connect(store_, &QPushButton::clicked, this, [this] { onStore(); });
    connect(delete_, &QPushButton::clicked, this, [this] { onDelete(); });
}

QListWidget* AnalysisDialog::situationList(Selection kind) const {
    switch (kind) {
        case Selection::Day:
            return day_;
        case Selection::Moon:
            return moon_;
        case Selection::Orb:
            return orb_;
        case Selection::Note:
            return notes_;
        case Selection::None:
            break;
    }
    return nullptr;
}

void AnalysisDialog::fillSituationList(Selection kind) {
    QListWidget* list = situationList(kind);
    for (const TransitSituation* record : session_.list(kind)) {
        auto* item = new QListWidgetItem(list);
        if (kind != Selection::Orb) {
            item->setText(fromUtf8(TransitDay::timeText(record->moment - session_.day().start())));
        }
        item->setData(SituationLineDelegate::kSituationRole,
                      QVariant::fromValue(reinterpret_cast<quintptr>(record)));
        item->setData(SituationLineDelegate::kPictureOffsetRole, kind == Selection::Orb ? 0 : 50);
    }
}

void AnalysisDialog::fillNotebookList() {
    updating_ = true;
    notes_->clear();
    for (const NotebookEntry& entry : session_.shownNotes()) {
        auto* item =
            new QListWidgetItem(fromUtf8(Notebook::momentText(entry.situation.moment)), notes_);
        item->setData(SituationLineDelegate::kSituationRole,
                      QVariant::fromValue(reinterpret_cast<quintptr>(&entry.situation)));
        item->setData(SituationLineDelegate::kPictureOffsetRole, 115);
    }
    if (session_.selection() == Selection::Note) notes_->setCurrentRow(session_.selectedIndex());
    notes_->setToolTip(session_.notebook().empty() ? kNoNotesTip : kNotesTip);
    updating_ = false;
}

bool AnalysisDialog::offerToStoreChangedText() {
    if (!session_.isTextChanged()) return false;
    const auto answer = QMessageBox::question(this, windowTitle(), "Сохранить изменения?",
                                              QMessageBox::Yes | QMessageBox::No);
    const bool stored = answer == QMessageBox::Yes && session_.store();
    if (stored && markModified_) markModified_();
    session_.dropTextChange();
    return stored;
}

void AnalysisDialog::onSituationSelected(Selection kind, int row) {
    if (updating_ || row < 0) return;
    offerToStoreChangedText();
    session_.selectSituation(kind, row);
    updating_ = true;
    for (Selection other : {Selection::Day, Selection::Moon, Selection::Orb}) {
        if (other != kind) situationList(other)->setCurrentRow(-1);
    }
    updating_ = false;
    fillNotebookList();
    showSelection(true);
}

void AnalysisDialog::onNoteSelected(int row) {
    if (updating_ || row < 0) return;
    const auto& shown = session_.shownNotes();
    if (static_cast<std::size_t>(row) >= shown.size()) return;
    const TransitSituation clicked = shown[static_cast<std::size_t>(row)].situation;
    if (offerToStoreChangedText()) {
        // Storing may have added an entry ahead of the clicked one: find it again.
        fillNotebookList();
        const auto& refreshed = session_.shownNotes();
        for (std::size_t i = 0; i < refreshed.size(); ++i) {
            if (refreshed[i].isFor(clicked)) row = static_cast<int>(i);
        }
        updating_ = true;
        notes_->setCurrentRow(row);
        updating_ = false;
    }
    session_.selectNote(row);
    showSelection(false);
}

void AnalysisDialog::onFilterToggled() {
    if (updating_) return;
    offerToStoreChangedText();
    session_.setFilter(
        {filters_[0]->isChecked(), filters_[1]->isChecked(), filters_[2]->isChecked()});
    fillNotebookList();
    showSelection(false);
}

void AnalysisDialog::onStore() {
    if (!session_.store()) return;
    if (markModified_) markModified_();
    fillNotebookList();
    refreshControls();
}

void AnalysisDialog::onDelete() {
    if (!session_.removeSelected()) return;
    if (markModified_) markModified_();
    updating_ = true;
    for (Selection kind : {Selection::Day, Selection::Moon, Selection::Orb}) {
        situationList(kind)->setCurrentRow(-1);
    }
    updating_ = false;
    fillNotebookList();
    showSelection(false);
}

// Moves the session's selection into the controls; a notebook line leaves the
// interpretation, the swatch and the caption as they were.
void AnalysisDialog::showSelection(bool withInterpretation) {
    const TransitSituation* situation = session_.selectedSituation();
    updating_ = true;
    observation_->setPlainText(fromUtf8(session_.text()).replace("\r\n", "\n"));
    updating_ = false;
    panel_->showSituation(situation);
    if (withInterpretation && situation != nullptr) {
        const SituationKind kind = AnalysisSession::kindOf(session_.selection());
        const auto labels =
            TransitPhrase::labelsOf(*situation, doc_.eventChart().bodies(),
                                    doc_.eventChart().aspects(), doc_.natal().chart);
        interpretation_->setPlainText(
            fromUtf8(TransitPhrase::build(kind, *situation, labels)).replace("\r\n", "\n"));
        QPalette palette = swatch_->palette();
        palette.setColor(
            QPalette::Window,
            windowsColour(doc_.eventChart()
                              .aspects()[static_cast<std::size_t>(situation->aspectIndex)]
                              .colour));
        swatch_->setPalette(palette);
        colourCaption_->setText(fromUtf8(std::string(TransitPhrase::colourCaption(kind))));
    }
    refreshControls();
}

void AnalysisDialog::refreshControls() {
    const auto controls = session_.controls();
    observation_->setEnabled(controls.editEnabled);
    store_->setEnabled(controls.storeEnabled);
    delete_->setEnabled(controls.deleteEnabled);
    for (QCheckBox* box : filters_) box->setEnabled(controls.filtersEnabled);
}

void AnalysisDialog::setPictograms(bool pictograms) {
    pictograms_ = pictograms;
    for (QListWidget* list : {day_, moon_, orb_, notes_}) list->viewport()->update();
    panel_->update();
}

bool AnalysisDialog::writeNotebook() {
    std::string error;
    try {
        if (AtomicFile::write(notebookFile_, session_.notebook().serialize(), &error)) return true;
    } catch (const FormatError& fault) {
        error = fault.what();
    }
    QMessageBox::warning(this, windowTitle(),
                         fromUtf8("Записную книжку не удалось записать в файл " +
                                  notebookFile_.string() + " (" + error + ")."));
    return false;
}

void AnalysisDialog::accept() {
    if (offerToStoreChangedText()) fillNotebookList();
    if (!writeNotebook()) return;  // the window stays open: nothing typed is lost
    QDialog::accept();
}

// Отмена, Escape and the title bar's close: observations stored in this opening, or typed
// and not yet stored, are not dropped without asking.
void AnalysisDialog::reject() {
    if (!session_.wouldLoseWork()) {
        QDialog::reject();
        return;
    }
    const auto answer =
        QMessageBox::question(this, windowTitle(), "Сохранить наблюдения?",
                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Yes) {
        // Yes already answers for the typed text; it is not asked about again.
        if (session_.hasUnstoredText()) onStore();
        if (writeNotebook()) QDialog::accept();
    } else if (answer == QMessageBox::No) {
        QDialog::reject();
    }
}

void AnalysisDialog::run(CZodiacDoc& doc, QWidget* parent, const std::function<void()>& modified,
                         Initial initial) {
    auto previous = MessageSink::install([parent](std::string_view text) {
        QMessageBox::warning(parent, "Анализ",
                             QString::fromUtf8(text.data(), static_cast<int>(text.size())));
    });
    struct Restore {
        MessageSink::Handler& handler;
        ~Restore() { MessageSink::install(std::move(handler)); }
    } restore{previous};

    doc.ensureEventChart();
    doc.eventChart().mark(doc.natal().chart);
    Notebook notebook;
    try {
        notebook = Notebook::parse(doc.natal().notebook);
    } catch (const FormatError& fault) {
        MessageSink::report(std::string("Записная книжка карты повреждена: ") + fault.what());
        return;
    }
    if (!doc.exportNotebook()) return;
    const auto& state = doc.eventChart().state();
    const TransitDay day(state.situations, state.orbTransits, state.builtFor.value_or(state.date));
    AnalysisDialog dialog(doc, day, std::move(notebook),
                          doc.dataFile(CZodiacDoc::kNotebookFileName), parent);
    dialog.markModified_ = modified;
    if (QListWidget* list = dialog.situationList(initial.list)) list->setCurrentRow(initial.row);
    dialog.exec();
    if (doc.importNotebook()) {
        std::error_code ignored;
        std::filesystem::remove(doc.dataFile(CZodiacDoc::kNotebookFileName), ignored);
    }
}

}  // namespace orvanta
