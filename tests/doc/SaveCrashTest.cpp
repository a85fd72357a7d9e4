// Kills a child process with SIGKILL while it saves a chart, a settings file and the places
// base, at points spread over the whole save, and checks what a power cut or a crash would
// leave: the old file byte for byte or the complete new one, never a mixture, and no stray
// file under a name the program reads.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <functional>
#include <optional>

#include "birthdata/PlaceBase.h"
#include "common/AppFolder.h"
#include "common/AtomicFile.h"
#include "doc/AspectRecords.h"
#include "doc/CZodiacDoc.h"
#include "support/ScratchFolder.h"

namespace orvanta {
namespace {

using testing::ScratchFolder;
using Clock = std::chrono::steady_clock;

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The size of the hidden temporary file a save writes beside the target, if there is one.
std::optional<std::uintmax_t> temporarySize(const std::filesystem::path& folder) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        if (entry.path().filename().string()[0] != '.') continue;
        const auto size = std::filesystem::file_size(entry.path(), ec);
        if (!ec) return size;
    }
    return std::nullopt;
}

// Runs the save in a child and kills it once its temporary file holds at least `reached`
// bytes (or at once when `reached` is empty). True when the kill found the save unfinished
// with the temporary file at that size.
bool saveAndKillAt(const std::function<void()>& save, const std::filesystem::path& folder,
                   std::optional<std::uintmax_t> reached) {
    const pid_t child = fork();
    if (child == 0) {
        save();
        _exit(0);
    }
    bool hit = !reached;
    int status = 0;
    const auto deadline = Clock::now() + std::chrono::seconds(60);
    while (reached && Clock::now() < deadline) {
        if (::waitpid(child, &status, WNOHANG) == child) return false;  // finished first
        const auto size = temporarySize(folder);
        if (size && *size >= *reached) {
            hit = true;
            break;
        }
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, &status, 0);
    return hit && WIFSIGNALED(status);
}

// Saves over the old file, killed at several points of the write, and checks the folder
// after each: the old bytes or the new ones, and only hidden leftovers.
void killDuringSaves(const ScratchFolder& folder, const std::string& name,
                     const std::vector<std::uint8_t>& oldBytes, const std::function<void()>& save) {
    const auto path = folder / name;
    save();
    const auto newBytes = AtomicFile::read(path);
    ASSERT_TRUE(newBytes.has_value());
    ASSERT_NE(*newBytes, oldBytes);

    // Before anything is written, then with a quarter, half, three quarters and all of the
    // bytes in the temporary file (the last one between the write and the rename).
    const std::uintmax_t total = newBytes->size();
    const std::optional<std::uintmax_t> points[] = {std::nullopt,  1,    total / 4, total / 2,
                                                    total * 3 / 4, total};
    int killedMidWrite = 0;
    for (const auto& point : points) {
        ScratchFolder::write(path, oldBytes);
        const bool killed = saveAndKillAt(save, folder.path(), point);
        const std::string where = name + " at " + std::to_string(point.value_or(0)) + " bytes";
        const auto left = AtomicFile::read(path);
        ASSERT_TRUE(left.has_value()) << where;
        EXPECT_TRUE(*left == oldBytes || *left == *newBytes)
            << where << " holds " << left->size() << " bytes";
        if (killed && point) {
            ++killedMidWrite;
            EXPECT_EQ(*left, oldBytes) << where;
        }
        // A temporary file a kill leaves behind is hidden, and the program, which looks its
        // files up by name without regard to case, finds the real one.
        std::vector<std::filesystem::path> leftovers;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
            const std::string other = entry.path().filename().string();
            if (other == name) continue;
            EXPECT_EQ(other[0], '.') << other;
            EXPECT_NE(lowered(other), lowered(name));
            leftovers.push_back(entry.path());
        }
        EXPECT_EQ(AppFolder::findIn(folder.path(), name), path);
        for (const auto& leftover : leftovers) std::filesystem::remove(leftover);
    }
    // Most kills land inside the write; a fast disk may finish the last steps first.
    EXPECT_GE(killedMidWrite, 3) << name;
}

TEST(SaveCrash, KilledChartSaveLeavesTheOldOrTheNewChart) {
    ScratchFolder folder;
    CZodiacDoc old;
    old.natal().birth.name = "Прежний";
    old.natal().birth.entered = 1;
    ASSERT_TRUE(old.save(folder / "chart.map"));
    const auto oldBytes = ScratchFolder::read(folder / "chart.map");

    CZodiacDoc changed;
    changed.natal().birth.name = "Новый";
    changed.natal().birth.entered = 1;
    // A large notebook stretches the write so the kills fall inside it.
    changed.natal().notebook.assign(24u << 20, 0x5A);
    killDuringSaves(folder, "chart.map", oldBytes, [&] { changed.save(folder / "chart.map"); });
}

TEST(SaveCrash, KilledSettingsSaveLeavesTheOldOrTheNewFile) {
    ScratchFolder folder;
    AspectTable table;
    ASSERT_TRUE(AspectRecords::write(folder / "default.asp", table));
    const auto oldBytes = ScratchFolder::read(folder / "default.asp");
    for (auto& aspect : table) aspect.label = std::string(1u << 20, 'x');
    killDuringSaves(folder, "default.asp", oldBytes,
                    [&] { AspectRecords::write(folder / "default.asp", table); });
}

TEST(SaveCrash, KilledPlacesSaveLeavesTheOldOrTheNewBase) {
    ScratchFolder folder;
    PlaceBase base;
    base.append({"Москва", 37.6, 55.75});
    ASSERT_TRUE(base.save(folder / "Place.PLB"));
    const auto oldBytes = ScratchFolder::read(folder / "Place.PLB");
    for (int i = 0; i < 400000; ++i) base.append({"Место " + std::to_string(i), 1.0, 2.0});
    killDuringSaves(folder, "Place.PLB", oldBytes, [&] { base.save(folder / "Place.PLB"); });
}

}  // namespace
}  // namespace orvanta
