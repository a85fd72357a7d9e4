#include "common/AtomicFileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <utility>
#include <vector>

#include "common/SystemErrorText.h"
#include "common/TemporaryFileCleanup.h"

namespace orvanta {
namespace {

void setError(std::string* error, const std::string& text) {
    if (error != nullptr) *error = text;
}

std::string quoted(const std::filesystem::path& path) {
    return "«" + path.string() + "»";
}

bool inGroup(gid_t group) {
    if (group == ::getegid()) return true;
    const int count = ::getgroups(0, nullptr);
    if (count <= 0) return false;
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    const int got = ::getgroups(count, groups.data());
    for (int i = 0; i < got; ++i) {
        if (groups[static_cast<std::size_t>(i)] == group) return true;
    }
    return false;
}

// The write bit of the class the user falls in, with no exception for root: a file someone
// made read-only is not replaced behind their back. The system's own check comes on top, for
// access lists and the like.
bool writable(const std::filesystem::path& path, const struct stat& status) {
    const mode_t bit = status.st_uid == ::geteuid() ? S_IWUSR
                       : inGroup(status.st_gid)     ? S_IWGRP
                                                    : S_IWOTH;
    return (status.st_mode & bit) != 0 &&
           ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
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

std::filesystem::path folderOf(const std::filesystem::path& path) {
    return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

}  // namespace

AtomicFileWriter::AtomicFileWriter(std::filesystem::path path) : path_(std::move(path)) {}

AtomicFileWriter::~AtomicFileWriter() {
    discard();
}

std::optional<std::filesystem::path> AtomicFileWriter::resolveLinks(
    const std::filesystem::path& path) {
    // The system's own limit on a chain of links.
    constexpr int kMostLinks = 40;
    std::filesystem::path current = path;
    for (int hop = 0; hop <= kMostLinks; ++hop) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(current, ec))) {
            return current;
        }
        const std::filesystem::path target = std::filesystem::read_symlink(current, ec);
        if (ec) return current;
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    return std::nullopt;
}

bool AtomicFileWriter::open(std::string* error) {
    discard();
    if (path_.empty()) {
        setError(error, "не задано имя файла");
        return false;
    }
    const auto target = resolveLinks(path_);
    if (!target) {
        setError(error, "символические ссылки " + quoted(path_) + " зацикливаются");
        return false;
    }
    target_ = *target;
    struct stat status {};
    if (::stat(target_.c_str(), &status) != 0) return openTemporary(target_, error);
    if (S_ISDIR(status.st_mode)) {
        setError(error, quoted(target_) + " — это папка");
        return false;
    }
    if (!writable(target_, status)) {
        setError(error, "файл " + quoted(target_) + " только для чтения: нет права записи");
        return false;
    }
    if (S_ISCHR(status.st_mode) || S_ISFIFO(status.st_mode)) return openSpecial(target_, error);
    if (!S_ISREG(status.st_mode)) {
        setError(error, quoted(target_) + " — не обычный файл, его нельзя заменить");
        return false;
    }
    mode_ = status.st_mode & 07777;
    return openTemporary(target_, error);
}

bool AtomicFileWriter::openSpecial(const std::filesystem::path& target, std::string* error) {
    // A device or a pipe stays what it is: replacing it would break whatever reads from it.
    fd_ = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (fd_ < 0) {
        setError(error,
                 "не удалось открыть " + quoted(target) + ": " + SystemErrorText::describe(errno));
        return false;
    }
    buffer_.reset(fd_);
    out_.clear();
    return true;
}

bool AtomicFileWriter::openTemporary(const std::filesystem::path& target, std::string* error) {
    const auto folder = folderOf(target);
    struct stat status {};
    if (::stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
        !writable(folder, status)) {
        setError(error, "в папку " + quoted(folder) + " нельзя записывать: нет права записи");
        return false;
    }
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    fd_ = ::mkstemp(pattern.data());
    if (fd_ < 0) {
        setError(error, "не удалось создать файл в папке " + quoted(folder) + ": " +
                            SystemErrorText::describe(errno));
        return false;
    }
    ::fcntl(fd_, F_SETFD, FD_CLOEXEC);
    temporary_ = pattern;
    cleanupSlot_ = TemporaryFileCleanup::remember(temporary_);
    buffer_.reset(fd_);
    out_.clear();
    return true;
}

bool AtomicFileWriter::commit(std::string* error) {
    if (fd_ < 0) {
        setError(error, "файл " + quoted(path_) + " не был открыт для записи");
        return false;
    }
    out_.flush();
    int failure = buffer_.errorNumber();
    if (failure == 0 && !temporary_.empty() && ::fsync(fd_) != 0) failure = errno;
    if (failure == 0 && !temporary_.empty()) ::fchmod(fd_, mode_);
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0 && failure == 0) failure = errno;
    if (failure != 0) {
        setError(error, "не удалось записать " + quoted(target_) + ": " +
                            SystemErrorText::describe(failure));
        discard();
        return false;
    }
    return temporary_.empty() || finishTemporary(error);
}

bool AtomicFileWriter::finishTemporary(std::string* error) {
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        setError(error, "не удалось заменить " + quoted(target_) + ": " +
                            SystemErrorText::describe(errno));
        discard();
        return false;
    }
    TemporaryFileCleanup::forget(std::exchange(cleanupSlot_, -1));
    temporary_.clear();
    syncFolder(folderOf(target_));
    return true;
}

void AtomicFileWriter::discard() {
    if (fd_ >= 0) ::close(std::exchange(fd_, -1));
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    TemporaryFileCleanup::forget(std::exchange(cleanupSlot_, -1));
    temporary_.clear();
    buffer_.reset(-1);
}

}  // namespace orvanta
