#include "doc/OrientationPageModel.h"

#include "doc/NumberField.h"
#include "doc/SettingsDefaults.h"

namespace orvanta {

OrientationPageModel::OrientationPageModel(CZodiacDoc& doc) : doc_(doc) {
    loadFromChart();
}

void OrientationPageModel::chooseStart(int start) {
    values_.start = start;
    if (start != OrientationFile::ArbitraryAngle) values_.angle = 0.0;
}

std::string OrientationPageModel::angleText() const {
    return NumberField::format(values_.angle);
}

bool OrientationPageModel::canStartFromAscendant() const {
    return doc_.natal().hasHouses();
}

std::string OrientationPageModel::arbitraryStartCaption() const {
    return canStartFromAscendant() ? "Произвольно от Асцендента" : "Произвольно от Овна";
}

std::optional<FieldRefusal> OrientationPageModel::takeAngle(std::string_view text) {
    if (!angleEditable()) return std::nullopt;
    const auto angle = NumberField::parse(text);
    if (!angle) {
        return FieldRefusal{0, FieldRefusal::Field::RotationAngle, NumberField::kNotANumberMessage};
    }
    values_.angle = *angle;
    return std::nullopt;
}

void OrientationPageModel::loadFromChart() {
    values_ = OrientationFile::fromOrientation(doc_.natal().orientation);
}

void OrientationPageModel::applyToChart() {
    OrientationFile::apply(values_, doc_.natal().orientation);
    doc_.updateAllViews(CZodiacDoc::kHintNatal);
}

std::optional<FieldRefusal> OrientationPageModel::remember(std::string_view angleText) {
    if (auto refusal = takeAngle(angleText)) return refusal;
    SettingsDefaults::writeOrientation(doc_, values_);
    applyToChart();
    return std::nullopt;
}

}  // namespace orvanta
