// The aspect table of a real chart (Moscow, 12.04.1961 09:07, Placidus, the delivered
// settings and pictures) painted into a 1000 x 1000 image as the screen view paints it.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "SampleBirth.h"
#include "common/AppFolder.h"
#include "doc/CZodiacDoc.h"
#include "draw/Canvas.h"
#include "draw/ChartResources.h"
#include "draw/FontMapping.h"
#include "natal/AspectTableLayout.h"
#include "natal/paint/AspectTablePainter.h"

namespace {

constexpr int kSide = 1000;

struct Sample {
    std::unique_ptr<orvanta::CZodiacDoc> doc;
    orvanta::ChartResources resources;
    bool computed = false;
};

Sample& sample() {
    static Sample s = [] {
        Sample made;
        made.doc = std::make_unique<orvanta::CZodiacDoc>();
        made.computed = made.doc->newChart(orvanta::bench::moscow1961(), 0, false, true);
        made.resources.loadSignPictures();
        orvanta::FontMapping::install(QString::fromStdString(made.resources.serifFace),
                                      QString::fromStdString(made.resources.monospaceFace),
                                      QString::fromStdString(made.resources.sansFace));
        return made;
    }();
    return s;
}

void paintInto(QImage& image) {
    image.fill(Qt::white);
    QPainter painter(&image);
    orvanta::Canvas canvas(painter, orvanta::Canvas::Units::Pixels);
    orvanta::AspectTablePainter::paintScreen(canvas, sample().doc->natal(), sample().resources,
                                             {0, 0, image.width(), image.height()}, 1);
}

void BM_AspectTablePaint(benchmark::State& state) {
    if (!sample().computed) {
        state.SkipWithError("the chart could not be computed (engine not found)");
        return;
    }
    QImage image(kSide, kSide, QImage::Format_RGB32);
    for (auto _ : state) {
        paintInto(image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

// The same table with every picture left out: lines, cells and texts alone.
void BM_AspectTablePaintWithoutPictures(benchmark::State& state) {
    if (!sample().computed) {
        state.SkipWithError("the chart could not be computed (engine not found)");
        return;
    }
    const auto& natal = sample().doc->natal();
    orvanta::ChartData chart = natal.chart;
    for (auto& style : chart.style.objects) {
        style.symbol.clear();
        style.pictogram.clear();
    }
    orvanta::NatalAspectTable aspects = natal.aspects;
    for (auto& aspect : aspects) aspect.symbol.clear();
    const orvanta::ChartResources noSigns;
    const auto area = orvanta::AspectTableLayout::screenArea({0, 0, kSide, kSide}, 1);
    QImage image(kSide, kSide, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        orvanta::Canvas canvas(painter, orvanta::Canvas::Units::Pixels);
        orvanta::AspectTablePainter::paint(canvas, chart, aspects, noSigns, area);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_AspectTableLayout(benchmark::State& state) {
    const auto& natal = sample().doc->natal();
    const auto area = orvanta::AspectTableLayout::screenArea({0, 0, kSide, kSide}, 1);
    for (auto _ : state) {
        auto layout = orvanta::AspectTableLayout::compute(natal.chart, natal.aspects, area);
        benchmark::DoNotOptimize(layout);
    }
}

}  // namespace

BENCHMARK(BM_AspectTablePaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AspectTablePaintWithoutPictures)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AspectTableLayout)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    if (std::getenv("ORVANTA_HOME") == nullptr) orvanta::AppFolder::setOverride(ORVANTA_APP_DIR);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    std::string png;
    int width = kSide;
    int height = kSide;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--png=", 6) == 0) {
            png = argv[i] + 6;
        } else if (std::sscanf(argv[i], "--size=%dx%d", &width, &height) == 2) {
            if (width < 1 || height < 1 || width > 10000 || height > 10000) {
                std::fprintf(stderr, "--size takes WxH from 1x1 to 10000x10000\n");
                return 1;
            }
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    QGuiApplication app(argc, argv);

    if (!png.empty()) {
        if (!sample().computed) {
            std::fprintf(stderr, "the chart could not be computed\n");
            return 1;
        }
        QImage image(width, height, QImage::Format_RGB32);
        paintInto(image);
        if (!image.save(QString::fromStdString(png))) {
            std::fprintf(stderr, "cannot write %s\n", png.c_str());
            return 1;
        }
        std::printf("wrote %s\n", png.c_str());
    }

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
