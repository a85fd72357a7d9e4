#include "texts/paint/TextPagePainter.h"

#include <QFontMetrics>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "draw/Canvas.h"
#include "draw/PrintedPdf.h"
#include "texts/TextRewrap.h"

namespace orvanta {
namespace {

// The frame's line: three tenths of a millimetre on the device.
double frameWidth(const QPaintDevice& device) {
    return std::max(1.0, device.logicalDpiX() * 0.3 / 25.4);
}

}  // namespace

TextPagePainter::Job TextPagePainter::prepare(QPaintDevice& device, const std::string& text,
                                              const QString& face) {
    Job job;
    job.page = TextPageLayout::compute(device.width(), device.height());
    job.font = Canvas::cellFont(face, job.page.fontHeight, &device);
    const QFontMetrics metrics(job.font, &device);
    job.lineHeight = std::max(1, metrics.lineSpacing());
    job.ascent = metrics.ascent();
    if (!job.page.fits) return job;
    job.lines =
        TextRewrap::lines(text, job.page.textArea.width(), [&metrics](std::string_view line) {
            return metrics.horizontalAdvance(
                QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
        });
    return job;
}

void TextPagePainter::paintPage(QPainter& painter, const Job& job, int page) {
    const TextPageLayout& layout = job.page;
    painter.save();
    QPen pen(Qt::black);
    pen.setWidthF(frameWidth(*painter.device()));
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(
        QRectF(layout.frame.left, layout.frame.top, layout.frame.width(), layout.frame.height()));
    painter.setFont(job.font);
    painter.drawText(QRect(0, 0, layout.pageNumberAt.x, layout.pageNumberAt.y),
                     Qt::AlignRight | Qt::AlignBottom,
                     QString::fromStdString(TextPageLayout::pageNumberText(page)));
    const int first = layout.firstLineOf(page, job.lineHeight);
    const int last =
        std::min(static_cast<int>(job.lines.size()), first + layout.linesPerPage(job.lineHeight));
    int baseline = layout.textArea.top + job.ascent;
    for (int i = first; i < last; ++i, baseline += job.lineHeight) {
        painter.drawText(QPoint(layout.textArea.left, baseline),
                         QString::fromStdString(job.lines[static_cast<std::size_t>(i)]));
    }
    painter.restore();
}

bool TextPagePainter::print(QPainter& painter, QPagedPaintDevice& device, const Job& job,
                            const QPageRanges& ranges) {
    if (!job.page.fits) return false;
    bool first = true;
    for (int page = 1; page <= job.pageCount(); ++page) {
        if (!ranges.isEmpty() && !ranges.contains(page)) continue;
        if (!first && !device.newPage()) return false;
        paintPage(painter, job, page);
        first = false;
    }
    return !first;
}

bool TextPagePainter::savePdf(const std::string& text, const QString& face, const QString& title,
                              const QPageSize& pageSize, QPageLayout::Orientation orientation,
                              const std::filesystem::path& path, std::string* error) {
    const auto paint = [&](QPdfWriter& writer, QPainter& painter, std::string* reason) {
        if (print(painter, writer, prepare(writer, text, face))) return true;
        if (reason != nullptr) *reason = "the page is too small for the text";
        return false;
    };
    return PrintedPdf::write(pageSize, orientation, title, paint, path, error);
}

}  // namespace orvanta
