#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "common/BinaryReader.h"
#include "common/BinaryWriter.h"
#include "common/DibLayout.h"
#include "common/LoadStatus.h"

namespace orvanta {

// A packed device-independent bitmap (header, colour table and pixels in one block), kept
// byte for byte as it was read so that it is written back unchanged. A picture only ever
// holds a block whose header, colour table and pixel rows fit the bytes it has. The block is
// immutable and shared: a copy costs a reference, and taking a new bitmap replaces the block
// without touching the copies.
class Picture {
  public:
    static constexpr const char* kLoadError = "Load DIB Error...";
    static constexpr const char* kInitError = "Init DIB data Error...";
    static constexpr std::size_t kFileHeaderSize = 14;
    // A stand-alone picture file larger than this is refused rather than read.
    static constexpr std::uintmax_t kLargestFile = 16u * 1024u * 1024u;

    Picture() = default;

    bool isEmpty() const { return content().bytes.empty(); }
    const std::vector<std::uint8_t>& bytes() const { return content().bytes; }
    const DibLayout& layout() const { return content().layout; }
    // Tells one content from another: a new number whenever the picture takes a bitmap, 0
    // while empty; a copy keeps the number of its original. Drawing keeps what it decoded under
    // this number.
    std::uint64_t revision() const { return content().revision; }
    void clear();

    // (1, 1) while empty.
    int width() const { return isEmpty() ? 1 : layout().width; }
    int height() const { return isEmpty() ? 1 : layout().height; }
    int colourCount() const { return isEmpty() ? 0 : static_cast<int>(layout().colourCount); }
    std::size_t colourTableSize() const { return isEmpty() ? 0 : layout().colourTableSize; }

    // Takes a packed bitmap. A block that is not a readable bitmap empties the picture and
    // answers Damaged with "Load DIB Error..." (after "Init DIB data Error..." for negative
    // dimensions).
    LoadResult assign(std::vector<std::uint8_t> packed);

    // Reads a ".bmp" file. A file that cannot be opened changes nothing and has no message;
    // any other failure empties the picture and answers as assign does.
    LoadResult loadFile(const std::filesystem::path& path);

    // Reads the embedded form (file header, 32-bit length, packed bitmap) at the reader's
    // position. A block cut short by the end of the data throws FormatError; a complete block
    // that is not a readable bitmap empties the picture and answers as assign does, and
    // reading goes on after it.
    LoadResult readEmbedded(BinaryReader& reader);

    // Appends the embedded form, with the image size of the header recomputed. A core header
    // is written as the equivalent information header, so every picture held can be written
    // back; only an empty one writes nothing and answers false.
    bool writeEmbedded(BinaryWriter& writer) const;

    // The stand-alone ".bmp" form: file header and packed bitmap as held.
    std::vector<std::uint8_t> fileForm() const;

  private:
    struct Content {
        std::vector<std::uint8_t> bytes;
        DibLayout layout;
        std::uint64_t revision = 0;
    };
    static const Content kEmpty;

    const Content& content() const { return content_ ? *content_ : kEmpty; }
    // The packed bitmap as it is written: an information header with the image size filled
    // in, then masks, colour table and pixel rows.
    std::vector<std::uint8_t> packedForWriting() const;
    std::vector<std::uint8_t> coreToInfoHeader() const;
    static void writeFileHeader(BinaryWriter& writer, std::size_t packedSize,
                                std::size_t bitsOffset);
    LoadResult fail();

    std::shared_ptr<const Content> content_;  // null while empty
};

}  // namespace orvanta
