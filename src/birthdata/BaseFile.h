#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/FormatError.h"
#include "common/LoadStatus.h"

namespace orvanta {

// Reading of the whole file of a base, shared by the places and the time-change base. Only a
// file that is not there counts as missing: a file that is there but cannot be read may still
// hold the user's data, so the caller must not replace it.
class BaseFile {
  public:
    // Loaded with the bytes, Missing, or Unreadable with the message for the user in error.
    static LoadStatus read(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes,
                           std::string& error);

    // The message for a file whose bytes do not fit its format; reason says what is wrong.
    static std::string damagedMessage(const std::filesystem::path& path, std::string_view reason);
    // A message of read() or damagedMessage() without its closing sentence, which tells the
    // desktop program's user that work goes on with an empty base: a command ends instead.
    static std::string withoutKeptNote(std::string_view message);

    // Reads the file and parses its bytes into records; on any failure the records stay
    // empty and error holds the message for the user.
    template <typename Record, typename Parse>
    static LoadStatus load(const std::filesystem::path& path, std::vector<Record>& records,
                           std::string& error, Parse parse) {
        records.clear();
        error.clear();
        std::vector<std::uint8_t> bytes;
        const LoadStatus status = read(path, bytes, error);
        if (status != LoadStatus::Loaded) return status;
        try {
            records = parse(bytes);
        } catch (const FormatError& damage) {
            error = damagedMessage(path, damage.what());
            return LoadStatus::Damaged;
        }
        return LoadStatus::Loaded;
    }
};

}  // namespace orvanta
