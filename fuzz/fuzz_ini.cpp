// The initialisation file "ORVANTA.INI": read, looked up, changed and written as text.
#include "FuzzInput.h"
#include "doc/IniFile.h"

using namespace orvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::silenceMessages();
    IniFile ini;
    if (!ini.load(fuzz::scratchFile("ORVANTA.INI", data, size))) return 0;
    const auto font = ini.value("Last", "Font");
    if (font) fuzz::require(font->size() <= IniFile::kLongestValue * 3);
    ini.setValue("Last", "Place", "Москва");
    const std::string text = ini.text();
    fuzz::require(ini.value("last", "PLACE") == std::optional<std::string>("Москва"));
    fuzz::require(!text.empty());
    return 0;
}
