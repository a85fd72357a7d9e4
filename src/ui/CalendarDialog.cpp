#include "ui/CalendarDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/CalendarListModel.h"

namespace orvanta {
namespace {

QDate qDate(const Date& date) {
    return QDate(date.year, date.month, date.day);
}

Date ourDate(const QDate& date) {
    return {date.day(), date.month(), date.year()};
}

QDateEdit* dateEdit(const Date& date, QWidget* parent) {
    auto* edit = new QDateEdit(qDate(date), parent);
    edit->setDisplayFormat("dd.MM.yyyy");
    edit->setDateRange(QDate(1860, 1, 1), QDate(2130, 12, 31));
    edit->setCalendarPopup(true);
    return edit;
}

void readChecks(const QListWidget& list, std::vector<CalendarChoice::Item>& items) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        items[i].on = list.item(static_cast<int>(i))->checkState() == Qt::Checked;
    }
}

}  // namespace

CalendarDialog::CalendarDialog(CalendarChoice choice, const PlaceFinder& places, QWidget* parent)
    : QDialog(parent), choice_(std::move(choice)), places_(places) {
    setWindowTitle("Транзиты за период");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildPeriod());
    layout->addWidget(buildLists(), 1);
    layout->addWidget(buildZone());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText("Найти");
    buttons->button(QDialogButtonBox::Cancel)->setText("Отмена");
    connect(buttons, &QDialogButtonBox::accepted, this, &CalendarDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CalendarDialog::reject);
    layout->addWidget(buttons);
}

QWidget* CalendarDialog::buildPeriod() {
    auto* box = new QGroupBox("Период", this);
    auto* row = new QHBoxLayout(box);
    from_ = dateEdit(choice_.from, box);
    to_ = dateEdit(choice_.to, box);
    moon_ = new QCheckBox("Луна", box);
    moon_->setChecked(choice_.moon);
    moon_->setToolTip("Луна дает тысячи аспектов в год: поиск займет больше времени");
    row->addWidget(new QLabel("с", box));
    row->addWidget(from_);
    row->addWidget(new QLabel("по", box));
    row->addWidget(to_);
    row->addStretch(1);
    row->addWidget(moon_);
    return box;
}

QListWidget* CalendarDialog::checkList(const std::vector<CalendarChoice::Item>& items,
                                       QWidget* parent) {
    auto* list = new QListWidget(parent);
    for (const auto& item : items) {
        auto* entry = new QListWidgetItem(QString::fromStdString(item.name), list);
        entry->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        entry->setCheckState(item.on ? Qt::Checked : Qt::Unchecked);
    }
    return list;
}

QWidget* CalendarDialog::buildLists() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    std::vector<CalendarChoice::Item> aspectItems;
    for (const auto& aspect : choice_.aspects) {
        // An angle without a glyph is its own symbol.
        const QString symbol = QString::fromStdString(aspect.symbol);
        const QString angle = QString("%1°").arg(aspect.aspect.angle);
        const bool glyph = symbol != angle && CalendarListModel::drawable(symbol);
        const QString text =
            (glyph ? symbol + "  " + angle : angle) + QString("  орбис %1°").arg(aspect.aspect.orb);
        aspectItems.push_back({0, text.toStdString(), aspect.on});
    }
    bodies_ = checkList(choice_.bodies, box);
    points_ = checkList(choice_.points, box);
    aspects_ = checkList(aspectItems, box);
    aspects_->setFont(QFont(CalendarListModel::kGlyphFamily, font().pointSize()));
    const std::pair<const char*, QListWidget*> columns[] = {
        {"Транзитные планеты", bodies_}, {"Точки карты", points_}, {"Аспекты", aspects_}};
    for (const auto& [title, list] : columns) {
        auto* group = new QGroupBox(title, box);
        auto* inner = new QVBoxLayout(group);
        inner->addWidget(list);
        row->addWidget(group);
    }
    return box;
}

QWidget* CalendarDialog::buildZone() {
    auto* box = new QGroupBox("Время событий", this);
    auto* form = new QGridLayout(box);
    computerZone_ = new QRadioButton("часовой пояс компьютера", box);
    placeZone_ = new QRadioButton("место из атласа:", box);
    fixedZone_ = new QRadioButton("разница с Гринвичем, часов:", box);
    place_ = new QLineEdit(QString::fromStdString(choice_.place), box);
    place_->setPlaceholderText("Москва");
    hours_ = new QDoubleSpinBox(box);
    hours_->setRange(-CalendarChoice::kLargestZoneHours, CalendarChoice::kLargestZoneHours);
    hours_->setSingleStep(0.5);
    hours_->setDecimals(2);
    hours_->setValue(choice_.zoneHours);
    using Kind = CalendarChoice::ZoneKind;
    computerZone_->setChecked(choice_.zoneKind == Kind::Computer);
    placeZone_->setChecked(choice_.zoneKind == Kind::Place);
    fixedZone_->setChecked(choice_.zoneKind == Kind::Fixed);
    form->addWidget(computerZone_, 0, 0, 1, 2);
    form->addWidget(placeZone_, 1, 0);
    form->addWidget(place_, 1, 1);
    form->addWidget(fixedZone_, 2, 0);
    form->addWidget(hours_, 2, 1);
    return box;
}

void CalendarDialog::readControls() {
    choice_.from = ourDate(from_->date());
    choice_.to = ourDate(to_->date());
    choice_.moon = moon_->isChecked();
    readChecks(*bodies_, choice_.bodies);
    readChecks(*points_, choice_.points);
    for (std::size_t i = 0; i < choice_.aspects.size(); ++i) {
        choice_.aspects[i].on = aspects_->item(static_cast<int>(i))->checkState() == Qt::Checked;
    }
    using Kind = CalendarChoice::ZoneKind;
    choice_.zoneKind = placeZone_->isChecked()   ? Kind::Place
                       : fixedZone_->isChecked() ? Kind::Fixed
                                                 : Kind::Computer;
    choice_.place = place_->text().trimmed().toStdString();
    choice_.zoneHours = hours_->value();
}

void CalendarDialog::accept() {
    readControls();
    std::string problem = choice_.problem();
    if (problem.empty()) {
        zone_ = choice_.zone(places_, problem);
    }
    if (!problem.empty()) {
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(problem));
        return;
    }
    QDialog::accept();
}

}  // namespace orvanta
