#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <filesystem>
#include <functional>
#include <string>

namespace orvanta {

// Printed pages written to a PDF file instead of a printer: the paper and its orientation
// with no printer margins, so the whole sheet is the printable area. The file is made in
// memory and written through a temporary file, so a failed write leaves an older file as it
// was.
class PrintedPdf {
  public:
    static constexpr int kResolution = 600;  // device pixels per inch

    // Paints the pages (the writer starts new ones); false, with the reason, when it cannot.
    using Paint = std::function<bool(QPdfWriter& writer, QPainter& painter, std::string* error)>;

    static bool write(const QPageSize& pageSize, QPageLayout::Orientation orientation,
                      const QString& title, const Paint& paint, const std::filesystem::path& path,
                      std::string* error = nullptr);
};

}  // namespace orvanta
