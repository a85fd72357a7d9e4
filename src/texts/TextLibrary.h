#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "common/LoadStatus.h"
#include "texts/KeyedTextFile.h"

namespace orvanta {

// The interpretation text library: the files of the folder "TXT_OR". Each file is looked up on
// its own, in the user's folder first and then in the delivered one (AppFolder::find), so a user
// can replace one text file and keep the others as delivered. Whole-text files are appended to an
// interpretation as they are; keyed files are loaded and searched for their entries
// (KeyedTextFile).
class TextLibrary {
  public:
    static constexpr std::string_view kFolderName = "TXT_OR";

    static constexpr std::string_view kOpening = "cup.txt";
    static constexpr std::string_view kShortIntroduction = "midl1.txt";
    static constexpr std::string_view kShortTraits = "SHORT.txt";
    static constexpr std::string_view kAfterShortTraits = "midl12.txt";
    static constexpr std::string_view kPlanetTraits = "Pl_Zz.txt";
    static constexpr std::string_view kAspectsIntroduction = "midl2.txt";
    static constexpr std::string_view kAspects = "ASP.txt";
    static constexpr std::string_view kClosing = "END.txt";
    static constexpr std::string_view kMiddle = "midl.txt";
    static constexpr std::string_view kCosmogramClosing = "kos_end.txt";
    // The full reading: its frame and overview, the planets in signs and houses, the aspects.
    static constexpr std::string_view kFullReading = "FULL.txt";
    static constexpr std::string_view kFullReadingPlanets = "FULL_PL.txt";
    static constexpr std::string_view kFullReadingAspects = "FULL_ASP.txt";

    // Characters cut before the "#" that ends an entry: the CR LF of its last line, and in the
    // traits file only the LF, so that those entries keep their CR.
    static constexpr std::size_t kShortTraitsCut = 2;
    static constexpr std::size_t kPlanetTraitsCut = 1;
    static constexpr std::size_t kAspectsCut = 2;

    // No library file comes near this; a larger one is refused rather than read into memory.
    static constexpr std::uintmax_t kMaxFileSize = 16u << 20;

    // The library of the program's data, file by file.
    TextLibrary() = default;
    // The library in one folder only.
    explicit TextLibrary(std::filesystem::path folder);

    // Where the library file of that name is read from; it need not exist.
    std::filesystem::path pathOf(std::string_view name) const;

    // Appends the whole file, converted to UTF-8, with its own line ends and blank lines.
    // A file that cannot be read leaves text as it was and answers with its missingMessage.
    LoadResult appendWholeFile(std::string_view name, std::string& text) const;

    // "Не найден файл 'cup.txt'": what the user is told of a library file that cannot be read.
    static std::string missingMessage(std::string_view name);

    // Loads a keyed file into file. A file that cannot be read leaves file as it was and
    // answers with its missingMessage; the caller decides how to tell the user.
    LoadResult loadKeyedFile(std::string_view name, std::optional<KeyedTextFile>& file) const;

  private:
    std::optional<std::string> readBytes(std::string_view name) const;

    std::optional<std::filesystem::path> folder_;
};

}  // namespace orvanta
