#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "common/AtomicFile.h"
#include "common/BinaryReader.h"
#include "common/LoadStatus.h"
#include "common/MessageSink.h"
#include "common/ValueCheck.h"
#include "doc/FileDamage.h"
#include "doc/SettingsFile.h"

namespace orvanta {

// The frame shared by the settings files that are a plain sequence of fixed-shape records
// (aspects, objects): read record after record up to a largest count, name the damaged record
// in the message, report a damaged file once, and write through AtomicFile.
class RecordSequence {
  public:
    // Every record of the bytes; recordName names one in messages ("запись аспекта").
    template <typename Record, typename ReadRecord>
    static std::vector<Record> parse(std::span<const std::uint8_t> bytes, std::size_t largest,
                                     const std::string& recordName, ReadRecord readRecord) {
        BinaryReader reader(bytes);
        std::vector<Record> records;
        while (!reader.atEnd()) {
            const std::string part = recordName + " " + std::to_string(records.size() + 1);
            if (records.size() == largest) {
                throw FileDamage("после " + std::to_string(largest) + " записей остались " +
                                 std::to_string(reader.remaining()) + " лишних байт");
            }
            try {
                // A picture that cannot be read is reported by the picture; this names where.
                const MessageSink::Context where(part);
                records.push_back(readRecord(reader));
            } catch (const FileDamage& damage) {
                throw FileDamage(FileDamage::within(part, damage));
            } catch (const ValueCheck::Error& outOfRange) {
                throw FileDamage(FileDamage::within(part, outOfRange));
            } catch (const FormatError&) {
                throw FileDamage(part + ": " + FileDamage::endsEarly(bytes.size()));
            }
        }
        return records;
    }

    // Loads and parses the file, then hands the records to apply. A file that cannot be read
    // answers Missing without a message (the caller words it); a damaged one answers with
    // SettingsFile::damageMessage. Either changes nothing.
    template <typename Record, typename Parse, typename Apply>
    static LoadResult read(const std::filesystem::path& path, Parse parse, Apply apply) {
        const auto bytes = SettingsFile::load(path);
        if (!bytes) return {LoadStatus::Missing, {}};
        std::vector<Record> records;
        try {
            records = parse(*bytes);
        } catch (const FormatError& damage) {
            return LoadResult::failed(LoadStatus::Damaged,
                                      SettingsFile::damageMessage(path, damage.what()));
        }
        apply(records);
        return {};
    }

    // Serializes and saves; a record that cannot be written fails the save with its reason.
    template <typename Serialize>
    static bool write(const std::filesystem::path& path, Serialize serialize, std::string* error) {
        try {
            return AtomicFile::write(path, serialize(), error);
        } catch (const FormatError& fault) {
            if (error != nullptr) *error = fault.what();
            return false;
        }
    }
};

}  // namespace orvanta
