#pragma once

#include <QPainter>
#include <QSize>
#include <filesystem>
#include <functional>
#include <string>

namespace orvanta {

// Writes a drawing as a stand-alone picture file: PNG, PDF or SVG by the file's extension.
// The picture is made in memory and written through a temporary file, so a failed write
// leaves an older file of that name as it was.
class PictureExport {
  public:
    using Paint = std::function<void(QPainter& painter)>;

    // Size is the picture's size in pixels (PDF: one point to a pixel). False, with the
    // reason in error when given, for another extension or a file that cannot be written.
    static bool save(QSize size, const Paint& paint, const std::filesystem::path& path,
                     std::string* error = nullptr);

  private:
    static bool fail(std::string* error, const char* reason);
};

}  // namespace orvanta
