#include "common/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace orvanta {
namespace {

void setError(std::string* error, const std::string& text) {
    if (error != nullptr) *error = text;
}

bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

bool AtomicFile::write(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                       std::string* error) {
    const auto folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    std::string pattern = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        setError(error, "cannot create a file in " + folder.string() + ": " + std::strerror(errno));
        return false;
    }
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int savedErrno = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        ::unlink(pattern.c_str());
        setError(error, "cannot write " + path.string() + ": " +
                            std::strerror(written ? errno : savedErrno));
        return false;
    }
    // Keep the permissions an existing file had; a new file gets the usual ones.
    struct stat old {};
    const mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    ::chmod(pattern.c_str(), mode);
    if (::rename(pattern.c_str(), path.c_str()) != 0) {
        const int renameErrno = errno;
        ::unlink(pattern.c_str());
        setError(error, "cannot replace " + path.string() + ": " + std::strerror(renameErrno));
        return false;
    }
    return true;
}

bool AtomicFile::write(const std::filesystem::path& path, const std::string& bytes,
                       std::string* error) {
    return write(path,
                 std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                               bytes.size()),
                 error);
}

std::optional<std::vector<std::uint8_t>> AtomicFile::read(const std::filesystem::path& path,
                                                          std::string* error) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        setError(error, "cannot open " + path.string());
        return std::nullopt;
    }
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || size > kLargestFile) {
        setError(error, ec ? "cannot read " + path.string() : path.string() + " is too large");
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        setError(error, "cannot open " + path.string());
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (static_cast<std::uintmax_t>(in.gcount()) != size) {
        setError(error, "cannot read " + path.string());
        return std::nullopt;
    }
    return bytes;
}

}  // namespace orvanta
