#include "settings/AspectPage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "settings/CAspColorDlg.h"
#include "settings/CChoosePictDlg.h"
#include "settings/ColourButton.h"
#include "settings/LabelTextDialog.h"
#include "settings/LineButton.h"
#include "settings/LineStyleDialog.h"
#include "settings/PictureButton.h"
#include "settings/SheetControls.h"

namespace orvanta {
namespace {

constexpr int kRowsPerColumn = 9;
// Wide enough for any angle at full precision (360/7 is "51.42857142857143").
constexpr const char* kWidestAngle = "000.00000000000000";
constexpr const char* kWidestOrb = "00.000";

}  // namespace

AspectPage::AspectPage(AspectPageModel& model, Columns columns, QWidget* parent)
    : SheetPage(parent), model_(model), columns_(columns) {
    auto* columnsLayout = new QHBoxLayout;
    columnsLayout->addLayout(buildColumn(0));
    columnsLayout->addSpacing(16);
    columnsLayout->addLayout(buildColumn(kRowsPerColumn));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columnsLayout);
    layout->addStretch();
    layout->addLayout(SheetControls::rememberRestoreRow(
        this, [this] { remember(); }, [this] { restore(); }));
    refreshControls();
}

QGridLayout* AspectPage::buildColumn(int first) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    QStringList headings = {"Да", "Аспект", "Орбис"};
    if (columns_ == Columns::Natal) {
        headings << "Линия"
                 << "Символ"
                 << "Интерпретация";
    } else {
        headings << "Сим."
                 << "Пик."
                 << "Цвет"
                 << "";
    }
    for (int column = 0; column < headings.size(); ++column) {
        grid->addWidget(SheetControls::heading(headings[column], this), 0, column);
    }
    for (int line = 0; line < kRowsPerColumn; ++line) buildRow(grid, line + 1, first + line);
    return grid;
}

std::vector<OwnerDrawnButton*> AspectPage::makeButtons(AspectSetting& aspect) {
    std::vector<OwnerDrawnButton*> buttons;
    auto* symbol = new PictureButton(aspect.symbol, this);
    symbol->setToolTip(SheetControls::kSymbolTip);
    connect(symbol, &QAbstractButton::clicked, this, [this, symbol] {
        CChoosePictDlg(symbol->picture(), this).run();
        symbol->update();
    });
    if (columns_ == Columns::Natal) {
        auto* line = new LineButton(aspect, this);
        line->setToolTip("Можно сменить цвет и тип линии");
        connect(line, &QAbstractButton::clicked, this, [this, line] {
            LineStyleDialog(line->aspect(), this).exec();
            line->update();
        });
        return {line, symbol};
    }
    auto* pictogram = new PictureButton(aspect.pictogram, this);
    pictogram->setToolTip(SheetControls::kPictogramTip);
    connect(pictogram, &QAbstractButton::clicked, this, [this, pictogram] {
        CChoosePictDlg(pictogram->picture(), this).run();
        pictogram->update();
    });
    auto* colour = new ColourButton(aspect.colour, this);
    colour->setToolTip("Можно изменить цвет");
    connect(colour, &QAbstractButton::clicked, this, [this, colour] {
        CAspColorDlg(colour->colour(), this).run();
        colour->update();
    });
    return {symbol, pictogram, colour};
}

void AspectPage::buildRow(QGridLayout* grid, int line, int aspect) {
    AspectSetting& setting = model_.table()[static_cast<std::size_t>(aspect)];
    Row& r = rows_[static_cast<std::size_t>(aspect)];
    r.include = new QCheckBox(this);
    r.include->setToolTip(SheetControls::kTickTip);
    r.angle = new QLineEdit(this);
    r.angle->setToolTip("Введите величину аспекта в градусах");
    r.orb = new QLineEdit(this);
    r.orb->setToolTip("Введите допустимую величину диапазона");
    r.angle->setFixedWidth(r.angle->fontMetrics().horizontalAdvance(kWidestAngle) + 12);
    r.orb->setFixedWidth(r.orb->fontMetrics().horizontalAdvance(kWidestOrb) + 12);
    r.angle->setAlignment(Qt::AlignRight);
    r.orb->setAlignment(Qt::AlignRight);
    r.buttons = makeButtons(setting);
    r.text = SheetControls::textButton(this);
    connect(r.text, &QPushButton::clicked, this,
            [this, &setting] { LabelTextDialog(setting.label, this).exec(); });

    int column = 0;
    grid->addWidget(r.include, line, column++, Qt::AlignCenter);
    grid->addWidget(r.angle, line, column++);
    grid->addWidget(r.orb, line, column++);
    for (OwnerDrawnButton* button : r.buttons) grid->addWidget(button, line, column++);
    grid->addWidget(r.text, line, column);
}

bool AspectPage::takeControls() {
    AspectPageModel::Texts texts;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        texts[i] = {rows_[i].include->isChecked(), rows_[i].angle->text().toStdString(),
                    rows_[i].orb->text().toStdString()};
    }
    const auto refusal = model_.take(texts);
    if (!refusal) return true;
    const Row& r = rows_[static_cast<std::size_t>(refusal->row)];
    return refuse(*refusal, refusal->field == FieldRefusal::Field::Orb ? r.orb : r.angle);
}

void AspectPage::updateButtons() {
    for (const Row& r : rows_) {
        for (OwnerDrawnButton* button : r.buttons) button->update();
    }
}

void AspectPage::refreshControls() {
    const auto texts = model_.texts();
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        rows_[i].include->setChecked(texts[i].included);
        rows_[i].angle->setText(QString::fromStdString(texts[i].angle));
        rows_[i].orb->setText(QString::fromStdString(texts[i].orb));
    }
    updateButtons();
}

// The fields are checked before anything is written: a refused field leaves the file and the
// table as they were and gets the focus.
void AspectPage::remember() {
    if (!takeOrShowRefusal()) return;
    model_.remember(model_.texts());
    updateButtons();
}

void AspectPage::restore() {
    if (model_.restore()) refreshControls();
}

}  // namespace orvanta
