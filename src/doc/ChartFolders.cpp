#include "doc/ChartFolders.h"

#include <algorithm>

#include "doc/IniFile.h"

namespace orvanta {
namespace {

// Where the folder really is, so that a link or ".." does not make one folder two.
std::filesystem::path realPlace(const std::filesystem::path& folder) {
    std::error_code error;
    auto real = std::filesystem::weakly_canonical(folder, error);
    return error ? folder : real;
}

std::size_t characterCount(const std::string& utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

}  // namespace

ChartFolders::ChartFolders(std::filesystem::path defaultFolder) : default_(normal(defaultFolder)) {}

std::vector<std::filesystem::path> ChartFolders::all() const {
    std::vector<std::filesystem::path> folders{default_};
    folders.insert(folders.end(), added_.begin(), added_.end());
    return folders;
}

std::filesystem::path ChartFolders::normal(const std::filesystem::path& folder) {
    std::error_code error;
    auto path = std::filesystem::absolute(folder, error).lexically_normal();
    if (error) path = folder.lexically_normal();
    // "/a/b/" and "/a/b" are one folder.
    if (!path.has_filename() && path.has_relative_path()) path = path.parent_path();
    return path;
}

bool ChartFolders::holds(const std::filesystem::path& outer, const std::filesystem::path& inner) {
    const auto o = realPlace(outer);
    const auto i = realPlace(inner);
    return std::mismatch(o.begin(), o.end(), i.begin(), i.end()).first == o.end();
}

std::string ChartFolders::key(std::size_t index) {
    return kFolderKey + std::to_string(index + 1);
}

ChartFolders::Change ChartFolders::add(const std::filesystem::path& given) {
    const auto folder = normal(given);
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) return Change::NotAFolder;
    IniFile probe;
    if (characterCount(folder.string()) > IniFile::kLongestValue ||
        !probe.setValue(kSection, key(0), folder.string())) {
        return Change::NotStorable;
    }
    for (const auto& listed : all()) {
        if (holds(listed, folder))
            return holds(folder, listed) ? Change::AlreadyListed : Change::InsideListed;
    }
    std::erase_if(added_, [&](const auto& listed) { return holds(folder, listed); });
    added_.push_back(folder);
    return Change::Added;
}

ChartFolders::Change ChartFolders::remove(const std::filesystem::path& given) {
    const auto folder = normal(given);
    const auto same = [&](const auto& listed) { return realPlace(listed) == realPlace(folder); };
    if (same(default_)) return Change::DefaultStays;
    const auto it = std::find_if(added_.begin(), added_.end(), same);
    if (it == added_.end()) return Change::NotListed;
    added_.erase(it);
    return Change::Removed;
}

std::string ChartFolders::describe(Change change, const std::filesystem::path& folder) {
    const std::string name = "«" + folder.string() + "»";
    switch (change) {
        case Change::Added:
            return "Папка " + name + " добавлена в картотеку.";
        case Change::Removed:
            return "Папка " + name + " убрана из картотеки; файлы карт остались на месте.";
        case Change::AlreadyListed:
            return "Папка " + name + " уже есть в картотеке.";
        case Change::InsideListed:
            return "Папка " + name +
                   " уже в картотеке: её карты показаны вместе с папкой, в которой она лежит.";
        case Change::NotAFolder:
            return "Папки " + name + " нет.";
        case Change::NotStorable:
            return "Имя папки " + name +
                   " не помещается в ORVANTA.INI: оно длиннее 259 знаков или в нём есть знаки, "
                   "которых нет в кодировке Windows-1251.";
        case Change::DefaultStays:
            return "Папку " + name +
                   " убрать нельзя: это папка картотеки по умолчанию, в неё попадают "
                   "импортированные карты.";
        case Change::NotListed:
            return "Папки " + name + " нет в картотеке.";
    }
    return {};
}

std::vector<std::filesystem::path> ChartFolders::roots() const {
    const auto folders = all();
    std::vector<std::filesystem::path> roots;
    for (std::size_t i = 0; i < folders.size(); ++i) {
        const bool covered = std::any_of(folders.begin(), folders.end(), [&](const auto& other) {
            const std::size_t j = static_cast<std::size_t>(&other - folders.data());
            // Of two names for one folder the first is kept.
            return j != i && holds(other, folders[i]) && (j < i || !holds(folders[i], other));
        });
        if (!covered) roots.push_back(folders[i]);
    }
    return roots;
}

std::vector<std::filesystem::path> ChartFolders::missing() const {
    std::vector<std::filesystem::path> gone;
    for (const auto& folder : all()) {
        std::error_code error;
        if (!std::filesystem::is_directory(folder, error)) gone.push_back(folder);
    }
    return gone;
}

void ChartFolders::readFrom(const IniFile& ini) {
    added_.clear();
    for (std::size_t i = 0;; ++i) {
        const auto value = ini.value(kSection, key(i));
        if (!value) break;
        if (value->empty()) continue;  // a slot emptied when the list got shorter
        const auto folder = normal(*value);
        const bool known = std::any_of(added_.begin(), added_.end(),
                                       [&](const auto& listed) { return listed == folder; });
        if (folder != default_ && !known) added_.push_back(folder);
    }
}

void ChartFolders::writeTo(IniFile& ini) const {
    for (std::size_t i = 0; i < added_.size(); ++i)
        ini.setValue(kSection, key(i), added_[i].string());
    for (std::size_t i = added_.size(); ini.value(kSection, key(i)); ++i)
        ini.setValue(kSection, key(i), "");
}

}  // namespace orvanta
