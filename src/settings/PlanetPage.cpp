#include "settings/PlanetPage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "calc/Bodies.h"
#include "settings/CChoosePictDlg.h"
#include "settings/LabelTextDialog.h"
#include "settings/SheetControls.h"

namespace orvanta {
namespace {

constexpr int kRowsPerColumn = 8;
constexpr const char* kRoman[Bodies::kHouseCount] = {"I",   "II",   "III", "IV", "V",  "VI",
                                                     "VII", "VIII", "IX",  "X",  "XI", "XII"};

}  // namespace

QString PlanetPage::caption(PlanetPageModel::Kind kind, int number) {
    if (Bodies::isCusp(number)) return kRoman[number - Bodies::kFirstCusp];
    if (kind != PlanetPageModel::Kind::NatalPlanets) {
        if (number == Bodies::NorthNode) return "В. Узел (Раху)";
        if (number == Bodies::SouthNode) return "Н. Узел (Кету)";
    }
    return QString::fromUtf8(Bodies::caption(number).data(),
                             static_cast<qsizetype>(Bodies::caption(number).size()));
}

PlanetPage::PlanetPage(PlanetPageModel& model, QWidget* parent)
    : SheetPage(parent),
      model_(model),
      natal_(model.kind() == PlanetPageModel::Kind::NatalPlanets),
      rows_(static_cast<std::size_t>(model.count())) {
    auto* columns = new QHBoxLayout;
    columns->addLayout(buildColumn(1, kRowsPerColumn));
    columns->addSpacing(16);
    columns->addLayout(buildColumn(kRowsPerColumn + 1, Bodies::kBodyCount));
    if (model.count() > Bodies::kBodyCount) {
        columns->addSpacing(16);
        columns->addLayout(buildColumn(Bodies::kFirstCusp, Bodies::kLastCusp));
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addStretch();
    layout->addLayout(SheetControls::rememberRestoreRow(
        this, [this] { remember(); }, [this] { restore(); }));
    refreshControls();
}

QGridLayout* PlanetPage::buildColumn(int first, int last) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    QStringList headings;
    if (natal_) {
        headings = {"Да", "Планета", "Символ", ""};
    } else if (Bodies::isCusp(first)) {
        headings = {"Да  Дом", "Сим.", "Пик.", ""};
    } else {
        headings = {"Да  Название", "Символ", "Пиктограмма", ""};
    }
    for (int column = 0; column < headings.size(); ++column) {
        grid->addWidget(SheetControls::heading(headings[column], this), 0, column);
    }
    for (int number = first; number <= last; ++number) buildRow(grid, number - first + 1, number);
    // Spare height goes below the last row, so the rows of the columns line up.
    grid->setRowStretch(last - first + 2, 1);
    return grid;
}

PictureButton* PlanetPage::pictureButton(Picture& picture, const char* tip) {
    auto* button = new PictureButton(picture, this);
    button->setToolTip(tip);
    connect(button, &QAbstractButton::clicked, this, [this, button] {
        CChoosePictDlg(button->picture(), this).run();
        button->update();
    });
    return button;
}

void PlanetPage::buildRow(QGridLayout* grid, int line, int number) {
    ObjectStyle& object = model_.objects().style[number];
    Row& r = rows_[static_cast<std::size_t>(number - 1)];
    const QString name = caption(model_.kind(), number);
    r.tick = new QCheckBox(natal_ ? QString() : name, this);
    r.tick->setToolTip(SheetControls::kTickTip);
    r.tick->setEnabled(model_.canTick(number));
    r.symbol = pictureButton(object.symbol, SheetControls::kSymbolTip);
    if (!natal_) r.pictogram = pictureButton(object.pictogram, SheetControls::kPictogramTip);
    r.text = SheetControls::textButton(this);
    connect(r.text, &QPushButton::clicked, this,
            [this, &object] { LabelTextDialog(object.label, this).exec(); });

    int column = 0;
    if (natal_) {
        grid->addWidget(r.tick, line, column++, Qt::AlignCenter);
        grid->addWidget(new QLabel(name, this), line, column++);
    } else {
        grid->addWidget(r.tick, line, column++);
    }
    grid->addWidget(r.symbol, line, column++, Qt::AlignCenter);
    if (r.pictogram != nullptr) grid->addWidget(r.pictogram, line, column++, Qt::AlignCenter);
    grid->addWidget(r.text, line, column);
}

bool PlanetPage::takeControls() {
    for (int number = 1; number <= model_.count(); ++number) {
        model_.setFlag(number, row(number).tick->isChecked());
    }
    return true;
}

void PlanetPage::updateButtons() {
    for (const Row& r : rows_) {
        r.symbol->update();
        if (r.pictogram != nullptr) r.pictogram->update();
    }
}

void PlanetPage::refreshControls() {
    for (int number = 1; number <= model_.count(); ++number) {
        row(number).tick->setChecked(model_.flag(number));
    }
    updateButtons();
}

void PlanetPage::remember() {
    takeControls();
    model_.remember();
}

void PlanetPage::restore() {
    if (model_.restore()) refreshControls();
}

}  // namespace orvanta
