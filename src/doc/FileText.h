#pragma once

#include <string>
#include <string_view>

#include "common/BinaryReader.h"
#include "common/BinaryWriter.h"

namespace orvanta {

// Texts inside our binary files: Windows-1251 bytes with a length before them. Chart files use
// a variable length prefix, settings files a 32-bit count. Inside the program texts are UTF-8.
class FileText {
  public:
    // Chart file form: one byte up to 254; else 255 and a 16-bit length up to 65533; else 255,
    // the 16-bit value 65535 and a 32-bit length.
    static std::string readVariable(BinaryReader& reader);
    static void writeVariable(BinaryWriter& writer, std::string_view utf8);

    // Settings file form: a 32-bit length, then the bytes.
    static std::string readCounted(BinaryReader& reader);
    static void writeCounted(BinaryWriter& writer, std::string_view utf8);

    // Windows-1251 bytes of a text; throws FileDamage naming a character the code page lacks.
    static std::string encode(std::string_view utf8);

  private:
    static std::string readBytes(BinaryReader& reader, std::uint64_t length);
};

}  // namespace orvanta
