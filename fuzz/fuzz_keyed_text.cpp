// A keyed file of the text library: entries and aspect texts looked up by keys that the
// synthesis uses, and by keys taken from the input itself.
#include "FuzzInput.h"
#include "texts/KeyedTextFile.h"

using namespace orvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::silenceMessages();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const KeyedTextFile file(bytes);
    for (std::size_t cut : {0u, 1u, 2u, 100u}) {
        file.findEntry("Солнце в Овне", cut);
        file.findEntry("cup1", cut);
    }
    file.findAspectText("Соединение");
    // The first short piece of the input as a key: keys that exist get found.
    const std::string key(bytes.substr(0, std::min<std::size_t>(8, bytes.size())));
    file.findEntry(key, 1);
    file.findAspectText(key);
    return 0;
}
