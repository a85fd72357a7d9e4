// The bi-wheel of two computed charts against the natal wheel of the first, both painted into
// a 1000 x 1000 image with the delivered pictures: the bi-wheel should stay within twice the
// natal wheel's time.
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
#include "natal/BiWheelLayout.h"
#include "natal/paint/BiWheelPainter.h"
#include "natal/paint/WheelPainter.h"

namespace {

using namespace orvanta;

BirthData newYork1969() {
    BirthData birth = bench::moscow1961();
    birth.day = 20;
    birth.month = 7;
    birth.year = 1969;
    birth.hour = 20;
    birth.minute = 0;
    birth.deriveGreenwich(-4.0);
    birth.name = "Нью-Йорк 20.07.1969";
    birth.latitude = 40.7;
    birth.longitude = -74.0;
    return birth;
}

struct Fixture {
    std::unique_ptr<CZodiacDoc> first;
    std::unique_ptr<CZodiacDoc> second;
    ChartResources resources;
    bool ready = false;

    Fixture() {
        AppFolder::setOverride(ORVANTA_APP_DIR);
        FontMapping::install(ChartResources::kDefaultSerif, ChartResources::kDefaultMonospace,
                             ChartResources::kDefaultSans);
        resources.loadSignPictures();
        first = std::make_unique<CZodiacDoc>(ORVANTA_APP_DIR);
        second = std::make_unique<CZodiacDoc>(ORVANTA_APP_DIR);
        ready = first->newChart(bench::moscow1961(), 0, false, false) &&
                second->newChart(newYork1969(), 0, false, false);
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

template <typename Paint>
void paintLoop(benchmark::State& state, Paint paint) {
    if (!fixture().ready) {
        state.SkipWithError("the charts could not be computed (engine missing?)");
        return;
    }
    QImage image(1000, 1000, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        Canvas canvas(painter, Canvas::Units::Pixels);
        paint(canvas);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_NatalWheelPaint1000(benchmark::State& state) {
    Fixture& f = fixture();
    paintLoop(state, [&](Canvas& canvas) {
        WheelPainter::paint(canvas, f.first->natal(), f.resources, QRect(0, 0, 1000, 1000));
    });
}

void BM_BiWheelPaint1000(benchmark::State& state) {
    Fixture& f = fixture();
    paintLoop(state, [&](Canvas& canvas) {
        const NatalChart& inner = f.first->natal();
        const NatalChart& outer = f.second->natal();
        const BiWheelLayout layout =
            BiWheelLayout::compute(inner.chart, outer.chart, inner.orientation, inner.aspects,
                                   WheelLayout::Frame::screen(0, 0, 1000, 1000));
        BiWheelPainter::paint(canvas, layout, inner.chart, outer.chart, inner.aspects, f.resources);
    });
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::RegisterBenchmark("BM_NatalWheelPaint1000", BM_NatalWheelPaint1000)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_BiWheelPaint1000", BM_BiWheelPaint1000)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
