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

// Makes the rename itself durable: until the folder is synced, a power loss may bring back
// the old entry. Best effort: some file systems cannot sync a folder, and the file's own
// bytes are on disk already.
void syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::filesystem::path AtomicFile::resolveLinks(const std::filesystem::path& path) {
    // Follows the chain the way the system would, with the system's limit on its length; a
    // link whose target does not exist yet gives that target, which the save then creates.
    constexpr int kMostLinks = 40;
    std::filesystem::path current = path;
    for (int hop = 0; hop < kMostLinks; ++hop) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(current, ec))) {
            return current;
        }
        const std::filesystem::path target = std::filesystem::read_symlink(current, ec);
        if (ec) return current;
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    return current;
}

bool AtomicFile::write(const std::filesystem::path& requested, std::span<const std::uint8_t> bytes,
                       std::string* error) {
    // Saving through a link replaces the file it points to and keeps the link, as editors do.
    const std::filesystem::path path = resolveLinks(requested);
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
    syncFolder(folder);
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
