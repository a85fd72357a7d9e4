#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/LoadStatus.h"
#include "texts/KeyedTextFile.h"
#include "texts/TextLibrary.h"

namespace orvanta {

// The texts of the full reading: the three keyed files of the library, each entry a key in
// square brackets on a line of its own followed by its text and a line starting with "#".
// Texts are UTF-8 with the line breaks inside an entry joined by spaces.
class ReadingTexts {
  public:
    using Fills = std::initializer_list<std::pair<std::string_view, std::string_view>>;

    // Reads the three files; when one cannot be read, the texts stay as they were and the
    // answer names the file.
    LoadResult load(const TextLibrary& library);

    // The entry of the key ("[Солнце: суть]" is asked for as "Солнце: суть"); empty when the
    // user removed it, so that the sentence it would make is left out.
    std::string text(std::string_view key) const;
    // The entry with every "{name}" replaced by its value; empty when the entry is missing.
    std::string fill(std::string_view key, Fills fills) const;

    static std::string replaceAll(std::string text, std::string_view marker,
                                  std::string_view value);

  private:
    std::vector<KeyedTextFile> files_;
};

}  // namespace orvanta
