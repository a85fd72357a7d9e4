// "NoteBook.NTF": a notebook that reads writes back to bytes that read the same, and every
// entry's moment turns into the text the notebook lines show.
#include "FuzzInput.h"
#include "common/FormatError.h"
#include "events/Notebook.h"

using namespace orvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::silenceMessages();
    Notebook notebook;
    try {
        notebook = Notebook::parse(fuzz::bytesOf(data, size));
    } catch (const FormatError&) {
        return 0;
    }
    for (const auto& entry : notebook.entries()) {
        fuzz::require(!Notebook::momentText(entry.situation.moment).empty());
        notebook.filtered(entry.situation, {true, true, true});
    }
    const auto written = notebook.serialize();
    const Notebook again = Notebook::parse(written);
    fuzz::require(again.entries().size() == notebook.entries().size());
    fuzz::require(again.serialize() == written);
    if (!notebook.empty()) {
        const auto first = notebook.entries().front().situation;
        notebook.store(first, "наблюдение");
        fuzz::require(notebook.remove(first));
    }
    return 0;
}
