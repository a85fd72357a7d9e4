#include "common/AtomicFileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace orvanta {
namespace {

void setError(std::string* error, const std::string& text) {
    if (error != nullptr) *error = text;
}

bool syncToDisk(const std::string& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

}  // namespace

AtomicFileWriter::AtomicFileWriter(std::filesystem::path path) : path_(std::move(path)) {}

AtomicFileWriter::~AtomicFileWriter() {
    discard();
}

bool AtomicFileWriter::open(std::string* error) {
    discard();
    const auto folder = path_.has_parent_path() ? path_.parent_path() : std::filesystem::path(".");
    std::string pattern = (folder / ("." + path_.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        setError(error, "cannot create a file in " + folder.string() + ": " + std::strerror(errno));
        return false;
    }
    ::close(fd);
    temporary_ = pattern;
    out_.open(temporary_, std::ios::binary | std::ios::trunc);
    if (!out_) {
        setError(error, "cannot write " + temporary_);
        discard();
        return false;
    }
    return true;
}

bool AtomicFileWriter::commit(std::string* error) {
    if (temporary_.empty()) {
        setError(error, "cannot write " + path_.string() + ": it was never opened");
        return false;
    }
    out_.flush();
    const bool written = out_.good();
    out_.close();
    if (!written || out_.fail() || !syncToDisk(temporary_)) {
        setError(error, "cannot write " + path_.string() + ": " + std::strerror(errno));
        discard();
        return false;
    }
    // Keep the permissions an existing file had; a new file gets the usual ones.
    struct stat old {};
    const mode_t mode = ::stat(path_.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    ::chmod(temporary_.c_str(), mode);
    if (::rename(temporary_.c_str(), path_.c_str()) != 0) {
        setError(error, "cannot replace " + path_.string() + ": " + std::strerror(errno));
        discard();
        return false;
    }
    temporary_.clear();
    return true;
}

void AtomicFileWriter::discard() {
    if (out_.is_open()) out_.close();
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    temporary_.clear();
}

}  // namespace orvanta
