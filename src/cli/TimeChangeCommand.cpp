#include "cli/TimeChangeCommand.h"

#include <ostream>

#include "birthdata/BaseFile.h"
#include "birthdata/TimeChangeBase.h"
#include "calc/Calendar.h"
#include "cli/CommandLine.h"
#include "cli/DateText.h"
#include "common/AppFolder.h"

namespace orvanta::cli {
namespace {

constexpr const char* kNoData = "На эту дату нет данных в базе \"Разница...\"";

struct MoscowMoment {
    Date date;
    int hour = 0;
    int minute = 0;
};

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const auto end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos) return parts;
        start = end + 1;
    }
}

MoscowMoment readMoment(const std::vector<std::string>& operands) {
    if (operands.size() != 2) throw UsageError("ожидаются дата ДД.ММ.ГГГГ и час ЧЧ");
    const auto date = DateText::read(operands[0]);
    if (!date.date) throw UsageError(date.problem);
    MoscowMoment moment;
    moment.date = *date.date;
    const auto timeParts = split(operands[1], ':');
    if (timeParts.size() > 2) throw UsageError("«" + operands[1] + "» не в виде ЧЧ или ЧЧ:ММ");
    moment.hour = CommandLine::toInt("hour", timeParts[0]);
    if (timeParts.size() == 2) moment.minute = CommandLine::toInt("hour", timeParts[1]);
    if (!Calendar::isValidTime(moment.hour, moment.minute)) {
        throw UsageError(operands[1] + " не время суток");
    }
    return moment;
}

}  // namespace

int TimeChangeCommand::run(const std::vector<std::string>& arguments, std::ostream& out,
                           std::ostream& err) {
    MoscowMoment moment;
    std::filesystem::path file;
    try {
        CommandLine line({"--file"}, {});
        line.parse(arguments);
        moment = readMoment(line.operands());
        file = line.value("--file").value_or(AppFolder::find(TimeChangeBase::kFileName).string());
    } catch (const UsageError& error) {
        err << "orvanta-cli timechange: " << error.what() << "\n";
        return 2;
    }

    TimeChangeBase base;
    switch (base.load(file)) {
        case LoadStatus::Loaded:
            break;
        case LoadStatus::Missing:
            err << "orvanta-cli timechange: «" << file.string() << "»: нет такого файла\n";
            return 1;
        default:
            err << "orvanta-cli timechange: " << BaseFile::withoutKeptNote(base.lastError())
                << "\n";
            return 1;
    }

    const auto& d = moment.date;
    const auto answer = base.find(d.day, d.month, d.year, moment.hour, moment.minute);
    if (!answer.skipped.empty()) {
        err << "orvanta-cli timechange: " << base.skippedWarning(answer.skipped) << "\n";
    }
    const auto& change = answer.change;
    if (!change) {
        out << kNoData << "\n";
        return 1;
    }
    out << d.day << "." << d.month << "." << d.year << ", " << moment.hour << ":"
        << (moment.minute < 10 ? "0" : "") << moment.minute
        << " по московскому времени: разница с Гринвичем +" << change->difference
        << " ч. (изменение " << change->text() << ")\n";
    return 0;
}

}  // namespace orvanta::cli
