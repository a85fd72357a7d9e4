#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "calc/BirthData.h"
#include "calc/ChartData.h"
#include "calc/ZodiacOrientation.h"
#include "common/BinaryReader.h"
#include "common/BinaryWriter.h"
#include "natal/NatalChart.h"

namespace orvanta {

// The chart file ".map": birth data, the 33 chart objects, orientation, house system and the
// notebook block, as one little-endian stream.
class MapFile {
  public:
    // What a chart file holds. Of each object's style only the stored fields are filled:
    // identifier, name and label.
    struct Content {
        BirthData birth;
        ChartData chart;
        ZodiacOrientation orientation;
        std::int32_t houseSystem = 0;
        std::int32_t autoGreenwich = 0;
        std::vector<std::uint8_t> notebook;

        // Puts the stored fields into a chart record; display settings and pictures stay.
        void applyTo(NatalChart& natal) &&;
    };

    // Throws FormatError, worded for the user, when the file ends early, holds a length or
    // count larger than the bytes left, has bytes left over, or holds a value the program
    // could not have written (MapFileLimits).
    static Content parse(std::span<const std::uint8_t> bytes);
    // Throws FormatError when a text holds a character the file's code page lacks.
    static std::vector<std::uint8_t> serialize(const NatalChart& natal);

  private:
    static void readBirth(BinaryReader& reader, BirthData& birth);
    static void readObject(BinaryReader& reader, ObjectPosition& position, ObjectStyle& style);
    static void readTail(BinaryReader& reader, Content& content);
    static std::vector<std::uint8_t> readNotebook(BinaryReader& reader);
    static void writeBirth(BinaryWriter& writer, const BirthData& birth);
    // One object's record: its position with the stored part of its style.
    static void writeObject(BinaryWriter& writer, const ObjectPosition& position,
                            const ObjectStyle& style);
    static void writeTail(BinaryWriter& writer, const NatalChart& natal);
};

}  // namespace orvanta
