#include "natal/paint/SynastryTablePainter.h"

#include "draw/PicturePainter.h"

namespace orvanta {
namespace {

const QColor kBlack(0, 0, 0);
// The label row and column, shaded as the aspect table shades its diagonal.
const QColor kLabelShade(200, 150, 150);

void drawPicture(Canvas& canvas, const Picture& picture, const Rect& square) {
    PicturePainter::draw(canvas, picture, square.left, square.top, square.right, square.bottom);
}

}  // namespace

void SynastryTablePainter::paint(Canvas& canvas, const SynastryTableLayout& layout,
                                 const ChartData& first, const ChartData& second,
                                 const NatalAspectTable& aspects, const ChartResources& resources) {
    if (layout.isEmpty()) return;
    QPainter& painter = canvas.painter();
    painter.save();
    const Rect all = layout.bounds();
    canvas.fillRect(all.left, all.top, all.right, layout.top + layout.rowHeight, kLabelShade);
    canvas.fillRect(all.left, all.top, layout.left + layout.columnWidth, all.bottom, kLabelShade);
    for (const auto& label : layout.rowLabels)
        drawPicture(canvas, first.style[label.object].symbol, label.picture);
    for (const auto& label : layout.columnLabels)
        drawPicture(canvas, second.style[label.object].symbol, label.picture);

    const QString face = QString::fromStdString(resources.serifFace);
    canvas.setPen(kBlack, 0.0);
    for (const auto& cell : layout.cells) {
        drawPicture(canvas, aspects[static_cast<std::size_t>(cell.aspect)].symbol, cell.symbol);
        writeOrb(canvas, face, layout, cell);
    }
    canvas.setPen(kBlack, 0.0);
    for (const Line& line : layout.gridLines)
        canvas.drawLine(line.from.x, line.from.y, line.to.x, line.to.y);
    painter.restore();
}

void SynastryTablePainter::writeOrb(Canvas& canvas, const QString& face,
                                    const SynastryTableLayout& layout,
                                    const SynastryTableLayout::Cell& cell) {
    const QString text = QString::fromStdString(cell.orbText);
    int height = layout.textHeight;
    canvas.setCellFont(face, height);
    while (height > 1 && canvas.textExtent(text).width() > cell.text.width()) {
        canvas.setCellFont(face, --height);
    }
    canvas.drawText((cell.text.left + cell.text.right) / 2,
                    cell.text.top + (cell.text.height() - height) / 2, text,
                    Canvas::AlignCenter | Canvas::AlignTop);
}

}  // namespace orvanta
