#include "settings/CShowHowPage.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "settings/SheetControls.h"

namespace orvanta {

CShowHowPage::CShowHowPage(OrientationPageModel& model, QWidget* parent)
    : SheetPage(parent), model_(model) {
    auto* directionBox = new QGroupBox("Направление Зодиака", this);
    auto* directionLayout = new QVBoxLayout(directionBox);
    directions_ = new QButtonGroup(this);
    const char* directionCaptions[] = {"Западная Школа\n(против часовой стрелки)",
                                       "Авестийская Школа\n(по часовой стрелке)"};
    for (int direction = 0; direction < 2; ++direction) {
        auto* radio = new QRadioButton(directionCaptions[direction], directionBox);
        radio->setToolTip("Выберите направление для Зодиака");
        directions_->addButton(radio, direction);
        directionLayout->addWidget(radio);
    }
    connect(directions_, &QButtonGroup::idClicked, this,
            [this](int direction) { model_.setDirection(direction); });

    auto* startBox = new QGroupBox("Начало отсчёта", this);
    auto* startLayout = new QVBoxLayout(startBox);
    starts_ = new QButtonGroup(this);
    const QString startCaptions[] = {"От Асцендента", "От Овна",
                                     QString::fromStdString(model_.arbitraryStartCaption())};
    for (int start = 0; start < 3; ++start) {
        auto* radio = new QRadioButton(startCaptions[start], startBox);
        radio->setToolTip("Задайте ориентацию Зодиака");
        starts_->addButton(radio, start);
        startLayout->addWidget(radio);
    }
    starts_->button(OrientationFile::FromAscendant)->setEnabled(model_.canStartFromAscendant());
    connect(starts_, &QButtonGroup::idClicked, this, &CShowHowPage::chooseStart);

    angle_ = new QLineEdit(this);
    angle_->setToolTip("Введите угол поворота в градусах");
    angle_->setFixedWidth(80);
    angle_->setAlignment(Qt::AlignRight);
    auto* angleRow = new QHBoxLayout;
    angleRow->addSpacing(24);
    angleRow->addWidget(new QLabel("Угол поворота (градусы):", this));
    angleRow->addWidget(angle_);
    angleRow->addStretch();
    startLayout->addLayout(angleRow);

    auto* boxes = new QHBoxLayout;
    boxes->addWidget(directionBox);
    boxes->addWidget(startBox);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(boxes);
    layout->addStretch();
    layout->addLayout(SheetControls::rememberRestoreRow(
        this, [this] { remember(); }, [this] { restore(); }));
    refreshControls();
}

void CShowHowPage::chooseStart(int start) {
    // A typed angle stays when the arbitrary start is chosen again.
    if (start == OrientationFile::ArbitraryAngle && model_.angleEditable()) return;
    model_.chooseStart(start);
    refreshControls();
}

bool CShowHowPage::takeControls() {
    if (directions_->checkedId() >= 0) model_.setDirection(directions_->checkedId());
    const auto refusal = model_.takeAngle(angle_->text().toStdString());
    return refusal ? refuse(*refusal, angle_) : true;
}

void CShowHowPage::refreshControls() {
    const auto& values = model_.values();
    if (QAbstractButton* direction = directions_->button(values.direction))
        direction->setChecked(true);
    if (QAbstractButton* start = starts_->button(values.start)) start->setChecked(true);
    angle_->setText(QString::fromStdString(model_.angleText()));
    angle_->setEnabled(model_.angleEditable());
}

void CShowHowPage::remember() {
    if (!takeOrShowRefusal()) return;
    model_.remember(model_.angleText());
}

void CShowHowPage::restore() {
    model_.restore();
    refreshControls();
}

}  // namespace orvanta
