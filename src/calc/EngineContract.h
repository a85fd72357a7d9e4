#pragma once

namespace orvanta {

// The request/answer contract between the program and the engine library: the caller hands
// EntryPoint_Main an answer area of kResultSize doubles, which the engine fills. Both sides
// include this one definition.
struct EngineContract {
    static constexpr int kResultSize = 33;
    // EntryPoint_Version(text, size) writes the Swiss Ephemeris version, zero-terminated and
    // cut to size - 1 characters, so that the program can name it without linking the library.
    static constexpr const char* kVersionEntryName = "EntryPoint_Version";
    using VersionEntry = void (*)(char* text, int size);
};

}  // namespace orvanta
