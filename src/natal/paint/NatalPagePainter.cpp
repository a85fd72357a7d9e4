#include "natal/paint/NatalPagePainter.h"

#include <cmath>

#include "draw/Canvas.h"
#include "draw/PicturePainter.h"
#include "draw/PrintedPdf.h"
#include "natal/paint/AspectTablePainter.h"
#include "natal/paint/WheelPainter.h"

namespace orvanta {
namespace {

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kGreenwichGreen(0, 150, 0);

int alignmentOf(NatalPageLayout::Anchor anchor) {
    switch (anchor) {
        case NatalPageLayout::Anchor::LeftTop:
            return Canvas::AlignLeft | Canvas::AlignTop;
        case NatalPageLayout::Anchor::LeftBottom:
            return Canvas::AlignLeft | Canvas::AlignBottom;
        case NatalPageLayout::Anchor::CentreBottom:
            return Canvas::AlignCenter | Canvas::AlignBottom;
        case NatalPageLayout::Anchor::RightTop:
            return Canvas::AlignRight | Canvas::AlignTop;
    }
    return Canvas::AlignLeft | Canvas::AlignTop;
}

void drawPicture(Canvas& canvas, const Picture& picture, const Rect& square) {
    PicturePainter::draw(canvas, picture, square.left, square.top, square.right, square.bottom);
}

// The printed size of what the device shows, in hundredths of a millimetre.
int hundredthsOfMm(int pixels, int dpi) {
    return static_cast<int>(std::lround(pixels * 2540.0 / std::max(1, dpi)));
}

}  // namespace

void NatalPagePainter::writeTexts(Canvas& canvas, const NatalPageLayout& page,
                                  const std::vector<NatalPageLayout::Text>& texts,
                                  const ChartResources& resources) {
    const QString serif = QString::fromStdString(resources.serifFace);
    const QString mono = QString::fromStdString(resources.monospaceFace);
    for (const auto& text : texts) {
        const bool isMono = text.font == NatalPageLayout::Font::Mono;
        canvas.setCellFont(isMono ? mono : serif, page.fontHeight(text.font));
        canvas.setPen(text.green ? kGreenwichGreen : kBlack);
        canvas.drawText(text.at.x, text.at.y, QString::fromStdString(text.text),
                        alignmentOf(text.anchor));
    }
    canvas.setPen(kBlack);
}

bool NatalPagePainter::paintWheelPage(Canvas& canvas, const NatalChart& natal,
                                      const ChartResources& resources, int pageWidth,
                                      int pageHeight) {
    const NatalPageLayout page = NatalPageLayout::compute(pageWidth, pageHeight, natal.chart,
                                                          natal.birth, resources.degreeNotation);
    if (!page.fits) return false;
    QPainter& painter = canvas.painter();
    painter.save();
    canvas.setPen(kBlack, 1.0);
    canvas.setBrush(kWhite);
    canvas.drawRect(page.frame.left, page.frame.top, page.frame.right, page.frame.bottom);
    WheelPainter::paint(canvas, natal, resources,
                        WheelLayout::Frame::page(page.centre.x, page.centre.y, page.baseRadius));
    writeTexts(canvas, page, page.headerTexts, resources);
    for (const auto& entry : page.legend) {
        drawPicture(canvas, natal.chart.style[entry.object].symbol, entry.symbol);
        drawPicture(canvas, resources.signPicture(entry.sign), entry.signPicture);
    }
    writeTexts(canvas, page, page.legendTexts, resources);
    painter.restore();
    return true;
}

bool NatalPagePainter::paint(Kind kind, QPainter& painter, const NatalChart& natal,
                             const ChartResources& resources) {
    const QPaintDevice* device = painter.device();
    if (kind == Kind::Table) {
        Canvas canvas(painter, Canvas::Units::Pixels);
        AspectTablePainter::paintPrinter(canvas, natal, resources, device->width(),
                                         device->height());
        return true;
    }
    Canvas canvas(painter, Canvas::Units::HundredthsOfMm);
    return paintWheelPage(canvas, natal, resources,
                          hundredthsOfMm(device->width(), device->logicalDpiX()),
                          hundredthsOfMm(device->height(), device->logicalDpiY()));
}

bool NatalPagePainter::savePdf(Kind kind, const NatalChart& natal, const ChartResources& resources,
                               const QPageSize& pageSize, QPageLayout::Orientation orientation,
                               const std::filesystem::path& path, std::string* error) {
    const auto paintPage = [&](QPdfWriter&, QPainter& painter, std::string* reason) {
        if (paint(kind, painter, natal, resources)) return true;
        if (reason != nullptr) *reason = "the page is too small for the chart";
        return false;
    };
    return PrintedPdf::write(pageSize, orientation, QString::fromStdString(natal.birth.name),
                             paintPage, path, error);
}

}  // namespace orvanta
