#include "birthdata/TimeChangeEditor.h"

#include <optional>

#include "birthdata/IntegerField.h"
#include "common/MessageSink.h"

namespace orvanta {

TimeChangeEditor::TimeChangeEditor(TimeChangeBase& base) : base_(base), original_(base) {
    base_.recomputeInstants();
    select(0);
}

std::vector<std::string> TimeChangeEditor::lines() {
    return base_.listLines();
}

void TimeChangeEditor::select(int index) {
    if (base_.recordAt(index) == nullptr) return;
    selected_ = index;
    showRecord();
}

bool TimeChangeEditor::edit(const Fields& typed) {
    TimeChange* record = base_.recordAt(selected_);
    if (record == nullptr) {
        fields_ = Fields{};
        return false;
    }
    fields_ = typed;
    // Read in the order of the controls; the first failure is the one reported.
    const std::optional<int> day = IntegerField::parse(typed.day);
    const std::optional<int> year = IntegerField::parse(typed.year);
    const std::optional<int> hour = IntegerField::parse(typed.hour);
    const std::optional<int> difference = IntegerField::parse(typed.difference);
    if (!day || !year || !hour || !difference) {
        MessageSink::report(IntegerField::kNotAnIntegerMessage);
        return false;
    }
    if (*difference < kLowestDifference || *difference > kHighestDifference) {
        MessageSink::report(IntegerField::rangeMessage(kLowestDifference, kHighestDifference));
        return false;
    }
    record->day = *day;
    record->month = typed.month + 1;
    record->year = *year;
    record->hour = *hour;
    record->difference = *difference;
    selected_ = base_.sort(selected_);
    return true;
}

void TimeChangeEditor::add() {
    base_.add(TimeChange{});
    base_.recomputeInstants();
    selected_ = -1;
    select(0);
}

void TimeChangeEditor::remove() {
    if (selected_ < 0) return;
    base_.remove(selected_);
    selected_ = -1;
}

bool TimeChangeEditor::save(const std::filesystem::path& file) {
    std::string error;
    if (base_.save(file, &error)) return true;
    MessageSink::report("Не удается сохранить базу изменений времени: " + error +
                        ". Прежнее содержимое файла не изменено.");
    return false;
}

void TimeChangeEditor::cancel() {
    base_ = original_;
}

void TimeChangeEditor::showRecord() {
    const TimeChange& record = base_.records()[static_cast<std::size_t>(selected_)];
    fields_.day = std::to_string(record.day);
    fields_.month = record.month >= 1 && record.month <= 12 ? record.month - 1 : -1;
    fields_.year = std::to_string(record.year);
    fields_.hour = std::to_string(record.hour);
    fields_.difference = std::to_string(record.difference);
}

}  // namespace orvanta
