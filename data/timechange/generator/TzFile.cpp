#include "generator/TzFile.h"

#include <array>

namespace orvanta {
namespace {

// Big-endian reads over untrusted bytes, each checked against what remains.
class Cursor {
  public:
    explicit Cursor(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    void require(std::size_t count) const {
        if (count > bytes_.size() - position_) throw std::runtime_error("the tz file ends early");
    }
    std::uint64_t readBigEndian(std::size_t size) {
        require(size);
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < size; ++i) value = (value << 8) | bytes_[position_ + i];
        position_ += size;
        return value;
    }
    std::uint32_t readCount() {
        const auto count = static_cast<std::uint32_t>(readBigEndian(4));
        // No count can exceed the bytes left; this keeps every allocation bounded.
        if (count > bytes_.size()) throw std::runtime_error("impossible count in the tz file");
        return count;
    }
    std::span<const std::uint8_t> take(std::size_t count) {
        require(count);
        const auto part = bytes_.subspan(position_, count);
        position_ += count;
        return part;
    }
    void skip(std::size_t count) { take(count); }
    std::size_t remaining() const { return bytes_.size() - position_; }

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

struct Header {
    char version = 0;
    std::uint32_t isutcnt = 0, isstdcnt = 0, leapcnt = 0, timecnt = 0, typecnt = 0, charcnt = 0;
};

Header readHeader(Cursor& in) {
    const auto magic = in.take(4);
    if (std::string(magic.begin(), magic.end()) != "TZif") {
        throw std::runtime_error("not a tz file (no TZif magic)");
    }
    Header header;
    header.version = static_cast<char>(in.take(1)[0]);
    in.skip(15);
    header.isutcnt = in.readCount();
    header.isstdcnt = in.readCount();
    header.leapcnt = in.readCount();
    header.timecnt = in.readCount();
    header.typecnt = in.readCount();
    header.charcnt = in.readCount();
    if (header.typecnt == 0) throw std::runtime_error("the tz file has no local time types");
    return header;
}

std::size_t bodySize(const Header& header, std::size_t timeSize) {
    return std::size_t{header.timecnt} * (timeSize + 1) + std::size_t{header.typecnt} * 6 +
           header.charcnt + std::size_t{header.leapcnt} * (timeSize + 4) + header.isstdcnt +
           header.isutcnt;
}

struct LocalType {
    std::int32_t offset = 0;
    std::string abbreviation;
};

std::string abbreviationAt(std::span<const std::uint8_t> chars, std::size_t index) {
    if (index >= chars.size()) throw std::runtime_error("bad abbreviation index in the tz file");
    std::string text;
    for (std::size_t i = index; i < chars.size() && chars[i] != 0; ++i) {
        text += static_cast<char>(chars[i]);
    }
    return text;
}

}  // namespace

TzFile TzFile::parse(std::span<const std::uint8_t> bytes) {
    Cursor in(bytes);
    const Header first = readHeader(in);
    if (first.version < '2') throw std::runtime_error("the tz file is older than version 2");
    in.require(bodySize(first, 4));
    in.skip(bodySize(first, 4));

    const Header header = readHeader(in);
    in.require(bodySize(header, 8));
    std::vector<std::int64_t> times;
    for (std::uint32_t i = 0; i < header.timecnt; ++i) {
        times.push_back(static_cast<std::int64_t>(in.readBigEndian(8)));
    }
    const auto typeIndices = in.take(header.timecnt);
    std::vector<std::array<std::uint8_t, 6>> rawTypes(header.typecnt);
    for (auto& raw : rawTypes) {
        const auto part = in.take(6);
        std::copy(part.begin(), part.end(), raw.begin());
    }
    const auto chars = in.take(header.charcnt);
    in.skip(std::size_t{header.leapcnt} * 12 + header.isstdcnt + header.isutcnt);

    std::vector<LocalType> types;
    for (const auto& raw : rawTypes) {
        const auto offset = static_cast<std::int32_t>(
            (std::uint32_t{raw[0]} << 24) | (std::uint32_t{raw[1]} << 16) |
            (std::uint32_t{raw[2]} << 8) | std::uint32_t{raw[3]});
        types.push_back({offset, abbreviationAt(chars, raw[5])});
    }

    TzFile file;
    // Times before the first transition follow the first local time type.
    file.initialOffset = types[0].offset;
    file.initialAbbreviation = types[0].abbreviation;
    for (std::uint32_t i = 0; i < header.timecnt; ++i) {
        if (typeIndices[i] >= types.size())
            throw std::runtime_error("bad type index in the tz file");
        const LocalType& type = types[typeIndices[i]];
        file.transitions.push_back({times[i], type.offset, type.abbreviation});
    }
    const auto rest = in.take(in.remaining());
    file.footer.assign(rest.begin(), rest.end());
    while (!file.footer.empty() && (file.footer.back() == '\n')) file.footer.pop_back();
    if (!file.footer.empty() && file.footer.front() == '\n') file.footer.erase(0, 1);
    return file;
}

}  // namespace orvanta
