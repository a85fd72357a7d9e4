#pragma once

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "common/AppFolder.h"
#include "draw/Canvas.h"
#include "draw/ChartResources.h"
#include "draw/FontMapping.h"

namespace orvanta::bench {

// The side of the square image the painting benchmarks draw into, as a large chart window.
constexpr int kPaintSide = 1000;

// The delivered folder, the program's default faces and the sign pictures, as a chart window
// paints with them.
inline void loadPaintResources(ChartResources& resources) {
    AppFolder::setOverride(ORVANTA_APP_DIR);
    FontMapping::install(ChartResources::kDefaultSerif, ChartResources::kDefaultMonospace,
                         ChartResources::kDefaultSans);
    resources.loadSignPictures();
}

// One paint into a white image an iteration, in pixels as the screen views paint; skipped when
// the charts it paints could not be computed.
template <typename Paint>
void paintLoop(benchmark::State& state, bool ready, Paint paint) {
    if (!ready) {
        state.SkipWithError("the chart could not be computed (engine missing?)");
        return;
    }
    QImage image(kPaintSide, kPaintSide, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        Canvas canvas(painter, Canvas::Units::Pixels);
        paint(canvas);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

}  // namespace orvanta::bench
