#include "texts/ReadingTexts.h"

namespace orvanta {

LoadResult ReadingTexts::load(const TextLibrary& library) {
    std::vector<KeyedTextFile> files;
    for (auto name : {TextLibrary::kFullReading, TextLibrary::kFullReadingPlanets,
                      TextLibrary::kFullReadingAspects}) {
        std::optional<KeyedTextFile> file;
        const auto loaded = library.loadKeyedFile(name, file);
        if (!loaded) {
            return LoadResult::failed(loaded.status,
                                      loaded.messages.front() + ". Подробный разбор не построен.");
        }
        files.push_back(std::move(*file));
    }
    files_ = std::move(files);
    return {};
}

std::string ReadingTexts::replaceAll(std::string text, std::string_view marker,
                                     std::string_view value) {
    for (auto at = text.find(marker); at != std::string::npos;
         at = text.find(marker, at + value.size())) {
        text.replace(at, marker.size(), value);
    }
    return text;
}

std::string ReadingTexts::text(std::string_view key) const {
    const std::string title = "[" + std::string(key) + "]";
    for (const auto& file : files_) {
        if (auto found = file.findAspectText(title)) {
            return replaceAll(replaceAll(std::move(*found), "\r\n", " "), "\n", " ");
        }
    }
    return {};
}

std::string ReadingTexts::fill(std::string_view key, Fills fills) const {
    std::string result = text(key);
    for (const auto& [name, value] : fills) {
        result = replaceAll(std::move(result), "{" + std::string(name) + "}", value);
    }
    return result;
}

}  // namespace orvanta
