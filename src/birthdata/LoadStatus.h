#pragma once

namespace orvanta {

// What became of reading a base file.
enum class LoadStatus {
    Loaded,      // the file was read; the base holds its records
    Missing,     // there is no such file; the base is empty
    Unreadable,  // the file is there but cannot be read; the base is empty, the file left alone
    Damaged,     // the bytes do not fit the format; the base is empty, the file left alone
};

}  // namespace orvanta
