// The natal wheel of one computed chart: its layout alone, and the layout painted into a
// 1000 x 1000 image with the delivered sign pictures and symbols, as a view's paint does it.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <memory>

#include "SampleBirth.h"
#include "common/AppFolder.h"
#include "doc/CZodiacDoc.h"
#include "draw/Canvas.h"
#include "draw/ChartResources.h"
#include "draw/FontMapping.h"
#include "natal/WheelLayout.h"
#include "natal/paint/WheelPainter.h"

namespace {

using namespace orvanta;

struct Fixture {
    std::unique_ptr<CZodiacDoc> doc;
    ChartResources resources;
    bool ready = false;

    Fixture() {
        AppFolder::setOverride(ORVANTA_APP_DIR);
        FontMapping::install(ChartResources::kDefaultSerif, ChartResources::kDefaultMonospace,
                             ChartResources::kDefaultSans);
        resources.loadSignPictures();
        doc = std::make_unique<CZodiacDoc>(ORVANTA_APP_DIR);
        ready = doc->newChart(bench::moscow1961(), 0, false, false);
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void BM_WheelLayout(benchmark::State& state) {
    Fixture& f = fixture();
    if (!f.ready) {
        state.SkipWithError("the chart could not be computed (engine missing?)");
        return;
    }
    const NatalChart& natal = f.doc->natal();
    const auto frame = WheelLayout::Frame::screen(0, 0, 1000, 1000);
    for (auto _ : state) {
        WheelLayout layout =
            WheelLayout::compute(natal.chart, natal.orientation, natal.aspects, frame);
        benchmark::DoNotOptimize(layout);
    }
}

void BM_WheelPaint1000(benchmark::State& state) {
    Fixture& f = fixture();
    if (!f.ready) {
        state.SkipWithError("the chart could not be computed (engine missing?)");
        return;
    }
    QImage image(1000, 1000, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        Canvas canvas(painter, Canvas::Units::Pixels);
        WheelPainter::paint(canvas, f.doc->natal(), f.resources, QRect(0, 0, 1000, 1000));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["chords"] = static_cast<double>(
        WheelLayout::compute(f.doc->natal().chart, f.doc->natal().orientation,
                             f.doc->natal().aspects, WheelLayout::Frame::screen(0, 0, 1000, 1000))
            .chords.size());
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::RegisterBenchmark("BM_WheelLayout", BM_WheelLayout)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("BM_WheelPaint1000", BM_WheelPaint1000)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
