#include "common/AppFolder.h"

#include <cstdlib>
#include <string>
#include <system_error>
#include <vector>

#include "common/AtomicFile.h"
#include "common/Windows1251.h"

namespace orvanta {
namespace {

std::filesystem::path& overrideFolder() {
    static std::filesystem::path folder;
    return folder;
}

std::vector<std::string> splitComponents(std::string_view name) {
    std::vector<std::string> parts;
    std::string current;
    for (char c : name) {
        if (c == '/' || c == '\\') {
            if (!current.empty()) parts.push_back(std::move(current));
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) parts.push_back(std::move(current));
    return parts;
}

// Folds letter case through the code page so that Cyrillic names match too; names the code
// page cannot hold fall back to ASCII folding.
std::string foldCase(const std::string& utf8) {
    if (auto bytes = Windows1251::fromUtf8(utf8)) {
        for (auto& c : *bytes)
            c = static_cast<char>(Windows1251::toLower(static_cast<unsigned char>(c)));
        return *bytes;
    }
    std::string out = utf8;
    for (auto& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    }
    return out;
}

std::filesystem::path matchComponent(const std::filesystem::path& folder, const std::string& part) {
    std::error_code ec;
    const auto exact = folder / part;
    if (std::filesystem::exists(exact, ec)) return exact;
    const std::string wanted = foldCase(part);
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string candidate = it->path().filename().string();
        if (foldCase(candidate) == wanted) return it->path();
    }
    return exact;
}

bool isInstalled(const std::filesystem::path& delivered) {
    std::error_code ec;
    return std::filesystem::exists(delivered / AppFolder::kInstalledMarker, ec);
}

// ORVANTA_HOME keeps one folder for everything; else the delivered folder's marker decides.
bool oneFolderForEverything() {
    if (!overrideFolder().empty()) return !isInstalled(overrideFolder());
    const char* home = std::getenv("ORVANTA_HOME");
    if (home != nullptr && *home != '\0') return true;
    return !isInstalled(AppFolder::programFolder());
}

}  // namespace

std::filesystem::path AppFolder::programFolder() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::filesystem::current_path(ec);
    return exe.parent_path();
}

std::filesystem::path AppFolder::path() {
    if (!overrideFolder().empty()) return overrideFolder();
    if (const char* home = std::getenv("ORVANTA_HOME"); home != nullptr && *home != '\0') {
        return std::filesystem::path(home);
    }
    return programFolder();
}

void AppFolder::setOverride(const std::filesystem::path& folder) {
    overrideFolder() = folder;
}

std::filesystem::path AppFolder::standardUserFolder() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg != nullptr && std::filesystem::path(xdg).is_absolute()) {
        return std::filesystem::path(xdg) / "orvanta";
    }
    const char* home = std::getenv("HOME");
    const std::filesystem::path base = home != nullptr && *home != '\0' ? home : "/tmp";
    return base / ".local" / "share" / "orvanta";
}

std::filesystem::path AppFolder::userFolder() {
    if (oneFolderForEverything()) return path();
    auto folder = standardUserFolder();
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return folder;
}

std::filesystem::path AppFolder::find(std::string_view relativeName) {
    const auto delivered = path();
    if (!oneFolderForEverything()) {
        const auto user = findIn(standardUserFolder(), relativeName);
        std::error_code ec;
        if (std::filesystem::exists(user, ec)) return user;
    }
    return findIn(delivered, relativeName);
}

std::filesystem::path AppFolder::findDelivered(std::string_view relativeName) {
    return findIn(path(), relativeName);
}

std::filesystem::path AppFolder::writable(std::string_view relativeName) {
    const auto target = findIn(userFolder(), relativeName);
    if (oneFolderForEverything()) return target;
    std::error_code ec;
    if (std::filesystem::exists(target, ec)) return target;
    const auto delivered = findDelivered(relativeName);
    if (!std::filesystem::is_regular_file(delivered, ec)) {
        std::filesystem::create_directories(target.parent_path(), ec);
        return target;
    }
    // The copy takes the delivered file's own name, however the caller spelled it.
    const auto copy = findIn(userFolder(), delivered.lexically_relative(path()).generic_string());
    std::filesystem::create_directories(copy.parent_path(), ec);
    if (const auto bytes = AtomicFile::read(delivered)) AtomicFile::write(copy, *bytes);
    return copy;
}

std::filesystem::path AppFolder::findIn(const std::filesystem::path& folder,
                                        std::string_view relativeName) {
    std::filesystem::path result = folder;
    for (const auto& part : splitComponents(relativeName)) result = matchComponent(result, part);
    return result;
}

}  // namespace orvanta
