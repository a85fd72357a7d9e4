#include "doc/AspectPageModel.h"

#include "doc/NumberField.h"
#include "doc/SettingsDefaults.h"

namespace orvanta {

AspectPageModel::AspectPageModel(CZodiacDoc& doc, AspectTable& table, std::string_view fileName,
                                 int hint)
    : doc_(doc), table_(table), fileName_(fileName), hint_(hint) {
    loadFromTable();
}

AspectPageModel::Texts AspectPageModel::texts() const {
    Texts texts;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        texts[i] = {rows_[i].included, NumberField::format(rows_[i].angle),
                    NumberField::format(rows_[i].orb)};
    }
    return texts;
}

std::optional<FieldRefusal> AspectPageModel::take(const Texts& texts) {
    Rows taken{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const int row = static_cast<int>(i);
        const auto angle = NumberField::parse(texts[i].angle);
        if (!angle)
            return FieldRefusal{row, FieldRefusal::Field::Angle, NumberField::kNotANumberMessage};
        if (*angle < 0.0 || *angle > kLargestAngle) {
            return FieldRefusal{row, FieldRefusal::Field::Angle,
                                NumberField::rangeMessage(0.0, kLargestAngle)};
        }
        const auto orb = NumberField::parse(texts[i].orb);
        if (!orb)
            return FieldRefusal{row, FieldRefusal::Field::Orb, NumberField::kNotANumberMessage};
        if (*orb < 0.0 || *orb > AspectSetting::kLargestOrb) {
            return FieldRefusal{row, FieldRefusal::Field::Orb,
                                NumberField::rangeMessage(0.0, AspectSetting::kLargestOrb)};
        }
        taken[i] = {texts[i].included, *angle, *orb};
    }
    rows_ = taken;
    return std::nullopt;
}

void AspectPageModel::loadFromTable() {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        rows_[i] = {table_[i].included != 0, table_[i].angle, table_[i].orb};
    }
}

void AspectPageModel::applyToTable() {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        table_[i].included = rows_[i].included ? 1 : 0;
        table_[i].angle = rows_[i].angle;
        table_[i].orb = rows_[i].orb;
    }
}

void AspectPageModel::tellViews() {
    if ((hint_ & CZodiacDoc::kHintNatal) != 0) doc_.interpretation().markOutOfDate();
    doc_.updateAllViews(hint_);
}

std::optional<FieldRefusal> AspectPageModel::remember(const Texts& texts) {
    if (auto refusal = take(texts)) return refusal;
    applyToTable();
    tellViews();
    SettingsDefaults::writeAspects(doc_, fileName_, table_);
    return std::nullopt;
}

bool AspectPageModel::restore() {
    if (!SettingsDefaults::readAspects(doc_, fileName_, table_)) return false;
    loadFromTable();
    tellViews();
    return true;
}

}  // namespace orvanta
