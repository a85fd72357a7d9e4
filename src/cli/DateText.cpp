#include "cli/DateText.h"

#include "cli/BirthFields.h"
#include "cli/CommandLine.h"

namespace orvanta::cli {

DateText::Reading DateText::read(std::string_view text) {
    const auto numbers = BirthFields::wholeNumbers(text, '.', 3);
    if (!numbers) return {std::nullopt, "«" + std::string(text) + "» не в виде ДД.ММ.ГГГГ"};
    const Date date{(*numbers)[0], (*numbers)[1], (*numbers)[2]};
    if (!Calendar::isValidDate(date)) {
        return {std::nullopt, std::string(text) + " не дата от 1860 до 2130 года"};
    }
    return {date, {}};
}

Date DateText::readOption(std::string_view option, std::string_view text) {
    auto reading = read(text);
    if (!reading.date) throw UsageError(std::string(option) + ": " + reading.problem);
    return *reading.date;
}

}  // namespace orvanta::cli
