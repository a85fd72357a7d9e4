#include "doc/AafReader.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "common/FormatError.h"

namespace orvanta {
namespace {

constexpr std::string_view kSpace = " \f\n\r\t\v";
constexpr double kLargestZone = 14.0;

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(kSpace);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

bool unknown(std::string_view field) {
    return field.empty() || field == "*";
}

std::vector<std::string_view> splitFields(std::string_view data) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const auto comma = data.find(',', start);
        fields.push_back(trimmed(data.substr(start, comma - start)));
        if (comma == std::string_view::npos) return fields;
        start = comma + 1;
    }
}

std::optional<int> wholeNumber(std::string_view text) {
    int value = 0;
    const auto* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (text.empty() || result.ec != std::errc() || result.ptr != end) return std::nullopt;
    return value;
}

std::optional<double> decimalNumber(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0.0;
    const auto* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (text.empty() || result.ec != std::errc() || result.ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

int requireNumber(std::string_view text, std::string_view what) {
    const auto value = wholeNumber(text);
    if (!value || *value < 0)
        throw FormatError(std::string(what) + " «" + std::string(text) + "» — не число");
    return *value;
}

// "MM" or "MM:SS" after a degree or hour count, as a fraction of the unit.
double minutesPart(std::string_view text, std::string_view what) {
    if (text.empty()) return 0.0;
    const auto colon = text.find(':');
    const int minutes = requireNumber(text.substr(0, colon), what);
    const int seconds =
        colon == std::string_view::npos ? 0 : requireNumber(text.substr(colon + 1), what);
    if (minutes >= 60 || seconds >= 60) {
        throw FormatError(std::string(what) + " «" + std::string(text) +
                          "»: минут и секунд меньше 60");
    }
    return minutes / 60.0 + seconds / 3600.0;
}

bool controlCharacterIn(std::string_view line) {
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t' && c != '\r' && c != '\f' && c != '\v') || byte == 0x7F) {
            return true;
        }
    }
    return false;
}

}  // namespace

Date AafReader::readDate(std::string_view text) {
    const auto first = text.find('.');
    const auto second = first == std::string_view::npos ? first : text.find('.', first + 1);
    if (second == std::string_view::npos) {
        throw FormatError("дата «" + std::string(text) + "» не в виде Д.М.ГГГГ");
    }
    const Date date{requireNumber(text.substr(0, first), "день"),
                    requireNumber(text.substr(first + 1, second - first - 1), "месяц"),
                    requireNumber(text.substr(second + 1), "год")};
    if (date.month < 1 || date.month > 12 || date.day < 1 ||
        date.day > Calendar::monthLength(date.month, date.year)) {
        throw FormatError("даты " + std::string(text) + " нет в календаре");
    }
    return date;
}

void AafReader::readTime(std::string_view text, AafRecord& record) {
    // Some programs write "1.10" for 1:10.
    const auto separator = text.find_first_of(":.");
    if (separator == std::string_view::npos) {
        throw FormatError("время «" + std::string(text) + "» не в виде ЧЧ:ММ");
    }
    const std::string_view rest = text.substr(separator + 1);
    const int hour = requireNumber(text.substr(0, separator), "час");
    const int minute = requireNumber(rest.substr(0, rest.find(':')), "минута");
    if (minute > 59 || hour > 24 || (hour == 24 && minute > 0)) {
        throw FormatError("времени " + std::string(text) + " не бывает");
    }
    record.hour = hour;
    record.minute = minute;
}

double AafReader::readAngle(std::string_view text, char positive, char negative, double limit) {
    const auto letter = text.find_first_of(std::string{
        positive, negative, static_cast<char>(positive - 32), static_cast<char>(negative - 32)});
    if (letter == std::string_view::npos || letter == 0) {
        throw FormatError("координата «" + std::string(text) + "» не в виде 55" + positive + "45");
    }
    const int degrees = requireNumber(text.substr(0, letter), "координата");
    const double value = degrees + minutesPart(text.substr(letter + 1), "координата");
    if (value > limit) {
        throw FormatError("координата «" + std::string(text) + "» больше " +
                          std::to_string(static_cast<int>(limit)) + "°");
    }
    const bool south = (text[letter] | 0x20) == negative;
    return south ? -value : value;
}

double AafReader::readZone(std::string_view text) {
    const auto letter = text.find_first_of("eEwW");
    double hours = 0.0;
    if (letter == std::string_view::npos) {
        std::string_view number = text;
        if (!number.empty() && (number.back() == 'h' || number.back() == 'H'))
            number.remove_suffix(1);
        const auto value = decimalNumber(number);
        if (!value) throw FormatError("пояс «" + std::string(text) + "» — не число часов");
        hours = *value;
    } else {
        std::string_view whole = text.substr(0, letter);
        if (!whole.empty() && (whole.back() == 'h' || whole.back() == 'H')) whole.remove_suffix(1);
        const double size =
            requireNumber(whole, "пояс") + minutesPart(text.substr(letter + 1), "пояс");
        hours = (text[letter] | 0x20) == 'w' ? -size : size;
    }
    if (std::fabs(hours) > kLargestZone) {
        throw FormatError("пояс «" + std::string(text) + "» дальше 14 часов от Гринвича");
    }
    return hours;
}

// One pass over the lines: the record being read, whether it is already refused, and the
// chunk that continuation lines belong to.
class AafReader::Session {
  public:
    explicit Session(Result& result) : result_(result) {}

    void line(int number, std::string_view text) {
        const bool overlong = text.size() > kLongestLine;
        if (overlong || controlCharacterIn(text)) {
            unreadable(number, trimmed(text.substr(0, 8)),
                       overlong ? "строка длиннее " + std::to_string(kLongestLine) + " знаков"
                                : std::string("в строке двоичные данные, а не текст"));
            return;
        }
        text = trimmed(text);
        if (text.empty() || text.starts_with("#:")) return;
        if (!text.starts_with('#')) {
            // A comment may go on over several lines; anything else ends the record.
            if (!inSkippedChunk_) stray(number, "строка не начинается с «#»");
            return;
        }
        const auto colon = text.find(':');
        if (colon == std::string_view::npos) {
            refuse(number, "у блока «" + std::string(text.substr(0, 16)) + "» нет двоеточия");
            return;
        }
        chunk(number, text.substr(0, colon), text.substr(colon + 1));
    }

    void finish() {
        if (record_ && !refused_) result_.records.push_back(std::move(*record_));
        record_.reset();
    }

  private:
    void startRecord(int number) {
        finish();
        record_.emplace();
        record_->line = number;
        refused_ = false;
        strayReported_ = false;
    }

    // A chunk line that cannot be read costs its record; any other such line ends the record
    // it follows, which keeps what it had.
    void unreadable(int number, std::string_view start, const std::string& message) {
        if (start.starts_with("#A93")) startRecord(number);
        if (start.starts_with('#') && record_) {
            refuse(number, message);
        } else {
            stray(number, message);
        }
    }

    void stray(int number, const std::string& message) {
        finish();
        inSkippedChunk_ = false;
        result_.problems.push_back({number, message + "; строка пропущена"});
    }

    void chunk(int number, std::string_view id, std::string_view data) {
        inSkippedChunk_ = false;
        if (id == "#A93") {
            startRecord(number);
            guarded(number, [&] { readA93(data); });
            return;
        }
        if (!record_) {
            if (!strayReported_) {
                result_.problems.push_back({number, "блок вне записи: перед ним нет #A93"});
            }
            strayReported_ = true;
            return;
        }
        if (id == "#B93") {
            guarded(number, [&] { readB93(data); });
        } else if (id == "#ZNAM") {
            record_->zoneName = std::string(trimmed(data));
        } else {
            record_->skippedChunks.push_back(std::string(id) + " (строка " +
                                             std::to_string(number) + ")");
            inSkippedChunk_ = true;
        }
    }

    template <typename Read>
    void guarded(int number, Read read) {
        try {
            read();
        } catch (const FormatError& error) {
            refuse(number, error.what());
        }
    }

    void refuse(int number, const std::string& message) {
        inSkippedChunk_ = false;
        if (record_ && refused_) return;  // one reason per record is enough
        std::string text = message;
        if (record_) {
            text += "; запись строки " + std::to_string(record_->line) + " пропущена";
            refused_ = true;
            ++result_.refusedRecords;
        }
        result_.problems.push_back({number, text});
    }

    void readA93(std::string_view data) {
        auto fields = splitFields(data);
        // The format's own example leaves out the kind: "Garms,Martin,11.10.1958,...".
        if (fields.size() == 6) fields.insert(fields.begin() + 2, std::string_view("*"));
        if (fields.size() != 7) {
            throw FormatError("в #A93 семь полей, а здесь " +
                              std::to_string(splitFields(data).size()));
        }
        AafRecord& r = *record_;
        r.name = unknown(fields[0]) ? "" : std::string(fields[0]);
        r.firstName = unknown(fields[1]) ? "" : std::string(fields[1]);
        r.kind = unknown(fields[2]) ? "" : std::string(fields[2]);
        if (!unknown(fields[3])) r.date = readDate(fields[3]);
        if (!unknown(fields[4])) readTime(fields[4], r);
        r.place = unknown(fields[5]) ? "" : std::string(fields[5]);
        r.country = unknown(fields[6]) ? "" : std::string(fields[6]);
    }

    void readB93(std::string_view data) {
        const auto fields = splitFields(data);
        if (fields.size() != 5) {
            throw FormatError("в #B93 пять полей, а здесь " + std::to_string(fields.size()));
        }
        AafRecord& r = *record_;
        if (!unknown(fields[0])) {
            const auto day = decimalNumber(fields[0]);
            if (!day || *day <= 0.0 || *day > 5373484.0) {
                throw FormatError("юлианский день «" + std::string(fields[0]) + "» — не число");
            }
            r.julianDay = day;
        }
        if (!unknown(fields[1])) r.latitude = readAngle(fields[1], 'n', 's', 90.0);
        if (!unknown(fields[2])) r.longitude = readAngle(fields[2], 'e', 'w', 180.0);
        if (!unknown(fields[3])) r.zoneHours = readZone(fields[3]);
        // The daylight field is an hour count; a letter some programs write there says nothing.
        if (const auto daylight = decimalNumber(fields[4]);
            daylight && std::fabs(*daylight) <= 2.0) {
            r.daylightHours = daylight;
        }
    }

    Result& result_;
    std::optional<AafRecord> record_;
    bool refused_ = false;
    bool strayReported_ = false;
    bool inSkippedChunk_ = false;
};

AafReader::Result AafReader::read(std::span<const std::uint8_t> bytes) {
    Result result;
    auto decoded = AafEncoding::decode(bytes);
    result.encoding = decoded.kind;
    Session session(result);
    const std::string_view text = decoded.text;
    int number = 0;
    for (std::size_t start = 0; start < text.size();) {
        const auto end = text.find('\n', start);
        const auto length = (end == std::string_view::npos ? text.size() : end) - start;
        session.line(++number, text.substr(start, length));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    session.finish();
    return result;
}

}  // namespace orvanta
