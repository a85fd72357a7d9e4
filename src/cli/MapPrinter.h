#pragma once

#include <string>

#include "doc/MapFile.h"

namespace orvanta::cli {

// The content of a chart file as JSON (the keys of the tool's documentation) or as a table.
class MapPrinter {
  public:
    static std::string json(const MapFile::Content& content);
    static std::string text(const MapFile::Content& content);
};

}  // namespace orvanta::cli
