#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calc/ChartRequest.h"

namespace orvanta::cli {

// One birth record of a batch file.
struct BatchRecord {
    std::string name;
    ChartRequest request;
};

// Why a line gives no record: the field at fault and what is wrong with it.
struct BatchFieldError {
    std::string field;
    std::string message;
};

// Reads the lines of a batch file: "name;DD.MM.YYYY;HH:MM;zone;lat;lon[;house system]", UTF-8,
// one record a line. The zone is the hours the local clock is ahead of Greenwich (5.75 or
// +5:45); latitude north and longitude east are positive; numbers may use a decimal comma.
class BatchRecordParser {
  public:
    static constexpr std::size_t kFieldCount = 6;

    // Records without a house system field get defaultHouseSystem (-1: no houses).
    explicit BatchRecordParser(int defaultHouseSystem) : defaultHouseSystem_(defaultHouseSystem) {}

    std::variant<BatchRecord, BatchFieldError> parse(std::string_view line) const;

    // Blank lines and '#' comments carry no record.
    static bool isSkipped(std::string_view line);
    // A header is "name;date;time;zone;lat;lon[;houses]" or its Russian
    // "Имя;Дата;Время;Пояс;Широта;Долгота[;Дома]", exactly.
    static bool isHeader(std::string_view line);
    // The record's name, as far as it can be read, for the empty record of a bad line.
    static std::string nameOf(std::string_view line);

  private:
    static std::vector<std::string_view> split(std::string_view line);
    static std::optional<BatchFieldError> readDate(std::string_view text, ChartRequest& request);
    static std::optional<BatchFieldError> readTime(std::string_view text, ChartRequest& request);
    std::optional<BatchFieldError> readHouseSystem(const std::vector<std::string_view>& fields,
                                                   ChartRequest& request) const;

    int defaultHouseSystem_;
};

}  // namespace orvanta::cli
