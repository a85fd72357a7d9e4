#pragma once

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "common/DescriptorStreamBuf.h"

namespace orvanta {

// The one way the program saves a file, whole or piece by piece. Output goes to a temporary
// file in the same folder that replaces the old file only on commit, after a complete write
// that is synced to disk; the folder is synced after the rename, so a completed save survives
// a power loss. Dropped without a commit, or ended by SIGINT, SIGTERM or SIGHUP, it leaves the
// old file as it was and no temporary file behind.
//
// Through symbolic links the save writes the file they finally name and keeps the links; a
// loop of links is refused. An existing character device or FIFO is written into directly,
// never replaced; other special files are refused. A file or folder without write permission
// for the user is refused by its mode bits even for root, as editors do, rather than replaced
// through the rename.
class AtomicFileWriter {
  public:
    explicit AtomicFileWriter(std::filesystem::path path);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // Prepares the output; on failure returns false with a reason in error.
    bool open(std::string* error = nullptr);
    std::ostream& stream() { return out_; }
    // Flushes and puts the file in place; on failure the old file stays and error says why.
    bool commit(std::string* error = nullptr);

    // The file a path finally names once its symbolic links are followed (a link to a file
    // not there yet gives that file); empty for a loop or a chain longer than the system's.
    static std::optional<std::filesystem::path> resolveLinks(const std::filesystem::path& path);

  private:
    bool openSpecial(const std::filesystem::path& target, std::string* error);
    bool openTemporary(const std::filesystem::path& target, std::string* error);
    bool finishTemporary(std::string* error);
    void discard();

    std::filesystem::path path_;
    std::filesystem::path target_;
    std::string temporary_;  // empty when writing into a special file directly
    int fd_ = -1;
    int cleanupSlot_ = -1;
    mode_t mode_ = 0644;
    DescriptorStreamBuf buffer_;
    std::ostream out_{&buffer_};
};

}  // namespace orvanta
