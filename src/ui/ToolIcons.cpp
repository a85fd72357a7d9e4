#include "ui/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace orvanta {
namespace {

const QColor kInk(30, 30, 60);
const QColor kPaper(255, 255, 245);
const QColor kAccent(40, 90, 180);

void sheet(QPainter& p, const QRectF& r) {
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 4, r.top());
    path.lineTo(r.right(), r.top() + 4);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setBrush(kPaper);
    p.drawPath(path);
}

// The pictures of the main tool bar.
void drawFrameKind(QPainter& p, ToolIcons::Kind kind) {
    switch (kind) {
        case ToolIcons::Kind::New:
            sheet(p, {3.5, 1.5, 10, 13});
            break;
        case ToolIcons::Kind::Open:
            p.setBrush(QColor(230, 190, 80));
            p.drawRect(QRectF(1.5, 4.5, 13, 9));
            p.drawLine(QPointF(1.5, 4.5), QPointF(5, 2.5));
            break;
        case ToolIcons::Kind::Save:
            p.setBrush(kAccent);
            p.drawRect(QRectF(1.5, 1.5, 13, 12));
            p.setBrush(kPaper);
            p.drawRect(QRectF(4.5, 1.5, 7, 5));
            break;
        case ToolIcons::Kind::Print:
            p.setBrush(QColor(200, 200, 200));
            p.drawRect(QRectF(1.5, 6.5, 13, 5));
            sheet(p, {4.5, 1.5, 7, 5});
            sheet(p, {4.5, 11.5, 7, 3});
            break;
        case ToolIcons::Kind::Cut:
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QRectF(2, 9, 4, 4));
            p.drawEllipse(QRectF(10, 9, 4, 4));
            p.drawLine(QPointF(5, 9), QPointF(11, 1));
            p.drawLine(QPointF(11, 9), QPointF(5, 1));
            break;
        case ToolIcons::Kind::Copy:
            sheet(p, {1.5, 1.5, 8, 9});
            sheet(p, {6.5, 4.5, 8, 9});
            break;
        case ToolIcons::Kind::Paste:
            p.setBrush(QColor(190, 140, 80));
            p.drawRect(QRectF(1.5, 2.5, 10, 11));
            sheet(p, {6.5, 5.5, 8, 8});
            break;
        case ToolIcons::Kind::Collection:  // index cards standing in a drawer with a label
            sheet(p, {2.5, 1.5, 9, 8});
            sheet(p, {4.5, 3.5, 9, 8});
            p.setBrush(QColor(190, 140, 80));
            p.drawRect(QRectF(1.5, 7.5, 13, 6));
            p.setBrush(kPaper);
            p.drawRect(QRectF(6, 9.5, 4, 2));
            break;
        case ToolIcons::Kind::About:
            p.setBrush(kAccent);
            p.drawEllipse(QRectF(1.5, 1.5, 13, 12));
            p.setPen(Qt::white);
            p.setFont(QFont("DejaVu Sans", 8, QFont::Bold));
            p.drawText(QRectF(1.5, 1.5, 13, 12), Qt::AlignCenter, "?");
            break;
        default:
            break;
    }
}

// The pictures of the chart windows' tool bars.
void drawChartKind(QPainter& p, ToolIcons::Kind kind) {
    switch (kind) {
        case ToolIcons::Kind::Text:
            sheet(p, {2.5, 1.5, 11, 13});
            for (double y = 5; y < 13; y += 2.5) p.drawLine(QPointF(4.5, y), QPointF(11.5, y));
            break;
        case ToolIcons::Kind::EventChart:
            p.setBrush(kPaper);
            p.drawEllipse(QRectF(1.5, 1.5, 13, 12));
            p.setPen(QPen(QColor(200, 40, 40), 1.5));
            p.drawLine(QPointF(8, 7.5), QPointF(8, 3));
            p.drawLine(QPointF(8, 7.5), QPointF(11.5, 9.5));
            break;
        case ToolIcons::Kind::Settings:
            p.setBrush(QColor(160, 160, 170));
            p.drawEllipse(QRectF(3, 2.5, 10, 10));
            p.setBrush(kPaper);
            p.drawEllipse(QRectF(6, 5.5, 4, 4));
            break;
        case ToolIcons::Kind::BirthData:
            p.setBrush(kPaper);
            p.drawRect(QRectF(1.5, 2.5, 13, 11));
            p.setBrush(QColor(200, 40, 40));
            p.drawRect(QRectF(1.5, 2.5, 13, 3));
            p.drawPoint(QPointF(5, 9));
            p.drawPoint(QPointF(8, 9));
            p.drawPoint(QPointF(11, 9));
            break;
        case ToolIcons::Kind::ZoomOut:
        case ToolIcons::Kind::ZoomIn:
            p.setBrush(kPaper);
            p.drawEllipse(QRectF(1.5, 1.5, 9, 9));
            p.setPen(QPen(kInk, 2));
            p.drawLine(QPointF(9, 9), QPointF(14, 13.5));
            p.setPen(QPen(kInk, 1.2));
            p.drawLine(QPointF(4, 6), QPointF(8, 6));
            if (kind == ToolIcons::Kind::ZoomIn) p.drawLine(QPointF(6, 4), QPointF(6, 8));
            break;
        case ToolIcons::Kind::Calendar:  // a page of days with a list of lines
            p.setBrush(kPaper);
            p.drawRect(QRectF(1.5, 2.5, 13, 11));
            p.setBrush(kAccent);
            p.drawRect(QRectF(1.5, 2.5, 13, 3));
            for (double y = 8; y < 13; y += 2.5) p.drawLine(QPointF(4, y), QPointF(12, y));
            p.setPen(QPen(QColor(200, 40, 40), 1.5));
            p.drawLine(QPointF(3.5, 1), QPointF(3.5, 4));
            p.drawLine(QPointF(12.5, 1), QPointF(12.5, 4));
            break;
        default:
            break;
    }
}

void drawKind(QPainter& p, ToolIcons::Kind kind) {
    p.setPen(QPen(kInk, 1.2));
    drawFrameKind(p, kind);
    drawChartKind(p, kind);
}

}  // namespace

QIcon ToolIcons::icon(Kind kind) {
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(16 * scale, 15 * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing, true);
        drawKind(painter, kind);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace orvanta
