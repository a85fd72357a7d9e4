#pragma once

#include <string>
#include <utility>
#include <vector>

namespace orvanta {

// What became of reading a file. The file itself is left alone whatever the outcome.
enum class LoadStatus {
    Loaded,      // the file was read
    Missing,     // there is no such file
    Unreadable,  // the file is there but cannot be read
    Damaged,     // the bytes do not fit the format
    Empty,       // the file is there and holds nothing, which a reader may take as a new start
};

// A reading's status with what the user should be told, in the order it arose (empty when
// Loaded). Readers only return it: the caller decides whether to show the messages.
struct LoadResult {
    LoadStatus status = LoadStatus::Loaded;
    std::vector<std::string> messages;

    static LoadResult failed(LoadStatus status, std::string message) {
        return {status, {std::move(message)}};
    }
    bool loaded() const { return status == LoadStatus::Loaded; }
    explicit operator bool() const { return loaded(); }
};

}  // namespace orvanta
