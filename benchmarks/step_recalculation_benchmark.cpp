// One click of the step dialog on a real chart (Moscow, 12.04.1961 09:07, Placidus, the
// delivered settings and pictures): the birth moment moved by a day, the chart computed again,
// and the wheel and the aspect table repainted, each over a 1000 x 1000 area.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "SampleBirth.h"
#include "common/AppFolder.h"
#include "doc/CZodiacDoc.h"
#include "draw/Canvas.h"
#include "draw/ChartResources.h"
#include "draw/FontMapping.h"
#include "natal/paint/AspectTablePainter.h"
#include "natal/paint/WheelPainter.h"

namespace {

constexpr int kSide = 1000;

void BM_StepRecalculation(benchmark::State& state) {
    orvanta::CZodiacDoc doc;
    if (!doc.newChart(orvanta::bench::moscow1961(), 0, false, false)) {
        state.SkipWithError("the chart could not be computed (engine not found)");
        return;
    }
    orvanta::ChartResources resources;
    resources.loadSignPictures();
    orvanta::FontMapping::install(QString::fromStdString(resources.serifFace),
                                  QString::fromStdString(resources.monospaceFace),
                                  QString::fromStdString(resources.sansFace));
    doc.step() = orvanta::ChartStep{0, 0, 1, 0, 0};
    QImage wheel(kSide, kSide, QImage::Format_RGB32);
    QImage table(kSide, kSide, QImage::Format_RGB32);
    bool forward = true;
    for (auto _ : state) {
        // Forth and back, so that the chart stays in the same days however long the run.
        doc.stepChart(forward ? orvanta::ChartStepper::Direction::Forward
                              : orvanta::ChartStepper::Direction::Backward,
                      nullptr);
        forward = !forward;
        wheel.fill(Qt::white);
        {
            QPainter painter(&wheel);
            painter.setRenderHint(QPainter::Antialiasing, true);
            orvanta::Canvas canvas(painter, orvanta::Canvas::Units::Pixels);
            orvanta::WheelPainter::paint(canvas, doc.natal(), resources, QRect(0, 0, kSide, kSide));
        }
        table.fill(Qt::white);
        {
            QPainter painter(&table);
            orvanta::Canvas canvas(painter, orvanta::Canvas::Units::Pixels);
            orvanta::AspectTablePainter::paintScreen(canvas, doc.natal(), resources,
                                                     {0, 0, kSide, kSide}, 1);
        }
        benchmark::DoNotOptimize(wheel.constBits());
        benchmark::DoNotOptimize(table.constBits());
    }
}

}  // namespace

BENCHMARK(BM_StepRecalculation)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (std::getenv("ORVANTA_HOME") == nullptr) orvanta::AppFolder::setOverride(ORVANTA_APP_DIR);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
