#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>

#include "common/MessageSink.h"

// What the harnesses share: the input as a span, a scratch file for the readers that take a
// path, and a message sink that keeps the readers' messages off the terminal.
namespace orvanta::fuzz {

inline std::span<const std::uint8_t> bytesOf(const std::uint8_t* data, std::size_t size) {
    return {data, size};
}

// A file of the process's own in the scratch folder, holding the input.
inline std::filesystem::path scratchFile(const std::string& name, const std::uint8_t* data,
                                         std::size_t size) {
    static const std::filesystem::path folder = [] {
        auto path =
            std::filesystem::temp_directory_path() / ("orvanta-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    const auto path = folder / name;
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

inline void silenceMessages() {
    static bool done = false;
    if (done) return;
    done = true;
    MessageSink::install([](std::string_view) {});
}

// A property the reader must keep; a failure is a finding, reported as a crash.
inline void require(bool holds) {
    if (!holds) std::abort();
}

}  // namespace orvanta::fuzz
