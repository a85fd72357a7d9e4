#include "ui/CTranzitView.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "draw/ChartResources.h"
#include "events/DialHitText.h"
#include "events/DialLayout.h"
#include "events/TransitDay.h"
#include "events/paint/DialImage.h"
#include "ui/AnalysisDialog.h"

namespace orvanta {
namespace {

AnalysisSession::Selection listOf(DialLayout::Hit::Kind kind) {
    switch (kind) {
        case DialLayout::Hit::Kind::Situation:
            return AnalysisSession::Selection::Day;
        case DialLayout::Hit::Kind::Moon:
            return AnalysisSession::Selection::Moon;
        case DialLayout::Hit::Kind::Orb:
            return AnalysisSession::Selection::Orb;
    }
    return AnalysisSession::Selection::None;
}

}  // namespace

CTranzitView::CTranzitView(OpenChart& chart, const ChartResources& resources, QWidget* parent)
    : QWidget(parent), chart_(chart), resources_(resources) {
    setMinimumSize(200, 200);
    connect(&chart_, &OpenChart::viewsUpdated, this, [this](int hint) {
        if (hint & CZodiacDoc::kHintEventChart) update();
    });
}

void CTranzitView::paintEvent(QPaintEvent*) {
    chart_.doc().ensureEventChart();
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const int margin = DialLayout::screenMargin(width(), height());
    painter.translate(margin, margin);
    DialImage::paint(painter, chart_.doc().eventChart(),
                     QString::fromStdString(resources_.serifFace),
                     size() - QSize(2 * margin, 2 * margin));
}

// The same layout the paint used: the dial is laid out from the view's size alone, inset by
// the margin that keeps its outer border in view.
std::optional<DialLayout::Hit> CTranzitView::hitAt(QPoint point) {
    CZodiacDoc& doc = chart_.doc();
    doc.ensureEventChart();
    const auto& state = doc.eventChart().state();
    const TransitDay day(state.situations, state.orbTransits, state.date);
    const int margin = DialLayout::screenMargin(width(), height());
    const DialLayout layout =
        DialLayout::compute({width() - 2 * margin, height() - 2 * margin, false, state.date, &day});
    return layout.hitAt({point.x() - margin, point.y() - margin});
}

QString CTranzitView::situationTextAt(QPoint point) {
    const auto hit = hitAt(point);
    if (!hit) return {};
    const CZodiacDoc& doc = chart_.doc();
    const auto& state = doc.eventChart().state();
    const TransitDay day(state.situations, state.orbTransits, state.date);
    return QString::fromStdString(DialHitText::describe(
        *hit, day, {doc.eventChart().bodies(), doc.eventChart().aspects(), doc.natal().chart}));
}

bool CTranzitView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString text = situationTextAt(help->pos());
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), text, this);
    }
    return true;
}

void CTranzitView::mouseReleaseEvent(QMouseEvent* event) {
    const auto hit =
        event->button() == Qt::LeftButton ? hitAt(event->position().toPoint()) : std::nullopt;
    if (!hit) return;
    OpenChart* chart = &chart_;
    AnalysisDialog::run(chart_.doc(), this, [chart] { chart->setModified(true); },
                        {listOf(hit->kind), hit->record});
}

}  // namespace orvanta
